// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The list of the studies the user saved: one row a study, sortable by every
// column; a double-click or Return opens the study. Files that are not
// readable studies are listed too, marked, with the reason. While the window
// is shown, the list follows the folder: a study saved by this or another
// copy of the program appears at once.

#include <QTimer>
#include <QWidget>

class QFileSystemWatcher;
class QLabel;
class QPushButton;
class QStandardItemModel;
class QTreeView;

namespace kelvo::app {

class StudiesWindow final : public QWidget {
  Q_OBJECT
public:
  // The studies folder in the user's documents folder.
  explicit StudiesWindow(QWidget *parent = nullptr);
  // Another folder, for tests and benchmarks.
  explicit StudiesWindow(const QString &folder, QWidget *parent = nullptr);

  // Reads the folder again; done each time the window is shown, and when
  // the folder changes while it is shown.
  void refresh();
  QTreeView *view() const { return view_; }

  // The columns, in order.
  enum Column { SymbolColumn, CompanyColumn, LastSavedColumn, VerdictColumn, BuyBelowColumn };

signals:
  void openRequested(const QString &path);

protected:
  void showEvent(QShowEvent *event) override;

private:
  void openCurrent();
  QString folder() const;
  void watchFolder();
  void showCounts(int readable, int unread);
  void select(const QString &path);

  QString folder_; // empty: the studies folder of the moment
  QStandardItemModel *model_;
  QTreeView *view_;
  QLabel *summary_;
  QPushButton *openButton_;
  QFileSystemWatcher *watcher_;
  QTimer changed_; // one refresh for the several changes a save makes
};

} // namespace kelvo::app
