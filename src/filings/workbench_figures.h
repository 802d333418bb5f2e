// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What "Use in Workbench" fills in: earnings per share and book value per
// share of the newest year, and a growth rate; each with where it came
// from, or why it cannot be given. The SEC has no prices: the price stays
// the user's.

#include "filings/history_table.h"

#include <QString>
#include <optional>

namespace kelvo::filings {

struct WorkbenchFigure {
  std::optional<double> value; // per-share figures in the currency; growth as a fraction
  QString text;                // "3.28", "9.8%"; empty without a value
  QString source;              // "FY2024 10-K, filed 2024-03-26" and how it was worked out
  QString reason;              // why there is no value
};

struct WorkbenchFigures {
  QString currency; // the per-share figures' currency ("USD", "EUR")
  WorkbenchFigure earningsPerShare;
  WorkbenchFigure bookValuePerShare;
  // The lower of earnings-per-share growth and book-value-per-share growth
  // over the longest span up to ten years that has both ends of both
  // positive; failing a common span, whichever of the two can be worked out.
  WorkbenchFigure growth;
};

inline constexpr int kWorkbenchGrowthYears = 10;

WorkbenchFigures workbenchFigures(const HistoryTable &table);

} // namespace kelvo::filings
