// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the SEC's documents are asked for, what is said about the program in
// every request, and which redirects are followed.

#include "filings/sec_documents.h"

#include <QByteArray>
#include <QUrl>
#include <optional>

namespace kelvo::filings {

// Replaces both of the SEC's hosts, for tests and local mirrors. The paths
// of the documents stay the same below it.
inline constexpr char kBaseUrlVariable[] = "KELVO_SEC_BASE_URL";

struct SecEndpoints {
  QUrl www;  // the symbol list lives here (https://www.sec.gov)
  QUrl data; // company facts live here (https://data.sec.gov)
};

// The SEC's own hosts when base is empty. Otherwise base replaces both, and
// is accepted only as https, or as plain http to 127.0.0.1 or localhost,
// without user name, query or fragment; anything else gives nothing.
std::optional<SecEndpoints> endpointsFor(const QString &base);

// endpointsFor() of the environment's KELVO_SEC_BASE_URL.
std::optional<SecEndpoints> currentEndpoints();

// .../files/company_tickers_exchange.json, .../api/xbrl/companyfacts/CIK##########.json
QUrl documentUrl(const SecEndpoints &endpoints, SecDocument document, qint64 cik);

// A redirect is followed only to https on the host asked or on the other of
// the two hosts in use, or to plain http on the same local test host: the
// contact in the User-Agent goes to the SEC and nowhere else.
bool mayFollowRedirect(const SecEndpoints &endpoints, const QUrl &from, const QUrl &to);

// "kelvo-wizard/VERSION CONTACT", as the SEC's fair-access rules ask. The
// contact must be plausible (isPlausibleContact), so it holds no line break.
QByteArray userAgent(const QString &contact);

} // namespace kelvo::filings
