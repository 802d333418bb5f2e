// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/valuation_chart.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace kelvo::app {
namespace {

// About five round steps (1, 2 or 5 times a power of ten) across a range.
double niceStep(double range) {
  const double raw = range / 5;
  const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
  for (double m : {1.0, 2.0, 5.0})
    if (raw <= m * magnitude)
      return m * magnitude;
  return 10 * magnitude;
}

QString moneyText(double v) { return QString::fromStdString(valuation::formatMoney(v)); }
QString percentText(double v) { return QString::fromStdString(valuation::formatPercent(v / 100)); }

// Series colours turn the palette's highlight hue round the circle, darker
// than the highlight on a light base and lighter on a dark one, so that every
// hue (yellow too) stands out against the base; each series also has its own
// dash pattern, so colour is never the only cue.
QColor seriesColour(const QPalette &palette, int index) {
  const QColor highlight = palette.color(QPalette::Highlight).toHsl();
  const bool darkBase = palette.color(QPalette::Base).lightness() < 128;
  const int lightness =
      darkBase ? std::max(highlight.lightness(), 170) : std::min(highlight.lightness(), 100);
  const int hue = (std::max(highlight.hslHue(), 0) + index * 72) % 360;
  return QColor::fromHsl(hue, std::max(highlight.hslSaturation(), 160), lightness);
}

constexpr Qt::PenStyle kStyles[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine,
                                    Qt::DashDotDotLine};

} // namespace

ValuationChart::ValuationChart(QWidget *parent) : QWidget(parent) {
  setAccessibleName(tr("Chart of value per share against the growth rate"));
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void ValuationChart::setSeries(valuation::ChartSeries series, QStringList methodNames) {
  series_ = std::move(series);
  names_ = std::move(methodNames);
  update();
}

void ValuationChart::paintEvent(QPaintEvent *) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QPalette &pal = palette();
  p.fillRect(rect(), pal.color(QPalette::Base));
  p.setPen(pal.color(QPalette::Text));
  const QFontMetrics fm = fontMetrics();
  const int line = fm.height();

  const std::vector<double> &xs = series_.growthRates;
  double low = INFINITY, high = -INFINITY;
  for (const auto &values : series_.values)
    for (const std::optional<double> &v : values)
      if (v) {
        low = std::min(low, *v);
        high = std::max(high, *v);
      }
  if (xs.empty() || !(low <= high)) {
    p.drawText(rect().adjusted(line, line, -line, -line), Qt::AlignCenter | Qt::TextWordWrap,
               xs.empty() ? tr("Type a growth rate to see how the values follow it.")
                          : tr("No method has a value for these inputs."));
    return;
  }
  if (series_.price) {
    low = std::min(low, *series_.price);
    high = std::max(high, *series_.price);
  }
  if (high - low < 1e-9 * std::max(1.0, std::fabs(high))) {
    low -= std::max(1.0, std::fabs(low) * 0.1);
    high += std::max(1.0, std::fabs(high) * 0.1);
  }
  const double yStep = niceStep(high - low);
  low = std::floor(low / yStep) * yStep;
  high = std::ceil(high / yStep) * yStep;
  const double xLow = xs.front(), xHigh = xs.back();
  const double xStep = niceStep(xHigh - xLow);

  // The legend on top, flowing over as many lines as it needs.
  struct Entry {
    QString name;
    QPen pen;
  };
  std::vector<Entry> legend;
  for (int m = 0; m < valuation::kMethodCount && m < names_.size(); ++m)
    legend.push_back({names_[m], QPen(seriesColour(pal, m), 2, kStyles[m])});
  if (series_.price)
    legend.push_back({tr("Price %1").arg(moneyText(*series_.price)),
                      QPen(pal.color(QPalette::Text), 1.5, Qt::DashLine)});
  const int swatch = 2 * line;
  int x = line, y = line / 2;
  for (const Entry &e : legend) {
    const int w = swatch + line / 3 + fm.horizontalAdvance(e.name) + line;
    if (x + w > width() && x > line) {
      x = line;
      y += line;
    }
    p.setPen(e.pen);
    p.drawLine(x, y + line / 2, x + swatch, y + line / 2);
    p.setPen(pal.color(QPalette::Text));
    p.drawText(QPoint(x + swatch + line / 3, y + fm.ascent()), e.name);
    x += w;
  }

  // The plot area, with room for the axis labels and titles.
  int labelWidth = 0;
  for (double v = low; v <= high + yStep / 2; v += yStep)
    labelWidth = std::max(labelWidth, fm.horizontalAdvance(moneyText(v)));
  const int titleWidth = line + line / 2; // the rotated y-axis title
  const QRect plot(QPoint(titleWidth + labelWidth + line / 2, y + line + line / 2),
                   QPoint(width() - line, height() - 2 * line - line / 2));
  if (plot.width() < 20 || plot.height() < 20)
    return;
  auto px = [&](double g) { return plot.left() + (g - xLow) / (xHigh - xLow) * plot.width(); };
  auto py = [&](double v) { return plot.bottom() - (v - low) / (high - low) * plot.height(); };

  const QColor grid = pal.color(QPalette::Mid);
  for (double v = low; v <= high + yStep / 2; v += yStep) {
    p.setPen(grid);
    p.drawLine(QPointF(plot.left(), py(v)), QPointF(plot.right(), py(v)));
    p.setPen(pal.color(QPalette::Text));
    p.drawText(QRectF(titleWidth - line / 2, py(v) - line / 2.0, labelWidth + line / 2, line),
               Qt::AlignRight | Qt::AlignVCenter, moneyText(v));
  }
  for (double g = std::ceil(xLow / xStep) * xStep; g <= xHigh + xStep / 1000; g += xStep) {
    p.setPen(grid);
    p.drawLine(QPointF(px(g), plot.top()), QPointF(px(g), plot.bottom()));
    p.setPen(pal.color(QPalette::Text));
    const QString label = percentText(g);
    p.drawText(QRectF(px(g) - 40, plot.bottom() + 2, 80, line), Qt::AlignHCenter | Qt::AlignTop,
               label);
  }
  p.setPen(pal.color(QPalette::Text));
  p.drawRect(plot);
  p.drawText(QRect(plot.left(), height() - line - line / 4, plot.width(), line), Qt::AlignHCenter,
             tr("Growth rate (% a year)"));
  p.save();
  p.translate(line / 4, plot.bottom());
  p.rotate(-90);
  p.drawText(QRect(0, 0, plot.height(), line), Qt::AlignHCenter | Qt::AlignTop,
             tr("Value per share"));
  p.restore();

  p.setClipRect(plot.adjusted(-1, -1, 1, 1));
  if (series_.price) {
    p.setPen(legend.back().pen);
    p.drawLine(QPointF(plot.left(), py(*series_.price)), QPointF(plot.right(), py(*series_.price)));
  }
  for (int m = 0; m < valuation::kMethodCount; ++m) {
    QPainterPath path;
    bool drawing = false;
    const auto &values = series_.values[m];
    for (std::size_t i = 0; i < values.size() && i < xs.size(); ++i) {
      if (!values[i]) {
        drawing = false; // a gap where the method has no value
        continue;
      }
      const QPointF at(px(xs[i]), py(*values[i]));
      if (drawing)
        path.lineTo(at);
      else
        path.moveTo(at);
      drawing = true;
    }
    p.setPen(QPen(seriesColour(pal, m), 2, kStyles[m]));
    p.drawPath(path);
  }
}

} // namespace kelvo::app
