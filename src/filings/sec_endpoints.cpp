// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "filings/sec_endpoints.h"

#include <QStringList>

namespace kelvo::filings {

namespace {

bool isLocalTestHost(const QString &host) {
  return host == QLatin1String("127.0.0.1") || host == QLatin1String("localhost");
}

QUrl secHost(const char *host) {
  QUrl url;
  url.setScheme(QStringLiteral("https"));
  url.setHost(QString::fromLatin1(host));
  return url;
}

} // namespace

std::optional<SecEndpoints> endpointsFor(const QString &base) {
  if (base.isEmpty())
    return SecEndpoints{secHost(KELVO_HOST_SEC), secHost(KELVO_HOST_SEC_DATA)};
  QUrl url(base, QUrl::StrictMode);
  if (!url.isValid() || url.host().isEmpty() || !url.userInfo().isEmpty() || url.hasQuery() ||
      url.hasFragment())
    return std::nullopt;
  const QString scheme = url.scheme();
  if (scheme != QLatin1String("https") &&
      !(scheme == QLatin1String("http") && isLocalTestHost(url.host())))
    return std::nullopt;
  QString path = url.path();
  while (path.endsWith(QLatin1Char('/')))
    path.chop(1);
  url.setPath(path);
  return SecEndpoints{url, url};
}

std::optional<SecEndpoints> currentEndpoints() {
  return endpointsFor(qEnvironmentVariable(kBaseUrlVariable));
}

QUrl documentUrl(const SecEndpoints &endpoints, SecDocument document, qint64 cik) {
  const bool list = document == SecDocument::SymbolList;
  QUrl url = list ? endpoints.www : endpoints.data;
  const QString folder =
      list ? QStringLiteral("/files/") : QStringLiteral("/api/xbrl/companyfacts/");
  url.setPath(url.path() + folder + documentFileName(document, cik));
  return url;
}

bool mayFollowRedirect(const SecEndpoints &endpoints, const QUrl &from, const QUrl &to) {
  const QString host = to.host();
  if (to.scheme() == QLatin1String("https"))
    return host == from.host() || host == endpoints.www.host() || host == endpoints.data.host();
  return to.scheme() == QLatin1String("http") && isLocalTestHost(host) && host == from.host();
}

QByteArray userAgent(const QString &contact) {
  return QByteArrayLiteral("kelvo-wizard/" KELVO_VERSION " ") + contact.toLatin1();
}

} // namespace kelvo::filings
