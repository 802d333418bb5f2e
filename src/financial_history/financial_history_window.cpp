// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "financial_history/financial_history_window.h"

#include "filings/company_names.h"
#include "filings/symbol_list.h"
#include "filings/table_export.h"
#include "financial_history/checks_panel.h"
#include "financial_history/download_bar.h"
#include "financial_history/growth_table.h"
#include "financial_history/history_chart.h"
#include "financial_history/history_header.h"
#include "financial_history/history_help.h"
#include "financial_history/history_model.h"
#include "platform/atomic_save.h"
#include "platform/dialogs.h"
#include "study/study_json.h"
#include "widgets/window_pattern.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace kelvo::app {

using namespace kelvo::filings;

namespace {

QPushButton *actionButton(const char *name, const QString &text, const QString &toolTip) {
  auto *button = new QPushButton(text);
  button->setObjectName(QLatin1String(name));
  button->setToolTip(toolTip);
  return button;
}

} // namespace

FinancialHistoryWindow::FinancialHistoryWindow(platform::Dialogs &dialogs, FiguresSource &source,
                                               QWidget *parent)
    : QWidget(parent, Qt::Window), dialogs_(dialogs), loader_(new HistoryLoader(source, this)) {
  setObjectName(QStringLiteral("financialHistory"));
  setWindowTitle(tr("Financial History"));
  widgets::letReturnPressButtons(*this);

  downloadBar_ = new DownloadBar;
  message_ = plainLine("message");
  message_->hide();
  confirmBar_ = noticeBar("otherCompanyQuestion", confirmText_);
  confirm_ = new QPushButton;
  confirm_->setObjectName(QStringLiteral("confirmOtherCompany"));
  confirmBar_->layout()->addWidget(confirm_);
  noticeBar_ = noticeBar("otherCompanyNotice", noticeText_);
  header_ = new HistoryHeader;

  auto *splitter = new QSplitter(Qt::Vertical);
  splitter->setChildrenCollapsible(false);
  splitter->addWidget(buildTable());
  splitter->addWidget(buildDetails());
  splitter->setStretchFactor(0, 3);
  splitter->setStretchFactor(1, 2);

  auto *layout = new QVBoxLayout(this);
  layout->addWidget(downloadBar_);
  layout->addWidget(message_);
  layout->addWidget(confirmBar_);
  layout->addWidget(noticeBar_);
  layout->addWidget(header_);
  layout->addWidget(splitter, 1);
  layout->addLayout(buildButtons());

  connect(downloadBar_, &DownloadBar::downloadRequested, this,
          [this] { loader_->download(downloadBar_->contact()); });
  connect(downloadBar_, &DownloadBar::openFileRequested, this,
          &FinancialHistoryWindow::openDownloadedFile);
  connect(downloadBar_, &DownloadBar::cancelRequested, loader_, &HistoryLoader::cancel);
  connect(confirm_, &QPushButton::clicked, loader_, &HistoryLoader::confirmOtherCompany);
  connect(loader_, &HistoryLoader::busyChanged, downloadBar_, &DownloadBar::showBusy);
  connect(loader_, &HistoryLoader::progress, downloadBar_, &DownloadBar::showProgress);
  connect(loader_, &HistoryLoader::loaded, this, &FinancialHistoryWindow::showLoaded);
  connect(loader_, &HistoryLoader::said, this, &FinancialHistoryWindow::say);
  connect(loader_, &HistoryLoader::confirmationAsked, this,
          &FinancialHistoryWindow::askAboutOtherCompany);

  connect(widgets::addWindowKeys(*this, tr("Help"), {QKeySequence(Qt::Key_F1)}),
          &QAction::triggered, this, &FinancialHistoryWindow::showHelp);
  widgets::addCloseKeys(*this);

  rebuildTable();
  header_->showNone({});
  updatePalette();
  widgets::followPalette(*this, [this] { updatePalette(); });
  widgets::fitToScreen(*this, QSize(1180, 820));
}

FinancialHistoryWindow::~FinancialHistoryWindow() = default;

QFrame *FinancialHistoryWindow::noticeBar(const char *name, QLabel *&text) {
  auto *bar = new QFrame;
  bar->setObjectName(QLatin1String(name));
  bar->setFrameShape(QFrame::StyledPanel);
  bar->setAutoFillBackground(true);
  text = plainLine("text");
  auto *row = new QHBoxLayout(bar);
  row->addWidget(text, 1);
  bar->hide();
  return bar;
}

QWidget *FinancialHistoryWindow::buildTable() {
  auto *box = new QWidget;
  auto *column = new QVBoxLayout(box);
  column->setContentsMargins(0, 0, 0, 0);
  amounts_ = plainLine("amounts");
  adjustSplits_ = new QCheckBox(tr("&Adjust earlier years for splits"));
  adjustSplits_->setObjectName(QStringLiteral("adjustSplits"));
  adjustSplits_->setToolTip(tr("Multiplies the share counts of the years before a possible "
                               "split by its ratio, and divides their per-share figures by it, "
                               "so that the years compare."));
  connect(adjustSplits_, &QCheckBox::toggled, this, &FinancialHistoryWindow::rebuildTable);
  notes_ = plainLine("notes");
  auto *top = new QHBoxLayout;
  top->addWidget(amounts_, 1);
  top->addWidget(adjustSplits_);

  model_ = new HistoryModel(this);
  view_ = new QTableView;
  view_->setObjectName(QStringLiteral("history"));
  view_->setAccessibleName(tr("Financial history"));
  view_->setModel(model_);
  view_->setSelectionBehavior(QAbstractItemView::SelectRows);
  view_->setSelectionMode(QAbstractItemView::SingleSelection);
  view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view_->setTabKeyNavigation(false); // Tab leaves the table, arrows move in it
  view_->setAlternatingRowColors(true);
  view_->setWordWrap(false);
  view_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  view_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  connect(view_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          &FinancialHistoryWindow::showSelectedRow);
  connect(model_, &QAbstractItemModel::modelReset, this, [this] {
    // The newest year in view, and a row selected for the chart.
    if (model_->columnCount() > 0) {
      const int row = std::max(0, view_->currentIndex().row());
      view_->setCurrentIndex(model_->index(row, model_->columnCount() - 1));
      view_->scrollTo(view_->currentIndex());
    }
  });

  column->addLayout(top);
  column->addWidget(notes_);
  column->addWidget(view_, 1);
  return box;
}

QWidget *FinancialHistoryWindow::buildDetails() {
  tabs_ = new QTabWidget;
  tabs_->setObjectName(QStringLiteral("details"));
  chart_ = new HistoryChart;
  chart_->setObjectName(QStringLiteral("chart"));
  growth_ = new GrowthTable;
  checks_ = new ChecksPanel;
  checks_->setObjectName(QStringLiteral("checks"));
  tabs_->addTab(chart_, tr("C&hart"));
  tabs_->addTab(growth_, tr("G&rowth"));
  tabs_->addTab(checks_, tr("The wizard's &tests"));
  return tabs_;
}

QLayout *FinancialHistoryWindow::buildButtons() {
  auto *workbench = actionButton(
      "useInWorkbench", tr("Use in &Workbench"),
      tr("Opens the Valuation Workbench with earnings per share and book value per share of the "
         "newest year, and the lower of their growth rates. The price stays yours to type."));
  connect(workbench, &QPushButton::clicked, this,
          [this] { emit useInWorkbenchRequested(workbenchFigures()); });
  auto *study = actionButton("takeIntoStudy", tr("Take into &Study"),
                             tr("Stores the table as shown, with where it comes from, in the "
                                "study that is open in the Study Notebook."));
  connect(study, &QPushButton::clicked, this,
          [this] { emit takeIntoStudyRequested(studyFigures()); });
  auto *copy = actionButton("copy", tr("&Copy"),
                            tr("Puts the table on the clipboard as text, with tabs between the "
                               "columns."));
  connect(copy, &QPushButton::clicked, this, &FinancialHistoryWindow::copyTable);
  auto *csv = actionButton("exportCsv", tr("&Export as CSV…"),
                           tr("Writes the table in a file a spreadsheet opens: plain numbers, "
                              "amounts in millions."));
  connect(csv, &QPushButton::clicked, this, &FinancialHistoryWindow::exportCsv);
  actions_ = {workbench, study, copy, csv};

  auto *help = actionButton("help", tr("Help"),
                            tr("What this window shows, and where the "
                               "figures come from. Shortcut: F1"));
  connect(help, &QPushButton::clicked, this, &FinancialHistoryWindow::showHelp);
  auto *close = widgets::closeButton(*this);

  auto *row = new QHBoxLayout;
  for (QPushButton *button : std::as_const(actions_))
    row->addWidget(button);
  row->addStretch(1);
  row->addWidget(help);
  row->addWidget(close);
  return row;
}

// The notice bars stand out in the colours of the palette in use, light or dark.
void FinancialHistoryWindow::updatePalette() {
  for (QFrame *bar : {confirmBar_, noticeBar_}) {
    QPalette pal = palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::ToolTipBase));
    pal.setColor(QPalette::WindowText, pal.color(QPalette::ToolTipText));
    bar->setPalette(pal);
  }
}

void FinancialHistoryWindow::followCompany(const QString &symbol, const QString &name) {
  symbol_ = symbol.trimmed();
  name_ = name.trimmed();
  setWindowTitle(symbol_.isEmpty() ? tr("Financial History")
                                   : tr("Financial History - %1").arg(symbol_));
  loader_->setCompany(symbol_, name_);
  if (!loader_->showKept() && !loaded_)
    header_->showNone(symbol_);
  showOtherCompanyNotice();
}

void FinancialHistoryWindow::showLoaded(const LoadedFigures &figures) {
  loaded_ = figures;
  // A new company's splits are its own to adjust.
  {
    const QSignalBlocker block(adjustSplits_);
    adjustSplits_->setChecked(false);
  }
  rebuildTable();
  header_->showFigures(*loaded_, table_);
  showOtherCompanyNotice();
}

void FinancialHistoryWindow::rebuildTable() {
  table_ = loaded_ ? historyTable(loaded_->annual, {adjustSplits_->isChecked()}) : HistoryTable{};
  model_->setTable(table_);
  amounts_->setText(loaded_ ? amountsLine(table_.currency) : QString());
  adjustSplits_->setVisible(!table_.splits.isEmpty());
  notes_->setText(table_.notes.join(QLatin1Char('\n')));
  notes_->setVisible(!table_.notes.isEmpty());
  growth_->showGrowth(table_);
  checks_->showChecks(table_);
  for (QPushButton *button : std::as_const(actions_))
    button->setEnabled(loaded_.has_value());
  if (!loaded_)
    chart_->clear();
  showSelectedRow();
}

void FinancialHistoryWindow::showOtherCompanyNotice() {
  bool other = false;
  if (loaded_ && !symbol_.isEmpty()) {
    // Found under another symbol, or a file or a confirmed company whose name
    // is not the wizard's.
    other = (!loaded_->symbol.isEmpty() && loaded_->symbol != secSymbol(symbol_)) ||
            (!name_.isEmpty() && !sameCompanyName(name_, table_.companyName));
  }
  if (other)
    noticeText_->setText(
        tr("These are the figures of %1 (CIK %2), not of %3, the company chosen in the wizard.")
            .arg(table_.companyName, QString::number(table_.cik),
                 name_.isEmpty() ? symbol_ : QStringLiteral("%1 (%2)").arg(name_, symbol_)));
  noticeBar_->setVisible(other);
  noticeBar_->setAccessibleDescription(other ? noticeText_->text() : QString());
}

void FinancialHistoryWindow::say(const QString &message) {
  message_->setText(message);
  message_->setVisible(!message.isEmpty());
  message_->setAccessibleDescription(message);
}

void FinancialHistoryWindow::askAboutOtherCompany(const QString &question, const QString &company) {
  const bool asking = !question.isEmpty();
  confirmText_->setText(asking ? tr("%1. No figures are shown until you confirm that you want "
                                    "this company's.")
                                     .arg(question)
                               : QString());
  confirm_->setText(tr("Show the figures of %1").arg(company));
  confirmBar_->setVisible(asking);
  if (asking)
    confirm_->setFocus();
}

void FinancialHistoryWindow::showSelectedRow() {
  const QModelIndex current = view_->currentIndex();
  if (!loaded_ || !current.isValid())
    return;
  chart_->showRow(table_, Row(current.row()));
}

void FinancialHistoryWindow::showHelp() {
  dialogs_.message(financialHistoryHelp(), tr("Financial History Help"),
                   platform::MessageButtons::Ok, platform::MessageIcon::Information);
}

WorkbenchFigures FinancialHistoryWindow::workbenchFigures() const {
  return filings::workbenchFigures(table_);
}

study::Figures FinancialHistoryWindow::studyFigures() const {
  if (!loaded_)
    return {};
  const QDate day = loaded_->downloaded.toLocalTime().date();
  study::Figures figures = study::figuresFromJsonObject(historyJson(table_, day));
  figures.symbol = loaded_->symbol;
  return figures;
}

void FinancialHistoryWindow::openDownloadedFile() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
  const QString path = dialogs_.openFileName(tr("Open a Downloaded File"), folder,
                                             tr("Company facts (*.json);;All files (*)"));
  if (!path.isEmpty())
    loader_->openFile(path);
}

void FinancialHistoryWindow::copyTable() {
  if (loaded_)
    QApplication::clipboard()->setText(historyText(table_));
}

void FinancialHistoryWindow::exportCsv() {
  if (!loaded_)
    return;
  const QString name =
      QStringLiteral("%1-financial-history.csv")
          .arg(loaded_->symbol.isEmpty() ? QString::number(table_.cik) : loaded_->symbol);
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  const QString path = dialogs_.saveFileName(tr("Export as CSV"), QDir(folder).filePath(name),
                                             tr("CSV files (*.csv)"));
  if (path.isEmpty())
    return;
  if (const QString error = platform::saveAtomically(path, historyCsv(table_)); !error.isEmpty()) {
    dialogs_.message(tr("The table could not be written to “%1”: %2.")
                         .arg(QDir::toNativeSeparators(path), error),
                     tr("Export as CSV"), platform::MessageButtons::Ok,
                     platform::MessageIcon::Warning);
    return;
  }
  say(tr("Exported to %1.").arg(QDir::toNativeSeparators(path)));
}

} // namespace kelvo::app
