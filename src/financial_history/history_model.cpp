// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "financial_history/history_model.h"

#include <QFont>

namespace kelvo::app {

using filings::kRowCount;
using filings::Row;

void HistoryModel::setTable(const filings::HistoryTable &table) {
  beginResetModel();
  table_ = table;
  endResetModel();
}

int HistoryModel::rowCount(const QModelIndex &parent) const {
  return parent.isValid() || table_.isEmpty() ? 0 : kRowCount;
}

int HistoryModel::columnCount(const QModelIndex &parent) const {
  return parent.isValid() ? 0 : int(table_.years.size());
}

QVariant HistoryModel::data(const QModelIndex &index, int role) const {
  if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
    return {};
  const filings::Cell &cell = table_.cell(Row(index.row()), index.column());
  switch (role) {
  case Qt::DisplayRole:
    return cell.text;
  case Qt::ToolTipRole:
  case Qt::AccessibleDescriptionRole:
    return cell.toolTip;
  case Qt::TextAlignmentRole:
    return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
  case Qt::FontRole:
    if (cell.restated) {
      QFont italic;
      italic.setItalic(true);
      return italic;
    }
    return {};
  default:
    return {};
  }
}

QVariant HistoryModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Vertical) {
    if (section < 0 || section >= rowCount())
      return {};
    if (role == Qt::DisplayRole)
      return filings::rowHeading(Row(section));
    if (role == Qt::ToolTipRole || role == Qt::AccessibleDescriptionRole)
      return filings::rowToolTip(Row(section));
    return {};
  }
  if (section < 0 || section >= columnCount())
    return {};
  const filings::FiscalYear &year = table_.years[section];
  if (role == Qt::DisplayRole)
    return year.name();
  if (role == Qt::ToolTipRole || role == Qt::AccessibleDescriptionRole)
    return tr("Fiscal year ending %1").arg(year.end.toString(Qt::ISODate));
  return {};
}

} // namespace kelvo::app
