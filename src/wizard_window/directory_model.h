// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QAbstractListModel>

namespace kelvo::app {

// The directory list's rows, read straight from the constant table: the list
// is "filled" in one step without copying 1,681 texts at start-up.
class DirectoryModel final : public QAbstractListModel {
  Q_OBJECT
public:
  using QAbstractListModel::QAbstractListModel;
  int rowCount(const QModelIndex &parent = {}) const override;
  QVariant data(const QModelIndex &index, int role) const override;
};

} // namespace kelvo::app
