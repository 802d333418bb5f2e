// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One row of the history across the fiscal years, on the program's line
// chart: amounts in millions, per-share figures in the currency,
// percentages and years as the table writes them. A year without a figure
// leaves a gap.

#include "filings/history_table.h"
#include "widgets/line_chart.h"

namespace kelvo::app {

class HistoryChart final : public widgets::LineChart {
  Q_OBJECT
public:
  explicit HistoryChart(QWidget *parent = nullptr);

  void showRow(const filings::HistoryTable &table, filings::Row row);
  void clear();
};

} // namespace kelvo::app
