// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Every added window built alike: closed by its Close button, Escape, Ctrl+W
// and Return or Enter on the focused button; opened within a small screen.
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

namespace {

struct Windows {
  platform::ScriptedDialogs dialogs;
  platform::RecordingDesktop desktop;
  QTemporaryDir folder;

  std::unique_ptr<QWidget> make(const QString &window) {
    if (window == u"researchLinks")
      return std::make_unique<app::ResearchLinksWindow>(
          dialogs, desktop,
          handover::LinkContext{[] { return QString(); }, [] { return QString(); },
                                [] { return -1; }});
    if (window == u"valuationWorkbench")
      return std::make_unique<app::ValuationWorkbench>(dialogs);
    if (window == u"studyNotebook")
      return std::make_unique<app::StudyNotebook>(dialogs, app::StudyNotebook::WorkbenchSource{});
    return std::make_unique<app::StudiesWindow>(dialogs, folder.path());
  }
};

const char *const kWindows[] = {"researchLinks", "valuationWorkbench", "studyNotebook", "studies"};

} // namespace

class TestWindowPattern : public QObject {
  Q_OBJECT
private slots:
  void closes_data();
  void closes();
  void fitsTheScreen_data();
  void fitsTheScreen();
};

void TestWindowPattern::closes_data() {
  QTest::addColumn<QString>("window");
  QTest::addColumn<QString>("way");
  QTest::addColumn<bool>("unsaved"); // the notebook has a change; its question is cancelled
  for (const char *window : kWindows)
    for (const char *way : {"button", "Escape", "Ctrl+W", "Return", "Enter"})
      QTest::addRow("%s, %s", window, way) << window << way << false;
  QTest::newRow("notebook unsaved, Escape") << "studyNotebook"
                                            << "Escape" << true;
  QTest::newRow("notebook unsaved, Ctrl+W") << "studyNotebook"
                                            << "Ctrl+W" << true;
  QTest::newRow("notebook unsaved, button") << "studyNotebook"
                                            << "button" << true;
}

void TestWindowPattern::closes() {
  QFETCH(QString, window);
  QFETCH(QString, way);
  QFETCH(bool, unsaved);
  Windows windows;
  std::unique_ptr<QWidget> w = windows.make(window);
  QCOMPARE(w->objectName(), window);
  w->show();
  w->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(w.get()));
  if (unsaved)
    w->findChild<QPlainTextEdit *>(QStringLiteral("companyNotes"))->setPlainText("Mine.");
  auto *close = w->findChild<QPushButton *>(QStringLiteral("close"));
  QVERIFY(close);
  if (way == u"button") {
    QTest::mouseClick(close, Qt::LeftButton);
  } else if (way == u"Return" || way == u"Enter") {
    close->setFocus(Qt::TabFocusReason);
    QTest::keyClick(close, way == u"Return" ? Qt::Key_Return : Qt::Key_Enter,
                    way == u"Return" ? Qt::NoModifier : Qt::KeypadModifier);
  } else {
    // Keys go where the focus is, as a user's do.
    QWidget *focus = w->focusWidget() ? w->focusWidget() : w.get();
    QTest::keyClick(focus, way == u"Escape" ? Qt::Key_Escape : Qt::Key_W,
                    way == u"Escape" ? Qt::NoModifier : Qt::ControlModifier);
  }
  QCOMPARE(w->isVisible(), unsaved);
  // Closing asked nothing, except about the unsaved notes, once.
  QCOMPARE(windows.dialogs.shown.size(), unsaved ? 1 : 0);
}

void TestWindowPattern::fitsTheScreen_data() {
  QTest::addColumn<QString>("window");
  for (const char *window : kWindows)
    QTest::newRow(window) << window;
}

// The headless screen is smaller than any of the windows would like to be.
void TestWindowPattern::fitsTheScreen() {
  QFETCH(QString, window);
  Windows windows;
  std::unique_ptr<QWidget> w = windows.make(window);
  w->show();
  QVERIFY(QTest::qWaitForWindowExposed(w.get()));
  const QSize room = w->screen()->availableGeometry().size();
  QVERIFY2(w->width() <= room.width() && w->height() <= room.height(),
           qPrintable(QStringLiteral("%1x%2 on %3x%4")
                          .arg(w->width())
                          .arg(w->height())
                          .arg(room.width())
                          .arg(room.height())));
  // Fitted, not shrunk to nothing.
  QVERIFY(w->width() >= room.width() / 2 && w->height() >= room.height() / 2);
}

QTEST_MAIN(TestWindowPattern)
#include "tst_window_pattern.moc"
