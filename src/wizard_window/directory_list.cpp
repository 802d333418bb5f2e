// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wizard_window/directory_list.h"

#include "wizard_window/directory_model.h"

#include "directory/company_directory.h"

namespace kelvo::app {

DirectoryList::DirectoryList(QWidget *parent) : QListView(parent) {
  setUniformItemSizes(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setAttribute(Qt::WA_NoMousePropagation);
}

void DirectoryList::fill() {
  setModel(new DirectoryModel(this));
  // The selection, not the current row: a mouse press moves the current row
  // before it selects it.
  connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
          [this](const QItemSelection &selected) {
            if (!selectingFromCode_ && !selected.isEmpty())
              emit rowChosen();
          });
  connect(this, &QListView::clicked, this, [this](const QModelIndex &index) {
    // A click on the row that was already selected is a choice too.
    if (!selectingFromCode_ && index.isValid() && index.row() == rowBeforePress_)
      emit rowChosen();
  });
}

int DirectoryList::selectedRow() const {
  if (!selectionModel())
    return -1;
  const QModelIndexList selected = selectionModel()->selectedIndexes();
  return selected.isEmpty() ? -1 : selected.first().row();
}

void DirectoryList::selectRow(int row) {
  const bool valid = row >= 0 && row < directory::kDirectoryRows;
  selectingFromCode_ = true;
  if (valid) {
    const QModelIndex index = model()->index(row, 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    scrollTo(index);
  } else {
    selectionModel()->clear();
  }
  selectingFromCode_ = false;
  if (valid)
    emit rowChosen();
}

void DirectoryList::mousePressEvent(QMouseEvent *event) {
  rowBeforePress_ = selectedRow();
  QListView::mousePressEvent(event);
}

void DirectoryList::mouseDoubleClickEvent(QMouseEvent *event) {
  rowBeforePress_ = -2; // the second press of a double-click is no new click
  QListView::mouseDoubleClickEvent(event);
}

} // namespace kelvo::app
