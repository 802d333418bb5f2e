// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
// What is worked out from a company's table (growth, the wizard's tests,
// the workbench's figures), the forms the table leaves in, the SEC's list of
// symbols and the loose comparison of company names.
#include "filings/company_names.h"
#include "filings/growth.h"
#include "filings/symbol_list.h"
#include "filings/table_export.h"
#include "filings/wizard_checks.h"
#include "filings/workbench_figures.h"

#include <QFile>
#include <QJsonArray>
#include <QTest>

using namespace kelvo::filings;
using namespace Qt::StringLiterals;

namespace {

QByteArray fixture(const QString &name) {
  QFile file(QStringLiteral(KELVO_FILINGS_FIXTURES "/%1").arg(name));
  if (!file.open(QIODevice::ReadOnly))
    qFatal("no fixture %s", qPrintable(name));
  return file.readAll();
}

HistoryTable fixtureTable(const QString &cik, bool adjust = false) {
  const CompanyFactsRead read = readCompanyFacts(fixture(QStringLiteral("CIK%1.json").arg(cik)));
  return historyTable(*read.facts, {.adjustForSplits = adjust});
}

const QString kApple = u"0000320193"_s, kWalmart = u"0000104169"_s, kKraft = u"0001637459"_s,
              kAlphabet = u"0001652044"_s;

} // namespace

class TestHistoryFigures : public QObject {
  Q_OBJECT

private slots:
  void growth_data();
  void growth();
  void checks_data();
  void checks();
  void workbench_data();
  void workbench();
  void exports();
  void symbolList_data();
  void symbolList();
  void names_data();
  void names();
};

// clang-format off
void TestHistoryFigures::growth_data() {
  QTest::addColumn<QString>("cik");
  QTest::addColumn<bool>("adjust");
  QTest::addColumn<Row>("row");
  QTest::addColumn<int>("years");
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("toolTip");

  QTest::newRow("five years") << kApple << false << Row::Revenue << 5 << "11.1%" << "Compound annual growth from FY2016 (215,639.0) to FY2021 (365,817.0), over 5 years";
  QTest::newRow("more years than shown") << kApple << false << Row::Revenue << 10 << "—" << "Cannot be computed: the years shown begin with FY2015";
  QTest::newRow("across a split as filed") << kApple << false << Row::EarningsPerShare << 5 << "-7.6%" << "over 5 years\nPossible 4-for-1 split between FY2017 and FY2018: earlier per-share figures are as filed";
  QTest::newRow("across a split adjusted") << kApple << true << Row::EarningsPerShare << 5 << "22.0%" << "from FY2016 (2.08) to FY2021 (5.61), over 5 years";
  QTest::newRow("no figure at the start") << kApple << false << Row::BookValuePerShare << 0 << "—" << "Cannot be computed: no figure for FY2015";
  QTest::newRow("negative start") << kKraft << false << Row::EarningsPerShare << 1 << "—" << "Cannot be computed: the figure for FY2018 is negative";
  QTest::newRow("one year") << kWalmart << false << Row::Revenue << 1 << "6.7%" << "over 1 year";
  QTest::newRow("all years, falling") << kWalmart << false << Row::FreeCashFlow << 0 << "-6.3%" << "from FY2020 (14,550.0) to FY2023 (11,984.0), over 3 years";
}
// clang-format on

void TestHistoryFigures::growth() {
  QFETCH(QString, cik);
  QFETCH(bool, adjust);
  QFETCH(Row, row);
  QFETCH(int, years);
  QFETCH(QString, toolTip);
  const Growth rate = kelvo::filings::growth(fixtureTable(cik, adjust), row, years);
  QTEST(rate.text, "text");
  QVERIFY2(rate.toolTip.contains(toolTip), qPrintable(rate.toolTip));
}

// clang-format off
void TestHistoryFigures::checks_data() {
  QTest::addColumn<QString>("cik");
  QTest::addColumn<CheckThresholds>("limits");
  QTest::addColumn<QStringList>("lines");

  QTest::newRow("the years shown") << kWalmart << CheckThresholds{} << QStringList{
      "Return on capital of at least 10% in every one of the 4 years shown: cannot tell (no figure for FY2020)",
      "Growth of at least 10% a year in each of revenue, earnings per share, book value per share and free cash flow over the 4 years shown: failed (below 10% a year: revenue 5.3%, earnings per share (diluted) -6.3%, free cash flow -6.3%)",
      "Long-term debt repayable from at most 3 years of free cash flow: passed (2.9 years of free cash flow in FY2023)"};
  QTest::newRow("thresholds changed") << kWalmart << CheckThresholds{0.105, 0.04, 2.5, 3} << QStringList{
      "Return on capital of at least 10.5% in every one of the last 3 years: failed (below 10.5% in FY2023 (10.5%))",
      "Growth of at least 4% a year in each of revenue, earnings per share, book value per share and free cash flow over the last 3 years: failed (below 4% a year: earnings per share (diluted) -5.2%, book value per share -0.5%, free cash flow -31.9%)",
      "Long-term debt repayable from at most 2.5 years of free cash flow: failed (2.9 years of free cash flow in FY2023)"};
  QTest::newRow("passed") << kWalmart << CheckThresholds{0.10, -0.4, 3, 3} << QStringList{
      "Return on capital of at least 10% in every one of the last 3 years: passed (lowest 10.5% in FY2023)",
      "Growth of at least -40% a year in each of revenue, earnings per share, book value per share and free cash flow over the last 3 years: passed (every one at least -40% a year)",
      "Long-term debt repayable from at most 3 years of free cash flow: passed (2.9 years of free cash flow in FY2023)"};
  QTest::newRow("growth unknown") << kAlphabet << CheckThresholds{} << QStringList{
      "Return on capital of at least 10% in every one of the 4 years shown: cannot tell (no figure for FY2020)",
      "Growth of at least 10% a year in each of revenue, earnings per share, book value per share and free cash flow over the 4 years shown: cannot tell (no growth rate for book value per share)",
      "Long-term debt repayable from at most 3 years of free cash flow: passed (0.2 years of free cash flow in FY2023)"};
}
// clang-format on

void TestHistoryFigures::checks() {
  QFETCH(QString, cik);
  QFETCH(CheckThresholds, limits);
  QStringList lines;
  for (const CheckResult &result : wizardChecks(fixtureTable(cik), limits))
    lines.append(result.line());
  QTEST(lines, "lines");
}

// clang-format off
void TestHistoryFigures::workbench_data() {
  QTest::addColumn<QString>("cik");
  QTest::addColumn<bool>("adjust");
  QTest::addColumn<QStringList>("eps");    // text, source or reason
  QTest::addColumn<QStringList>("book");
  QTest::addColumn<QStringList>("growth");

  QTest::newRow("common span") << kWalmart << false << QStringList{"4.27", "FY2023 10-K, filed 2023-03-17"} << QStringList{"28.15", "FY2023 10-K, filed 2023-03-17: shareholders' equity ÷ shares"} << QStringList{"-5.2%", "Lower of the compound annual growth rates from FY2021 to FY2023: earnings per share (diluted) -5.2%, book value per share -0.5%"};
  QTest::newRow("past a loss") << kKraft << false << QStringList{"1.58", "FY2019 10-K, filed 2020-02-14"} << QStringList{"42.18", "FY2019 10-K, filed 2020-02-14: shareholders' equity ÷ shares"} << QStringList{"-17.5%", "Lower of the compound annual growth rates from FY2016 to FY2019: earnings per share (diluted) -17.5%, book value per share -3.4%"};
  QTest::newRow("earnings alone") << kAlphabet << false << QStringList{"5.80", "FY2023 10-K, filed 2024-01-31"} << QStringList{"", "Book value per share, FY2023: Cannot be computed: the shares are reported per share class, with no total for all classes"} << QStringList{"25.6%", "Compound annual growth of earnings per share (diluted) from FY2020 to FY2023"};
  QTest::newRow("split adjusted") << kApple << true << QStringList{"5.61", "FY2021 10-K, filed 2021-10-29"} << QStringList{"3.74", "FY2021 10-K, filed 2021-10-29: shareholders' equity ÷ shares"} << QStringList{"-8.5%", "Lower of the compound annual growth rates from FY2016 to FY2021: earnings per share (diluted) 22.0%, book value per share -8.5%"};
}
// clang-format on

void TestHistoryFigures::workbench() {
  QFETCH(QString, cik);
  QFETCH(bool, adjust);
  const WorkbenchFigures figures = workbenchFigures(fixtureTable(cik, adjust));
  const auto shown = [](const WorkbenchFigure &f) {
    return QStringList{f.text, f.value ? f.source : f.reason};
  };
  QTEST(shown(figures.earningsPerShare), "eps");
  QTEST(shown(figures.bookValuePerShare), "book");
  QTEST(shown(figures.growth), "growth");
}

void TestHistoryFigures::exports() {
  const HistoryTable table = fixtureTable(kWalmart);
  const QByteArray csv = historyCsv(table);
  QVERIFY2(csv.startsWith("Figure,Unit,FY2020,FY2021,FY2022,FY2023\r\n"
                          "Revenue,USD millions,523964.0,559151.0,572754.0,611289.0\r\n"),
           csv.constData());
  QVERIFY(
      csv.contains("\r\n\"Shares (diluted, millions)\",millions,2868.0,2847.0,2792.0,2724.0\r\n"));
  QVERIFY(csv.contains("\r\nShareholders' equity,USD millions,,80925.0,83253.0,76693.0\r\n"));
  QVERIFY(csv.endsWith("\r\nDebt / free cash flow (years),years,,1.6,3.1,2.9\r\n"));

  const QStringList text = historyText(table).split(u'\n');
  QCOMPARE(text.mid(0, 4), (QStringList{"Walmart Inc. (CIK 104169)",
                                        "Amounts in USD millions, except per-share figures",
                                        "\tFY2020\tFY2021\tFY2022\tFY2023",
                                        "Revenue\t523,964.0\t559,151.0\t572,754.0\t611,289.0"}));

  const QJsonObject json = historyJson(table, QDate(2026, 3, 7));
  QCOMPARE(json.value(u"cik").toInteger(), 104169);
  QCOMPARE(json.value(u"downloaded").toString(), u"2026-03-07"_s);
  const QJsonArray rows = json.value(u"rows").toArray();
  QCOMPARE(rows.size(), 13);
  QCOMPARE(rows[0].toObject().value(u"tags").toArray().last().toString(), u"us-gaap:Revenues"_s);
  QCOMPARE(rows[3].toObject().value(u"cells").toArray().first().toString(), u"—"_s);
  QVERIFY(!rows[8].toObject().contains(u"tags")); // free cash flow is worked out
}

// clang-format off
void TestHistoryFigures::symbolList_data() {
  QTest::addColumn<QByteArray>("body");
  QTest::addColumn<QString>("symbol");
  QTest::addColumn<QString>("found"); // "CIK name symbol exchange", or the refusal

  const QByteArray sec = fixture(u"company_tickers_exchange.json"_s);
  QTest::newRow("directory's class share") << sec << "BRK/B" << "1067983 BERKSHIRE HATHAWAY INC BRK-B NYSE";
  QTest::newRow("dotted, lower case") << sec << " brk.a" << "1067983 BERKSHIRE HATHAWAY INC BRK-A NYSE";
  QTest::newRow("plain") << sec << "HCP" << "1720671 HashiCorp, Inc. HCP Nasdaq";
  QTest::newRow("no exchange") << sec << "UVXY" << "1040273 ProShares Trust II UVXY ";
  QTest::newRow("not listed") << sec << "ZZZZ" << "";
  QTest::newRow("fields in another order")
      << QByteArray(R"({"data":[["NYSE","BF/B",14693,"BROWN FORMAN CORP"],[1,2,3,4]],)"
                    R"("fields":["exchange","ticker","cik","name"]})")
      << "bf-b" << "14693 BROWN FORMAN CORP BF-B NYSE";
  QTest::newRow("CIK as text, first row kept")
      << QByteArray(R"({"fields":["ticker","cik"],"data":[["X","0000000042"],["X","7"]]})") << "X"
      << "42  X ";
  QTest::newRow("not JSON") << QByteArray("<html>") << "X" << "It is not valid JSON text.";
  QTest::newRow("no ticker field")
      << QByteArray(R"({"fields":["cik","name"],"data":[[1,"A"]]})") << "A"
      << "It is not the SEC's list of symbols.";
  QTest::newRow("no usable row")
      << QByteArray(R"({"fields":["cik","ticker"],"data":[[0,"A"],[1.5,"B"],[2,""],[3,null]]})")
      << "A" << "The SEC's list of symbols lists no company.";
}
// clang-format on

void TestHistoryFigures::symbolList() {
  QFETCH(QByteArray, body);
  QFETCH(QString, symbol);
  const SymbolListRead read = readSymbolList(body);
  QString found = read.error;
  if (const ListedCompany *company = read.list ? read.list->find(symbol) : nullptr)
    found = QStringLiteral("%1 %2 %3 %4")
                .arg(company->cik)
                .arg(company->name, company->symbol, company->exchange);
  QTEST(found, "found");
}

// clang-format off
void TestHistoryFigures::names_data() {
  QTest::addColumn<QString>("directory");
  QTest::addColumn<QString>("sec");
  QTest::addColumn<bool>("same");
  QTest::addColumn<QString>("words"); // of the SEC's name

  QTest::newRow("symbol given away") << "Health Care Property" << "HashiCorp, Inc." << false << "hashicorp";
  QTest::newRow("renamed") << "Google" << "Alphabet Inc." << false << "alphabet";
  QTest::newRow("legal words") << "Berkshire Hathaway" << "BERKSHIRE HATHAWAY INC" << true << "berkshire hathaway";
  QTest::newRow("class mark") << "Brown-Forman 'B'" << "BROWN FORMAN CORP" << true << "brown forman";
  QTest::newRow("state after a slash") << "Hormel Foods " << "HORMEL FOODS CORP /DE/" << true << "hormel foods";
  QTest::newRow("hyphen") << "Coca-Cola " << "COCA COLA CO" << true << "coca cola";
  QTest::newRow("words run together") << "Wal-Mart Stores" << "Walmart Inc." << true << "walmart";
  QTest::newRow("shorter name") << "Apple Computer" << "Apple Inc." << true << "apple";
  QTest::newRow("ampersand") << "AT&T Corporation " << "AT&T INC." << true << "at t";
  QTest::newRow("abbreviation") << "Intl Business Machines" << "INTERNATIONAL BUSINESS MACHINES CORP" << true << "international business machines";
  QTest::newRow("only legal words") << "The Company" << "Co Ltd" << false << "";
}
// clang-format on

void TestHistoryFigures::names() {
  QFETCH(QString, directory);
  QFETCH(QString, sec);
  QTEST(sameCompanyName(directory, sec), "same");
  QTEST(sameCompanyName(sec, directory), "same");
  QTEST(significantWords(sec).join(u' '), "words");
  QCOMPARE(otherCompanyMessage(u"HCP"_s, u"HashiCorp, Inc."_s, u"Health Care Property"_s),
           u"The SEC lists HCP as HashiCorp, Inc., not Health Care Property"_s);
}

QTEST_GUILESS_MAIN(TestHistoryFigures)
#include "tst_history_figures.moc"
