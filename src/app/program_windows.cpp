// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/program_windows.h"

#include "financial_history/financial_history_window.h"
#include "notebook/studies_window.h"
#include "notebook/study_notebook.h"
#include "research_links/research_links_window.h"
#include "wizard_window/layout.h"
#include "wizard_window/main_window.h"
#include "workbench/valuation_workbench.h"

#include "filings/sec_client.h"
#include "handover/link_actions.h"
#include "study/recovery.h"

#include <QAction>
#include <QEvent>
#include <QKeySequence>
#include <QMenu>

namespace kelvo::app {

namespace {

QAction *addAction(QWidget *window, const QString &text, const QKeySequence &keys) {
  auto *action = new QAction(text, window);
  action->setShortcut(keys);
  action->setShortcutContext(Qt::WindowShortcut);
  window->addAction(action);
  return action;
}

} // namespace

ProgramWindows::ProgramWindows(MainWindow &window, platform::Dialogs &dialogs,
                               platform::Desktop &desktop)
    : QObject(&window), window_(window), dialogs_(dialogs), desktop_(desktop),
      startUpFigures_(window.calculatorFields()) {
  windowActions_ = addShortcuts(&window, true);
  // End and the title bar's close (see eventFilter) first ask about an
  // unsaved study.
  connect(&window, &MainWindow::endRequested, this, [this] {
    if (closeAll())
      emit quitRequested();
  });
  window.installEventFilter(this);
  connect(&window, &MainWindow::programMenuRequested, this,
          [this](const QPoint &at) { menu()->popup(at); });
  connect(&window, &MainWindow::workbenchRequested, this, &ProgramWindows::showWorkbench);
}

bool ProgramWindows::eventFilter(QObject *watched, QEvent *event) {
  if (watched != &window_ || event->type() != QEvent::Close)
    return QObject::eventFilter(watched, event);
  if (!closeAll()) {
    event->ignore(); // the question about the study was cancelled
    return true;
  }
  // A close ends the program too, which the added windows would otherwise
  // keep running.
  emit quitRequested();
  return false;
}

ProgramWindows::~ProgramWindows() {
  // The added windows have no parent, so that each is a window of its own on
  // the desktop; they end with the wizard.
  delete history_.data();
  delete studies_.data();
  delete notebook_.data();
  delete workbench_.data();
  delete researchLinks_.data();
}

QMenu *ProgramWindows::menu() {
  // Built at the first right-click, not at start-up.
  if (!menu_) {
    menu_ = new QMenu(&window_);
    menu_->setObjectName(QStringLiteral("programMenu"));
    menu_->setAccessibleName(tr("Program menu"));
    // The main window's actions carry the shortcuts the menu shows.
    menu_->addActions(windowActions_);
    menu_->addSeparator();
    menu_->addAction(tr("Studies…"), this, &ProgramWindows::showStudies);
  }
  return menu_;
}

ResearchLinksWindow *ProgramWindows::researchLinks() const { return researchLinks_; }
ValuationWorkbench *ProgramWindows::workbench() const { return workbench_; }
StudyNotebook *ProgramWindows::notebook() const { return notebook_; }
StudiesWindow *ProgramWindows::studies() const { return studies_; }
FinancialHistoryWindow *ProgramWindows::financialHistory() const { return history_; }

QList<QAction *> ProgramWindows::addShortcuts(QWidget *window, bool withStudyFiles) {
  QList<QAction *> added;
  auto add = [&](const QString &text, const QKeySequence &keys, void (ProgramWindows::*slot)()) {
    QAction *action = addAction(window, text, keys);
    connect(action, &QAction::triggered, this, slot);
    added << action;
  };
  add(tr("Research Links…"), QKeySequence(Qt::CTRL | Qt::Key_L),
      &ProgramWindows::showResearchLinks);
  add(tr("Valuation Workbench…"), QKeySequence(Qt::CTRL | Qt::Key_I),
      &ProgramWindows::showWorkbench);
  add(tr("Financial History…"), QKeySequence(Qt::CTRL | Qt::Key_H),
      &ProgramWindows::showFinancialHistory);
  if (withStudyFiles) {
    add(tr("New Study"), QKeySequence(Qt::CTRL | Qt::Key_N), &ProgramWindows::newStudy);
    add(tr("Open Study…"), QKeySequence(Qt::CTRL | Qt::Key_O), &ProgramWindows::openStudy);
  }
  return added;
}

void ProgramWindows::bringUp(QWidget *window) {
  window->show();
  window->raise();
  window->activateWindow();
}

void ProgramWindows::showResearchLinks() {
  if (!researchLinks_) {
    handover::LinkContext context{[this] { return window_.companySymbol(); },
                                  [this] { return window_.companyName(); },
                                  [this] { return window_.selectedRow(); }};
    researchLinks_ =
        new ResearchLinksWindow(dialogs_, desktop_, std::move(context), &layoutCaption);
    researchLinks_->setWindowFlag(Qt::Window);
    addShortcuts(researchLinks_, true);
    connect(&window_, &MainWindow::companyChanged, researchLinks_,
            &ResearchLinksWindow::followCompany);
  }
  if (!researchLinks_->isVisible())
    researchLinks_->refresh();
  bringUp(researchLinks_);
}

void ProgramWindows::showWorkbench() {
  if (!workbench_) {
    workbench_ = new ValuationWorkbench;
    addShortcuts(workbench_, true);
    connect(workbench_, &ValuationWorkbench::calculatorFiguresRequested, this,
            [this] { workbench_->fillFromCalculator(window_.calculatorFields()); });
    // Without figures yet, the history opens for the user to get them.
    connect(workbench_, &ValuationWorkbench::historyFiguresRequested, this, [this] {
      if (history_ && history_->hasFigures())
        workbench_->fillFromHistory(history_->workbenchFigures());
      else
        showFinancialHistory();
    });
    auto followCompany = [this] {
      workbench_->setCompany(window_.companySymbol(), window_.companyName());
    };
    connect(&window_, &MainWindow::companyChanged, workbench_, followCompany);
    followCompany();
    // The page's start-up example is no company's earnings: until the user
    // changes or estimates it, earnings per share stay for the user to type.
    valuation::CalculatorFields page = window_.calculatorFields();
    if (page == startUpFigures_)
      page.earnings.clear();
    workbench_->fillFromCalculator(page);
  }
  bringUp(workbench_);
}

StudyNotebook &ProgramWindows::ensureNotebook() {
  if (!notebook_) {
    auto workbench = [this]() -> std::optional<study::Valuation> {
      if (!workbench_)
        return std::nullopt;
      return workbench_->snapshot();
    };
    auto company = [this] {
      return StudyNotebook::Company{window_.companySymbol(), window_.companyName()};
    };
    notebook_ = new StudyNotebook(dialogs_, workbench, company);
    // The notebook has its own New and Open, which ask about its notes first.
    addShortcuts(notebook_, false);
    connect(notebook_, &StudyNotebook::studiesRequested, this, &ProgramWindows::showStudies);
  }
  return *notebook_;
}

void ProgramWindows::newStudy() {
  StudyNotebook &notebook = ensureNotebook();
  if (notebook.newStudy(window_.companySymbol(), window_.companyName()))
    bringUp(&notebook);
}

void ProgramWindows::openStudy() {
  StudyNotebook &notebook = ensureNotebook();
  if (notebook.openStudyDialog())
    bringUp(&notebook);
}

bool ProgramWindows::openStudyFile(const QString &path) {
  StudyNotebook &notebook = ensureNotebook();
  if (!notebook.openStudy(path))
    return false;
  bringUp(&notebook);
  return true;
}

void ProgramWindows::showStudies() {
  if (!studies_) {
    studies_ = new StudiesWindow;
    addShortcuts(studies_, true);
    connect(studies_, &StudiesWindow::openRequested, this, &ProgramWindows::openStudyFile);
  }
  bringUp(studies_);
}

void ProgramWindows::showFinancialHistory() {
  if (!history_) {
    secSource_ = new filings::SecClient(this);
    history_ = new FinancialHistoryWindow(dialogs_, *secSource_);
    addShortcuts(history_, true);
    connect(history_, &FinancialHistoryWindow::useInWorkbenchRequested, this,
            &ProgramWindows::useInWorkbench);
    connect(history_, &FinancialHistoryWindow::takeIntoStudyRequested, this,
            &ProgramWindows::takeIntoStudy);
    auto followCompany = [this] {
      history_->followCompany(window_.companySymbol(), window_.companyName());
    };
    connect(&window_, &MainWindow::companyChanged, history_, followCompany);
    followCompany();
  }
  bringUp(history_);
}

void ProgramWindows::useInWorkbench(const filings::WorkbenchFigures &figures) {
  showWorkbench();
  workbench_->fillFromHistory(figures);
}

// Into the study open in the notebook; without one, into a new study of the
// wizard's company.
void ProgramWindows::takeIntoStudy(const study::Figures &figures) {
  if (!notebook_ || !notebook_->isVisible()) {
    newStudy();
    if (!notebook_ || !notebook_->isVisible())
      return; // the user kept the unsaved study that was hidden
  }
  notebook_->takeFigures(figures);
  bringUp(notebook_);
}

void ProgramWindows::offerRecoveredNotes() {
  for (const study::RecoveryCopy::Orphan &orphan : study::RecoveryCopy::findOrphans()) {
    if (!StudyNotebook::askToRecover(dialogs_, orphan)) {
      study::RecoveryCopy::discard(orphan);
      continue;
    }
    StudyNotebook &notebook = ensureNotebook();
    // Notes recovered a moment ago are the notebook's unsaved changes now;
    // the user decides about them before the next set replaces them. On
    // Cancel the copy stays, to be offered again at the next start.
    if (!notebook.maybeSave())
      continue;
    notebook.restoreFromRecovery(orphan);
    bringUp(&notebook);
  }
}

bool ProgramWindows::closeAll() {
  if (notebook_ && !notebook_->maybeSave())
    return false;
  for (QWidget *added :
       {static_cast<QWidget *>(history_.data()), static_cast<QWidget *>(studies_.data()),
        static_cast<QWidget *>(notebook_.data()), static_cast<QWidget *>(workbench_.data()),
        static_cast<QWidget *>(researchLinks_.data())})
    if (added)
      added->hide();
  return true;
}

} // namespace kelvo::app
