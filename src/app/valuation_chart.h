// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The workbench's chart: each method's value per share against the growth
// rate, and the price as a horizontal line, drawn with QPainter in the
// palette's colours. Ticks are placed for the room the chart has, so that
// no label overlaps another or leaves the chart at any size or scale.

#include "valuation/methods.h"

#include <QList>
#include <QRectF>
#include <QStringList>
#include <QWidget>

class QPainter;

namespace kelvo::app {

class ValuationChart final : public QWidget {
  Q_OBJECT
public:
  explicit ValuationChart(QWidget *parent = nullptr);

  // The series and the legend's names, one per method in kMethods order.
  void setSeries(valuation::ChartSeries series, QStringList methodNames);
  const valuation::ChartSeries &series() const { return series_; }
  // What the chart says when it has no growth rates to draw against.
  void setPlaceholderText(const QString &text);

  // Every text as it is drawn at the chart's present size (legend, axis
  // labels and titles, or the placeholder), for tests and tools.
  struct PlacedText {
    QString text;
    QRectF place;
  };
  QList<PlacedText> placedTexts() const;

  QSize sizeHint() const override { return {420, 300}; }
  QSize minimumSizeHint() const override { return {260, 200}; }

protected:
  void paintEvent(QPaintEvent *event) override;

private:
  struct Layout;
  Layout layOut() const;
  void paintPlot(QPainter &p, const Layout &layout) const;

  valuation::ChartSeries series_;
  QStringList names_;
  QString placeholder_;
};

} // namespace kelvo::app
