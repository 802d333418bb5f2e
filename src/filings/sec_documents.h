// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two documents downloaded from the SEC, how long a copy of each stays
// fresh, and the check that a body is the document it claims to be.

#include <QByteArray>
#include <QString>
#include <chrono>
#include <functional>

namespace kelvo::filings {

enum class SecDocument {
  SymbolList,   // company_tickers_exchange.json: symbol -> CIK for every listed company
  CompanyFacts, // one company's reported figures, by CIK
};

// A CIK has at most ten digits; 0 and anything larger is no company.
inline constexpr qint64 kMaxCik = 9'999'999'999;
bool isValidCik(qint64 cik);

// A fresh copy is used without asking the SEC; an older one is asked about again.
inline constexpr std::chrono::hours kSymbolListFreshFor{7 * 24};
inline constexpr std::chrono::hours kCompanyFactsFreshFor{24};
std::chrono::seconds freshFor(SecDocument document);

// "company_tickers_exchange.json", "CIK0000320193.json": the name both in the
// SEC's address and in the cache folder.
QString documentFileName(SecDocument document, qint64 cik);

// Decides whether a body is usable: an empty string when it is, else one
// translated sentence saying what is wrong ("It is not valid JSON text.").
// The readers of the figures plug in here, so that a body is parsed by the
// same code that will read it; a check may keep what it parsed.
using BodyCheck = std::function<QString(const QByteArray &body)>;

// The check used when the caller hands in none: valid JSON whose top level
// has the keys of the document ("fields" and "data" for the symbol list;
// "cik" and "facts" for company facts, with "cik" equal to the one asked for
// when cik is not 0). It parses the whole body with QJsonDocument (about
// 30 ms a MB), so a window hands in its reader instead, and parses once.
BodyCheck defaultBodyCheck(SecDocument document, qint64 cik = 0);

} // namespace kelvo::filings
