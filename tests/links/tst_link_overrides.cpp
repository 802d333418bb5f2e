// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Override files of a packager (XDG_DATA_DIRS) and of the user
// (XDG_CONFIG_HOME) over today's set, which is on unless the user switches it
// off: which address each control then opens, where it came from, and what a
// bad file reports.

#include "directory/company_directory.h"
#include "expected_hosts.h"
#include "handover/link_actions.h"
#include "links/link_overrides.h"
#include "support/recording_desktop.h"
#include "support/scripted_dialogs.h"
#include "support/text_views.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace kelvo::directory;
using namespace kelvo::handover;
using namespace kelvo::links;
using namespace kelvo::platform;
namespace hosts = kelvo::expected_hosts;
using kelvo::testing::qs;

namespace {

const char *const kUser = "config/kelvo-wizard/links.conf";
const char *const kSystem1 = "d1/kelvo-wizard/links/site.conf";
const char *const kSystem2 = "d2/kelvo-wizard/links/site.conf";

} // namespace

class TestLinkOverrides : public QObject {
  Q_OBJECT

private slots:
  void overrides_data();
  void overrides();
};

// clang-format off
void TestLinkOverrides::overrides_data() {
  QTest::addColumn<QStringList>("files"); // path, content, path, content, ...; "<dir>": a folder
  QTest::addColumn<QString>("dataDirs");  // XDG_DATA_DIRS, {tmp} for the test's folder
  QTest::addColumn<QString>("control");
  QTest::addColumn<QString>("handOver"); // what the desktop is handed, with KO selected
  QTest::addColumn<QString>("origin");   // file under {tmp}, empty for built in, or today's set
  QTest::addColumn<QStringList>("problems");

  const QString d12 = "{tmp}/d1:{tmp}/d2";
  // Command11 with nothing of the user's: today's address.
  const QString competitors = "open OwnedMaximized https://www.google.com/search?q=KO+competitors";
  const QString today = ":/kelvo/links/today.conf";
  const QString builtIn = "open OwnedMaximized {yahoo}/q/co?s=KO";
  const QString example = "open OwnedMaximized https://www.example.org/q/KO";
  const QString user = kUser;
  auto bad = [&](const char *row, const QString &line, const QString &what) {
    QTest::newRow(row) << QStringList{user, "[Command11]\n" + line + "\n"} << d12 << "Command11"
                       << competitors << today << QStringList{"{tmp}/" + user + ":2: " + what};
  };

  QTest::newRow("one control overridden")
      << QStringList{user, "[Command11]\naddress=https://www.example.org/q/{symbol}\n"} << d12
      << "Command11" << example << user << QStringList{};
  QTest::newRow("another control keeps its address")
      << QStringList{user, "[Command11]\naddress=https://www.example.org/q/{symbol}\n"} << d12
      << "Command23" << "open OwnedMaximized https://finance.yahoo.com/quote/KO/news/" << today
      << QStringList{};
  QTest::newRow("a control today's set leaves alone")
      << QStringList{} << d12 << "Command4" << "open OwnedMaximized {valuepro}" << ""
      << QStringList{};
  QTest::newRow("today=off: the built-in address")
      << QStringList{user, "[settings]\ntoday=off\n"} << d12 << "Command11" << builtIn << ""
      << QStringList{};
  QTest::newRow("today=off, the user's own row still wins")
      << QStringList{user, "[Command11]\naddress=https://www.example.org/q/{symbol}\n"
                           "[settings]\ntoday=off\n"}
      << d12 << "Command11" << example << user << QStringList{};
  QTest::newRow("today=on, as without a setting")
      << QStringList{user, "[settings]\ntoday=on\n"} << d12 << "Command11" << competitors
      << today << QStringList{};
  QTest::newRow("system file over today's set")
      << QStringList{kSystem2, "[Command11]\naddress=https://www.example.org/q/{symbol}\n"}
      << d12 << "Command11" << example << kSystem2 << QStringList{};
  QTest::newRow("every placeholder")
      << QStringList{user, "[cmdBrowseImg]\naddress=https://s.example/?a={symbol}&b={name}&c="
                           "{name7}&d={listsymbol}&e={yahoosymbol}#{symbol}"}
      << d12 << "cmdBrowseImg"
      << "open OwnedMaximized https://s.example/?a=KO&b=Coca-Cola%20&c=Coca-Co&d=KO%20%20%20&e=KO#KO"
      << user << QStringList{};
  QTest::newRow("comments, blanks, CR LF")
      << QStringList{user, "# mine\r\n\r\n  [ Command11 ]  \r\n  address =  "
                           "https://www.example.org/q/{symbol}  \r\n"}
      << d12 << "Command11" << example << user << QStringList{};
  QTest::newRow("user file over system file")
      << QStringList{kSystem1, "[Command11]\naddress=https://system.example/{symbol}\n", user,
                     "[Command11]\naddress=https://www.example.org/q/{symbol}\n"}
      << d12 << "Command11" << example << user << QStringList{};
  QTest::newRow("first data dir over second")
      << QStringList{kSystem2, "[Command11]\naddress=https://second.example/{symbol}\n",
                     kSystem1, "[Command11]\naddress=https://www.example.org/q/{symbol}\n"}
      << d12 << "Command11" << example << kSystem1 << QStringList{};
  QTest::newRow("files of a dir in name order")
      << QStringList{"d1/kelvo-wizard/links/20-b.conf",
                     "[Command11]\naddress=https://www.example.org/q/{symbol}\n",
                     "d1/kelvo-wizard/links/10-a.conf",
                     "[Command11]\naddress=https://first.example/{symbol}\n"}
      << d12 << "Command11" << example << "d1/kelvo-wizard/links/20-b.conf" << QStringList{};
  QTest::newRow("relative data dir ignored")
      << QStringList{"d2/kelvo-wizard/links/site.conf",
                     "[Command11]\naddress=https://relative.example/{symbol}\n"}
      << "d2:{tmp}/d1" << "Command11" << competitors << today << QStringList{};
  QTest::newRow("e-mail label to a web page")
      << QStringList{user, "[Label2]\naddress=https://www.example.org/contact\n"} << d12
      << "Label2" << "open PlainNormal https://www.example.org/contact" << user << QStringList{};
  QTest::newRow("empty file") << QStringList{user, ""} << d12 << "Command11" << competitors
                              << today << QStringList{};
  QTest::newRow("no file") << QStringList{} << d12 << "Command11" << competitors << today
                           << QStringList{};
  QTest::newRow("not a regular file")
      << QStringList{user, "<dir>"} << d12 << "Command11" << competitors << today
      << QStringList{"{tmp}/" + user + ":0: not a regular file"};
  QTest::newRow("unknown control, its values skipped")
      << QStringList{user, "[Command11]\naddress=https://www.example.org/q/{symbol}\n"
                           "[Command99]\naddress=https://bad.example/\n"}
      << d12 << "Command11" << example << user
      << QStringList{"{tmp}/" + user + ":3: unknown control \"Command99\""};
  QTest::newRow("over-long group line, its values skipped")
      << QStringList{user, "[Command11]\naddress=https://www.example.org/q/{symbol}\n[" +
                               QString(5000, 'C') + "]\naddress=https://bad.example/\n"}
      << d12 << "Command11" << example << user
      << QStringList{"{tmp}/" + user + ":3: line longer than 4096 bytes"};
  QTest::newRow("group line after a no-break space, its values skipped")
      << QStringList{user, "[Command11]\naddress=https://www.example.org/q/{symbol}\n"
                           "\u00a0[Command23\naddress=https://bad.example/\n"}
      << d12 << "Command11" << example << user
      << QStringList{"{tmp}/" + user + ":3: the group line has no closing \"]\""};
  QTest::newRow("e-mail label to mailto")
      << QStringList{user, "[Label2]\naddress=mailto:someone@example.org\n"} << d12 << "Label2"
      << "email PlainNormal {email}" << ""
      << QStringList{"{tmp}/" + user + ":2: only http and https addresses are accepted"};
  QTest::newRow("value outside a group")
      << QStringList{user, "address=https://bad.example/\n[Command11]\n"} << d12 << "Command11"
      << competitors << today
      << QStringList{"{tmp}/" + user + ":1: \"address\" outside any [control] group"};

  QTest::newRow("problems in line order, each saying what is wrong")
      << QStringList{user, "[Command99]\naddress=https://x.example/\n[Command11]\naddress=\n"
                           "[Command23\naddress=https://x.example/\n[settings]\ntoday=yes\n"}
      << d12 << "Command11" << competitors << today
      << QStringList{"{tmp}/" + user + ":1: unknown control \"Command99\"",
                     "{tmp}/" + user + ":4: the address is empty",
                     "{tmp}/" + user + ":5: the group line has no closing \"]\"",
                     "{tmp}/" + user + ":8: today is on or off"};
  QTest::newRow("settings only in the user's file")
      << QStringList{kSystem1, "[settings]\ntoday=off\n"} << d12 << "Command11" << competitors
      << today << QStringList{"{tmp}/" + QString(kSystem1) +
                              ":1: [settings] is read from the user's own links.conf only"};
  bad("a key only built-in links have", "guard=name", "unknown key \"guard\"");
  bad("a value without a key", "=https://x.example/", "a value without a key before its \"=\"");
  bad("unknown placeholder", "address=https://x.example/{ticker}",
      "unknown placeholder \"{ticker}\"");
  bad("unclosed placeholder", "address=https://x.example/{symbol", "\"{\" without a closing \"}\"");
  bad("no equals sign", "address https://x.example/",
      "neither a [control] line, a key=value line nor a \"#\" comment");
  bad("over-long line", "address=https://x.example/" + QString(4100, 'a'),
      "line longer than 4096 bytes");
  bad("javascript", "address=javascript:alert(document.cookie)",
      "only http and https addresses are accepted");
  bad("file", "address=file:///etc/passwd", "only http and https addresses are accepted");
  bad("placeholder as the host", "address=https://{symbol}/", "a placeholder cannot stand in the host");
  bad("placeholder in the host", "address=https://finance.example{symbol}",
      "a placeholder cannot stand in the host");
  bad("user name before the host", "address=https://finance.example@evil.example/{symbol}",
      "the host must be a plain host name, with an optional port");
  bad("control character", "address=https://x.example/\x1b[2J{symbol}",
      "a control character in the address");

  // Bytes that are not UTF-8 cannot go through a QString column.
  QTest::newRow("bad UTF-8")
      << QStringList{user, "[Command11]\naddress=https://x.example/<FF>\n"} << d12 << "Command11"
      << competitors << today << QStringList{"{tmp}/" + user + ":2: not valid UTF-8"};
}
// clang-format on

void TestLinkOverrides::overrides() {
  QFETCH(QStringList, files);
  QFETCH(QString, dataDirs);
  QFETCH(QString, control);
  QFETCH(QString, handOver);
  QFETCH(QString, origin);
  QFETCH(QStringList, problems);

  QTemporaryDir tmp;
  QVERIFY(tmp.isValid());
  const QDir root(tmp.path());
  QVERIFY(QDir::setCurrent(tmp.path())); // where a relative data dir would point
  for (qsizetype i = 0; i + 1 < files.size(); i += 2) {
    const QString path = root.filePath(files[i]);
    QVERIFY(root.mkpath(QFileInfo(path).path()));
    if (files[i + 1] == "<dir>") {
      QVERIFY(root.mkpath(path));
      continue;
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(files[i + 1].toUtf8().replace("<FF>", "\xff"));
  }

  auto expand = [&](QString text) {
    return text.replace("{tmp}", tmp.path())
        .replace("{yahoo}", "http://" + qs(hosts::kYahooFinance))
        .replace("{valuepro}", "http://" + qs(hosts::kValuePro))
        .replace("{email}", qs(hosts::kMakerEmail));
  };
  qputenv("XDG_DATA_DIRS", expand(dataDirs).toUtf8());
  qputenv("XDG_CONFIG_HOME", root.filePath("config").toUtf8());

  QStringList reported;
  const LinkCatalogue catalogue = loadLinkCatalogue(LinkSearchPaths::fromEnvironment(), &reported);
  for (QString &problem : problems)
    problem = expand(problem);
  QCOMPARE(reported, problems);

  RecordingDesktop desktop;
  ScriptedDialogs dialogs;
  LinkActions actions(dialogs, desktop,
                      LinkContext{[] { return QString("KO"); },
                                  [] { return QString("Coca-Cola "); },
                                  [] { return findSymbol("KO"); }},
                      &catalogue);
  const QString expected = expand(handOver);
  const LinkPreview preview = actions.preview(control);
  QCOMPARE(preview.target, expected.section(' ', 2));
  QCOMPARE(preview.origin, origin.isEmpty() ? QString() : root.filePath(origin));
  actions.trigger(control);
  QVERIFY(!desktop.log.isEmpty());
  QCOMPARE(desktop.log.first(), expected);
}

QTEST_GUILESS_MAIN(TestLinkOverrides)
#include "tst_link_overrides.moc"
