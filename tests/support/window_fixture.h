// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A real main window with scripted dialogs and a recording desktop.

#include "support/recording_desktop.h"
#include "support/scripted_dialogs.h"
#include "wizard_window/appearance.h"

#include "wizard/steps.h"
#include "wizard_window/main_window.h"

#include <QApplication>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <memory>
#include <optional>

namespace kelvo::testing {

using namespace kelvo::app;
using namespace kelvo::platform;

struct Window {
  ScriptedDialogs dialogs;
  RecordingDesktop desktop;
  std::unique_ptr<MainWindow> w;
  int endRequests = 0;

  explicit Window(bool show = true, WizardFace face = WizardFace::Preferred) {
    static std::optional<WizardFace> prepared;
    if (prepared != face) {
      prepareApplication(*qApp, face);
      prepared = face;
    }
    w = std::make_unique<MainWindow>(dialogs, desktop);
    QObject::connect(w.get(), &MainWindow::endRequested, [this] { ++endRequests; });
    if (show) {
      w->show();
      w->activateWindow();
      // A QVERIFY here would only return from the constructor and let the
      // test go on with an inactive window; without one nothing holds.
      if (!QTest::qWaitForWindowActive(w.get()))
        qFatal("The test window never became active.");
    }
  }

  QLineEdit *box(const char *name) const {
    return w->control<QLineEdit>(QString::fromLatin1(name));
  }
  QPushButton *button(const char *name) const {
    return w->control<QPushButton>(QString::fromLatin1(name));
  }
  QListView *list() const { return w->control<QListView>(QStringLiteral("List1")); }
  QWidget *panel(int i) const { return w->control(QStringLiteral("picStart(%1)").arg(i)); }
  QWidget *stepLabel(int i) const { return w->control(QStringLiteral("Label1(%1)").arg(i)); }

  QString symbol() const { return box("ssymbol")->text(); }
  QString name() const { return box("txtTitle")->text(); }
  QString caption() const { return w->windowTitle(); }
  // What the user sees: the step whose label is bold, the page panel at the
  // side menu's height (-1 when none or more than one).
  int step() const {
    int found = -1;
    for (int i = 0; i < wizard::kSteps; ++i)
      if (stepLabel(i)->font().bold())
        found = found < 0 ? i : -2;
    return found < -1 ? -1 : found;
  }
  int page() const {
    int found = -1;
    for (int i = 0; i < wizard::kSteps; ++i)
      if (panel(i)->y() == w->control(QStringLiteral("picMenu"))->y())
        found = found < 0 ? i : -2;
    return found < -1 ? -1 : found;
  }
  int pageCounter() const { return w->state().pageCounter; }
  bool back() const { return button("cmdBack")->isEnabled(); }
  bool next() const { return button("cmdNext")->isEnabled(); }

  void click(QWidget *widget) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
  }
  void click(const char *name) { click(w->control(QString::fromLatin1(name))); }
  void clickStep(int i) { click(stepLabel(i)); }
  // Clicks a row of the directory list as a user would.
  void clickRow(int row) {
    QListView *l = list();
    const QModelIndex index = l->model()->index(row, 0);
    l->scrollTo(index);
    QCoreApplication::processEvents(); // the view lays its rows out lazily
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualRect(index).center());
  }
  // A double-click as the desktop delivers it: click, press, double-click, release.
  static void doubleClick(QWidget *widget, QPoint pos) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, pos);
    QTest::mousePress(widget, Qt::LeftButton, {}, pos);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, pos);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, pos);
  }
  void doubleClickRow(int row) {
    QListView *l = list();
    const QModelIndex index = l->model()->index(row, 0);
    l->scrollTo(index);
    QCoreApplication::processEvents();
    doubleClick(l->viewport(), l->visualRect(index).center());
  }
  void typeInto(const char *boxName, const QString &text) {
    QLineEdit *b = box(boxName);
    b->setFocus(Qt::MouseFocusReason);
    b->clear();
    QTest::keyClicks(b, text);
  }
};

} // namespace kelvo::testing
