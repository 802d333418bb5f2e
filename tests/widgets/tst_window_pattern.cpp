// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Every added window built alike: opened within the headless screen, which is
// smaller than any of them would like, and closed by its Close button, Escape,
// Ctrl+W and Return or Enter on the focused button.
#include "keyboard_shortcuts/keyboard_shortcuts_window.h"
#include "notebook/studies_window.h"
#include "notebook/study_notebook.h"
#include "research_links/research_links_window.h"
#include "support/recording_desktop.h"
#include "support/scripted_dialogs.h"
#include "workbench/valuation_workbench.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace kelvo;

class TestWindowPattern : public QObject {
  Q_OBJECT
  platform::ScriptedDialogs dialogs_;
  platform::RecordingDesktop desktop_;
  QTemporaryDir folder_;

  std::unique_ptr<QWidget> make(const QString &window) {
    if (window == u"researchLinks")
      return std::make_unique<app::ResearchLinksWindow>(
          dialogs_, desktop_,
          handover::LinkContext{[] { return QString(); }, [] { return QString(); },
                                [] { return -1; }});
    if (window == u"valuationWorkbench")
      return std::make_unique<app::ValuationWorkbench>(dialogs_);
    if (window == u"keyboardShortcuts")
      return std::make_unique<app::KeyboardShortcutsWindow>();
    if (window == u"studyNotebook")
      return std::make_unique<app::StudyNotebook>(dialogs_, app::StudyNotebook::WorkbenchSource{});
    return std::make_unique<app::StudiesWindow>(dialogs_, desktop_, folder_.path());
  }

private slots:
  void closes_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("way");
    QTest::addColumn<bool>("unsaved"); // the notebook has a change; its question is cancelled
    for (const char *window :
         {"researchLinks", "valuationWorkbench", "studyNotebook", "studies", "keyboardShortcuts"})
      for (const char *way : {"button", "Escape", "Ctrl+W", "Return", "Enter"})
        QTest::addRow("%s, %s", window, way) << window << way << false;
    for (const char *way : {"button", "Escape", "Ctrl+W"})
      QTest::addRow("notebook unsaved, %s", way) << "studyNotebook" << way << true;
  }

  void closes() {
    QFETCH(QString, window);
    QFETCH(QString, way);
    QFETCH(bool, unsaved);
    dialogs_.clear();
    std::unique_ptr<QWidget> w = make(window);
    QCOMPARE(w->objectName(), window);
    w->show();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    const QSize room = w->screen()->availableGeometry().size();
    QVERIFY2(room.expandedTo(w->size()) == room && w->width() >= room.width() / 2,
             qPrintable(QStringLiteral("%1 x %2").arg(w->width()).arg(w->height())));
    if (unsaved)
      w->findChild<QPlainTextEdit *>(QStringLiteral("companyNotes"))->setPlainText("Mine.");
    auto *close = w->findChild<QPushButton *>(QStringLiteral("close"));
    QVERIFY(close);
    if (way == u"button") {
      QTest::mouseClick(close, Qt::LeftButton);
    } else if (way == u"Return" || way == u"Enter") {
      close->setFocus(Qt::TabFocusReason);
      const bool pad = way == u"Enter";
      QTest::keyClick(close, pad ? Qt::Key_Enter : Qt::Key_Return,
                      pad ? Qt::KeypadModifier : Qt::NoModifier);
    } else { // keys go where the focus is, as a user's do
      QWidget *focus = w->focusWidget() ? w->focusWidget() : w.get();
      const bool escape = way == u"Escape";
      QTest::keyClick(focus, escape ? Qt::Key_Escape : Qt::Key_W,
                      escape ? Qt::NoModifier : Qt::ControlModifier);
    }
    QCOMPARE(w->isVisible(), unsaved);
    // Closing asked nothing, except about the unsaved notes, once.
    QCOMPARE(dialogs_.shown.size(), unsaved ? 1 : 0);
  }
};

QTEST_MAIN(TestWindowPattern)
#include "tst_window_pattern.moc"
