// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Financial History: the figures the wizard's company reported to the SEC,
// one column per fiscal year, with growth, the wizard's tests and a chart of
// the selected row. It follows the wizard's company and says when the
// figures it shows are another company's. The figures come from kept copies,
// from a download the user asks for, or from a file the user saved; they
// leave the window for the workbench, the study, the clipboard and CSV.

#include "filings/history_table.h"
#include "filings/workbench_figures.h"
#include "financial_history/history_loader.h"
#include "study/study.h"

#include <QWidget>
#include <optional>

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QTableView;
class QTabWidget;

namespace kelvo::platform {
class Dialogs;
} // namespace kelvo::platform

namespace kelvo::app {

class ChecksPanel;
class DownloadBar;
class GrowthTable;
class HistoryChart;
class HistoryHeader;
class HistoryModel;

class FinancialHistoryWindow final : public QWidget {
  Q_OBJECT
public:
  // `source` gets the SEC's documents (a download and its cache, or a test's
  // stand-in); it must outlive the window.
  FinancialHistoryWindow(platform::Dialogs &dialogs, filings::FiguresSource &source,
                         QWidget *parent = nullptr);
  ~FinancialHistoryWindow() override;

  // The company chosen in the wizard. Its kept figures are shown when there
  // are any; otherwise the figures shown stay, marked as another company's.
  void followCompany(const QString &symbol, const QString &name);

  bool hasFigures() const { return loaded_.has_value(); }
  const filings::HistoryTable &table() const { return table_; }
  // What "Use in Workbench" hands over.
  filings::WorkbenchFigures workbenchFigures() const;
  // The table as "Take into Study" stores it.
  study::Figures studyFigures() const;

signals:
  void useInWorkbenchRequested(const kelvo::filings::WorkbenchFigures &figures);
  void takeIntoStudyRequested(const kelvo::study::Figures &figures);

private:
  QWidget *buildTable();
  QWidget *buildDetails();
  QLayout *buildButtons();
  QFrame *noticeBar(const char *name, QLabel *&text);

  void showLoaded(const kelvo::app::LoadedFigures &figures);
  void rebuildTable();
  void showOtherCompanyNotice();
  void say(const QString &message);
  void askAboutOtherCompany(const QString &question, const QString &company);
  void showSelectedRow();
  void showHelp();
  void updatePalette();

  void openDownloadedFile();
  void copyTable();
  void exportCsv();

  platform::Dialogs &dialogs_;
  HistoryLoader *loader_;
  QString symbol_; // the wizard's
  QString name_;
  std::optional<LoadedFigures> loaded_;
  filings::HistoryTable table_;

  DownloadBar *downloadBar_ = nullptr;
  QLabel *message_ = nullptr;
  QFrame *confirmBar_ = nullptr;
  QLabel *confirmText_ = nullptr;
  QPushButton *confirm_ = nullptr;
  QFrame *noticeBar_ = nullptr;
  QLabel *noticeText_ = nullptr;
  HistoryHeader *header_ = nullptr;
  QLabel *amounts_ = nullptr;
  QCheckBox *adjustSplits_ = nullptr;
  QLabel *notes_ = nullptr;
  HistoryModel *model_ = nullptr;
  QTableView *view_ = nullptr;
  QTabWidget *tabs_ = nullptr;
  HistoryChart *chart_ = nullptr;
  GrowthTable *growth_ = nullptr;
  ChecksPanel *checks_ = nullptr;
  QList<QPushButton *> actions_; // need figures
};

} // namespace kelvo::app
