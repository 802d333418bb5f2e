// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "notebook/studies_window.h"

#include "platform/desktop.h"
#include "platform/dialogs.h"
#include "study/study_file.h"
#include "study/study_list.h"
#include "study/study_moves.h"
#include "widgets/window_pattern.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QStandardItemModel>
#include <QStyle>
#include <QTreeView>
#include <QVBoxLayout>
#include <limits>

namespace kelvo::app {

namespace {

// What the columns sort by, beside what they show.
constexpr int kSortRole = Qt::UserRole + 1;
constexpr int kPathRole = Qt::UserRole + 2;

// A price as typed ("$1,250.50", "42") for sorting; rows without one go last.
double priceForSorting(const QString &typed) {
  QString digits;
  for (QChar c : typed)
    if (c.isDigit() || c == QLatin1Char('.'))
      digits += c;
  bool ok = false;
  const double value = digits.toDouble(&ok);
  return ok ? value : std::numeric_limits<double>::max();
}

QStandardItem *cell(const QString &text, const QVariant &sortKey, const QString &path) {
  auto *item = new QStandardItem(text);
  item->setEditable(false);
  item->setData(sortKey, kSortRole);
  item->setData(path, kPathRole);
  return item;
}

QString failureMark(study::ReadFailure failure) {
  switch (failure) {
  case study::ReadFailure::NotRead:
    return StudiesWindow::tr("cannot be read");
  case study::ReadFailure::NotAStudy:
    return StudiesWindow::tr("not a study");
  case study::ReadFailure::Newer:
    return StudiesWindow::tr("newer version");
  case study::ReadFailure::Damaged:
  case study::ReadFailure::None:
    break;
  }
  return StudiesWindow::tr("damaged");
}

// A file that gives no study: its name stands for the company, the column of
// verdicts says what is wrong, and every cell tells why.
QList<QStandardItem *> unreadRow(const study::StudySummary &s, const QString &saved,
                                 const QIcon &warning) {
  const QString name = QFileInfo(s.path).fileName();
  QList<QStandardItem *> row{
      cell(QString(), QString(), s.path),
      cell(name, name.toCaseFolded(), s.path),
      cell(saved, s.lastSaved, s.path),
      cell(failureMark(s.failure), int(study::Verdict::Pass) + 1, s.path),
      cell(QString(), std::numeric_limits<double>::max(), s.path),
  };
  for (QStandardItem *item : row) {
    item->setToolTip(s.problem);
    item->setData(s.problem, Qt::AccessibleDescriptionRole);
  }
  row[StudiesWindow::CompanyColumn]->setIcon(warning);
  return row;
}

} // namespace

void showStudiesFolder(platform::Dialogs &dialogs, platform::Desktop &desktop,
                       const QString &folder) {
  if (QFileInfo(folder).isDir()) {
    desktop.openFolder(folder);
    return;
  }
  dialogs.message(StudiesWindow::tr("The studies folder %1 does not exist yet. It is made when "
                                    "you save your first study.")
                      .arg(QDir::toNativeSeparators(folder)),
                  StudiesWindow::tr("Studies"), platform::MessageButtons::Ok,
                  platform::MessageIcon::Information);
}

StudiesWindow::StudiesWindow(platform::Dialogs &dialogs, platform::Desktop &desktop,
                             const QString &folder, QWidget *parent)
    : QWidget(parent, Qt::Window), dialogs_(dialogs), desktop_(desktop), folder_(folder),
      model_(new QStandardItemModel(this)), view_(new QTreeView), summary_(new QLabel),
      openButton_(new QPushButton(tr("&Open"))), watcher_(new QFileSystemWatcher(this)) {
  setWindowTitle(tr("Studies"));
  widgets::letReturnPressButtons(*this);
  model_->setHorizontalHeaderLabels(
      {tr("Symbol"), tr("Company"), tr("Last saved"), tr("Verdict"), tr("Buy-below price")});
  model_->setSortRole(kSortRole);

  view_->setModel(model_);
  view_->setAccessibleName(tr("Saved studies"));
  view_->setRootIsDecorated(false);
  view_->setUniformRowHeights(true);
  view_->setAllColumnsShowFocus(true);
  view_->setSelectionBehavior(QAbstractItemView::SelectRows);
  view_->setSelectionMode(QAbstractItemView::SingleSelection);
  view_->setSortingEnabled(true);
  view_->sortByColumn(LastSavedColumn, Qt::DescendingOrder);
  view_->header()->setSectionResizeMode(CompanyColumn, QHeaderView::Stretch);
  view_->header()->setStretchLastSection(false);
  // Return and a double-click (or a single click, where the desktop asks
  // for that) open the study.
  connect(view_, &QTreeView::activated, this, &StudiesWindow::openCurrent);

  summary_->setWordWrap(true);
  summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  openButton_->setAccessibleDescription(tr("Opens the selected study in the Study Notebook."));
  connect(openButton_, &QPushButton::clicked, this, &StudiesWindow::openCurrent);
  // Alt+R by the button's own mnemonic; F5 (and the desktop's key) by an action.
  auto *refreshButton = new QPushButton(tr("&Refresh"));
  connect(refreshButton, &QPushButton::clicked, this, &StudiesWindow::refresh);
  QList<QKeySequence> refreshKeys = QKeySequence::keyBindings(QKeySequence::Refresh);
  if (!refreshKeys.contains(QKeySequence(Qt::Key_F5)))
    refreshKeys.prepend(QKeySequence(Qt::Key_F5));
  auto *refreshAction = new QAction(tr("Refresh"), this);
  refreshAction->setShortcuts(refreshKeys);
  connect(refreshAction, &QAction::triggered, this, &StudiesWindow::refresh);
  addAction(refreshAction);
  refreshButton->setToolTip(tr("Reads the studies folder again. Shortcut: %1")
                                .arg(refreshKeys.first().toString(QKeySequence::NativeText)));

  // Saving makes several changes in the folder; they are read once, soon after
  // the first, whatever follows.
  changed_.setSingleShot(true);
  changed_.setInterval(100);
  connect(watcher_, &QFileSystemWatcher::directoryChanged, this, [this] {
    if (!changed_.isActive())
      changed_.start();
  });
  connect(&changed_, &QTimer::timeout, this, [this] {
    if (isVisible())
      refresh();
  });
  auto *closeButton = new QPushButton(tr("&Close"));
  connect(closeButton, &QPushButton::clicked, this, &StudiesWindow::close);
  auto *closeAction = new QAction(tr("Close"), this);
  closeAction->setShortcuts({QKeySequence::Close, QKeySequence(Qt::Key_Escape)});
  connect(closeAction, &QAction::triggered, this, &StudiesWindow::close);
  addAction(closeAction);

  // Rename (F2) and Move to Trash (Delete) act on the selected row, from
  // their buttons, their keys, or the row's context menu.
  auto *folderButton = new QPushButton(tr("Show Studies &Folder"));
  folderButton->setObjectName(QStringLiteral("showStudiesFolder"));
  folderButton->setAccessibleDescription(tr("Shows the studies folder in the file manager."));
  connect(folderButton, &QPushButton::clicked, this,
          [this] { showStudiesFolder(dialogs_, desktop_, this->folder()); });
  auto *buttons = new QHBoxLayout;
  buttons->addWidget(refreshButton);
  buttons->addWidget(folderButton);
  buttons->addStretch();
  const auto addRowAction = [&](const QString &text, const QKeySequence &keys, auto slot) {
    auto *action = new QAction(text, this);
    action->setShortcut(keys);
    connect(action, &QAction::triggered, this, slot);
    view_->addAction(action);
    rowActions_ << action;
    auto *button = new QPushButton(text);
    button->setToolTip(tr("Shortcut: %1").arg(keys.toString(QKeySequence::NativeText)));
    connect(button, &QPushButton::clicked, action, &QAction::trigger);
    connect(action, &QAction::enabledChanged, button, &QPushButton::setEnabled);
    buttons->addWidget(button);
  };
  addRowAction(tr("Re&name…"), QKeySequence(Qt::Key_F2), &StudiesWindow::renameCurrent);
  addRowAction(tr("Move to &Trash"), QKeySequence(QKeySequence::Delete),
               &StudiesWindow::trashCurrent);
  view_->setContextMenuPolicy(Qt::ActionsContextMenu);
  buttons->addWidget(openButton_);
  buttons->addWidget(closeButton);
  auto *column = new QVBoxLayout(this);
  column->addWidget(summary_);
  column->addWidget(view_, 1);
  column->addLayout(buttons);
  // Within the screen at any scale factor; the contents scroll when it is small.
  resize(QSize(760, 460).boundedTo(screen()->availableGeometry().size() * 0.9));
}

QString StudiesWindow::folder() const {
  return folder_.isEmpty() ? study::studiesFolder() : folder_;
}

void StudiesWindow::watchFolder() {
  // Until the folder exists, the nearest folder above it, where it will appear.
  QString path = QDir::cleanPath(QFileInfo(folder()).absoluteFilePath());
  while (!QFileInfo(path).isDir()) {
    const QString up = QFileInfo(path).absolutePath();
    if (up == path)
      return;
    path = up;
  }
  const QStringList watched = watcher_->directories();
  if (watched == QStringList{path})
    return;
  if (!watched.isEmpty())
    watcher_->removePaths(watched);
  watcher_->addPath(path);
}

void StudiesWindow::refresh() {
  // Watched before it is read, so that no change falls between the two.
  watchFolder();
  const QList<study::StudySummary> studies = study::listStudies(folder());
  const QString selected = view_->currentIndex().data(kPathRole).toString();
  // Sorting while rows go in would sort once per row.
  view_->setSortingEnabled(false);
  model_->removeRows(0, model_->rowCount());
  const QLocale locale;
  const QIcon warning = style()->standardIcon(QStyle::SP_MessageBoxWarning);
  int unread = 0;
  for (const study::StudySummary &s : studies) {
    const QString saved =
        s.lastSaved.isValid() ? locale.toString(s.lastSaved, QLocale::ShortFormat) : QString();
    if (s.failure != study::ReadFailure::None) {
      ++unread;
      model_->appendRow(unreadRow(s, saved, warning));
      continue;
    }
    // A line break or tab from an older study would make the row two lines tall.
    const QString symbol = s.symbol.simplified();
    const QString company = s.companyName.simplified();
    const QString price =
        s.verdict == study::Verdict::BuyBelow ? s.buyBelowPrice.simplified() : QString();
    model_->appendRow({
        cell(symbol, symbol.toUpper(), s.path),
        cell(company, company.toCaseFolded(), s.path),
        cell(saved, s.lastSaved, s.path),
        cell(study::verdictText(s.verdict), int(s.verdict), s.path),
        cell(price, priceForSorting(price), s.path),
    });
  }
  view_->setSortingEnabled(true); // sorts by the column and order last chosen
  for (int c : {SymbolColumn, LastSavedColumn, VerdictColumn, BuyBelowColumn})
    view_->resizeColumnToContents(c);
  showCounts(int(studies.size()) - unread, unread);
  openButton_->setEnabled(!studies.isEmpty());
  for (QAction *action : std::as_const(rowActions_))
    action->setEnabled(!studies.isEmpty());
  select(selected);
}

void StudiesWindow::showCounts(int readable, int unread) {
  const QString shown = QDir::toNativeSeparators(folder());
  const QLocale locale;
  if (readable + unread == 0)
    summary_->setText(tr("There are no studies in %1 yet. Studies you save in the Study Notebook "
                         "are listed here.")
                          .arg(shown));
  else if (unread == 0)
    summary_->setText(tr("Studies in %1: %2. Double-click one, or select it and press Return, "
                         "to open it.")
                          .arg(shown, locale.toString(readable)));
  else
    summary_->setText(tr("Studies in %1: %2. Files that cannot be opened: %3. Double-click one, "
                         "or select it and press Return, to open it or to learn why it cannot "
                         "be opened.")
                          .arg(shown, locale.toString(readable), locale.toString(unread)));
}

// The file that was selected before the list was read again, else the first
// study that opens, else the first row.
void StudiesWindow::select(const QString &path) {
  QModelIndex current;
  for (int row = model_->rowCount() - 1; row >= 0; --row) {
    const QModelIndex index = model_->index(row, 0);
    if (index.data(kPathRole).toString() == path) {
      current = index;
      break;
    }
    if (model_->index(row, CompanyColumn).data(Qt::DecorationRole).isNull())
      current = index;
  }
  if (!current.isValid() && model_->rowCount() > 0)
    current = model_->index(0, 0);
  if (current.isValid()) {
    view_->setCurrentIndex(current);
    view_->scrollTo(current);
  }
}

QString StudiesWindow::currentPath() const {
  return view_->currentIndex().data(kPathRole).toString();
}

void StudiesWindow::openCurrent() {
  if (const QString path = currentPath(); !path.isEmpty())
    emit openRequested(path);
}

void StudiesWindow::warn(const QString &text) {
  dialogs_.message(text, tr("Studies"), platform::MessageButtons::Ok,
                   platform::MessageIcon::Warning);
}

// Only the file's name changes: the study keeps its symbol and company.
void StudiesWindow::renameCurrent() {
  const QString path = currentPath();
  if (path.isEmpty())
    return;
  const QFileInfo file(path);
  const QString typed = dialogs_.input(tr("New name for “%1”:").arg(file.fileName()),
                                       file.completeBaseName(), tr("Rename Study"));
  if (typed.trimmed().isEmpty() || typed.trimmed() == file.completeBaseName())
    return; // cancelled, or nothing to change
  QString renamed;
  if (const QString error = study::renameStudyFile(path, typed, &renamed); !error.isEmpty()) {
    warn(error);
    return;
  }
  refresh();
  select(renamed);
}

void StudiesWindow::trashCurrent() {
  const QString path = currentPath();
  if (path.isEmpty())
    return;
  const QString question = tr("Move “%1” to the trash? You can restore it from there with the "
                              "file manager.")
                               .arg(QFileInfo(path).fileName());
  if (dialogs_.choose(question, tr("Studies"), {tr("Move to &Trash"), tr("Cancel")}, 0,
                      platform::MessageIcon::Warning) != 0)
    return;
  if (const QString error = study::trashStudyFile(path); !error.isEmpty())
    warn(error);
  refresh();
}

void StudiesWindow::showEvent(QShowEvent *event) {
  refresh();
  view_->setFocus();
  QWidget::showEvent(event);
}

} // namespace kelvo::app
