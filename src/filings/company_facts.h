// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One company's reported facts as the SEC's "company facts" document gives
// them, cut down to the concepts the history table reads. Nothing here
// decides which fact is a fiscal year's figure: annual_values.h does that.

#include <QByteArray>
#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <optional>

namespace kelvo::filings {

// Limits on what is read. A body over the size is refused; a concept with
// more facts keeps the first ones and says so in CompanyFacts::cappedConcepts.
inline constexpr qint64 kMaxFactsBodyBytes = qint64(200) * 1024 * 1024;
inline constexpr int kMaxFactsPerConcept = 10'000;

// One fact: a value for a period (start to end) or an instant (no start), as
// reported in one filing. The file's "fy" and "fp" are not kept: they name
// the filing, not the period of the figure.
struct Fact {
  QDate start; // invalid for an instant
  QDate end;
  double value = 0;
  QString accession; // "0000320193-23-000106"
  QString form;      // "10-K", "10-K/A", "20-F", "10-Q", ...
  QDate filed;
  bool framed = false; // the SEC put a "frame" on it (it does so on one copy only)
  bool isInstant() const { return !start.isValid() || start == end; }
  bool operator==(const Fact &) const = default;
};

// The facts of one concept ("us-gaap:Revenues"), by unit ("USD", "EUR/shares",
// "shares"), each list in the order of the file.
struct ConceptFacts {
  QHash<QString, QList<Fact>> byUnit;
};

struct CompanyFacts {
  qint64 cik = 0;
  QString entityName;
  QHash<QString, ConceptFacts> concepts; // key "taxonomy:Name"
  QStringList cappedConcepts;            // concepts cut at kMaxFactsPerConcept
};

struct CompanyFactsRead {
  std::optional<CompanyFacts> facts;
  QString error; // one sentence when facts is empty
};

// Reads a company-facts body. Refuses (with a sentence in error) a body that
// is over kMaxFactsBodyBytes, not JSON, or not of the document's shape (an
// object with a "facts" object). Inside it, a fact with a field missing or of
// the wrong type, a date that is no date, or a value that is not a finite
// number is passed over; so are concepts the history does not use.
CompanyFactsRead readCompanyFacts(const QByteArray &body);

} // namespace kelvo::filings
