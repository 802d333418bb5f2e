// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The company table's shape, its telling rows, and the two lookups over it.

#include "directory/company_directory.h"
#include "support/text_views.h"

#include <QtTest>

#include <algorithm>
#include <functional>
#include <random>
#include <string>
#include <vector>

using namespace kelvo::directory;
using kelvo::testing::qs;
using RowTest = std::function<bool(const DirectoryEntry &)>;
Q_DECLARE_METATYPE(RowTest)

namespace {

std::string s(const QByteArray &bytes) { return bytes.toStdString(); }
// ASCII letters upper-cased, every other byte kept, as the list box compares.
std::string upperAscii(std::string text) {
  for (char &c : text)
    c = (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
  return text;
}

bool endsInSpace(std::string_view text) { return !text.empty() && text.back() == ' '; }
std::string_view withoutSpace(std::string_view text) {
  return endsInSpace(text) ? text.substr(0, text.size() - 1) : text;
}
bool nameCharsOnly(std::string_view name) {
  return std::all_of(name.begin(), name.end(), [](char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
           std::string_view(" .'-&()/,!*`").find(c) != std::string_view::npos;
  });
}
bool symbolCharsOnly(std::string_view symbol) {
  return std::all_of(symbol.begin(), symbol.end(),
                     [](char c) { return (c >= 'A' && c <= 'Z') || c == '.' || c == '/'; });
}

// What the list box's own search does: the first row from the top whose text
// starts with `text`, letters compared without case.
int naiveFind(const std::string &text) {
  if (text.empty())
    return -1;
  static const std::vector<std::string> rows = [] {
    std::vector<std::string> upper;
    for (const DirectoryEntry &e : kCompanyDirectory)
      upper.push_back(upperAscii(kelvo::directory::listText(e)));
    return upper;
  }();
  const std::string wanted = upperAscii(text);
  for (std::size_t i = 0; i < rows.size(); ++i)
    if (rows[i].size() >= wanted.size() && rows[i].compare(0, wanted.size(), wanted) == 0)
      return int(i);
  return -1;
}

} // namespace

class TestDirectory : public QObject {
  Q_OBJECT
private slots:
  void rowRules_data();
  void rowRules();
  void longestTexts();
  void orderIsStrict();
  void tellingRows_data();
  void tellingRows();
  void listTextFill_data();
  void listTextFill();
  void findSymbol_data();
  void findSymbol();
  void findSymbolFindsEveryRow();
  void findListPrefix_data();
  void findListPrefix();
  void findListPrefixMatchesListSearch();
};

void TestDirectory::rowRules_data() {
  QTest::addColumn<RowTest>("test");
  QTest::addColumn<int>("expected");

  // All 1,681 companies and indexes, and no row that breaks a rule the list,
  // the lookups and the captions rely on.
  QTest::newRow("every row") << RowTest([](const DirectoryEntry &) { return true; }) << 1681;
  QTest::newRow("symbol empty or longer than seven")
      << RowTest([](const DirectoryEntry &e) { return e.symbol.empty() || e.symbol.size() > 7; })
      << 0;
  QTest::newRow("symbol with a foreign character")
      << RowTest([](const DirectoryEntry &e) { return !symbolCharsOnly(e.symbol); }) << 0;

  QTest::newRow("names differ beyond one trailing space") << RowTest([](const DirectoryEntry &e) {
    return withoutSpace(e.listName) != withoutSpace(e.titleName) ||
           endsInSpace(withoutSpace(e.listName)) || withoutSpace(e.listName).empty();
  }) << 0;
  QTest::newRow("name with a foreign character") << RowTest([](const DirectoryEntry &e) {
    return !nameCharsOnly(e.listName) || !nameCharsOnly(e.titleName);
  }) << 0;
  QTest::newRow("name starting with a space") << RowTest([](const DirectoryEntry &e) {
    return e.listName.substr(0, 1) == " " || e.titleName.substr(0, 1) == " ";
  }) << 0;
}

void TestDirectory::rowRules() {
  QFETCH(RowTest, test);
  QFETCH(int, expected);
  QCOMPARE(int(std::count_if(kCompanyDirectory.begin(), kCompanyDirectory.end(), test)), expected);
}

void TestDirectory::longestTexts() {
  std::size_t name = 0, text = 0;
  for (const DirectoryEntry &e : kCompanyDirectory) {
    name = std::max(name, e.listName.size());
    text = std::max(text, kelvo::directory::listText(e).size());
  }
  QCOMPARE(name, std::size_t(34));
  QCOMPARE(text, std::size_t(39));
}

// Both lookups rely on this order; a misplaced row would hide rows from them.
void TestDirectory::orderIsStrict() {
  for (std::size_t i = 1; i < kCompanyDirectory.size(); ++i) {
    const DirectoryEntry &a = kCompanyDirectory[i - 1], &b = kCompanyDirectory[i];
    QVERIFY2(a.symbol < b.symbol, qPrintable(qs(b.symbol)));
    QVERIFY2(upperAscii(kelvo::directory::listText(a)) < upperAscii(kelvo::directory::listText(b)),
             qPrintable(qs(b.symbol)));
  }
}

void TestDirectory::tellingRows_data() {
  QTest::addColumn<int>("index");
  QTest::addColumn<QByteArray>("listText");
  QTest::addColumn<QByteArray>("titleName");

  QTest::newRow("first") << 0 << QByteArray("A    Agilent Technologies")
                         << QByteArray("Agilent Technologies");
  QTest::newRow("AAPL") << 3 << QByteArray("AAPL Apple Computer ") << QByteArray("Apple Computer");
  QTest::newRow("first of five") << 39 << QByteArray("AEISE    Advanced Energy")
                                 << QByteArray("Advanced Energy");
  QTest::newRow("seven") << 170 << QByteArray("BBDB.TO  Bombardier Incorporated 'B' ")
                         << QByteArray("Bombardier Incorporated 'B'");
  QTest::newRow("slash in four") << 191 << QByteArray("BF/B Brown-Forman 'B'")
                                 << QByteArray("Brown-Forman 'B'");
  QTest::newRow("slash in five") << 239 << QByteArray("BRK/A    Berkshire Hathaway")
                                 << QByteArray("Berkshire Hathaway");
  QTest::newRow("index") << 374 << QByteArray("COMP NASDAQ COMP  INDEX")
                         << QByteArray("NASDAQ COMP  INDEX");
  QTest::newRow("HCP") << 700 << QByteArray("HCP  Health Care Property")
                       << QByteArray("Health Care Property ");
  QTest::newRow("HCR") << 701 << QByteArray("HCR  Manor Care") << QByteArray("Manor Care");
  QTest::newRow("start-up row") << 736 << QByteArray("HRL  Hormel Foods")
                                << QByteArray("Hormel Foods ");
  QTest::newRow("KO") << 860 << QByteArray("KO   Coca-Cola ") << QByteArray("Coca-Cola ");
  QTest::newRow("MSC") << 1006 << QByteArray("MSC  Material Sciences ")
                       << QByteArray("Material Sciences");
  QTest::newRow("MSFT") << 1007 << QByteArray("MSFT Microsoft Corporation")
                        << QByteArray("Microsoft Corporation");
  QTest::newRow("dot index") << 1578 << QByteArray("VLE.I    Index-Value Line Arithmetic ")
                             << QByteArray("Index-Value Line Arithmetic");
  QTest::newRow("last") << 1680 << QByteArray("ZRAN Zoran Corporation ")
                        << QByteArray("Zoran Corporation");
}

void TestDirectory::tellingRows() {
  QFETCH(int, index);
  QFETCH(QByteArray, listText);
  QFETCH(QByteArray, titleName);
  const DirectoryEntry &row = kCompanyDirectory[std::size_t(index)];
  QCOMPARE(kelvo::directory::listText(row), s(listText));
  QCOMPARE(std::string(row.titleName), s(titleName));
}

void TestDirectory::listTextFill_data() {
  QTest::addColumn<QByteArray>("symbol");
  QTest::addColumn<QByteArray>("name");
  QTest::addColumn<QByteArray>("expected");

  QTest::newRow("1 character") << QByteArray("A") << QByteArray("Agilent")
                               << QByteArray("A    Agilent");
  QTest::newRow("4 characters") << QByteArray("MSFT") << QByteArray("Microsoft")
                                << QByteArray("MSFT Microsoft");
  QTest::newRow("5 characters") << QByteArray("AEISE") << QByteArray("Advanced")
                                << QByteArray("AEISE    Advanced");
  QTest::newRow("6 characters") << QByteArray("CAE.TO") << QByteArray("CAE")
                                << QByteArray("CAE.TO   CAE");
  QTest::newRow("7 characters") << QByteArray("BBDB.TO") << QByteArray("B")
                                << QByteArray("BBDB.TO  B");
  QTest::newRow("trailing space kept")
      << QByteArray("KO") << QByteArray("Coca-Cola ") << QByteArray("KO   Coca-Cola ");
  QTest::newRow("inner double space kept")
      << QByteArray("ELE") << QByteArray("ENDESA  ADR") << QByteArray("ELE  ENDESA  ADR");
}

void TestDirectory::listTextFill() {
  QFETCH(QByteArray, symbol);
  QFETCH(QByteArray, name);
  QFETCH(QByteArray, expected);
  const std::string sym = s(symbol), nm = s(name);
  QCOMPARE(kelvo::directory::listText(DirectoryEntry{sym, nm, nm}), s(expected));
}

void TestDirectory::findSymbol_data() {
  QTest::addColumn<QByteArray>("symbol");
  QTest::addColumn<int>("expected");

  QTest::newRow("KO") << QByteArray("KO") << 860;
  QTest::newRow("MSFT") << QByteArray("MSFT") << 1007;
  QTest::newRow("end of first half") << QByteArray("HCP") << 700;
  QTest::newRow("start of second half") << QByteArray("HCR") << 701;
  QTest::newRow("dot") << QByteArray("BBDB.TO") << 170;
  QTest::newRow("slash") << QByteArray("BRK/A") << 239;
  QTest::newRow("first") << QByteArray("A") << 0;
  QTest::newRow("last") << QByteArray("ZRAN") << 1680;
  QTest::newRow("HR, not HRB") << QByteArray("HR") << 734;
  QTest::newRow("trailing space") << QByteArray("KO ") << -1;
  QTest::newRow("leading space") << QByteArray(" KO") << -1;
  QTest::newRow("lower case") << QByteArray("ko") << -1;
  QTest::newRow("unknown") << QByteArray("XYZ") << -1;
  QTest::newRow("empty") << QByteArray("") << -1;
  QTest::newRow("start of a symbol") << QByteArray("BRK") << -1;
  QTest::newRow("past the last") << QByteArray("ZZZZ") << -1;
  QTest::newRow("before the first") << QByteArray("..") << -1;
  QTest::newRow("embedded NUL") << QByteArray("KO\0", 3) << -1;
  QTest::newRow("non-ASCII") << QByteArray("K\xc3\x96") << -1;
}

void TestDirectory::findSymbol() {
  QFETCH(QByteArray, symbol);
  QFETCH(int, expected);
  QCOMPARE(kelvo::directory::findSymbol(s(symbol)), expected);
}

void TestDirectory::findSymbolFindsEveryRow() {
  for (int i = 0; i < kDirectoryRows; ++i)
    QCOMPARE(kelvo::directory::findSymbol(kCompanyDirectory[std::size_t(i)].symbol), i);
}

void TestDirectory::findListPrefix_data() {
  QTest::addColumn<QByteArray>("text");
  QTest::addColumn<int>("expected");

  QTest::newRow("ms finds MSC") << QByteArray("ms") << 1006;
  QTest::newRow("hr finds HR") << QByteArray("hr") << 734;
  QTest::newRow("hrb") << QByteArray("hrb") << 735;
  QTest::newRow("brk") << QByteArray("brk") << 239;
  QTest::newRow("msft") << QByteArray("msft") << 1007;
  QTest::newRow("mixed case") << QByteArray("mSfT") << 1007;
  QTest::newRow("A") << QByteArray("A") << 0;
  QTest::newRow("A and its fill") << QByteArray("a    agilent") << 0;
  QTest::newRow("A with one space too many") << QByteArray("A     ") << -1;
  QTest::newRow("aeis") << QByteArray("aeis") << 39;
  QTest::newRow("zran") << QByteArray("zran") << 1680;
  QTest::newRow("into the name") << QByteArray("ko   coca") << 860;
  QTest::newRow("whole text") << QByteArray("KO   Coca-Cola ") << 860;
  QTest::newRow("past the whole text") << QByteArray("KO   Coca-Cola  ") << -1;
  QTest::newRow("name disagrees") << QByteArray("ko   pepsi") << -1;
  QTest::newRow("dot in symbol") << QByteArray("vle.i") << 1578;
  QTest::newRow("slash in symbol") << QByteArray("bf/b") << 191;
  QTest::newRow("seven into name") << QByteArray("bbdb.to  bomb") << 170;
  QTest::newRow("empty") << QByteArray("") << -1;
  QTest::newRow("space") << QByteArray(" ") << -1;
  QTest::newRow("zzz") << QByteArray("zzz") << -1;
  QTest::newRow("qqq") << QByteArray("qqq") << -1;
  QTest::newRow("non-ASCII") << QByteArray("\xc3\xa9") << -1;
  QTest::newRow("non-ASCII after a symbol") << QByteArray("ko\xa0") << -1;
  QTest::newRow("embedded NUL") << QByteArray("ko\0", 3) << -1;
  QTest::newRow("between Z and a") << QByteArray("_") << -1;
}

void TestDirectory::findListPrefix() {
  QFETCH(QByteArray, text);
  QFETCH(int, expected);
  QCOMPARE(kelvo::directory::findListPrefix(s(text)), expected);
}

// The lookup searches by halving; it must answer what the list's top-down
// search answers, for texts that hit rows and for texts that fall between them.
void TestDirectory::findListPrefixMatchesListSearch() {
  std::vector<std::string> texts;
  for (const DirectoryEntry &e : kCompanyDirectory) {
    const std::string text = kelvo::directory::listText(e);
    for (std::size_t n = 1; n <= std::min<std::size_t>(text.size(), 12); ++n) {
      std::string prefix = text.substr(0, n);
      texts.push_back(prefix);
      std::transform(prefix.begin(), prefix.end(), prefix.begin(),
                     [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; });
      texts.push_back(prefix);
    }
  }
  std::mt19937 random(20051);
  const std::string alphabet = "ABMRSZ aekoz./-&'`_[@\x7f\xc3";
  for (int i = 0; i < 3000; ++i) {
    std::string text(std::size_t(1 + random() % 6), ' ');
    for (char &c : text)
      c = alphabet[random() % alphabet.size()];
    texts.push_back(text);
  }
  for (const std::string &text : texts)
    QVERIFY2(kelvo::directory::findListPrefix(text) == naiveFind(text), text.c_str());
}

QTEST_APPLESS_MAIN(TestDirectory)
#include "test_directory.moc"
