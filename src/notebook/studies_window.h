// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The list of the studies the user saved: one row a study, sortable by every
// column; a double-click or Return opens the study. Files that are not
// readable studies are listed too, marked, with the reason. While the window
// is shown, the list follows the folder: a study saved by this or another
// copy of the program appears at once. A study's file can be renamed or moved
// to the trash here, and the folder shown in the file manager.

#include <QKeySequence>
#include <QTimer>
#include <QWidget>

class QAction;
class QFileSystemWatcher;
class QLabel;
class QPushButton;
class QStandardItemModel;
class QTreeView;

namespace kelvo::platform {
class Desktop;
class Dialogs;
} // namespace kelvo::platform

namespace kelvo::app {

// The key that shows the list of studies, from every window of the program.
inline QKeySequence studiesShortcut() { return QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O); }

// "Show Studies Folder": hands `folder` to the desktop's file manager, or
// says that it does not exist yet.
void showStudiesFolder(platform::Dialogs &dialogs, platform::Desktop &desktop,
                       const QString &folder);

class StudiesWindow final : public QWidget {
  Q_OBJECT
public:
  // `folder` empty: the studies folder in the user's documents folder;
  // another one for tests and benchmarks.
  StudiesWindow(platform::Dialogs &dialogs, platform::Desktop &desktop,
                const QString &folder = QString(), QWidget *parent = nullptr);

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
  void renameCurrent();
  void trashCurrent();
  QString currentPath() const;
  void warn(const QString &text);
  QString folder() const;
  void watchFolder();
  void showCounts(int readable, int unread);
  void select(const QString &path);

  platform::Dialogs &dialogs_;
  platform::Desktop &desktop_;
  QString folder_; // empty: the studies folder of the moment
  QStandardItemModel *model_;
  QTreeView *view_;
  QLabel *summary_;
  QPushButton *openButton_;
  QList<QAction *> rowActions_; // Rename and Move to Trash: only with a row
  QFileSystemWatcher *watcher_;
  QTimer changed_; // one refresh for the several changes a save makes
};

} // namespace kelvo::app
