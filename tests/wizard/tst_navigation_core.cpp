// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The wizard's navigation as pure functions of its state, without a window:
// every event of the side menu and the buttons, the directory selection,
// and both halves of Next with the gate on leaving the company page.

#include "wizard/navigation.h"

#include <QTest>

using namespace kelvo::wizard;

namespace {

const QString P = QStringLiteral("Kelvo Training Wizard - ");

// Runs space-separated events from start-up. "next" passes the symbol "KO"
// and the name "Coca-Cola "; "next:S:N" passes S and N ("-" for empty).
struct Run {
  State state = startUp();
  QStringList messages;
  bool asked = false, copied = false, ignored = false;
};

Run run(const QString &events) {
  Run r;
  for (const QString &e : events.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
    if (e.startsWith(QLatin1String("next"))) {
      const QStringList parts = e.split(QLatin1Char(':'));
      auto part = [&](int i, const char *fallback) {
        const QString p = parts.value(i, QString::fromLatin1(fallback));
        return p == QLatin1String("-") ? QString() : p;
      };
      const QString symbol = part(1, "KO"), name = part(2, "Coca-Cola ");
      const NextStart start = beginNext(r.state, symbol);
      r.ignored = start.ignored;
      if (start.ignored)
        continue;
      r.asked = start.askForSymbol;
      const NextEnd end = finishNext(start.state, symbol, name);
      r.state = end.state;
      r.messages = end.messages;
      r.copied = end.copySymbolIntoName;
    } else if (e == QLatin1String("back")) {
      r.state = goBack(r.state);
    } else if (e.startsWith(QLatin1String("step:"))) {
      r.state = goToStep(r.state, e.mid(5).toInt());
    } else if (e == QLatin1String("restart")) {
      r.state = restart(r.state);
    } else if (e == QLatin1String("select")) {
      r.state = showCounterPage(r.state);
    } else if (e == QLatin1String("pointer")) {
      r.state = pointerOverPage(r.state);
    } else if (e == QLatin1String("clear")) {
      r.state = clearCaption(r.state);
    }
  }
  return r;
}

} // namespace

class NavigationCoreTest : public QObject {
  Q_OBJECT
private slots:
  // clang-format off
  void transitions_data() {
    QTest::addColumn<QString>("events");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("counter");
    QTest::addColumn<QString>("buttons"); // back/next: "on/off"
    QTest::addColumn<QString>("caption");

    QTest::newRow("start-up") << "" << 0 << 1 << 0 << "off/on" << P + "Click to Navigate";
    QTest::newRow("next keeps the company page") << "next" << 1 << 1 << 1 << "on/on"
                                                 << P + "Company  ( Understanding )  of  KO";
    QTest::newRow("next to the last step") << "next next next next next next" << 6 << 6 << 6
                                           << "on/off" << P + "IV Estimator of  KO";
    QTest::newRow("back to the welcome page") << "next back" << 0 << 0 << 1 << "off/on"
                                              << P + "Click to Navigate";
    QTest::newRow("side menu, last step") << "step:6" << 6 << 6 << 0 << "on/off" << P + "IV Estimator";
    QTest::newRow("restart keeps caption and counter") << "next next next restart" << 0 << 0 << 3
                                                       << "off/on"
                                                       << P + "Management  ( Trust and Ability ) of  KO";
    QTest::newRow("selection shows the counter's page") << "next next next step:5 select" << 3 << 3
                                                        << 3 << "on/on" << P + "Tools";
    QTest::newRow("pointer, then a selection") << "step:4 pointer select" << 1 << 1 << 1 << "on/on"
                                               << P + "Bargain Price / Intrinsic Value";
    QTest::newRow("next ignored on the last step")
        << "next next next next next next step:1 select next" << 6 << 6 << 6 << "on/on"
        << P + "Company  ( Understanding ) ";
    QTest::newRow("back ignored on the first step") << "step:3 select back" << 0 << 0 << 0 << "on/on"
                                                    << P + "Management  ( Trust and Ability )";
    QTest::newRow("clear") << "next clear" << 1 << 1 << 1 << "on/on" << "Kelvo Training Wizard ";
    QTest::newRow("a step out of range is ignored") << "step:7" << 0 << 1 << 0 << "off/on"
                                                    << P + "Click to Navigate";
  }
  // clang-format on
  void transitions() {
    QFETCH(QString, events);
    const State s = run(events).state;
    QTEST(s.step, "step");
    QTEST(s.page, "page");
    QTEST(int(s.pageCounter), "counter");
    QTEST(QStringLiteral("%1/%2").arg(s.backEnabled ? "on" : "off", s.nextEnabled ? "on" : "off"),
          "buttons");
    QTEST(s.caption, "caption");
  }

  // Leaving the company page: asks for an empty symbol, then needs both boxes.
  void gate_data() {
    QTest::addColumn<QString>("events");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("copied");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("counter"); // the step Next aimed at, even when stopped
    QTest::newRow("both present") << "next next" << false << QStringList{} << false << 2 << 2;
    QTest::newRow("symbol empty") << "next next:-:Acme" << true
                                  << QStringList{"Enter a Stock Symbol"} << false << 1 << 2;
    QTest::newRow("both empty") << "next next:-:-" << true
                                << QStringList{"Enter a Stock Symbol", "Enter the Company Name"}
                                << true << 1 << 2;
    QTest::newRow("name empty") << "next next:XYZ:-" << false
                                << QStringList{"Enter the Company Name"} << true << 1 << 2;
    QTest::newRow("other steps never ask")
        << "step:3 next:-:-" << false << QStringList{} << false << 4 << 4;
  }
  void gate() {
    QFETCH(QString, events);
    const Run r = run(events);
    QTEST(r.asked, "asked");
    QTEST(r.messages, "messages");
    QTEST(r.copied, "copied");
    QTEST(r.state.step, "step");
    QTEST(int(r.state.pageCounter), "counter");
  }
};

QTEST_APPLESS_MAIN(NavigationCoreTest)
#include "tst_navigation_core.moc"
