// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The company page's directory list.

#include <QListView>

namespace kelvo::app {

// The directory's rows in a list. A row chosen by the user (a click, the
// already selected row included, or the arrow keys) or selected from code
// is reported at once, before the code that selected it goes on.
class DirectoryList final : public QListView {
  Q_OBJECT
public:
  explicit DirectoryList(QWidget *parent = nullptr);
  // Fills the list with the directory, once.
  void fill();
  int selectedRow() const;
  // Selects a row from code (-1 clears the selection); a selected row is
  // reported as chosen before this returns.
  void selectRow(int row);

signals:
  void rowChosen();

protected:
  void mousePressEvent(QMouseEvent *event) override;
  void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
  bool selectingFromCode_ = false;
  int rowBeforePress_ = -2;
};

} // namespace kelvo::app
