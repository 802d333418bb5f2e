// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The workbench's chart: each method's value per share against the growth
// rate, and the price as a horizontal line, drawn with QPainter in the
// palette's colours.

#include "valuation/methods.h"

#include <QStringList>
#include <QWidget>

namespace kelvo::app {

class ValuationChart final : public QWidget {
  Q_OBJECT
public:
  explicit ValuationChart(QWidget *parent = nullptr);

  // The series and the legend's names, one per method in kMethods order.
  void setSeries(valuation::ChartSeries series, QStringList methodNames);
  const valuation::ChartSeries &series() const { return series_; }

  QSize sizeHint() const override { return {420, 300}; }
  QSize minimumSizeHint() const override { return {260, 200}; }

protected:
  void paintEvent(QPaintEvent *event) override;

private:
  valuation::ChartSeries series_;
  QStringList names_;
};

} // namespace kelvo::app
