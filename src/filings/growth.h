// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Compound annual growth of a row of the history, from one fiscal year to
// the newest: worked out only when both ends are positive.

#include "filings/history_table.h"

#include <QString>
#include <array>
#include <optional>

namespace kelvo::filings {

// The rows whose growth the window shows, and the spans it shows it over
// (0 stands for all years shown).
inline constexpr std::array kGrowthRows{Row::Revenue, Row::EarningsPerShare, Row::BookValuePerShare,
                                        Row::FreeCashFlow};
inline constexpr std::array kGrowthSpans{1, 5, 10, 0};

struct Growth {
  std::optional<double> rate; // a fraction a year: 0.121 for 12.1%
  QString text;               // "12.1%" or "—"
  QString toolTip;            // the two ends and the span, or why there is no rate
  // Possible splits inside the span whose earlier per-share figures are as
  // filed (the tooltip ends with them too): the rate of a per-share row
  // then says little.
  QStringList splitsWithin;
  qsizetype from = -1; // column of the first year, when there is one
  qsizetype to = -1;   // column of the newest year
};

// "1 year", "5 years", "All years (FY2009 to FY2024)"
QString growthSpanHeading(const HistoryTable &table, int years);

// The growth over the last `years` years (to the newest column from the one
// `years` fiscal years before it), or over all years shown for 0.
Growth growth(const HistoryTable &table, Row row, int years);

// The growth between two columns (from < to).
Growth growthBetween(const HistoryTable &table, Row row, qsizetype from, qsizetype to);

} // namespace kelvo::filings
