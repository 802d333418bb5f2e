// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Navigation through the real window: every state and event of the wizard,
// the step-1 gate with scripted answers, Exit, and the page display routines.

#include "support/window_fixture.h"

#include "wizard_window/layout.h"
#include "wizard_window/page_display.h"
#include <QMouseEvent>

using namespace kelvo::app;
using namespace kelvo::directory;
using namespace kelvo::platform;
using namespace kelvo::wizard;
namespace wizard = kelvo::wizard;
using kelvo::testing::Window;

namespace {

const QString P = QStringLiteral("Kelvo Training Wizard - ");

// Runs a space-separated list of user events on the window.
void run(Window &t, const QString &events) {
  for (const QString &e : events.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
    if (e == QLatin1String("next"))
      t.click("cmdNext");
    else if (e == QLatin1String("back"))
      t.click("cmdBack");
    else if (e.startsWith(QLatin1String("label:")))
      t.clickStep(e.mid(6).toInt());
    else if (e == QLatin1String("restart"))
      t.click("cmdFinished");
    else if (e == QLatin1String("exitNo")) {
      t.dialogs.answer(MessageAnswer::No);
      t.click("cmdCancel");
    } else if (e == QLatin1String("select"))
      t.clickRow(860);
    else if (e == QLatin1String("move")) {
      QWidget *panel = t.panel(t.page());
      QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), panel->mapToGlobal(QPointF(2, 2)),
                       Qt::NoButton, Qt::NoButton, Qt::NoModifier);
      QApplication::sendEvent(panel, &move);
    } else if (e == QLatin1String("dblclick"))
      QTest::mouseDClick(t.w.get(), Qt::LeftButton, {}, QPoint(3, 3));
    else
      QFAIL(qPrintable(QStringLiteral("unknown event ") + e));
  }
}

} // namespace

class NavigationTest : public QObject {
  Q_OBJECT
private slots:
  // clang-format off
  void stateTable_data() {
    QTest::addColumn<QString>("events");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("back");
    QTest::addColumn<bool>("next");
    QTest::addColumn<QString>("caption");

    QTest::newRow("start-up") << "" << 0 << 1 << false << true << P + "Click to Navigate";
    QTest::newRow("S0* next keeps the company page") << "next" << 1 << 1 << true << true
                                                      << P + "Company  ( Understanding )  of  HRL";
    QTest::newRow("S1 next passes the gate") << "next next" << 2 << 2 << true << true
                                            << P + "Sustainable Comp Advantages ?  of  HRL";
    QTest::newRow("S2 next") << "next next next" << 3 << 3 << true << true
                             << P + "Management  ( Trust and Ability ) of  HRL";
    QTest::newRow("S3 next") << "next next next next" << 4 << 4 << true << true
                             << P + "Bargain Price / Intrinsic Value of  HRL";
    QTest::newRow("S4 next") << "next next next next next" << 5 << 5 << true << true << P + "Tools of  HRL";
    QTest::newRow("S5 next disables Next") << "next next next next next next" << 6 << 6 << true
                                           << false << P + "IV Estimator of  HRL";
    QTest::newRow("S6 back") << "next next next next next next back" << 5 << 5 << true << true << P + "Tools";
    QTest::newRow("S2 back") << "next next back" << 1 << 1 << true << true
                             << P + "Company  ( Understanding ) ";
    QTest::newRow("S1 back disables Back") << "next back" << 0 << 0 << false << true << P + "Click to Navigate";
    QTest::newRow("label 0") << "next next label:0" << 0 << 0 << false << true << P + "Click to Navigate";
    QTest::newRow("label 3") << "label:3" << 3 << 3 << true << true << P + "Management  ( Trust and Ability )";
    QTest::newRow("label 6") << "label:6" << 6 << 6 << true << false << P + "IV Estimator";
    QTest::newRow("label 6 then back") << "label:6 back" << 5 << 5 << true << true << P + "Tools";
    QTest::newRow("restart keeps the caption") << "next next next restart" << 0 << 0 << false << true
                                               << P + "Management  ( Trust and Ability ) of  HRL";
    QTest::newRow("exit answered No") << "next exitNo" << 1 << 1 << true << true
                                      << P + "Company  ( Understanding )  of  HRL";
    QTest::newRow("selection shows page cnt") << "next next next select" << 3 << 3 << true << true
                                              << P + "Management  ( Trust and Ability ) of  HRL";
    QTest::newRow("pointer over a page, then a selection") << "next next next move select" << 1 << 1
                                                           << true << true
                                                           << P + "Management  ( Trust and Ability ) of  HRL";
    QTest::newRow("selection at start-up shows page 0") << "select" << 0 << 0 << false << true
                                                        << P + "Click to Navigate";
    QTest::newRow("background pick shows page cnt") << "label:3 dblclick" << 0 << 0 << true << true
                                                    << P + "Management  ( Trust and Ability )";
    // A selection can leave Next enabled on the last step or Back on the
    // first; the press is then ignored.
    QTest::newRow("next on step 6 while enabled") << "next next next next next next label:1 select next"
                                                  << 6 << 6 << true << true << P + "Company  ( Understanding ) ";
    QTest::newRow("back on step 0 while enabled") << "label:3 select back" << 0 << 0 << true << true
                                                  << P + "Management  ( Trust and Ability )";
    // Back leaves cnt at 1, so the selection brings step 1 back.
    QTest::newRow("selection after back uses cnt") << "next back select next" << 2 << 2 << true << true
                                                   << P + "Sustainable Comp Advantages ?  of  KO";
  }
  // clang-format on

  void stateTable() {
    QFETCH(QString, events);
    Window t;
    run(t, events);
    QTEST(t.step(), "step");
    QTEST(t.page(), "page");
    QTEST(t.back(), "back");
    QTEST(t.next(), "next");
    QTEST(t.caption(), "caption");
    // Exactly one panel in view, exactly one step highlighted.
    int inView = 0, bold = 0;
    for (int i = 0; i < wizard::kSteps; ++i) {
      inView += t.panel(i)->y() == t.w->control(QStringLiteral("picMenu"))->y();
      bold += t.stepLabel(i)->font().bold();
    }
    QCOMPARE(inView, 1);
    QCOMPARE(bold, 1);
  }

  // The gate on leaving step 1: what is in the boxes, what the input box
  // answers, the boxes shown and where the wizard ends up.
  // clang-format off
  void gate_data() {
    QTest::addColumn<QString>("symbol");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("typed"); // "<cancel>" cancels the input box
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("symbolAfter");
    QTest::addColumn<QString>("nameAfter");

    const QString prompt = QStringLiteral("Enter a Stock Symbol to study: ");
    QTest::newRow("empty symbol, KO accepted") << "" << "" << "KO" << QStringList{prompt} << 2 << "KO" << "Coca-Cola ";
    QTest::newRow("empty symbol, lower-case typed") << "" << "" << "msft" << QStringList{prompt} << 2 << "MSFT" << "Microsoft Corporation";
    QTest::newRow("both empty, cancelled") << "" << "" << "<cancel>"
                                           << QStringList{prompt, "Enter a Stock Symbol", "Enter the Company Name"} << 1 << "" << "";
    QTest::newRow("name kept, cancelled") << "" << "Acme Widgets" << "<cancel>"
                                          << QStringList{prompt, "Enter a Stock Symbol"} << 1 << "" << "Acme Widgets";
    QTest::newRow("unknown symbol, no name") << "xyz" << "" << "" << QStringList{"Enter the Company Name"} << 1 << "XYZ" << "XYZ";
    QTest::newRow("unknown symbol with a name") << "xyz" << "Something" << "" << QStringList{} << 2 << "XYZ" << "Something";
    QTest::newRow("symbol with spaces matches nothing") << " KO" << "Mine" << "" << QStringList{} << 2 << " KO" << "Mine";
    QTest::newRow("input typed but unknown") << "" << "" << "qqq" << QStringList{prompt, "Enter the Company Name"} << 1 << "QQQ" << "QQQ";
  }
  // clang-format on

  void gate() {
    QFETCH(QString, symbol);
    QFETCH(QString, name);
    QFETCH(QString, typed);
    QFETCH(QStringList, shown);
    Window t;
    t.click("cmdNext"); // to step 1
    t.box("ssymbol")->setText(symbol);
    t.box("txtTitle")->setText(name);
    if (typed == QLatin1String("<cancel>"))
      t.dialogs.cancelInput();
    else
      t.dialogs.type(typed);
    t.dialogs.shown.clear();
    // Next from code: no leave handling of the symbol box interferes with
    // what this test puts into it.
    t.w->goToNextStep();
    QCOMPARE(t.dialogs.texts(), shown);
    for (const auto &box : t.dialogs.shown) {
      QCOMPARE(box.title, QStringLiteral("Kelvo Wizard"));
      QCOMPARE(box.buttons, MessageButtons::Ok);
      QCOMPARE(box.icon, MessageIcon::None);
      if (box.kind == ScriptedDialogs::Shown::Input)
        QCOMPARE(box.defaultText, QStringLiteral("KO"));
    }
    QTEST(t.step(), "step");
    QTEST(t.symbol(), "symbolAfter");
    QTEST(t.name(), "nameAfter");
    if (t.step() == 1)
      QCOMPARE(t.caption(), P + "Company  ( Understanding )  of  HRL");
  }

  void secondNextPassesAfterNameCopied() {
    Window t;
    t.click("cmdNext");
    t.box("ssymbol")->setText(QStringLiteral("XYZ"));
    t.box("txtTitle")->clear();
    t.w->goToNextStep();
    QCOMPARE(t.step(), 1);
    t.w->goToNextStep();
    QCOMPARE(t.step(), 2);
    QCOMPARE(t.caption(), P + "Sustainable Comp Advantages ?  of  XYZ");
  }

  void nextElsewhereNeverPrompts() {
    Window t;
    t.clickStep(3);
    t.box("ssymbol")->clear();
    t.w->goToNextStep();
    QVERIFY(t.dialogs.shown.isEmpty());
    QCOMPARE(t.step(), 4);
    QCOMPARE(t.caption(), P + "Bargain Price / Intrinsic Value of  ");
  }

  void exitAsksAndEnds_data() {
    QTest::addColumn<bool>("yes");
    QTest::newRow("yes") << true;
    QTest::newRow("no") << false;
  }
  void exitAsksAndEnds() {
    QFETCH(bool, yes);
    Window t;
    t.dialogs.answer(yes ? MessageAnswer::Yes : MessageAnswer::No);
    t.click("cmdCancel");
    QCOMPARE(t.dialogs.shown.size(), 1);
    const auto &box = t.dialogs.shown.first();
    QCOMPARE(box.text, QStringLiteral("Exit Program?"));
    QCOMPARE(box.title, QStringLiteral("End Program"));
    QCOMPARE(box.buttons, MessageButtons::YesNo);
    QCOMPARE(box.icon, MessageIcon::None);
    QCOMPARE(t.endRequests, yes ? 1 : 0);
  }

  void pageDisplayRoutines() {
    Window t;
    WizardPages pages = t.w->pages();
    bringPageIntoView(pages, 3);
    const int top = t.w->control(QStringLiteral("picMenu"))->y();
    for (int i = 0; i < wizard::kSteps; ++i)
      QCOMPARE(t.panel(i)->y(), i == 3 ? top : 600); // 9000 twips
    QCOMPARE(t.panel(2)->x(), 272);                  // each panel keeps its own left edge
    highlightStep(pages, 0);
    for (int i = 0; i < wizard::kSteps; ++i) {
      QCOMPARE(t.stepLabel(i)->font().bold(), i == 0);
      QCOMPARE(pages.markers[std::size_t(i)]->fill(),
               i == 0 ? QColor(0, 255, 0) : QColor(192, 192, 192));
    }
    bringPageIntoView(pages, 5); // without markstep the highlight stays
    QCOMPARE(t.step(), 0);
    QCOMPARE(t.page(), 5);
  }

  void typedTextSurvivesNavigation() {
    Window t;
    t.click("cmdNext");
    t.box("txtTitle")->setText(QStringLiteral("typed by hand"));
    t.box("txtshares")->setText(QStringLiteral("12345"));
    t.clickStep(4);
    t.clickStep(6);
    t.click("cmdFinished");
    t.clickStep(1);
    QCOMPARE(t.name(), QStringLiteral("typed by hand"));
    QCOMPARE(t.box("txtshares")->text(), QStringLiteral("12345"));
  }
};

QTEST_MAIN(NavigationTest)
#include "tst_navigation.moc"
