// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "financial_history/growth_table.h"

#include "filings/growth.h"

#include <QHeaderView>

namespace kelvo::app {

using namespace kelvo::filings;

GrowthTable::GrowthTable(QWidget *parent)
    : QTableWidget(int(kGrowthRows.size()), int(kGrowthSpans.size()), parent) {
  setObjectName(QStringLiteral("growth"));
  setAccessibleName(tr("Growth"));
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setTabKeyNavigation(false); // Tab leaves the table, arrows move in it
  setWordWrap(false);
  horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  for (int r = 0; r < rowCount(); ++r) {
    auto *heading = new QTableWidgetItem(rowHeading(kGrowthRows[std::size_t(r)]));
    setVerticalHeaderItem(r, heading);
    for (int c = 0; c < columnCount(); ++c) {
      auto *item = new QTableWidgetItem;
      item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      setItem(r, c, item);
    }
  }
  showGrowth({});
}

void GrowthTable::showGrowth(const HistoryTable &table) {
  for (int c = 0; c < columnCount(); ++c)
    setHorizontalHeaderItem(
        c, new QTableWidgetItem(growthSpanHeading(table, kGrowthSpans[std::size_t(c)])));
  for (int r = 0; r < rowCount(); ++r)
    for (int c = 0; c < columnCount(); ++c) {
      const Growth rate = growth(table, kGrowthRows[std::size_t(r)], kGrowthSpans[std::size_t(c)]);
      QTableWidgetItem *cell = item(r, c);
      cell->setText(rate.text);
      cell->setToolTip(rate.toolTip);
      cell->setData(Qt::AccessibleDescriptionRole, rate.toolTip);
    }
}

} // namespace kelvo::app
