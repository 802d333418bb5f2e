// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "workbench/sensitivity_table.h"

#include "workbench/workbench_reasons.h"

#include <QHeaderView>
#include <QScrollBar>

#include <algorithm>

namespace kelvo::app {
namespace {

using valuation::Figure;

// Bargain cells in the sensitivity grid: a green wash over the base (amber
// where the highlight itself is greenish), so that they never read as
// selected; the text keeps the palette's own colour, and bold says the same
// without colour.
QColor bargainTint(const QPalette &palette) {
  const QColor base = palette.color(QPalette::Base);
  const int highlightHue = palette.color(QPalette::Highlight).hslHue();
  constexpr int kGreen = 130, kAmber = 40;
  const bool greenish =
      highlightHue >= 0 && std::abs((highlightHue - kGreen + 540) % 360 - 180) < 50;
  const QColor wash = QColor::fromHsl(greenish ? kAmber : kGreen, 180, 128);
  constexpr double kShare = 0.3;
  return QColor::fromRgbF(float(base.redF() * (1 - kShare) + wash.redF() * kShare),
                          float(base.greenF() * (1 - kShare) + wash.greenF() * kShare),
                          float(base.blueF() * (1 - kShare) + wash.blueF() * kShare));
}

QString rateText(double percent) {
  return QString::fromStdString(valuation::formatPercent(percent / 100));
}

// Setting an item's data repaints it: only a value that changed is set.
void setIfChanged(QTableWidgetItem *item, int role, const QVariant &value) {
  if (item->data(role) != value)
    item->setData(role, value);
}

struct CellLook {
  QFont plain;
  QFont bold;
  QBrush tint;
};

void showCell(QTableWidgetItem *item, const Figure &cell, bool bargain, const CellLook &look) {
  const QString text =
      cell.ok() ? QString::fromStdString(valuation::formatMoney(cell.value)) : QStringLiteral("—");
  setIfChanged(item, Qt::DisplayRole, text);
  setIfChanged(item, Qt::ToolTipRole, cell.ok() ? text : reasonText(cell.reason));
  setIfChanged(item, Qt::BackgroundRole, bargain ? QVariant(look.tint) : QVariant());
  setIfChanged(item, Qt::FontRole, bargain ? look.bold : look.plain);
  setIfChanged(
      item, Qt::AccessibleDescriptionRole,
      bargain ? SensitivityTable::tr("The price is at or below the buy-below price of this value.")
      : cell.ok() ? QString()
                  : reasonText(cell.reason));
}

} // namespace

SensitivityTable::SensitivityTable(QWidget *parent)
    : QTableWidget(valuation::kGridSize, valuation::kGridSize, parent) {
  setAccessibleName(tr("Sensitivity"));
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::NoSelection);
  setTabKeyNavigation(false); // Tab leaves the grid; arrows move in it
  for (int i = 0; i < valuation::kGridSize; ++i) {
    setHorizontalHeaderItem(i, new QTableWidgetItem);
    setVerticalHeaderItem(i, new QTableWidgetItem);
    for (int c = 0; c < valuation::kGridSize; ++c) {
      auto *item = new QTableWidgetItem;
      item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      setItem(i, c, item);
    }
  }
  // Sizes fixed once for wide figures: a keystroke then changes texts but
  // never the window's layout. A longer text is elided; its tooltip has it.
  QFont bold = font();
  bold.setBold(true);
  const QFontMetrics fm(bold);
  const int pad = 2 * fm.averageCharWidth();
  const int column =
      std::max(fm.horizontalAdvance(QStringLiteral("$99,999,999.99")),
               fm.horizontalAdvance(tr("Growth %1").arg(QStringLiteral("1,000.0%")))) +
      pad;
  auto *across = horizontalHeader();
  across->setSectionResizeMode(QHeaderView::Fixed);
  across->setDefaultSectionSize(column);
  auto *down = verticalHeader();
  down->setSectionResizeMode(QHeaderView::Fixed);
  down->setDefaultSectionSize(fm.height() + fm.height() / 2);
  down->setFixedWidth(fm.horizontalAdvance(tr("Discount %1").arg(QStringLiteral("1,000.0%"))) +
                      pad);
  // Whole where there is room; scroll bars where a large scale factor
  // leaves less.
  setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
  setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Maximum);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  // Its size hint keeps room for both scroll bars even while they are
  // hidden: it is held to the cells, and to the scroll bar across when that
  // shows.
  const int frame = 2 * frameWidth();
  const int cellsHeight =
      across->sizeHint().height() + valuation::kGridSize * down->defaultSectionSize() + frame;
  setMaximumSize(down->width() + valuation::kGridSize * column + frame, cellsHeight);
  connect(horizontalScrollBar(), &QScrollBar::rangeChanged, this,
          [this, cellsHeight](int, int maximum) {
            const int bar = maximum > 0 ? horizontalScrollBar()->sizeHint().height() : 0;
            setMaximumHeight(cellsHeight + bar);
          });
}

void SensitivityTable::showGrid(const valuation::SensitivityGrid &sens) {
  for (int i = 0; i < valuation::kGridSize; ++i) {
    setIfChanged(horizontalHeaderItem(i), Qt::DisplayRole,
                 sens.growthRates[i] ? tr("Growth %1").arg(rateText(*sens.growthRates[i]))
                                     : tr("Growth"));
    setIfChanged(verticalHeaderItem(i), Qt::DisplayRole,
                 sens.discountRates[i] ? tr("Discount %1").arg(rateText(*sens.discountRates[i]))
                                       : tr("Discount"));
  }
  CellLook look{font(), font(), QBrush(bargainTint(palette()))};
  look.bold.setBold(true);
  for (int r = 0; r < valuation::kGridSize; ++r)
    for (int c = 0; c < valuation::kGridSize; ++c)
      showCell(item(r, c), sens.cells[r][c], sens.bargain[r][c], look);
}

} // namespace kelvo::app
