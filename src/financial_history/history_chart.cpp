// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "financial_history/history_chart.h"

#include "filings/cell_text.h"

#include <algorithm>
#include <cmath>

namespace kelvo::app {

using filings::RowKind;

namespace {

// What a value of the row is drawn as: millions for amounts and shares,
// percentage points for fractions.
double plotted(RowKind kind, double value) {
  switch (kind) {
  case RowKind::Amount:
  case RowKind::Shares:
    return value / 1e6;
  case RowKind::Percent:
    return value * 100;
  default:
    return value;
  }
}

QString unitTitle(RowKind kind, const QString &currency) {
  switch (kind) {
  case RowKind::Amount:
    return HistoryChart::tr("%1 millions").arg(currency);
  case RowKind::PerShare:
    return HistoryChart::tr("%1 per share").arg(currency);
  case RowKind::Shares:
    return HistoryChart::tr("Millions of shares");
  case RowKind::Percent:
    return HistoryChart::tr("Percent");
  case RowKind::Years:
    break;
  }
  return HistoryChart::tr("Years");
}

QString yearLabel(double year, const valuation::AxisTicks &) {
  return QStringLiteral("FY%1").arg(std::lround(year));
}

} // namespace

HistoryChart::HistoryChart(QWidget *parent) : LineChart(parent) {
  setAccessibleName(tr("Chart of the selected row across the years"));
  clear();
}

void HistoryChart::clear() {
  setLines({}, {});
  setPlaceholderText(tr("No figures to draw yet."));
}

void HistoryChart::showRow(const filings::HistoryTable &table, filings::Row row) {
  const RowKind kind = filings::rowKind(row);
  const bool percent = kind == RowKind::Percent;
  setAxes({tr("Fiscal year"), 1, yearLabel},
          {unitTitle(kind, table.currency), 0.01,
           [percent](double v, const valuation::AxisTicks &ticks) {
             const QString number = filings::formatNumber(v, std::min(2, ticks.decimals()));
             return percent ? number + QLatin1Char('%') : number;
           }});
  std::vector<double> xs;
  widgets::ChartLine line{filings::rowHeading(row), {}, true};
  for (qsizetype y = 0; y < table.years.size(); ++y) {
    xs.push_back(table.years[y].year);
    const std::optional<double> &value = table.cell(row, y).value;
    line.values.push_back(value ? std::optional(plotted(kind, *value)) : std::nullopt);
  }
  const auto withFigure =
      std::count_if(line.values.begin(), line.values.end(),
                    [](const std::optional<double> &v) { return v.has_value(); });
  if (withFigure < 2) {
    setLines({}, {});
    setPlaceholderText(tr("%1: fewer than two years have a figure to draw.").arg(line.name));
    return;
  }
  setPlaceholderText({});
  setLines(std::move(xs), {std::move(line)});
}

} // namespace kelvo::app
