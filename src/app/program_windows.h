// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The windows the program adds beside the wizard (Research Links, the
// Valuation Workbench, the Study Notebook, the list of studies, Financial
// History and the list of keyboard shortcuts), the program's menu that opens
// them, and their
// shortcuts in every window. Each window is built the first time it is asked
// for, never at start-up.

#include "valuation/valuation.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <functional>

class QAction;
class QMenu;
class QPoint;
class QWidget;

namespace kelvo::platform {
class Desktop;
class Dialogs;
} // namespace kelvo::platform

namespace kelvo::filings {
class FiguresSource;
struct WorkbenchFigures;
} // namespace kelvo::filings

namespace kelvo::study {
struct Figures;
} // namespace kelvo::study

namespace kelvo::app {

class KeyboardShortcutsWindow;
class FinancialHistoryWindow;
class MainWindow;
class ResearchLinksWindow;
class StudiesWindow;
class StudyNotebook;
class ValuationWorkbench;

class ProgramWindows final : public QObject {
  Q_OBJECT
public:
  ProgramWindows(MainWindow &window, platform::Dialogs &dialogs, platform::Desktop &desktop);
  ~ProgramWindows() override;

  // The menu a right-click on the wizard's background opens, and Shift+F10
  // and the Menu key on a control without a menu of its own.
  QMenu *menu();

  void showResearchLinks();
  // The first opening takes the calculator page's figures; later ones only
  // show the workbench with the inputs it kept.
  void showWorkbench();
  void newStudy();
  void openStudy();
  bool openStudyFile(const QString &path);
  void showStudies();
  void showStudiesFolder();
  // Builds the windows not built yet, without showing them, to read their keys.
  void showKeyboardShortcuts();
  // The SEC's figures of the wizard's company; nothing of the network is set
  // up before the first time.
  void showFinancialHistory();

  // Offers back the notes an earlier run left unsaved, one question each.
  void offerRecoveredNotes();
  // Before the program ends: asks about an unsaved study (Save, Discard,
  // Cancel); false when the user cancelled. Closes every added window on true.
  bool closeAll();

  // The window of each kind, when it has been built (for tests).
  ResearchLinksWindow *researchLinks() const;
  ValuationWorkbench *workbench() const;
  StudyNotebook *notebook() const;
  StudiesWindow *studies() const;
  KeyboardShortcutsWindow *keyboardShortcuts() const;
  FinancialHistoryWindow *financialHistory() const;

signals:
  // The wizard was ended or closed and the added windows have closed: the
  // program is to quit.
  void quitRequested();

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  // The program's shortcuts, as actions of `window`: Ctrl+L and Ctrl+I
  // everywhere, Ctrl+N, Ctrl+O and Ctrl+Shift+O where the window has no New,
  // Open and Studies of its own.
  QList<QAction *> addShortcuts(QWidget *window, bool withStudyFiles);
  void adopt(QWidget *window, const QString &placeName, const QString &title,
             std::function<QString()> help);
  ResearchLinksWindow &ensureResearchLinks();
  ValuationWorkbench &ensureWorkbench();
  StudyNotebook &ensureNotebook();
  StudiesWindow &ensureStudies();
  FinancialHistoryWindow &ensureFinancialHistory();
  void useInWorkbench(const filings::WorkbenchFigures &figures);
  void takeIntoStudy(const study::Figures &figures);
  static void bringUp(QWidget *window);

  MainWindow &window_;
  platform::Dialogs &dialogs_;
  platform::Desktop &desktop_;
  QMenu *menu_ = nullptr;
  QList<QAction *> windowActions_; // the main window's, which the menu shows
  // The calculator page as the program starts: an example, not the user's.
  valuation::CalculatorFields startUpFigures_;
  QPointer<ResearchLinksWindow> researchLinks_;
  QPointer<ValuationWorkbench> workbench_;
  QPointer<StudyNotebook> notebook_;
  QPointer<StudiesWindow> studies_;
  QPointer<KeyboardShortcutsWindow> keyboardShortcuts_;
  bool workbenchShown_ = false; // it takes the calculator's figures when first shown
  QPointer<FinancialHistoryWindow> history_;
  filings::FiguresSource *secSource_ = nullptr; // made with the window, owned by this
};

} // namespace kelvo::app
