// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/studies_window.h"

#include "study/study_file.h"
#include "study/study_list.h"
#include "widgets/window_pattern.h"

#include <QAction>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QStandardItemModel>
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

} // namespace

StudiesWindow::StudiesWindow(QWidget *parent) : StudiesWindow(QString(), parent) {}

StudiesWindow::StudiesWindow(const QString &folder, QWidget *parent)
    : QWidget(parent, Qt::Window), folder_(folder), model_(new QStandardItemModel(this)),
      view_(new QTreeView), summary_(new QLabel), openButton_(new QPushButton(tr("&Open"))) {
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
  auto *refreshButton = new QPushButton(tr("&Refresh"));
  refreshButton->setShortcut(QKeySequence::Refresh);
  connect(refreshButton, &QPushButton::clicked, this, &StudiesWindow::refresh);
  auto *closeButton = new QPushButton(tr("&Close"));
  connect(closeButton, &QPushButton::clicked, this, &StudiesWindow::close);
  auto *closeAction = new QAction(this);
  closeAction->setShortcuts({QKeySequence::Close, QKeySequence(Qt::Key_Escape)});
  connect(closeAction, &QAction::triggered, this, &StudiesWindow::close);
  addAction(closeAction);

  auto *buttons = new QHBoxLayout;
  buttons->addWidget(refreshButton);
  buttons->addStretch();
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

void StudiesWindow::refresh() {
  const QString shown = QDir::toNativeSeparators(folder());
  const QList<study::StudySummary> studies = study::listStudies(folder());
  // Sorting while rows go in would sort once per row.
  view_->setSortingEnabled(false);
  model_->removeRows(0, model_->rowCount());
  const QLocale locale;
  for (const study::StudySummary &s : studies) {
    const QString saved =
        s.lastSaved.isValid() ? locale.toString(s.lastSaved, QLocale::ShortFormat) : QString();
    const QString price = s.verdict == study::Verdict::BuyBelow ? s.buyBelowPrice : QString();
    model_->appendRow({
        cell(s.symbol, s.symbol.toUpper(), s.path),
        cell(s.companyName, s.companyName.toCaseFolded(), s.path),
        cell(saved, s.lastSaved, s.path),
        cell(study::verdictText(s.verdict), int(s.verdict), s.path),
        cell(price, priceForSorting(price), s.path),
    });
  }
  view_->setSortingEnabled(true); // sorts by the column and order last chosen
  for (int c : {SymbolColumn, LastSavedColumn, VerdictColumn, BuyBelowColumn})
    view_->resizeColumnToContents(c);
  if (studies.isEmpty())
    summary_->setText(tr("There are no studies in %1 yet. Studies you save in the Study Notebook "
                         "are listed here.")
                          .arg(shown));
  else
    summary_->setText(tr("Studies in %1: %2. Double-click one, or select it and press Return, "
                         "to open it.")
                          .arg(shown, QLocale().toString(studies.size())));
  openButton_->setEnabled(!studies.isEmpty());
  if (!studies.isEmpty() && !view_->currentIndex().isValid())
    view_->setCurrentIndex(model_->index(0, 0));
}

void StudiesWindow::openCurrent() {
  const QModelIndex index = view_->currentIndex();
  if (index.isValid())
    emit openRequested(index.data(kPathRole).toString());
}

void StudiesWindow::showEvent(QShowEvent *event) {
  refresh();
  view_->setFocus();
  QWidget::showEvent(event);
}

} // namespace kelvo::app
