// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which reported concepts give each figure of the history, in order of
// preference: US GAAP first, then the IFRS equivalents foreign filers use.
// A figure may come from different tags in different years; each year takes
// the first tag that has it.

#include <QSet>
#include <QString>
#include <span>
#include <string_view>

namespace kelvo::filings {

// The figures read from the filings (the other rows of the table are worked
// out from these).
enum class Figure {
  Revenue,
  NetIncome,
  EarningsPerShare,
  Equity,
  Shares,
  OperatingCashFlow,
  CapitalSpending,
  LongTermDebt,
};
inline constexpr int kFigureCount = 8;

// How a concept's facts map onto fiscal years.
enum class Measure {
  Flow,    // a period of about a year, ending at the fiscal year's end
  Balance, // an instant at the fiscal year's end
  Cover,   // an instant on the annual report's cover, a few weeks after the year's end
};

// What the values count.
enum class UnitKind {
  Money,         // a currency code: "USD", "EUR"
  MoneyPerShare, // "USD/shares"
  Shares,        // "shares"
};

struct ConceptTag {
  std::string_view name; // "us-gaap:Revenues"
  Measure measure;
};

// "us-gaap:Revenues"
QString tagName(const ConceptTag &tag);

// The tags of a figure, most preferred first.
std::span<const ConceptTag> conceptTags(Figure figure);
UnitKind unitKind(Figure figure);

// Every concept some figure reads ("taxonomy:Name"): the reader keeps these
// and passes over the rest of a company's facts.
const QSet<QString> &conceptsRead();

} // namespace kelvo::filings
