// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The history table for a QTableView: one row per figure, headed by its
// name, one column per fiscal year, oldest first. A cell's tooltip is also
// its accessible description, so that a screen reader reaches what a mouse
// user reads; a restated figure is in italics.

#include "filings/history_table.h"

#include <QAbstractTableModel>

namespace kelvo::app {

class HistoryModel final : public QAbstractTableModel {
  Q_OBJECT
public:
  using QAbstractTableModel::QAbstractTableModel;

  void setTable(const filings::HistoryTable &table);
  const filings::HistoryTable &table() const { return table_; }

  int rowCount(const QModelIndex &parent = {}) const override;
  int columnCount(const QModelIndex &parent = {}) const override;
  QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

private:
  filings::HistoryTable table_;
};

} // namespace kelvo::app
