// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wizard_window/directory_model.h"

#include "directory/company_directory.h"

namespace kelvo::app {

using namespace kelvo::directory;

int DirectoryModel::rowCount(const QModelIndex &parent) const {
  return parent.isValid() ? 0 : kDirectoryRows;
}

QVariant DirectoryModel::data(const QModelIndex &index, int role) const {
  if (!index.isValid() || index.row() < 0 || index.row() >= kDirectoryRows)
    return {};
  if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
    return QString::fromStdString(listText(kCompanyDirectory[std::size_t(index.row())]));
  return {};
}

} // namespace kelvo::app
