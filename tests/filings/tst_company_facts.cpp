// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
// A company's facts read into the table of fiscal years: the fixtures of
// real companies, the traps of the data one by one, and the documents the
// reader refuses.
#include "filings/history_table.h"

#include <QFile>
#include <QTest>

using namespace kelvo::filings;
using namespace Qt::StringLiterals;

namespace {

HistoryTable fixtureTable(const QString &cik, bool adjust = false) {
  QFile file(QStringLiteral(KELVO_FILINGS_FIXTURES "/CIK%1.json").arg(cik));
  if (!file.open(QIODevice::ReadOnly))
    qFatal("no fixture %s", qPrintable(cik));
  const CompanyFactsRead read = readCompanyFacts(file.readAll());
  if (!read.facts)
    qFatal("fixture %s refused: %s", qPrintable(cik), qPrintable(read.error));
  return historyTable(*read.facts, {.adjustForSplits = adjust});
}

// Facts written one a line: "concept unit start end value form filed
// accession", "-" for no start. Values are in millions of the unit (or
// units of a per-share unit).
QByteArray factsDocument(const QStringList &lines) {
  QMap<QString, QMap<QString, QStringList>> concepts;
  for (const QString &line : lines) {
    const QStringList f = line.split(u' ');
    const QString start = f[2] == u"-" ? QString() : QStringLiteral("\"start\":\"%1\",").arg(f[2]);
    const double value = f[1].contains(u'/') ? f[4].toDouble() : f[4].toDouble() * 1e6;
    concepts[f[0]][f[1]].append(
        QStringLiteral(R"({%1"end":"%2","val":%3,"accn":"%4",)"
                       R"("fy":2099,"fp":"FY","form":"%5","filed":"%6"})")
            .arg(start, f[3], QString::number(value, 'f', 4), f[7], f[5], f[6]));
  }
  QStringList taxonomies;
  for (const QString &taxonomy : {u"us-gaap"_s, u"dei"_s}) {
    QStringList members;
    for (auto c = concepts.cbegin(); c != concepts.cend(); ++c) {
      if (!c.key().startsWith(taxonomy + u':'))
        continue;
      QStringList units;
      for (auto u = c->cbegin(); u != c->cend(); ++u)
        units.append(QStringLiteral("\"%1\":[%2]").arg(u.key(), u->join(u',')));
      members.append(QStringLiteral("\"%1\":{\"units\":{%2}}")
                         .arg(c.key().section(u':', 1), units.join(u',')));
    }
    taxonomies.append(QStringLiteral("\"%1\":{%2}").arg(taxonomy, members.join(u',')));
  }
  return QStringLiteral(R"({"cik":1,"entityName":"Test","facts":{%1}})")
      .arg(taxonomies.join(u','))
      .toUtf8();
}

QString joinedYears(const HistoryTable &table) {
  QStringList names;
  for (const FiscalYear &year : table.years)
    names.append(year.name());
  return names.join(u' ');
}

QString joinedTexts(const HistoryTable &table, Row row) {
  QStringList texts;
  for (const Cell &cell : table.rows[int(row)])
    texts.append(cell.text);
  return texts.join(u' ');
}

const QString kNi = QStringLiteral("us-gaap:NetIncomeLoss USD ");
const QString kEquity = QStringLiteral("us-gaap:StockholdersEquity USD - ");
const QString kEps = QStringLiteral("us-gaap:EarningsPerShareDiluted USD/shares ");
const QString kCover = QStringLiteral("dei:EntityCommonStockSharesOutstanding shares - ");
const QString kAverage =
    QStringLiteral("us-gaap:WeightedAverageNumberOfDilutedSharesOutstanding shares ");

} // namespace

class TestCompanyFacts : public QObject {
  Q_OBJECT

private slots:
  void fixtureCells_data();
  void fixtureCells();
  void fixtureTables_data();
  void fixtureTables();
  void traps_data();
  void traps();
  void refused_data();
  void refused();
};

// clang-format off
void TestCompanyFacts::fixtureCells_data() {
  QTest::addColumn<QString>("cik");
  QTest::addColumn<Row>("row");
  QTest::addColumn<QString>("year");
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("toolTip"); // a part of it

  const QString apple = u"0000320193"_s, walmart = u"0000104169"_s, kraft = u"0001637459"_s,
                alphabet = u"0001652044"_s, sap = u"0001000184"_s;
  QTest::newRow("repeated: the copy filed last") << apple << Row::Revenue << "FY2019" << "260,174.0" << "2018-09-30 to 2019-09-28\n10-K filed 2021-10-29, accession 0000320193-21-000105";
  QTest::newRow("older tag for an older year") << apple << Row::Revenue << "FY2016" << "215,639.0" << "us-gaap:SalesRevenueNet\n";
  QTest::newRow("newer tag where both") << apple << Row::Revenue << "FY2017" << "229,234.0" << "us-gaap:RevenueFromContractWithCustomerExcludingAssessedTax\n";
  QTest::newRow("restated after a split") << apple << Row::EarningsPerShare << "FY2019" << "2.97" << "Restated: 2.97 in this filing; 11.89 in 10-K filed 2019-10-31, accession 0000320193-19-000119";
  QTest::newRow("restated cash flow") << apple << Row::OperatingCashFlow << "FY2017" << "64,225.0" << "63,598.0 in 10-K filed 2017-11-03";
  QTest::newRow("free cash flow") << apple << Row::FreeCashFlow << "FY2021" << "92,953.0" << "Free cash flow = operating cash flow − capital spending\n= 104,038.0 − 11,085.0";
  QTest::newRow("book value per share") << apple << Row::BookValuePerShare << "FY2021" << "3.74" << "= 63,090.0 ÷ 16,864.9";
  QTest::newRow("return on equity") << apple << Row::ReturnOnEquity << "FY2021" << "150.1%" << "= 94,680.0 ÷ 63,090.0";
  QTest::newRow("return on capital") << apple << Row::ReturnOnCapital << "FY2021" << "55.0%" << "= 94,680.0 ÷ (63,090.0 + 109,106.0)";
  QTest::newRow("debt in years of cash") << apple << Row::DebtToFreeCashFlow << "FY2021" << "1.2" << "= 109,106.0 ÷ 92,953.0";
  QTest::newRow("balance not reported") << apple << Row::Equity << "FY2015" << "—" << "Not reported";
  QTest::newRow("derived without a figure") << apple << Row::ReturnOnCapital << "FY2015" << "—" << "Cannot be computed: no figure for shareholders' equity";
  QTest::newRow("year ending in January") << walmart << Row::Revenue << "FY2023" << "611,289.0" << "2022-02-01 to 2023-01-31";
  QTest::newRow("quarterly report saying FY") << walmart << Row::NetIncome << "FY2022" << "13,673.0" << "10-K filed 2023-03-17";
  QTest::newRow("restated by the next 10-K") << kraft << Row::Revenue << "FY2017" << "26,076.0" << "Restated: 26,076.0 in this filing; 26,232.0 in 10-K filed 2018-02-16, accession 0001637459-18-000014";
  QTest::newRow("53-week year to 3 January") << kraft << Row::Revenue << "FY2015" << "18,338.0" << "2014-12-29 to 2016-01-03";
  QTest::newRow("loss") << kraft << Row::NetIncome << "FY2018" << "-10,192.0" << "us-gaap:NetIncomeLoss";
  QTest::newRow("loss per share") << kraft << Row::EarningsPerShare << "FY2018" << "-8.36" << "2017-12-31 to 2018-12-29";
  QTest::newRow("negative return") << kraft << Row::ReturnOnEquity << "FY2018" << "-19.7%" << "= -10,192.0 ÷ 51,657.0";
  QTest::newRow("negative free cash flow") << kraft << Row::FreeCashFlow << "FY2017" << "-690.0" << "= 527.0 − 1,217.0";
  QTest::newRow("debt over negative cash") << kraft << Row::DebtToFreeCashFlow << "FY2017" << "—" << "Cannot be computed: free cash flow is not positive";
  QTest::newRow("share classes, no total") << alphabet << Row::Shares << "FY2023" << "—" << "Reported per share class, with no total for all classes";
  QTest::newRow("per share from classes") << alphabet << Row::BookValuePerShare << "FY2022" << "—" << "Cannot be computed: the shares are reported per share class";
  QTest::newRow("no cover that year") << alphabet << Row::Shares << "FY2021" << "—" << "Not reported";
  QTest::newRow("IFRS revenue") << sap << Row::Revenue << "FY2023" << "31,207.0" << "ifrs-full:Revenue\n2023-01-01 to 2023-12-31\n20-F filed 2024-02-29";
  QTest::newRow("IFRS diluted shares") << sap << Row::Shares << "FY2022" << "1,172.0" << "ifrs-full:AdjustedWeightedAverageShares";
  QTest::newRow("IFRS borrowings") << sap << Row::LongTermDebt << "FY2023" << "7,283.0" << "ifrs-full:LongtermBorrowings";
  QTest::newRow("IFRS per share") << sap << Row::EarningsPerShare << "FY2023" << "5.13" << "ifrs-full:DilutedEarningsLossPerShare";
}
// clang-format on

void TestCompanyFacts::fixtureCells() {
  QFETCH(QString, cik);
  QFETCH(Row, row);
  QFETCH(QString, year);
  QFETCH(QString, text);
  QFETCH(QString, toolTip);
  const HistoryTable table = fixtureTable(cik);
  const qsizetype column = joinedYears(table).split(u' ').indexOf(year);
  QVERIFY2(column >= 0, qPrintable(joinedYears(table)));
  const Cell &cell = table.cell(row, column);
  QCOMPARE(cell.text, text);
  QVERIFY2(cell.toolTip.contains(toolTip), qPrintable(cell.toolTip));
  QCOMPARE(cell.restated, toolTip.startsWith(u"Restated") || toolTip.contains(u"in 10-K filed"));
}

void TestCompanyFacts::fixtureTables_data() {
  QTest::addColumn<QString>("cik");
  QTest::addColumn<bool>("adjust");
  QTest::addColumn<QString>("years");
  QTest::addColumn<QString>("currency");
  QTest::addColumn<QString>("shares");
  QTest::addColumn<QString>("notes");

  QTest::newRow("split as filed")
      << u"0000320193"_s << false << "FY2015 FY2016 FY2017 FY2018 FY2019 FY2020 FY2021"
      << "USD"
      << "5,793.1 5,500.3 5,251.7 20,000.4 18,595.7 17,528.2 16,864.9"
      << "Possible 4-for-1 split between FY2017 and FY2018: earlier per-share figures are as "
         "filed";
  QTest::newRow("split adjusted")
      << u"0000320193"_s << true << "FY2015 FY2016 FY2017 FY2018 FY2019 FY2020 FY2021"
      << "USD"
      << "23,172.3 22,001.1 21,006.8 20,000.4 18,595.7 17,528.2 16,864.9"
      << "Possible 4-for-1 split between FY2017 and FY2018: earlier per-share figures are "
         "adjusted for it";
  QTest::newRow("January years") << u"0000104169"_s << false << "FY2020 FY2021 FY2022 FY2023"
                                 << "USD"
                                 << "2,868.0 2,847.0 2,792.0 2,724.0"
                                 << "";
  QTest::newRow("share classes")
      << u"0001652044"_s << false << "FY2020 FY2021 FY2022 FY2023"
      << "USD"
      << "— — — —"
      << "Shares are reported per share class, with no total for all classes, in FY2022, "
         "FY2023: book value per share is not computed for those years";
  QTest::newRow("euros, not the dollar translation")
      << u"0001000184"_s << false << "FY2021 FY2022 FY2023"
      << "EUR"
      << "1,180.0 1,172.0 1,168.0"
      << "";
}

void TestCompanyFacts::fixtureTables() {
  QFETCH(QString, cik);
  QFETCH(bool, adjust);
  const HistoryTable table = fixtureTable(cik, adjust);
  QTEST(joinedYears(table), "years");
  QTEST(table.currency, "currency");
  QTEST(joinedTexts(table, Row::Shares), "shares");
  QTEST(table.notes.join(u'\n'), "notes");
  for (const QList<Cell> &row : table.rows)
    QCOMPARE(row.size(), table.years.size());
}

// clang-format off
void TestCompanyFacts::traps_data() {
  QTest::addColumn<QStringList>("facts");
  QTest::addColumn<Row>("row");
  QTest::addColumn<QString>("years");
  QTest::addColumn<QString>("texts");
  QTest::addColumn<QString>("toolTip"); // a part of the last cell's, or "!text" for its absence
  QTest::addColumn<QString>("notes");

  const QString y22 = kNi + "2022-01-01 2022-12-31 ";
  QTest::newRow("prior years under one fy") << QStringList{kNi + "2020-01-01 2020-12-31 1 10-K 2022-02-01 a", kNi + "2021-01-01 2021-12-31 2 10-K 2022-02-01 a", y22 + "3 10-K 2023-02-01 b", kNi + "2021-01-01 2021-12-31 2 10-K 2023-02-01 b"} << Row::NetIncome << "FY2020 FY2021 FY2022" << "1.0 2.0 3.0" << "!Restated" << "";
  QTest::newRow("quarterly report saying FY") << QStringList{y22 + "100 10-K 2023-02-01 a", kNi + "2022-07-01 2023-06-30 999 10-Q 2023-08-01 q"} << Row::NetIncome << "FY2022" << "100.0" << "10-K filed" << "";
  QTest::newRow("a quarter in an annual report") << QStringList{y22 + "100 10-K 2023-02-01 a", kNi + "2023-01-01 2023-03-31 7 10-K 2023-02-01 a"} << Row::NetIncome << "FY2022" << "100.0" << "" << "";
  QTest::newRow("53 weeks to 1 January") << QStringList{kNi + "2021-12-27 2023-01-01 5 10-K 2023-03-01 a"} << Row::NetIncome << "FY2022" << "5.0" << "2021-12-27 to 2023-01-01" << "";
  QTest::newRow("year end moved: recast year left out") << QStringList{kNi + "2018-10-01 2019-09-30 10 10-K 2019-11-01 a", kNi + "2020-01-01 2020-12-31 12 10-K 2021-02-01 b", kNi + "2019-01-01 2019-12-31 11 10-K 2021-02-01 b"} << Row::NetIncome << "FY2019 FY2020" << "10.0 12.0" << "" << "";
  QTest::newRow("amendment filed later") << QStringList{y22 + "100 10-K 2023-02-01 a", y22 + "120 10-K/A 2023-05-01 b"} << Row::NetIncome << "FY2022" << "120.0" << "Restated: 120.0 in this filing; 100.0 in 10-K filed 2023-02-01, accession a" << "";
  QTest::newRow("identical copies not restated") << QStringList{y22 + "100 10-K 2023-02-01 a", y22 + "100 10-K 2024-02-01 b", y22 + "100 10-K 2024-02-01 b"} << Row::NetIncome << "FY2022" << "100.0" << "!Restated" << "";
  QTest::newRow("beyond 2^53") << QStringList{y22 + "12345678901234.56789 10-K 2023-02-01 a"} << Row::NetIncome << "FY2022" << "12,345,678,901,234.6" << "" << "";
  QTest::newRow("decimals") << QStringList{y22 + "1.23456 10-K 2023-02-01 a", kEps + "2022-01-01 2022-12-31 -0.005 10-K 2023-02-01 a"} << Row::EarningsPerShare << "FY2022" << "-0.01" << "" << "";
  QTest::newRow("balance on the year's end") << QStringList{y22 + "1 10-K 2023-02-01 a", kEquity + "2022-12-31 50 10-K 2023-02-01 a", kEquity + "2022-09-30 40 10-Q 2022-11-01 q"} << Row::Equity << "FY2022" << "50.0" << "at 2022-12-31" << "";
  QTest::newRow("balance a day after") << QStringList{y22 + "1 10-K 2023-02-01 a", kEquity + "2023-01-01 50 10-K 2023-02-01 a"} << Row::Equity << "FY2022" << "50.0" << "at 2023-01-01" << "";
  QTest::newRow("balance with start on its end") << QStringList{y22 + "1 10-K 2023-02-01 a", "us-gaap:StockholdersEquity USD 2022-12-31 2022-12-31 50 10-K 2023-02-01 a"} << Row::Equity << "FY2022" << "50.0" << "" << "";
  QTest::newRow("cover of that year's report") << QStringList{y22 + "1 10-K 2023-02-01 a", kNi + "2023-01-01 2023-12-31 1 10-K 2024-02-01 b", kCover + "2023-01-20 300 10-K 2023-02-01 a", kCover + "2024-01-10 280 10-K 2024-02-01 b"} << Row::Shares << "FY2022 FY2023" << "300.0 280.0" << "at 2024-01-10" << "";
  QTest::newRow("weighted average before cover") << QStringList{y22 + "1 10-K 2023-02-01 a", kAverage + "2022-01-01 2022-12-31 310 10-K 2023-02-01 a", kCover + "2023-01-20 300 10-K 2023-02-01 a"} << Row::Shares << "FY2022" << "310.0" << "WeightedAverageNumberOfDilutedSharesOutstanding" << "";
  QTest::newRow("other currency left out") << QStringList{y22 + "1 10-K 2023-02-01 a", kNi + "2021-01-01 2021-12-31 2 10-K 2023-02-01 a", "us-gaap:NetIncomeLoss EUR 2020-01-01 2020-12-31 9 10-K 2021-02-01 c"} << Row::NetIncome << "FY2021 FY2022" << "2.0 1.0" << "" << "";
  QTest::newRow("fields missing or of the wrong type") << QStringList{y22 + "1 10-K 2023-02-01 a", kNi + "2021-01-01 2021-12-31 2 10-K 2023-13-01 a", kNi + "2021-12-31 2021-01-01 3 10-K 2023-02-01 a"} << Row::NetIncome << "FY2022" << "1.0" << "" << "";
  QTest::newRow("3-for-2 split") << QStringList{kEps + "2021-01-01 2021-12-31 3 10-K 2022-02-01 a", kEps + "2022-01-01 2022-12-31 2.2 10-K 2023-02-01 b", kAverage + "2021-01-01 2021-12-31 100 10-K 2022-02-01 a", kAverage + "2022-01-01 2022-12-31 151 10-K 2023-02-01 b"} << Row::Shares << "FY2021 FY2022" << "100.0 151.0" << "" << "Possible 3-for-2 split between FY2021 and FY2022: earlier per-share figures are as filed";
  QTest::newRow("reverse split") << QStringList{kEps + "2021-01-01 2021-12-31 1 10-K 2022-02-01 a", kEps + "2022-01-01 2022-12-31 9 10-K 2023-02-01 b", kAverage + "2021-01-01 2021-12-31 100 10-K 2022-02-01 a", kAverage + "2022-01-01 2022-12-31 10 10-K 2023-02-01 b"} << Row::Shares << "FY2021 FY2022" << "100.0 10.0" << "" << "Possible 1-for-10 reverse split between FY2021 and FY2022: earlier per-share figures are as filed";
  QTest::newRow("shares doubled, earnings too: no split") << QStringList{kEps + "2021-01-01 2021-12-31 1 10-K 2022-02-01 a", kEps + "2022-01-01 2022-12-31 1.1 10-K 2023-02-01 b", kAverage + "2021-01-01 2021-12-31 100 10-K 2022-02-01 a", kAverage + "2022-01-01 2022-12-31 200 10-K 2023-02-01 b"} << Row::Shares << "FY2021 FY2022" << "100.0 200.0" << "" << "";
}
// clang-format on

void TestCompanyFacts::traps() {
  QFETCH(QStringList, facts);
  QFETCH(Row, row);
  QFETCH(QString, toolTip);
  const CompanyFactsRead read = readCompanyFacts(factsDocument(facts));
  QVERIFY2(read.facts, qPrintable(read.error));
  const HistoryTable table = historyTable(*read.facts);
  QTEST(joinedYears(table), "years");
  QTEST(joinedTexts(table, row), "texts");
  QTEST(table.notes.join(u'\n'), "notes");
  const QString last = table.rows[int(row)].constLast().toolTip;
  if (toolTip.startsWith(u'!'))
    QVERIFY2(!last.contains(toolTip.mid(1)), qPrintable(last));
  else
    QVERIFY2(last.contains(toolTip), qPrintable(last));
}

void TestCompanyFacts::refused_data() {
  QTest::addColumn<QByteArray>("body");
  QTest::addColumn<QString>("error");

  const QByteArray fact = R"({"start":"2022-01-01","end":"2022-12-31","val":1,"accn":"a",)"
                          R"("form":"10-K","filed":"2023-02-01"})";
  QTest::newRow("empty") << QByteArray() << "It is not valid JSON text.";
  QTest::newRow("cut short") << QByteArray(R"({"cik":1,"facts":{"us-gaap":{)")
                             << "It is not valid JSON text.";
  QTest::newRow("text after it") << QByteArray(R"({"facts":{}} x)") << "It is not valid JSON text.";
  QTest::newRow("control character")
      << QByteArray("{\"facts\":{},\"n\":\"a\tb\"}") << "It is not valid JSON text.";
  QTest::newRow("nested too deep")
      << QByteArray(R"({"facts":{},"x":)") + QByteArray(2000, '[') + QByteArray(2000, ']') + '}'
      << "It is not valid JSON text.";
  QTest::newRow("an array") << QByteArray("[1]")
                            << "It is not a company's reported figures from the SEC.";
  QTest::newRow("no facts") << QByteArray(R"({"cik":1})")
                            << "It is not a company's reported figures from the SEC.";
  QTest::newRow("facts not an object")
      << QByteArray(R"({"facts":[]})") << "It is not a company's reported figures from the SEC.";
  QTest::newRow("over 200 MB") << QByteArray(kMaxFactsBodyBytes + 1, ' ')
                               << "It is larger than 200 MB.";
  QTest::newRow("a concept capped") // read, with a note
      << R"({"facts":{"us-gaap":{"NetIncomeLoss":{"units":{"USD":[)" +
             (fact + ',').repeated(kMaxFactsPerConcept) + fact + "]}}}}}"
      << "Only the first 10,000 facts of us-gaap:NetIncomeLoss were read";
}

void TestCompanyFacts::refused() {
  QFETCH(QByteArray, body);
  QFETCH(QString, error);
  const CompanyFactsRead read = readCompanyFacts(body);
  if (read.facts) {
    QCOMPARE(read.facts->concepts.value(u"us-gaap:NetIncomeLoss"_s).byUnit.value(u"USD"_s).size(),
             kMaxFactsPerConcept);
    QCOMPARE(historyTable(*read.facts).notes, QStringList{error});
  } else {
    QCOMPARE(read.error, error);
  }
}

QTEST_GUILESS_MAIN(TestCompanyFacts)
#include "tst_company_facts.moc"
