// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "workbench/valuation_chart.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace kelvo::app {
namespace {

using valuation::AxisTicks;

QString moneyText(double v, int decimals = 2) {
  return QString::fromStdString(valuation::formatMoney(v, decimals));
}

// A value label: large values in millions, billions or trillions ("$250B"),
// so that the labels leave the plot its room; as many decimals as the step
// needs.
QString valueLabel(double v, const AxisTicks &ticks) {
  const double largest = std::max(std::fabs(ticks.at(0)), std::fabs(ticks.last()));
  const struct {
    double size;
    const char *suffix;
  } units[] = {{1e12, QT_TRANSLATE_NOOP("kelvo::app::ValuationChart", "%1T")},
               {1e9, QT_TRANSLATE_NOOP("kelvo::app::ValuationChart", "%1B")},
               {1e6, QT_TRANSLATE_NOOP("kelvo::app::ValuationChart", "%1M")}};
  for (const auto &unit : units)
    if (largest >= unit.size) {
      const AxisTicks scaled{ticks.firstMultiple, ticks.step / unit.size, ticks.count};
      return QCoreApplication::translate("kelvo::app::ValuationChart", unit.suffix)
          .arg(moneyText(v / unit.size, std::min(2, scaled.decimals())));
    }
  return moneyText(v, std::min(2, ticks.decimals()));
}

// A growth rate to a tenth of a percent at most.
QString growthLabel(double v, const AxisTicks &ticks) {
  return QString::fromStdString(valuation::formatPercent(v / 100, std::min(1, ticks.decimals())));
}

} // namespace

ValuationChart::ValuationChart(QWidget *parent) : LineChart(parent) {
  setAccessibleName(tr("Chart of value per share against the growth rate"));
  setAxes({tr("Growth rate (% a year)"), 0.1, growthLabel},
          {tr("Value per share"), 0.01, valueLabel});
  showNote();
}

void ValuationChart::setSeries(const valuation::ChartSeries &series,
                               const QStringList &methodNames) {
  std::vector<widgets::ChartLine> lines;
  lines.reserve(valuation::kMethodCount);
  for (int m = 0; m < valuation::kMethodCount; ++m)
    lines.push_back({methodNames.value(m), series.values[std::size_t(m)]});
  std::optional<widgets::ChartLevel> price;
  if (series.price)
    price = widgets::ChartLevel{tr("Price %1").arg(moneyText(*series.price)), *series.price};
  hasGrowthRates_ = !series.growthRates.empty();
  setLines(series.growthRates, std::move(lines), std::move(price));
  showNote();
}

void ValuationChart::setNote(const QString &text) {
  note_ = text;
  showNote();
}

void ValuationChart::showNote() {
  setPlaceholderText(hasGrowthRates_ ? tr("No method has a value for these inputs.")
                     : !note_.isEmpty()
                         ? note_
                         : tr("Type a growth rate to see how the values follow it."));
}

} // namespace kelvo::app
