// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The SEC's list of symbols (company_tickers_exchange.json), which maps a
// symbol to the company's CIK, and the SEC's spelling of a symbol.

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

namespace kelvo::filings {

// A body over this size is refused.
inline constexpr qint64 kMaxSymbolListBytes = qint64(200) * 1024 * 1024;

struct ListedCompany {
  qint64 cik = 0;
  QString name;     // the SEC's name: "HashiCorp, Inc."
  QString symbol;   // in the SEC's spelling: "BRK-B"
  QString exchange; // "Nasdaq", "NYSE"; empty when the list gives none
  bool operator==(const ListedCompany &) const = default;
};

// The SEC writes class shares with a hyphen: the directory's "BRK/A",
// "BF/B" and "BRK.B" are "BRK-A", "BF-B" and "BRK-B" there. Upper case,
// without surrounding spaces.
QString secSymbol(QStringView symbol);

class SymbolList {
public:
  // The company listed under a symbol, in either spelling and any case; null
  // when there is none. A binary search: well under a microsecond.
  const ListedCompany *find(QStringView symbol) const;

  // Every company once, by symbol (the first row of a symbol listed twice).
  const std::vector<ListedCompany> &companies() const { return m_companies; }
  qsizetype size() const { return qsizetype(m_companies.size()); }
  // Rows passed over: too short, of the wrong types, or without a CIK or a symbol.
  qsizetype skippedRows() const { return m_skippedRows; }

private:
  friend struct SymbolListReader;
  std::vector<ListedCompany> m_companies;
  qsizetype m_skippedRows = 0;
};

struct SymbolListRead {
  std::optional<SymbolList> list;
  QString error; // one sentence when list is empty
};

// Reads the list. The columns are found by the names in "fields" (at least
// "cik" and "ticker"; "name" and "exchange" when present), whatever their
// order. Refuses a body that is too large, not JSON, not of that shape, or
// that lists no company at all.
SymbolListRead readSymbolList(const QByteArray &body);

} // namespace kelvo::filings
