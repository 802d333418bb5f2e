// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A chart of lines over one axis across, drawn with QPainter in the
// palette's colours: each line in its own colour and dash pattern, a level
// (a price, say) as a dashed horizontal line, and a legend on top. Ticks are
// placed for the room the chart has, so that no label overlaps another or
// leaves the chart at any size or scale. What the axes mean and how their
// labels read is the owner's.

#include "valuation/chart_axis.h"

#include <QList>
#include <QRectF>
#include <QString>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

class QPainter;

namespace kelvo::widgets {

struct ChartAxis {
  QString title;
  double finestStep = 1; // no two ticks closer than this
  // The label of one tick, told every tick of the axis (for the decimals or
  // the unit they share).
  std::function<QString(double value, const valuation::AxisTicks &ticks)> label;
};

struct ChartLine {
  QString name;                              // in the legend; a line without a name has no entry
  std::vector<std::optional<double>> values; // one per x; none leaves a gap
  bool markers = false; // a dot on every value, so that one between two gaps shows too
};

// A dashed line across the whole plot, in the text's colour.
struct ChartLevel {
  QString name;
  double value = 0;
};

class LineChart : public QWidget {
  Q_OBJECT
public:
  explicit LineChart(QWidget *parent = nullptr);

  // The axis across spans the first x to the last; the axis down frames
  // every value and the level.
  void setAxes(ChartAxis across, ChartAxis down);
  // `xs` rising; each line's values in the order of `xs`.
  void setLines(std::vector<double> xs, std::vector<ChartLine> lines,
                std::optional<ChartLevel> level = std::nullopt);
  // What the chart says when there is nothing to plot.
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

  ChartAxis across_;
  ChartAxis down_;
  std::vector<double> xs_;
  std::vector<ChartLine> lines_;
  std::optional<ChartLevel> level_;
  QString placeholder_;
};

} // namespace kelvo::widgets
