// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

// What each control hands to the desktop, in which order, and what the boxes
// show: recorded through the facades instead of performed.

#include "directory/company_directory.h"
#include "expected_hosts.h"
#include "handover/link_actions.h"
#include "links/link_catalogue.h"
#include "support/recording_desktop.h"
#include "support/scripted_dialogs.h"
#include "support/text_views.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTimer>

using namespace kelvo::directory;
using namespace kelvo::handover;
using namespace kelvo::links;
using namespace kelvo::platform;
using kelvo::testing::qs;
namespace hosts = kelvo::expected_hosts;

namespace {

// Boxes go into the same log as the desktop's hand-overs, so their order
// relative to each other can be checked.
ScriptedDialogs logTo(QStringList &log) {
  ScriptedDialogs dialogs;
  dialogs.log = &log;
  return dialogs;
}

// The window as the links see it: two boxes and the list selection. The
// sequences are those of the built-in catalogue (what today=off gives).
struct Window {
  QString symbol = "KO";
  QString name = "Coca-Cola ";
  int row = findSymbol("KO");
  RecordingDesktop desktop;
  ScriptedDialogs dialogs = logTo(desktop.log);
  LinkActions actions{
      dialogs, desktop,
      LinkContext{[this] { return symbol; }, [this] { return name; }, [this] { return row; }},
      &LinkCatalogue::builtIn()};
};

QString makerAddress() { return "http://" + qs(hosts::kMaker); }
QString yahooAddress() { return "http://" + qs(hosts::kYahooFinance); }

} // namespace

class TestLinkActions : public QObject {
  Q_OBJECT

private slots:
  void guard_data();
  void guard();
  void sequence_data();
  void sequence();
  void desktopOpensNothing_data();
  void desktopOpensNothing();
  void advantagesBeforeSearch();
  void help();
  void nestedClickInsideYield();
  void everyControlHandsOverOnce();
  void makerTexts();
};

// clang-format off
void TestLinkActions::guard_data() {
  QTest::addColumn<QString>("control");
  QTest::addColumn<QString>("symbol");
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("prompt"); // empty: the link opens

  QTest::newRow("Competitors, no symbol") << "Command11" << "" << "Coca-Cola " << "Enter a Stock Symbol";
  QTest::newRow("Financial Report, no symbol") << "Command5" << "" << "Coca-Cola " << "Enter a Stock Symbol";
  QTest::newRow("SEC, no name") << "Command10" << "KO" << "" << "Enter the Company Name";
  QTest::newRow("Competitors, no name") << "Command11" << "KO" << "" << "";
  QTest::newRow("SEC, no symbol") << "Command10" << "" << "Coca-Cola " << "";
  QTest::newRow("Competitors, a space") << "Command11" << " " << "" << "";
  QTest::newRow("SEC, a space") << "Command10" << "" << " " << "";
  QTest::newRow("headlines, no symbol") << "Command23" << "" << "" << "";
  QTest::newRow("online tools, nothing typed") << "Command28" << "" << "" << "";
}
// clang-format on

void TestLinkActions::guard() {
  QFETCH(QString, control);
  QFETCH(QString, symbol);
  QFETCH(QString, name);
  QFETCH(QString, prompt);
  Window w;
  w.symbol = symbol;
  w.name = name;
  w.actions.trigger(control);
  if (prompt.isEmpty()) {
    QVERIFY(w.dialogs.shown.isEmpty());
    QVERIFY(!w.desktop.log.isEmpty());
    QVERIFY(w.desktop.log.first().startsWith("open OwnedMaximized http://"));
    return;
  }
  const ScriptedDialogs::Shown box{ScriptedDialogs::Shown::Message,
                                   prompt,
                                   "Kelvo Wizard",
                                   MessageButtons::Ok,
                                   MessageIcon::None,
                                   QString()};
  QCOMPARE(w.dialogs.shown, QList<ScriptedDialogs::Shown>{box});
  QCOMPARE(w.desktop.log, QStringList{"box " + prompt}); // and nothing handed over
}

// clang-format off
void TestLinkActions::sequence_data() {
  QTest::addColumn<QString>("control");
  QTest::addColumn<QString>("symbol");
  QTest::addColumn<QStringList>("expected");

  QTest::newRow("research button") << "Command11" << "KO"
      << QStringList{"open OwnedMaximized " + yahooAddress() + "/q/co?s=KO", "yield", "pause 300"};
  QTest::newRow("list double-click") << "List1" << "KO"
      << QStringList{"open OwnedMaximized http://" + qs(hosts::kClearStation) +
                         "/cgi-bin/fundamentals?Event=comparisons&Symbol=KO%20%20%20",
                     "yield", "pause 300"};
  QTest::newRow("page double-click") << "picStart" << "KO"
      << QStringList{"open OwnedMaximized http://" + qs(hosts::kAdvfn) +
                         "/p.php?pid=financials&btn=s_ok&s_symbol_select=&symbol=KO&s_ok=OK&"
                         "reportbug_desc=",
                     "yield", "pause 300"};
  QTest::newRow("calculator and financials") << "Command27" << "KO"
      << QStringList{"open OwnedMaximized " + yahooAddress() + "/q/ks?s=KO", "yield", "pause 100",
                     "front", "program OwnedMaximized calc.exe", "yield", "pause 30"};
  QTest::newRow("calculator, no symbol") << "Command27" << ""
      << QStringList{"open OwnedMaximized " + yahooAddress() + "/q/ks?s=", "yield", "pause 100",
                     "front", "program OwnedMaximized calc.exe", "yield", "pause 30"};
  QTest::newRow("online tools") << "Command28" << "KO"
      << QStringList{"open OwnedMaximized " + makerAddress() + "/2.htm", "yield", "pause 300",
                     "key F11"};
  QTest::newRow("e-mail label") << "Label2" << "KO"
      << QStringList{"email PlainNormal " + qs(hosts::kMakerEmail)};
  QTest::newRow("web site label") << "Label38" << "KO"
      << QStringList{"open PlainNormal " + makerAddress()};
  QTest::newRow("title label") << "Label3" << "KO"
      << QStringList{"open PlainNormal " + makerAddress() + "/marvanellc.htm"};
  QTest::newRow("unknown control") << "Command99" << "KO" << QStringList{};
  QTest::newRow("help is no link") << "Command13" << "KO" << QStringList{};
}
// clang-format on

void TestLinkActions::sequence() {
  QFETCH(QString, control);
  QFETCH(QString, symbol);
  QFETCH(QStringList, expected);
  Window w;
  w.symbol = symbol;
  w.actions.trigger(control);
  QCOMPARE(w.desktop.log, expected);
}

// A refused hand-over is told at once, with the address to copy, and the
// sequence around it runs on; no calculator is told after the page.
// clang-format off
void TestLinkActions::desktopOpensNothing_data() {
  QTest::addColumn<QString>("control");
  QTest::addColumn<bool>("refuse");     // the desktop refuses the address
  QTest::addColumn<bool>("noPrograms"); // no calculator installed
  QTest::addColumn<QStringList>("expected");
  QTest::addColumn<int>("icon");

  const QString page = yahooAddress() + "/q/co?s=KO";
  QTest::newRow("research page refused") << "Command11" << true << false
      << QStringList{"open OwnedMaximized " + page,
                     "box The page could not be opened: no web browser took it. Copy this "
                     "address into your web browser:\n\n" + page,
                     "yield", "pause 300"}
      << int(MessageIcon::Warning);
  const QString email = qs(hosts::kMakerEmail);
  QTest::newRow("e-mail refused") << "Label2" << true << false
      << QStringList{"email PlainNormal " + email,
                     "box The e-mail address could not be opened: no mail program took it. "
                     "Write to this address from your mail program:\n\n" + email}
      << int(MessageIcon::Warning);
  const QString stats = yahooAddress() + "/q/ks?s=KO";
  const QString noCalculator =
      "box No calculator program was found. The wizard looked for gnome-calculator, kcalc, "
      "qalculate-qt, qalculate-gtk, speedcrunch, galculator, mate-calc, kalk, xcalc, and for "
      "the Flatpak apps org.gnome.Calculator and org.kde.kcalc. Install one of them to have it "
      "start here.";
  QTest::newRow("no calculator") << "Command27" << false << true
      << QStringList{"open OwnedMaximized " + stats, "yield", "pause 100", "front",
                     "program OwnedMaximized calc.exe", "yield", "pause 30", noCalculator}
      << int(MessageIcon::Information);
  QTest::newRow("page refused, calculator still started") << "Command27" << true << false
      << QStringList{"open OwnedMaximized " + stats,
                     "box The page could not be opened: no web browser took it. Copy this "
                     "address into your web browser:\n\n" + stats,
                     "yield", "pause 100", "front", "program OwnedMaximized calc.exe", "yield",
                     "pause 30"}
      << int(MessageIcon::Warning);
}
// clang-format on

void TestLinkActions::desktopOpensNothing() {
  QFETCH(QString, control);
  QFETCH(bool, refuse);
  QFETCH(bool, noPrograms);
  QFETCH(QStringList, expected);
  QFETCH(int, icon);
  Window w;
  w.desktop.refuseNext = refuse;
  w.desktop.noPrograms = noPrograms;
  w.actions.trigger(control);
  QCOMPARE(w.desktop.log, expected);
  QCOMPARE(w.dialogs.shown.size(), 1);
  QCOMPARE(w.dialogs.shown[0].title, QStringLiteral("Kelvo Wizard"));
  QCOMPARE(w.dialogs.shown[0].buttons, MessageButtons::Ok);
  QCOMPARE(int(w.dialogs.shown[0].icon), icon);
}

// The four teaching boxes come before the search, nothing between them; the
// texts themselves are the guidance tests' business, so each box is known
// here by how it begins.
void TestLinkActions::advantagesBeforeSearch() {
  Window w;
  w.symbol.clear();
  w.name.clear();
  w.row = -1;
  w.actions.trigger("Command21");
  const QStringList starts{"box Competitive Advantages can include", "box Just as Marketing",
                           "box There can also be advantages", "box Furthermore, the Value"};
  QCOMPARE(w.desktop.log.size(), 7);
  for (int i = 0; i < 4; ++i)
    QVERIFY2(w.desktop.log[i].startsWith(starts[i]), qPrintable(w.desktop.log[i]));
  QCOMPARE(w.desktop.log.mid(4),
           (QStringList{"open OwnedMaximized http://" + qs(hosts::kGoogle) + "/search?q=site:+" +
                            qs(hosts::kBerkshireAddress) +
                            "++competitive+advantage&num=30&hl=en&lr=&safe=off&as_qdr=all&filter=0",
                        "yield", "pause 300"}));
}

void TestLinkActions::help() {
  Window w;
  w.actions.showHelp();
  QCOMPARE(w.desktop.log.size(), 9); // nine boxes in order, nothing opened
  QVERIFY(w.desktop.log.first().startsWith("box This software will help you"));
  QCOMPARE(w.desktop.log.last(), "box This software is dedicated to my daughter with love.");
  for (const ScriptedDialogs::Shown &box : w.dialogs.shown)
    QVERIFY(box.title == "Kelvo Wizard" && box.buttons == MessageButtons::Ok &&
            box.icon == MessageIcon::None);
}

void TestLinkActions::nestedClickInsideYield() {
  Window w;
  // A second button pressed while the first hands over runs inside the
  // first one's yield, reading the boxes as they are then.
  QTimer::singleShot(0, [&] {
    w.symbol = "PEP";
    w.actions.trigger("Command23");
  });
  w.actions.trigger("Command11");
  QCOMPARE(w.desktop.log,
           (QStringList{"open OwnedMaximized " + yahooAddress() + "/q/co?s=KO", "yield",
                        "open OwnedMaximized " + yahooAddress() + "/q/h?s=PEP", "yield",
                        "pause 300", "pause 300"}));
}

void TestLinkActions::everyControlHandsOverOnce() {
  const QStringList controls = LinkActions::controls();
  QCOMPARE(controls.size(), 29);
  QCOMPARE(QSet<QString>(controls.begin(), controls.end()).size(), controls.size());
  for (const QString &control : controls) {
    Window w;
    w.actions.trigger(control);
    const QStringList handOvers = w.desktop.log.filter(QRegularExpression("^(open|email) "));
    QVERIFY2(handOvers.size() == 1, qPrintable(control));
  }
}

void TestLinkActions::makerTexts() {
  Window w;
  w.actions.trigger("Label38");
  w.actions.trigger("Label2");
  // The labels show exactly what clicking them opens.
  QCOMPARE(w.desktop.log, (QStringList{"open PlainNormal " + makerWebsiteText(),
                                       "email PlainNormal " + makerEmailText()}));
  QCOMPARE(makerEmailText(), qs(hosts::kMakerEmail));
  QCOMPARE(makerWebsiteText(), "http://" + qs(hosts::kMaker));
}

QTEST_GUILESS_MAIN(TestLinkActions)
#include "tst_link_actions.moc"
