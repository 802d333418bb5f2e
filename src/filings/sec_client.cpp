// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "filings/sec_client.h"

#include "filings/sec_contact.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <algorithm>

namespace kelvo::filings {

namespace {

constexpr std::chrono::milliseconds kRequestSpacing{150};
constexpr int kMaxRedirects = 5;

bool isFresh(const CachedCopy &copy, const QDateTime &now, SecDocument document) {
  // A copy dated in the future (the clock was turned back) is not trusted.
  return copy.downloaded <= now && copy.downloaded.secsTo(now) < freshFor(document).count();
}

BodyCheck checkOf(const FetchRequest &request) {
  return request.check ? request.check : defaultBodyCheck(request.document, request.cik);
}

} // namespace

SecClient::SecClient(QObject *parent) : SecClient(FiguresCache(), parent) {}

SecClient::SecClient(FiguresCache cache, QObject *parent)
    : FiguresSource(parent), m_cache(std::move(cache)), m_network(new QNetworkAccessManager(this)),
      m_now([] { return QDateTime::currentDateTimeUtc(); }) {
  m_stallTimer.setSingleShot(true);
  m_startTimer.setSingleShot(true);
  connect(&m_stallTimer, &QTimer::timeout, this,
          [this] { abortWith(SecError::TimedOut, stallSeconds()); });
  connect(&m_startTimer, &QTimer::timeout, this, &SecClient::startRequest);
}

SecClient::~SecClient() {
  if (m_reply) {
    m_reply->disconnect(this);
    m_reply->abort();
  }
}

QString SecClient::stallSeconds() const {
  return QString::number(std::chrono::ceil<std::chrono::seconds>(m_stallTimeout).count());
}

FetchResult SecClient::resultFor(const FetchRequest &request) const {
  FetchResult result;
  result.document = request.document;
  result.cik = request.cik;
  return result;
}

std::optional<CachedCopy> SecClient::keptCopy(const FetchRequest &request, const QUrl &url) const {
  const QString name = documentFileName(request.document, request.cik);
  std::optional<CachedCopy> copy = m_cache.read(name, url, m_bodyLimit);
  // A damaged copy is ignored here and replaced by the next download.
  if (copy && !checkOf(request)(copy->body).isEmpty())
    copy.reset();
  return copy;
}

FetchResult SecClient::cached(const FetchRequest &request) const {
  FetchResult result = resultFor(request);
  const std::optional<SecEndpoints> endpoints = currentEndpoints();
  if (!endpoints || (request.document == SecDocument::CompanyFacts && !isValidCik(request.cik)))
    return result;
  if (std::optional<CachedCopy> copy =
          keptCopy(request, documentUrl(*endpoints, request.document, request.cik))) {
    result.body = copy->body;
    result.origin = FetchOrigin::Cache;
    result.downloaded = copy->downloaded;
  }
  return result;
}

bool SecClient::fetch(const FetchRequest &request) {
  if (m_busy)
    return false;
  m_busy = true;
  m_request = request;
  m_request.check = checkOf(request);
  m_kept.reset();
  m_abort.reset();
  m_body.clear();
  m_announced = -1;

  if (request.document == SecDocument::CompanyFacts && !isValidCik(request.cik)) {
    finishLater(failure(SecError::InvalidCik, QString::number(request.cik)));
    return true;
  }
  const std::optional<SecEndpoints> endpoints = currentEndpoints();
  if (!endpoints) {
    finishLater(failure(SecError::AddressRefused, qEnvironmentVariable(kBaseUrlVariable)));
    return true;
  }
  m_endpoints = *endpoints;
  m_url = documentUrl(m_endpoints, request.document, request.cik);
  m_kept = keptCopy(m_request, m_url);
  if (m_kept && isFresh(*m_kept, m_now(), request.document)) {
    FetchResult result = resultFor(request);
    result.body = m_kept->body;
    result.origin = FetchOrigin::Cache;
    result.downloaded = m_kept->downloaded;
    finishLater(result);
    return true;
  }
  if (!isPlausibleContact(request.contact)) {
    finishLater(failure(SecError::NoContact, {}));
    return true;
  }
  const auto since = std::chrono::milliseconds(
      m_sinceLastStart.isValid() ? m_sinceLastStart.elapsed() : kRequestSpacing.count());
  m_startTimer.start(std::max(std::chrono::milliseconds(0), kRequestSpacing - since));
  return true;
}

void SecClient::cancel() {
  if (m_startTimer.isActive()) {
    m_startTimer.stop();
    finish(failure(SecError::Cancelled, {}));
  } else if (m_reply) {
    abortWith(SecError::Cancelled, {});
  }
}

void SecClient::startRequest() {
  QNetworkRequest request(m_url);
  request.setHeader(QNetworkRequest::UserAgentHeader, userAgent(m_request.contact.trimmed()));
  request.setRawHeader("Accept", "application/json");
  request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                       QNetworkRequest::UserVerifiedRedirectPolicy);
  request.setMaximumRedirectsAllowed(kMaxRedirects);
  if (m_kept) {
    if (!m_kept->etag.isEmpty())
      request.setRawHeader("If-None-Match", m_kept->etag);
    if (!m_kept->lastModified.isEmpty())
      request.setRawHeader("If-Modified-Since", m_kept->lastModified);
  }
  m_sinceLastStart.start();
  m_lastAsked = m_url;
  m_reply = m_network->get(request);
  connect(m_reply, &QNetworkReply::metaDataChanged, this, &SecClient::headersArrived);
  connect(m_reply, &QNetworkReply::readyRead, this, &SecClient::readArrived);
  connect(m_reply, &QNetworkReply::redirected, this, &SecClient::followOrRefuse);
  connect(m_reply, &QNetworkReply::finished, this, &SecClient::replyFinished);
  m_stallTimer.start(m_stallTimeout);
}

void SecClient::headersArrived() {
  if (!m_reply)
    return;
  m_stallTimer.start(m_stallTimeout);
  bool known = false;
  const qint64 announced = m_reply->header(QNetworkRequest::ContentLengthHeader).toLongLong(&known);
  if (known && announced > m_bodyLimit)
    return abortWith(SecError::TooLarge, megabytesText(m_bodyLimit));
  // A compressed body is counted here as it is unpacked, so its announced
  // (compressed) length says nothing of it; Qt drops it, and so does this.
  m_announced = known && !m_reply->hasRawHeader("Content-Encoding") ? announced : -1;
}

void SecClient::readArrived() {
  m_stallTimer.start(m_stallTimeout);
  // Read as it comes, so that the limit holds however the server lies
  // about the length (or compresses).
  const qint64 before = m_body.size();
  while (m_reply && m_reply->bytesAvailable() > 0) {
    if (m_body.size() + m_reply->bytesAvailable() > m_bodyLimit)
      return abortWith(SecError::TooLarge, megabytesText(m_bodyLimit));
    m_body += m_reply->readAll();
  }
  if (m_body.size() > before)
    emit progress(m_body.size(), m_announced);
}

void SecClient::followOrRefuse(const QUrl &target) {
  // The reply's own url() already names the target here: the address asked
  // last is kept apart.
  const QUrl to = m_lastAsked.resolved(target);
  if (mayFollowRedirect(m_endpoints, m_lastAsked, to)) {
    m_lastAsked = to;
    emit m_reply->redirectAllowed();
  } else
    abortWith(SecError::RedirectRefused, to.toDisplayString());
}

void SecClient::abortWith(SecError error, const QString &detail) {
  if (!m_reply || m_abort)
    return;
  m_abort = Abort{error, detail};
  m_reply->abort(); // finished() follows, and replyFinished() reports the reason
}

void SecClient::replyFinished() {
  QNetworkReply *reply = m_reply;
  if (!m_abort)
    readArrived(); // what is left
  m_stallTimer.stop();
  m_reply = nullptr;
  // An aborted reply can still deliver the headers that were on their way:
  // they are no longer this download's.
  disconnect(reply, nullptr, this, nullptr);
  reply->deleteLater();
  if (m_abort)
    return finish(failure(m_abort->error, m_abort->detail));
  const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
  if (status == 200)
    takeBody(reply);
  else if (status == 304 && m_kept)
    takeRevalidation(reply);
  else
    finish(failureOf(reply, status));
}

void SecClient::takeBody(QNetworkReply *reply) {
  if (reply->error() != QNetworkReply::NoError)
    return finish(failureOf(reply, 0));
  if (m_announced >= 0 && m_body.size() != m_announced)
    return finish(failure(SecError::ClosedEarly, {}));
  if (const QString problem = m_request.check(m_body); !problem.isEmpty())
    return finish(failure(SecError::Damaged, problem));
  CachedCopy copy;
  copy.body = m_body;
  copy.url = m_url;
  copy.downloaded = m_now().toUTC();
  copy.lastModified = reply->rawHeader("Last-Modified");
  copy.etag = reply->rawHeader("ETag");
  FetchResult result = resultFor(m_request);
  result.body = m_body;
  result.origin = FetchOrigin::Downloaded;
  result.downloaded = copy.downloaded;
  if (const QString failure =
          m_cache.write(documentFileName(m_request.document, m_request.cik), copy);
      !failure.isEmpty())
    result.note = notCachedMessage(failure);
  finish(result);
}

void SecClient::takeRevalidation(QNetworkReply *reply) {
  CachedCopy copy = *m_kept;
  copy.downloaded = m_now().toUTC();
  // The SEC may send fresh validators with its "not modified".
  if (reply->hasRawHeader("ETag"))
    copy.etag = reply->rawHeader("ETag");
  if (reply->hasRawHeader("Last-Modified"))
    copy.lastModified = reply->rawHeader("Last-Modified");
  FetchResult result = resultFor(m_request);
  result.body = copy.body;
  result.origin = FetchOrigin::Revalidated;
  result.downloaded = copy.downloaded;
  if (const QString failure =
          m_cache.writeSidecar(documentFileName(m_request.document, m_request.cik), copy);
      !failure.isEmpty())
    result.note = notCachedMessage(failure);
  finish(result);
}

FetchResult SecClient::failureOf(QNetworkReply *reply, int status) const {
  const QString host = reply->url().host();
  if (status == 403)
    return failure(SecError::Refused, {});
  if (status == 404 && m_request.document == SecDocument::CompanyFacts)
    return failure(SecError::NoFigures, {});
  if (status == 429 || (status >= 500 && status <= 599))
    return failure(SecError::Busy, QString::number(status));
  if (status != 0)
    return failure(SecError::UnexpectedStatus, QString::number(status));
  switch (reply->error()) {
  case QNetworkReply::HostNotFoundError:
    return failure(SecError::HostNotFound, host);
  case QNetworkReply::ConnectionRefusedError:
    return failure(SecError::ConnectionRefused, host);
  case QNetworkReply::TimeoutError:
    return failure(SecError::TimedOut, stallSeconds());
  case QNetworkReply::RemoteHostClosedError:
    return failure(SecError::ClosedEarly, {});
  // Qt's catch-all for the socket's errors, where "network unreachable" lands.
  case QNetworkReply::UnknownNetworkError:
  case QNetworkReply::NetworkSessionFailedError:
  case QNetworkReply::TemporaryNetworkFailureError:
    return failure(SecError::NetworkUnreachable, {});
  default:
    return failure(SecError::NetworkFailure, reply->errorString());
  }
}

FetchResult SecClient::failure(SecError error, const QString &detail) const {
  FetchResult result = resultFor(m_request);
  result.error = error;
  result.message = secErrorMessage(error, m_request.document, detail);
  if (m_kept) {
    result.body = m_kept->body;
    result.origin = FetchOrigin::Cache;
    result.downloaded = m_kept->downloaded;
  }
  return result;
}

void SecClient::finish(const FetchResult &result) {
  m_busy = false;
  m_kept.reset();
  m_abort.reset();
  m_body.clear();
  emit finished(result);
}

void SecClient::finishLater(FetchResult result) {
  QMetaObject::invokeMethod(
      this, [this, result = std::move(result)] { finish(result); }, Qt::QueuedConnection);
}

} // namespace kelvo::filings
