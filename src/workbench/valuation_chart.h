// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The workbench's chart: each method's value per share against the growth
// rate, and the price as a level, in dollars and percent.

#include "valuation/methods.h"
#include "widgets/line_chart.h"

#include <QStringList>

namespace kelvo::app {

class ValuationChart final : public widgets::LineChart {
  Q_OBJECT
public:
  explicit ValuationChart(QWidget *parent = nullptr);

  // The series and the legend's names, one per method in kMethods order.
  void setSeries(const valuation::ChartSeries &series, const QStringList &methodNames);
  // What the chart says when it has no growth rates to draw against; by
  // default it asks for one.
  void setNote(const QString &text);

private:
  void showNote();

  QString note_;
  bool hasGrowthRates_ = false;
};

} // namespace kelvo::app
