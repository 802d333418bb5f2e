// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/program_windows.h"

#include "app/link_captions.h"
#include "financial_history/financial_history_window.h"
#include "keyboard_shortcuts/keyboard_shortcuts_window.h"
#include "notebook/notebook_help.h"
#include "notebook/recent_menu.h"
#include "notebook/recovery_question.h"
#include "notebook/studies_window.h"
#include "notebook/study_notebook.h"
#include "research_links/research_links_help.h"
#include "research_links/research_links_window.h"
#include "widgets/window_pattern.h"
#include "widgets/window_place.h"
#include "wizard_window/layout.h"
#include "wizard_window/main_window.h"
#include "workbench/valuation_workbench.h"
#include "workbench/workbench_help.h"

#include "filings/sec_client.h"
#include "handover/link_actions.h"
#include "links/link_overrides.h"
#include "platform/dialogs.h"
#include "study/recovery.h"
#include "study/study_file.h"

#include <QAction>
#include <QEvent>
#include <QKeySequence>
#include <QMenu>
#include <algorithm>
#include <utility>

namespace kelvo::app {

namespace {

// "o n l i n e   t o o l s", spaced out on its button, reads "online tools"
// in a sentence.
QString withoutLetterSpacing(const QString &caption) {
  QStringList words = caption.trimmed().split(QStringLiteral("   "), Qt::SkipEmptyParts);
  for (QString &word : words) {
    const QStringList letters = word.split(u' ', Qt::SkipEmptyParts);
    if (std::all_of(letters.begin(), letters.end(), [](const QString &l) { return l.size() == 1; }))
      word = letters.join(QString());
  }
  return words.join(u' ');
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
  delete keyboardShortcuts_.data();
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
    // The main window's actions carry the shortcuts the menu shows; Open
    // Recent follows Open, and Studies begins a group of its own.
    for (QAction *action : std::as_const(windowActions_)) {
      if (action->shortcut() == studiesShortcut()) {
        addRecentStudiesMenu(*menu_, tr("Open Recent"),
                             [this](const QString &path) { openStudyFile(path); });
        menu_->addSeparator();
      }
      menu_->addAction(action);
    }
    menu_->addAction(tr("Show Studies Folder"), this, &ProgramWindows::showStudiesFolder);
    menu_->addSeparator();
    menu_->addAction(tr("Keyboard Shortcuts"), this, &ProgramWindows::showKeyboardShortcuts);
  }
  return menu_;
}

ResearchLinksWindow *ProgramWindows::researchLinks() const { return researchLinks_; }
ValuationWorkbench *ProgramWindows::workbench() const { return workbench_; }
StudyNotebook *ProgramWindows::notebook() const { return notebook_; }
StudiesWindow *ProgramWindows::studies() const { return studies_; }
KeyboardShortcutsWindow *ProgramWindows::keyboardShortcuts() const { return keyboardShortcuts_; }
FinancialHistoryWindow *ProgramWindows::financialHistory() const { return history_; }

QList<QAction *> ProgramWindows::addShortcuts(QWidget *window, bool withStudyFiles) {
  QList<QAction *> added;
  auto add = [&](const QString &text, const QKeySequence &keys, void (ProgramWindows::*slot)()) {
    QAction *action = widgets::addWindowKeys(*window, text, {keys});
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
    add(tr("Studies…"), studiesShortcut(), &ProgramWindows::showStudies);
  }
  return added;
}

// An added window's own: F1 shows its help, and it opens where it was left.
void ProgramWindows::adopt(QWidget *window, const QString &placeName, const QString &title,
                           std::function<QString()> help) {
  QAction *action = widgets::addWindowKeys(*window, tr("Help"), {QKeySequence(Qt::Key_F1)});
  connect(action, &QAction::triggered, this, [this, title, help = std::move(help)] {
    dialogs_.message(help(), title, platform::MessageButtons::Ok,
                     platform::MessageIcon::Information);
  });
  widgets::rememberWindowPlace(*window, placeName);
}

void ProgramWindows::bringUp(QWidget *window) {
  window->show();
  window->raise();
  window->activateWindow();
}

ResearchLinksWindow &ProgramWindows::ensureResearchLinks() {
  if (!researchLinks_) {
    handover::LinkContext context{[this] { return window_.companySymbol(); },
                                  [this] { return window_.companyName(); },
                                  [this] { return window_.selectedRow(); }};
    researchLinks_ = new ResearchLinksWindow(dialogs_, desktop_, std::move(context), &linkCaption);
    researchLinks_->setWindowFlag(Qt::Window);
    addShortcuts(researchLinks_, true);
    connect(&window_, &MainWindow::companyChanged, researchLinks_,
            &ResearchLinksWindow::followCompany);
    adopt(researchLinks_, QStringLiteral("researchLinks"), tr("Research Links Help"),
          [] { return researchLinksHelp(links::LinkSearchPaths::fromEnvironment().userFile); });
  }
  return *researchLinks_;
}

void ProgramWindows::showResearchLinks() {
  ResearchLinksWindow &links = ensureResearchLinks();
  if (!links.isVisible())
    links.refresh();
  bringUp(&links);
}

ValuationWorkbench &ProgramWindows::ensureWorkbench() {
  if (!workbench_) {
    workbench_ = new ValuationWorkbench(dialogs_);
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
    adopt(workbench_, QStringLiteral("valuationWorkbench"), tr("Valuation Workbench Help"),
          workbenchHelp);
  }
  return *workbench_;
}

void ProgramWindows::showWorkbench() {
  ValuationWorkbench &workbench = ensureWorkbench();
  if (!std::exchange(workbenchShown_, true)) {
    // The page's start-up example is no company's earnings: until the user
    // changes or estimates it, earnings per share stay for the user to type.
    valuation::CalculatorFields page = window_.calculatorFields();
    if (page == startUpFigures_)
      page.earnings.clear();
    workbench.fillFromCalculator(page);
  }
  bringUp(&workbench);
}

StudyNotebook &ProgramWindows::ensureNotebook() {
  if (!notebook_) {
    auto workbench = [this]() -> std::optional<study::Valuation> {
      if (!workbench_ || !workbenchShown_) // built only to read its keys
        return std::nullopt;
      return workbench_->snapshot();
    };
    auto company = [this] {
      return StudyNotebook::Company{window_.companySymbol(), window_.companyName()};
    };
    notebook_ = new StudyNotebook(dialogs_, workbench, company);
    // The notebook has its own New and Open, which ask about its notes
    // first, and its own Studies.
    addShortcuts(notebook_, false);
    connect(notebook_, &StudyNotebook::studiesRequested, this, &ProgramWindows::showStudies);
    adopt(notebook_, QStringLiteral("studyNotebook"), tr("Study Notebook Help"), [] {
      return notebookHelp(study::studiesFolder(), study::RecoveryCopy::defaultFolder());
    });
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

StudiesWindow &ProgramWindows::ensureStudies() {
  if (!studies_) {
    studies_ = new StudiesWindow(dialogs_, desktop_);
    addShortcuts(studies_, true);
    connect(studies_, &StudiesWindow::openRequested, this, &ProgramWindows::openStudyFile);
    adopt(studies_, QStringLiteral("studies"), tr("Studies Help"),
          [] { return studiesHelp(study::studiesFolder()); });
  }
  return *studies_;
}

void ProgramWindows::showStudies() { bringUp(&ensureStudies()); }

void ProgramWindows::showStudiesFolder() {
  app::showStudiesFolder(dialogs_, desktop_, study::studiesFolder());
}

// Read afresh at each opening, from the windows themselves: a window that
// gains a key shows it here with nothing else to do.
void ProgramWindows::showKeyboardShortcuts() {
  if (!keyboardShortcuts_) {
    keyboardShortcuts_ = new KeyboardShortcutsWindow;
    addShortcuts(keyboardShortcuts_, true);
    adopt(keyboardShortcuts_, QStringLiteral("keyboardShortcuts"), tr("Keyboard Shortcuts Help"),
          KeyboardShortcutsWindow::helpText);
  }
  QList<ShortcutEntry> wizardKeys = shortcutsOf(window_);
  // F11 is the browser's: the wizard sends it after handing over these pages.
  for (const links::LinkTemplate &link : links::ActiveLinks::instance().catalogue().links())
    if (link.after == links::LinkAfter::FullScreenKey)
      wizardKeys << ShortcutEntry{QKeySequence(Qt::Key_F11).toString(QKeySequence::NativeText),
                                  tr("In the browser, after “%1”: full screen on and off")
                                      .arg(withoutLetterSpacing(layoutCaption(link.control)))};
  const QList<ShortcutSection> windows{
      {tr("Wizard"), wizardKeys},
      {tr("Research Links"), shortcutsOf(ensureResearchLinks())},
      {tr("Valuation Workbench"), shortcutsOf(ensureWorkbench())},
      {tr("Study Notebook"), shortcutsOf(ensureNotebook())},
      {tr("Studies"), shortcutsOf(ensureStudies())},
      {tr("Financial History"), shortcutsOf(ensureFinancialHistory())},
      {tr("Keyboard Shortcuts"), shortcutsOf(*keyboardShortcuts_)},
  };
  keyboardShortcuts_->showSections(groupShortcuts(windows, tr("Every window")));
  bringUp(keyboardShortcuts_);
}

void ProgramWindows::showFinancialHistory() { bringUp(&ensureFinancialHistory()); }

FinancialHistoryWindow &ProgramWindows::ensureFinancialHistory() {
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
    widgets::rememberWindowPlace(*history_, QStringLiteral("financialHistory"));
  }
  return *history_;
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
    if (!askToRecover(dialogs_, orphan)) {
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
       {static_cast<QWidget *>(keyboardShortcuts_.data()), static_cast<QWidget *>(history_.data()),
        static_cast<QWidget *>(studies_.data()), static_cast<QWidget *>(notebook_.data()),
        static_cast<QWidget *>(workbench_.data()), static_cast<QWidget *>(researchLinks_.data())})
    if (added)
      added->hide();
  return true;
}

} // namespace kelvo::app
