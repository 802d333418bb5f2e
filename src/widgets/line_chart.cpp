// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/line_chart.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace kelvo::widgets {
namespace {

using valuation::AxisTicks;

// More ticks than this on an axis would only be noise.
constexpr int kMostTicks = 30;

// Line colours turn the palette's highlight hue round the circle, darker
// than the highlight on a light base and lighter on a dark one, so that every
// hue (yellow too) stands out against the base; each line also has its own
// dash pattern, so colour is never the only cue.
QColor lineColour(const QPalette &palette, int index) {
  const QColor highlight = palette.color(QPalette::Highlight).toHsl();
  const bool darkBase = palette.color(QPalette::Base).lightness() < 128;
  const int lightness =
      darkBase ? std::max(highlight.lightness(), 170) : std::min(highlight.lightness(), 100);
  const int hue = (std::max(highlight.hslHue(), 0) + index * 72) % 360;
  return QColor::fromHsl(hue, std::max(highlight.hslSaturation(), 160), lightness);
}

constexpr Qt::PenStyle kStyles[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine,
                                    Qt::DashDotDotLine};

QPen linePen(const QPalette &palette, std::size_t index) {
  return QPen(lineColour(palette, int(index)), 2, kStyles[index % std::size(kStyles)]);
}

// The room texts have: the font, a line, the gap kept between texts, and
// the area every text stays inside.
struct Room {
  QFontMetricsF fm;
  double line;
  double gap;
  QRectF area;
  double width(const QString &text) const { return std::ceil(fm.horizontalAdvance(text)); }
};

// Labels along an axis and the ticks they belong to; no ticks when none fit.
struct AxisLabels {
  AxisTicks ticks;
  std::vector<QRectF> places;
  std::vector<QString> texts;
};

bool spaced(const std::vector<QRectF> &places, bool across, double gap) {
  for (std::size_t i = 1; i < places.size(); ++i) {
    const double room = across ? places[i].left() - places[i - 1].right()
                               : places[i - 1].top() - places[i].bottom();
    if (room < gap)
      return false;
  }
  return true;
}

// The legend on top, flowing over as many lines as it needs and has room for.
struct Legend {
  std::vector<std::pair<QLineF, QPen>> swatches;
  std::vector<std::pair<QString, QRectF>> texts;
  double bottom = 0;
};
Legend placeLegend(const Room &room, const std::vector<std::pair<QString, QPen>> &entries) {
  Legend legend;
  const double swatch = 2 * room.line;
  double x = room.area.left(), y = room.area.top();
  legend.bottom = y;
  for (const auto &[name, pen] : entries) {
    const QString shown =
        room.fm.elidedText(name, Qt::ElideRight, room.area.width() - swatch - room.gap);
    if (shown.isEmpty())
      continue;
    const double w = swatch + room.gap + room.width(shown);
    if (x + w > room.area.right() && x > room.area.left()) {
      x = room.area.left();
      y += room.line;
    }
    if (y + room.line > room.area.bottom())
      break;
    legend.swatches.emplace_back(QLineF(x, y + room.line / 2, x + swatch, y + room.line / 2), pen);
    legend.texts.emplace_back(shown,
                              QRectF(x + swatch + room.gap, y, room.width(shown), room.line));
    legend.bottom = y + room.line;
    x += w + room.line;
  }
  return legend;
}

// The lowest and highest value of all lines; low above high for none.
std::pair<double, double> valueRange(const std::vector<ChartLine> &lines) {
  double low = std::numeric_limits<double>::infinity(), high = -low;
  for (const ChartLine &line : lines)
    for (const std::optional<double> &v : line.values)
      if (v) {
        low = std::min(low, *v);
        high = std::max(high, *v);
      }
  return {low, high};
}

// Values down the side of a plot from top to bottom: as many ticks as fit a
// line apart, fewer where the labels, kept within the plot's height, would
// still come too close. The labels' places end at 0, to be moved.
AxisLabels labelsDown(const Room &room, const ChartAxis &axis, double low, double high, double top,
                      double bottom) {
  for (int most = std::clamp(int((bottom - top) / (room.line + room.gap)) + 1, 0, kMostTicks);
       most >= 2; --most) {
    AxisLabels labels{valuation::ticksAround(low, high, most, axis.finestStep), {}, {}};
    if (labels.ticks.count < 2)
      continue;
    const double first = labels.ticks.at(0), span = labels.ticks.last() - first;
    for (int i = 0; i < labels.ticks.count; ++i) {
      const double at = bottom - (labels.ticks.at(i) - first) / span * (bottom - top);
      const QString text = axis.label(labels.ticks.at(i), labels.ticks);
      const double w = room.width(text);
      const double labelTop =
          std::clamp(at - room.line / 2, top - room.line / 2, bottom - room.line);
      labels.places.emplace_back(-w, labelTop, w, room.line);
      labels.texts.push_back(text);
    }
    if (spaced(labels.places, false, room.gap))
      return labels;
  }
  return {};
}

// Values across under a plot from left to right, which spans xLow to xHigh:
// each label centred on its tick, kept inside the area, no two closer than
// the gap.
AxisLabels labelsAcross(const Room &room, const ChartAxis &axis, double xLow, double xHigh,
                        double left, double right, double top, double widest) {
  for (int most = std::clamp(int((right - left) / (widest + room.gap)) + 1, 0, kMostTicks);
       most >= 1; --most) {
    AxisLabels labels{valuation::ticksWithin(xLow, xHigh, most, axis.finestStep), {}, {}};
    for (int i = 0; i < labels.ticks.count; ++i) {
      const QString text = axis.label(labels.ticks.at(i), labels.ticks);
      const double w = room.width(text);
      const double at = left + (labels.ticks.at(i) - xLow) / (xHigh - xLow) * (right - left);
      const double labelLeft = std::clamp(at - w / 2, room.area.left(), room.area.right() - w);
      labels.places.emplace_back(labelLeft, top, w, room.line);
      labels.texts.push_back(text);
    }
    if (spaced(labels.places, true, room.gap))
      return labels;
  }
  return {};
}

} // namespace

struct LineChart::Layout {
  struct Text {
    QString text;
    QRectF place;
    int flags = Qt::AlignLeft | Qt::AlignVCenter;
    bool upright = true; // false: read bottom to top
  };
  std::vector<Text> texts;
  std::vector<std::pair<QLineF, QPen>> swatches;
  QRectF plot; // empty: nothing plotted
  double xLow = 0, xHigh = 1, yLow = 0, yHigh = 1;
  std::vector<double> xTicks, yTicks;

  QPointF at(double x, double y) const {
    return {plot.left() + (x - xLow) / (xHigh - xLow) * plot.width(),
            plot.bottom() - (y - yLow) / (yHigh - yLow) * plot.height()};
  }
};

LineChart::LineChart(QWidget *parent) : QWidget(parent) {
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void LineChart::setAxes(ChartAxis across, ChartAxis down) {
  across_ = std::move(across);
  down_ = std::move(down);
  update();
}

void LineChart::setLines(std::vector<double> xs, std::vector<ChartLine> lines,
                         std::optional<ChartLevel> level) {
  xs_ = std::move(xs);
  lines_ = std::move(lines);
  level_ = std::move(level);
  update();
}

void LineChart::setPlaceholderText(const QString &text) {
  if (placeholder_ == text)
    return;
  placeholder_ = text;
  update();
}

QList<LineChart::PlacedText> LineChart::placedTexts() const {
  QList<PlacedText> out;
  for (const Layout::Text &t : layOut().texts)
    out.append({t.text, t.place});
  return out;
}

LineChart::Layout LineChart::layOut() const {
  Layout out;
  const QFontMetricsF fm(font());
  const double line = fm.height(), gap = std::ceil(line / 3);
  const Room room{fm, line, gap, QRectF(rect()).adjusted(gap / 2, gap / 2, -gap / 2, -gap / 2)};
  const QRectF &area = room.area;

  const std::vector<double> &xs = xs_;
  auto [low, high] = valueRange(lines_);
  if (xs.empty() || !(low <= high) || !(xs.back() > xs.front()) || !across_.label || !down_.label) {
    const int flags = Qt::AlignCenter | Qt::TextWordWrap;
    if (!placeholder_.isEmpty())
      out.texts.push_back(
          {placeholder_, fm.boundingRect(area, flags, placeholder_).intersected(area), flags});
    return out;
  }

  std::vector<std::pair<QString, QPen>> entries;
  for (std::size_t i = 0; i < lines_.size(); ++i)
    if (!lines_[i].name.isEmpty())
      entries.emplace_back(lines_[i].name, linePen(palette(), i));
  if (level_)
    entries.emplace_back(level_->name, QPen(palette().color(QPalette::Text), 1.5, Qt::DashLine));
  const Legend legend = placeLegend(room, entries);
  out.swatches = legend.swatches;
  for (const auto &[text, place] : legend.texts)
    out.texts.push_back({text, place});

  // The plot between the legend and two lines at the bottom: the labels
  // across and the axis's title. A value label is centred on its tick and
  // reaches half a line above the plot.
  const double top = legend.bottom + gap + line / 2;
  const double bottom = area.bottom() - 2 * line - gap / 2;
  if (bottom - top < 2 * line)
    return out;

  if (level_) {
    low = std::min(low, level_->value);
    high = std::max(high, level_->value);
  }
  if (high - low < 1e-9 * std::max(1.0, std::fabs(high))) {
    low -= std::max(1.0, std::fabs(low) * 0.1);
    high += std::max(1.0, std::fabs(high) * 0.1);
  }
  const AxisLabels down = labelsDown(room, down_, low, high, top, bottom);
  out.yLow = down.ticks.count >= 2 ? down.ticks.at(0) : low;
  out.yHigh = down.ticks.count >= 2 ? down.ticks.last() : high;
  double labelWidth = 0;
  for (const QRectF &place : down.places)
    labelWidth = std::max(labelWidth, place.width());

  // Room on the right for half the widest label across, which is one of the
  // range's ends at the finest step.
  out.xLow = xs.front();
  out.xHigh = xs.back();
  const AxisTicks finest{0, across_.finestStep, 1};
  const double widest = std::max(room.width(across_.label(out.xLow, finest)),
                                 room.width(across_.label(out.xHigh, finest)));
  const double left = area.left() + line + gap + labelWidth + gap;
  const double right = area.right() - std::max(gap, std::ceil(widest / 2));
  if (right - left < 2 * line)
    return out;
  out.plot = QRectF(QPointF(left, top), QPointF(right, bottom));
  const AxisLabels across =
      labelsAcross(room, across_, out.xLow, out.xHigh, left, right, bottom + gap / 2, widest);

  for (int i = 0; i < down.ticks.count; ++i) {
    out.yTicks.push_back(down.ticks.at(i));
    out.texts.push_back({down.texts[i], down.places[i].translated(left - gap, 0),
                         Qt::AlignRight | Qt::AlignVCenter});
  }
  for (int i = 0; i < across.ticks.count; ++i) {
    out.xTicks.push_back(across.ticks.at(i));
    out.texts.push_back({across.texts[i], across.places[i], Qt::AlignCenter});
  }

  // The axes' titles, shortened to the room they have.
  const QString xTitle = fm.elidedText(across_.title, Qt::ElideRight, area.width());
  const double w = room.width(xTitle);
  if (!xTitle.isEmpty())
    out.texts.push_back(
        {xTitle,
         QRectF(std::clamp(out.plot.center().x() - w / 2, area.left(), area.right() - w),
                area.bottom() - line, w, line),
         Qt::AlignCenter});
  const QString yTitle = fm.elidedText(down_.title, Qt::ElideRight, bottom - top);
  const double h = room.width(yTitle);
  if (!yTitle.isEmpty())
    out.texts.push_back({yTitle, QRectF(area.left(), out.plot.center().y() - h / 2, line, h),
                         Qt::AlignCenter, false});
  return out;
}

void LineChart::paintEvent(QPaintEvent *) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QPalette &pal = palette();
  p.fillRect(rect(), pal.color(QPalette::Base));
  const Layout layout = layOut();
  if (!layout.plot.isEmpty())
    paintPlot(p, layout);

  for (const auto &[swatch, pen] : layout.swatches) {
    p.setPen(pen);
    p.drawLine(swatch);
  }
  p.setPen(pal.color(QPalette::Text));
  for (const Layout::Text &t : layout.texts) {
    p.save();
    if (t.upright) {
      p.setClipRect(t.place.adjusted(-1, -1, 1, 1));
      p.drawText(t.place, t.flags, t.text);
    } else {
      p.translate(t.place.bottomLeft());
      p.rotate(-90);
      p.drawText(QRectF(0, 0, t.place.height(), t.place.width()), t.flags, t.text);
    }
    p.restore();
  }
}

void LineChart::paintPlot(QPainter &p, const Layout &layout) const {
  const QPalette &pal = palette();
  const QRectF &plot = layout.plot;
  p.setPen(pal.color(QPalette::Mid));
  for (double v : layout.yTicks)
    p.drawLine(QPointF(plot.left(), layout.at(layout.xLow, v).y()),
               QPointF(plot.right(), layout.at(layout.xLow, v).y()));
  for (double g : layout.xTicks)
    p.drawLine(QPointF(layout.at(g, 0).x(), plot.top()),
               QPointF(layout.at(g, 0).x(), plot.bottom()));
  p.setPen(pal.color(QPalette::Text));
  p.drawRect(plot);

  p.save();
  p.setClipRect(plot.adjusted(-1, -1, 1, 1));
  if (level_) {
    p.setPen(QPen(pal.color(QPalette::Text), 1.5, Qt::DashLine));
    const double py = layout.at(layout.xLow, level_->value).y();
    p.drawLine(QPointF(plot.left(), py), QPointF(plot.right(), py));
  }
  const std::vector<double> &xs = xs_;
  for (std::size_t m = 0; m < lines_.size(); ++m) {
    QPainterPath path;
    bool drawing = false;
    const auto &values = lines_[m].values;
    for (std::size_t i = 0; i < values.size() && i < xs.size(); ++i) {
      if (!values[i]) {
        drawing = false; // a gap where the line has no value
        continue;
      }
      const QPointF at = layout.at(xs[i], *values[i]);
      if (drawing)
        path.lineTo(at);
      else
        path.moveTo(at);
      drawing = true;
    }
    p.setPen(linePen(pal, m));
    p.drawPath(path);
    if (lines_[m].markers) {
      const QPen pen = linePen(pal, m);
      p.setBrush(pen.color());
      p.setPen(QPen(pen.color(), 1));
      const double radius = std::max(2.5, pen.widthF() * 1.5);
      for (std::size_t i = 0; i < values.size() && i < xs.size(); ++i)
        if (values[i])
          p.drawEllipse(layout.at(xs[i], *values[i]), radius, radius);
      p.setBrush(Qt::NoBrush);
    }
  }
  p.restore();
}

} // namespace kelvo::widgets
