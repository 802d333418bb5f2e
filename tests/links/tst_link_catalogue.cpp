// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Addresses as the browser receives them, for every link and a few window
// states, and what hostile company names do to them.

#include "directory/company_directory.h"
#include "expected_hosts.h"
#include "links/link_catalogue.h"
#include "support/text_views.h"

#include <QTest>
#include <QUrl>
#include <QUrlQuery>

using namespace kelvo::directory;
using namespace kelvo::links;
namespace hosts = kelvo::expected_hosts;
using kelvo::testing::qs;

namespace {

// Expected addresses name their site by a token, so they stay right whatever
// hosts the build was configured with.
QString expand(QString text) {
  const std::pair<const char *, QString> sites[] = {
      {"{google}", "http://" + qs(hosts::kGoogle)},
      {"{gfinance}", "http://" + qs(hosts::kGoogleFinance)},
      {"{yahoo}", "http://" + qs(hosts::kYahooFinance)},
      {"{sec}", "http://" + qs(hosts::kSec)},
      {"{msn}", "http://" + qs(hosts::kMsnMoney)},
      {"{bw}", "http://" + qs(hosts::kBusinessWeek)},
      {"{quicken}", "http://" + qs(hosts::kQuicken)},
      {"{advfn}", "http://" + qs(hosts::kAdvfn)},
      {"{clear}", "http://" + qs(hosts::kClearStation)},
      {"{valuepro}", "http://" + qs(hosts::kValuePro)},
      {"{fsense}", "http://" + qs(hosts::kFinancialSense)},
      {"{wiley}", "http://" + qs(hosts::kWiley)},
      {"{lecture}", qs(hosts::kWileyLecturePath)},
      {"{dealbook}", "http://" + qs(hosts::kDealBook)},
      {"{groups}", "http://" + qs(hosts::kMsnGroups)},
      {"{brk}", qs(hosts::kBerkshireAddress)},
      {"{maker}", "http://" + qs(hosts::kMaker)},
      {"{email}", qs(hosts::kMakerEmail)},
  };
  for (const auto &[token, value] : sites)
    text.replace(QLatin1String(token), value);
  return text;
}

LinkInputs State(const QString &state) {
  const int ko = findSymbol("KO");
  if (state == "KO selected")
    return {"KO", "Coca-Cola ", listSymbolOf(ko)};
  if (state == "cleared, row kept")
    return {"", "", listSymbolOf(ko)};
  if (state == "seven-character symbol")
    return {"BBDB.TO", "Bombardier Inc.", listSymbolOf(findSymbol("BBDB.TO"))};
  return {"T", "AT&T Corporation", listSymbolOf(-1)}; // "AT&T, no selection"
}

const QString kMsnTail = "&QD=1&OP=1&IC=1&Y1=1&CR=1&AF=1&IH=1&AIE=1&AIR=1&FRH=1&FRK=1&ISA=1&ISQ=1"
                         "&BSA=1&BSQ=1&CFA=1&CFQ=1&TYS=1&ITT=1&ITP=1&Type=Equity";
const QString kSecTail = "%20&CIK=&filenum=&State=&SIC=&owner=include&action=getcompany";
const QString kBwTail = "&collection=www&sortBy=pub_date+desc&skin=BusinessWeek&x=15&y=6";
const QString kAdvfn = "{advfn}/p.php?pid=financials&btn=s_ok&s_symbol_select=&symbol=";
const QString kAdvfnTail = "&s_ok=OK&reportbug_desc=";

} // namespace

class TestLinkCatalogue : public QObject {
  Q_OBJECT

private slots:
  void address_data();
  void address();
  void listSymbol_data();
  void listSymbol();
  void yahooSymbol_data();
  void yahooSymbol();
  void hostileInput_data();
  void hostileInput();
  void todaySet_data();
  void todaySet();
};

void TestLinkCatalogue::address_data() {
  QTest::addColumn<QString>("control");
  QTest::addColumn<QString>("state");
  QTest::addColumn<QString>("expected");

  const QStringList states = {"KO selected", "cleared, row kept", "seven-character symbol",
                              "AT&T, no selection"};
  // One line per control: its address in each of the four states above. An
  // address without inputs is checked once, with every input filled in, so
  // that an input it must not read shows.
  auto row = [&](const char *control, const QStringList &perState) {
    for (int i = 0; i < (perState.size() == 1 ? 1 : states.size()); ++i)
      QTest::addRow("%s, %s", control, qPrintable(states[i]))
          << control << states[i] << expand(perState[i]);
  };

  row("Command5", {"{msn}/investor/research/sreport.asp?Symbol=KO" + kMsnTail,
                   "{msn}/investor/research/sreport.asp?Symbol=" + kMsnTail,
                   "{msn}/investor/research/sreport.asp?Symbol=BBDB.TO" + kMsnTail,
                   "{msn}/investor/research/sreport.asp?Symbol=T" + kMsnTail});
  row("Command6", {"{yahoo}/lookup?s=Coca-Cola%20&t=S&m=US", "{yahoo}/lookup?s=&t=S&m=US",
                   "{yahoo}/lookup?s=Bombardier%20Inc.&t=S&m=US",
                   "{yahoo}/lookup?s=AT%26T%20Corporation&t=S&m=US"});
  row("Command10", {"{sec}/cgi-bin/browse-edgar?company=Coca-Co" + kSecTail,
                    "{sec}/cgi-bin/browse-edgar?company=" + kSecTail,
                    "{sec}/cgi-bin/browse-edgar?company=Bombard" + kSecTail,
                    "{sec}/cgi-bin/browse-edgar?company=AT%26T%20Co" + kSecTail});
  row("Command11",
      {"{yahoo}/q/co?s=KO", "{yahoo}/q/co?s=", "{yahoo}/q/co?s=BBDB.TO", "{yahoo}/q/co?s=T"});
  row("Command17", {"{gfinance}/finance?q=KO%20%20%20", "{gfinance}/finance?q=KO%20%20%20",
                    "{gfinance}/finance?q=BBDB.TO", "{gfinance}/finance?q="});
  row("Command19", {"{yahoo}/q/pr?s=KO%20%20%20", "{yahoo}/q/pr?s=KO%20%20%20",
                    "{yahoo}/q/pr?s=BBDB.TO", "{yahoo}/q/pr?s="});
  row("Command23",
      {"{yahoo}/q/h?s=KO", "{yahoo}/q/h?s=", "{yahoo}/q/h?s=BBDB.TO", "{yahoo}/q/h?s=T"});
  row("Command24",
      {"{bw}/Search?searchTerm=KO" + kBwTail, "{bw}/Search?searchTerm=" + kBwTail,
       "{bw}/Search?searchTerm=BBDB.TO" + kBwTail, "{bw}/Search?searchTerm=T" + kBwTail});
  row("List1", {"{clear}/cgi-bin/fundamentals?Event=comparisons&Symbol=KO%20%20%20",
                "{clear}/cgi-bin/fundamentals?Event=comparisons&Symbol=KO%20%20%20",
                "{clear}/cgi-bin/fundamentals?Event=comparisons&Symbol=BBDB.TO",
                "{clear}/cgi-bin/fundamentals?Event=comparisons&Symbol="});
  row("Command28", {"{maker}/2.htm"});
  row("Command21", {"{google}/search?q=site:+{brk}++competitive+advantage&num=30&hl=en&lr=&"
                    "safe=off&as_qdr=all&filter=0"});
  row("cmdBrowseImg",
      {"{google}/search?hl=en&q=KO competitive+advantage+Coca-Cola%20&btnG=Google+Search",
       "{google}/search?hl=en&q= competitive+advantage+&btnG=Google+Search",
       "{google}/search?hl=en&q=BBDB.TO competitive+advantage+Bombardier%20Inc.&btnG=Google+"
       "Search",
       "{google}/search?hl=en&q=T competitive+advantage+AT%26T%20Corporation&btnG=Google+"
       "Search"});
  row("Command2",
      {"{google}/search?hl=en&q=management+competition+legal Coca-Cola%20&btnG=Google+Search",
       "{google}/search?hl=en&q=management+competition+legal &btnG=Google+Search",
       "{google}/search?hl=en&q=management+competition+legal Bombardier%20Inc.&btnG=Google+"
       "Search",
       "{google}/search?hl=en&q=management+competition+legal AT%26T%20Corporation&btnG=Google+"
       "Search"});
  row("Command8", {kAdvfn + "KO" + kAdvfnTail, kAdvfn + kAdvfnTail, kAdvfn + "BBDB.TO" + kAdvfnTail,
                   kAdvfn + "T" + kAdvfnTail});
  row("Command22", {"{google}/search?q=site:+{brk}++manage&num=30&hl=en&lr=&safe=off&"
                    "as_qdr=all&filter=0"});
  row("Command3", {"{fsense}/resources/corvin.htm"});
  row("Command4", {"{valuepro}"});
  row("Command26", {"{quicken}/investments/seceval/?p=KO&cmetric=intrinsic",
                    "{quicken}/investments/seceval/?p=&cmetric=intrinsic",
                    "{quicken}/investments/seceval/?p=BBDB.TO&cmetric=intrinsic",
                    "{quicken}/investments/seceval/?p=T&cmetric=intrinsic"});
  row("Command1", {"{maker}/2.htm"});
  row("Command12", {"{maker}/markets.htm"});
  row("Command14", {"{maker}/marvanellc.htm"});
  row("Command18", {"{dealbook}/?excamp=GGDBelmontcorvin"});
  row("Command20", {"{groups}/BerkshireHathawayShareholders/messageboard.msnw"});
  row("Command15", {"{wiley}/legacy/products/subject/finance/{lecture}"});
  row("Command27",
      {"{yahoo}/q/ks?s=KO", "{yahoo}/q/ks?s=", "{yahoo}/q/ks?s=BBDB.TO", "{yahoo}/q/ks?s=T"});
  row("picStart", {kAdvfn + "KO" + kAdvfnTail, kAdvfn + kAdvfnTail, kAdvfn + "BBDB.TO" + kAdvfnTail,
                   kAdvfn + "T" + kAdvfnTail});
  row("Label2", {"{email}"});
  row("Label38", {"{maker}"});
  row("Label3", {"{maker}/marvanellc.htm"});
}

void TestLinkCatalogue::address() {
  QFETCH(QString, control);
  QFETCH(QString, state);
  QFETCH(QString, expected);
  const LinkTemplate *link = LinkCatalogue::builtIn().find(control);
  QVERIFY(link);
  QCOMPARE(composeLinkUrl(*link, State(state)), expected);
}

// clang-format off
void TestLinkCatalogue::listSymbol_data() {
  QTest::addColumn<QString>("symbol"); // empty: no row selected
  QTest::addColumn<QString>("expected");
  QTest::newRow("three letters padded") << "HRL" << "HRL  ";
  QTest::newRow("four letters padded") << "AAPL" << "AAPL ";
  QTest::newRow("five letters whole") << "AEISE" << "AEISE";
  QTest::newRow("seven characters whole") << "BBDB.TO" << "BBDB.TO";
  QTest::newRow("no selection") << "" << "";
}
// clang-format on

void TestLinkCatalogue::listSymbol() {
  QFETCH(QString, symbol);
  QFETCH(QString, expected);
  const int row = symbol.isEmpty() ? -1 : findSymbol(symbol.toStdString());
  QVERIFY(symbol.isEmpty() || row >= 0);
  QCOMPARE(listSymbolOf(row), expected);
  QCOMPARE(listSymbolOf(kDirectoryRows), QString()); // out of range reads as no selection
}

// clang-format off
void TestLinkCatalogue::yahooSymbol_data() {
  QTest::addColumn<QString>("symbol");
  QTest::addColumn<QString>("expected");
  QTest::newRow("plain") << "KO" << "KO";
  QTest::newRow("class share with a dot") << "BRK.B" << "BRK-B";
  QTest::newRow("class share with a slash") << "BRK/A" << "BRK-A";
  QTest::newRow("exchange suffix kept") << "BBDB.TO" << "BBDB.TO";
  QTest::newRow("a dot alone is no class") << ".B" << ".B";
  QTest::newRow("empty") << "" << "";
}
// clang-format on

void TestLinkCatalogue::yahooSymbol() {
  QFETCH(QString, symbol);
  QFETCH(QString, expected);
  QCOMPARE(yahooSymbolOf(symbol), expected);
}

void TestLinkCatalogue::hostileInput_data() {
  QTest::addColumn<QString>("control");
  QTest::addColumn<QString>("key");
  QTest::addColumn<QString>("expected"); // {S} symbol, {N} name, {P} its first seven characters
  QTest::addColumn<QString>("text");     // typed into both boxes
  QTest::addColumn<QString>("prefix");   // the first seven characters of `text`

  struct Probe {
    const char *control, *key, *expected;
  };
  const Probe probes[] = {
      {"Command11", "s", "{S}"},
      {"Command6", "s", "{N}"},
      {"Command10", "company", "{P} "},
      {"cmdBrowseImg", "q", "{S} competitive+advantage+{N}"},
      {"Command2", "q", "management+competition+legal {N}"},
      {"Command8", "symbol", "{S}"},
      {"Command24", "searchTerm", "{S}"},
      {"Command26", "p", "{S}"},
  };
  const std::pair<const char *, std::pair<QString, QString>> texts[] = {
      {"quotes", {"\"O'Brien\" Co", "\"O'Brie"}},
      {"semicolon", {"KO; rm -rf ~", "KO; rm "}},
      {"command substitution", {"$(touch x)", "$(touch"}},
      {"backticks", {"`id`&more", "`id`&mo"}},
      {"newlines", {"A\nB\r\nC", "A\nB\r\nC"}},
      {"hash", {"AT#T Inc", "AT#T In"}},
      {"percent", {"100%25 %zz", "100%25 "}},
      {"ampersand", {"AT&T Corporation", "AT&T Co"}},
      {"plus and delimiters", {"A+B=C?d/e", "A+B=C?d"}},
      {"accents", {"Nestlé Société", "Nestlé "}},
      {"japanese", {"株式会社トヨタ自動車", "株式会社トヨタ"}},
      {"outside the basic plane", {"😀😀😀😀😀😀😀😀", "😀😀😀😀😀😀😀"}},
      {"only spaces", {"   ", "   "}},
      {"10 KB", {QString(10 * 1024, 'N'), "NNNNNNN"}},
  };
  for (const Probe &p : probes)
    for (const auto &[name, t] : texts)
      QTest::addRow("%s, %s", p.control, name)
          << p.control << p.key << p.expected << t.first << t.second;
}

void TestLinkCatalogue::hostileInput() {
  QFETCH(QString, control);
  QFETCH(QString, key);
  QFETCH(QString, expected);
  QFETCH(QString, text);
  QFETCH(QString, prefix);
  const LinkTemplate *link = LinkCatalogue::builtIn().find(control);
  QVERIFY(link);
  // A plain word shows the structure the address must keep.
  const QUrl plain = QUrl(composeLinkUrl(*link, {"X", "X", {}}), QUrl::TolerantMode);
  const QString composed = composeLinkUrl(*link, {text, text, {}});
  const QUrl url(composed, QUrl::TolerantMode);

  QVERIFY(url.isValid());
  QCOMPARE(url.scheme(), plain.scheme());
  QCOMPARE(url.host(), plain.host());
  QCOMPARE(url.path(), plain.path());
  QVERIFY(!url.hasFragment());
  QVERIFY(!composed.contains('\n') && !composed.contains('\r') && !composed.contains('`'));
  for (QChar c : composed) // nothing outside printable ASCII reaches the desktop
    QVERIFY(c.unicode() >= 0x20 && c.unicode() < 0x7f);

  QList<QString> plainKeys, keys;
  for (const auto &item : QUrlQuery(plain).queryItems())
    plainKeys << item.first;
  for (const auto &item : QUrlQuery(url).queryItems())
    keys << item.first;
  QCOMPARE(keys, plainKeys); // no field added, none lost

  expected.replace("{S}", text).replace("{N}", text).replace("{P}", prefix);
  QCOMPARE(QUrlQuery(url).queryItemValue(key, QUrl::FullyDecoded), expected);
}

// The set of today's addresses the program carries: read without a problem,
// with Yahoo's way of writing class shares, and marking which built-in
// addresses are retired.
void TestLinkCatalogue::todaySet_data() {
  QTest::addColumn<QString>("control");
  QTest::addColumn<QString>("expected"); // with "BRK.B" and "AT&T Corporation"; empty: built in
  QTest::addColumn<bool>("retired");     // the built-in address
  QTest::newRow("R.O.E. data, class share")
      << "Command8"
      << "https://finance.yahoo.com/quote/BRK-B/key-statistics/" << true;
  QTest::newRow("background, same page")
      << "picStart"
      << "https://finance.yahoo.com/quote/BRK-B/key-statistics/" << true;
  QTest::newRow("G reads the symbol box")
      << "Command17"
      << "https://www.google.com/search?q=BRK.B&tbm=fin" << true;
  QTest::newRow("EDGAR over https")
      << "Command10"
      << "https://www.sec.gov/cgi-bin/"
         "browse-edgar?action=getcompany&company=AT%26T%20Co&owner=include"
      << false;
  QTest::newRow("discussion group") << "Command20"
                                    << "https://finance.yahoo.com/quote/BRK-B/community/" << true;
  QTest::newRow("a search that still works") << "Command21"
                                             << "" << false;
}

void TestLinkCatalogue::todaySet() {
  QFETCH(QString, control);
  QFETCH(QString, expected);
  QFETCH(bool, retired);
  QStringList problems;
  LinkCatalogue catalogue = LinkCatalogue::builtIn();
  QCOMPARE(catalogue.find(control)->isRetired(), retired);
  catalogue.applyOverrides(LinkCatalogue::todaySetText(), "today.conf", &problems, nullptr,
                           LinkSource::TodaySet);
  QCOMPARE(problems, QStringList());
  const LinkTemplate *link = catalogue.find(control);
  QVERIFY(!link->isRetired());
  QCOMPARE(link->source, expected.isEmpty() ? LinkSource::BuiltIn : LinkSource::TodaySet);
  if (!expected.isEmpty())
    QCOMPARE(composeLinkUrl(*link, {"BRK.B", "AT&T Corporation", listSymbolOf(-1)}), expected);
}

QTEST_APPLESS_MAIN(TestLinkCatalogue)
#include "tst_link_catalogue.moc"
