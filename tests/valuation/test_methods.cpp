// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The workbench's methods against the worked example of the workbench and
// published worked examples; the reasons a value cannot be computed; the
// money and percent texts; what the workbench takes from the calculator page.
#include "valuation/methods.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace kelvo::valuation;

namespace {

// "E g n r t B Y P m", "_" for an empty box.
WorkbenchInputs inputs(const QString &text) {
  const QStringList parts = text.split(u' ');
  WorkbenchInputs in;
  std::optional<double> *boxes[] = {&in.earnings,  &in.growth,      &in.years,
                                    &in.discount,  &in.growthAfter, &in.bookValue,
                                    &in.bondYield, &in.price,       &in.margin};
  for (int i = 0; i < parts.size() && i < 9; ++i)
    *boxes[i] = readWorkbenchInput(parts[i].toStdString());
  return in;
}

QString shown(const Figure &f) {
  return f.ok() ? QString::fromStdString(formatMoney(f.value))
                : QStringLiteral("reason %1").arg(int(f.reason));
}
QString reason(Reason r) { return QStringLiteral("reason %1").arg(int(r)); }

const QString kExample = QStringLiteral("10 4 10 10 2.5 50 4.4 _ 25");

} // namespace

class TestMethods : public QObject {
  Q_OBJECT

private slots:
  void methods_data();
  void methods();
  void marginAndBuyBelow_data();
  void marginAndBuyBelow();
  void texts_data();
  void texts();
  void fromCalculator_data();
  void fromCalculator();
  void sensitivity();
  void chart();
};

// clang-format off
void TestMethods::methods_data() {
  QTest::addColumn<QString>("in");
  QTest::addColumn<int>("method");
  QTest::addColumn<QString>("expected");
  const int wiz = int(Method::WizardEstimate), gf = int(Method::GrahamFormula),
            gn = int(Method::GrahamNumber), de = int(Method::DiscountedEarnings),
            epv = int(Method::EarningsPower);
  // The workbench's worked example: E 10, g 4, n 10, r 10, t 2.5, Y 4.4, B 50.
  QTest::newRow("example graham formula") << kExample << gf << "$165.00";
  QTest::newRow("example discounted") << kExample << de << "$152.41";
  QTest::newRow("example earnings power") << kExample << epv << "$100.00";
  QTest::newRow("example graham number") << kExample << gn << "$106.07";
  QTest::newRow("example wizard") << kExample << wiz << "$5.39"; // 10 x 0.94^10
  // Graham's formula with the bond-yield adjustment (Graham, 1974 revision of
  // The Intelligent Investor ch. 11's 8.5 + 2g): EPS 150, g 12, Y 4.22 gives
  // 5,082.94 (mymathtables.com, Benjamin Graham's calculator).
  QTest::newRow("graham formula published") << "150 12 _ _ _ _ 4.22" << gf << "$5,082.94";
  // Graham number: EPS 4.00, BVPS 3.50 gives 17.748 (calculator.academy,
  // Graham Number Calculator); EPS 2.50, BVPS 17.92 gives 31.75
  // (captaincalculator.com, Graham Number).
  QTest::newRow("graham number published 1") << "4 _ _ _ _ 3.5" << gn << "$17.75";
  QTest::newRow("graham number published 2") << "2.5 _ _ _ _ 17.92" << gn << "$31.75";
  // Textbook identities of discounting: with no growth the stream is a
  // perpetuity C/r; with g = t it is Gordon's growing perpetuity E(1+g)/(r-g).
  QTest::newRow("perpetuity") << "1 0 1 10 0" << de << "$10.00";
  QTest::newRow("gordon growth") << "2 5 5 10 5" << de << "$42.00";
  // Earnings power value, earnings over the cost of capital (Greenwald et al.,
  // Value Investing: From Graham to Buffett and Beyond, 2001).
  QTest::newRow("earnings power") << "100 _ _ 8" << epv << "$1,250.00";
  QTest::newRow("negative earnings") << "-2 4 10 10 2.5 50 4.4" << gf << "-$33.00";
  // Values that cannot be computed, with the reason.
  QTest::newRow("no earnings") << "_ 4 10 10 2.5 50 4.4" << gn << reason(Reason::NeedsEarnings);
  QTest::newRow("no book value") << "10 4 10 10 2.5 _ 4.4" << gn << reason(Reason::NeedsPositiveBookValue);
  QTest::newRow("zero book value") << "10 4 10 10 2.5 0 4.4" << gn << reason(Reason::NeedsPositiveBookValue);
  QTest::newRow("loss, graham number") << "-1 4 10 10 2.5 50 4.4" << gn << reason(Reason::NeedsPositiveEarnings);
  QTest::newRow("zero bond yield") << "10 4 10 10 2.5 50 0" << gf << reason(Reason::NeedsPositiveBondYield);
  QTest::newRow("r equals t") << "10 4 10 2.5 2.5" << de << reason(Reason::NeedsDiscountAboveGrowthAfter);
  QTest::newRow("fractional years") << "10 4 10.5 10 2.5" << de << reason(Reason::NeedsWholeYears);
  QTest::newRow("101 years") << "10 4 101 10 2.5" << de << reason(Reason::NeedsWholeYears);
  QTest::newRow("100 years") << "10 4 100 10 2.5" << de << "$173.20";
  QTest::newRow("r at -100%") << "10 4 10 -100 -200" << de << reason(Reason::NeedsDiscountAboveMinus100);
  QTest::newRow("no growth after") << "10 4 10 10 _" << de << reason(Reason::NeedsGrowthAfter);
  QTest::newRow("zero discount") << "10 4 10 0" << epv << reason(Reason::NeedsPositiveDiscountRate);
  QTest::newRow("no discount") << "10 4 10 _" << wiz << reason(Reason::NeedsDiscountRate);
  QTest::newRow("negative base, half year") << "10 -150 0.5 50" << wiz << reason(Reason::Undefined);
  QTest::newRow("overflowing power") << "1 1000 400 0" << wiz << reason(Reason::TooLarge);
  QTest::newRow("beyond shown") << "1e300 _ _ 10" << epv << reason(Reason::TooLarge);
  QTest::newRow("unreadable earnings") << "ten 4 10 10" << epv << reason(Reason::NeedsEarnings);
}
// clang-format on

void TestMethods::methods() {
  QFETCH(QString, in);
  QFETCH(int, method);
  QFETCH(QString, expected);
  QCOMPARE(shown(methodValue(Method(method), inputs(in))), expected);
}

// clang-format off
void TestMethods::marginAndBuyBelow_data() {
  QTest::addColumn<QString>("in"); // value per share as E with r 100 (E/r = E)
  QTest::addColumn<QString>("margin");
  QTest::addColumn<QString>("buyBelow");
  QTest::newRow("bargain") << "200 _ _ 100 _ _ _ 128.8 25" << "35.6%" << "$150.00";
  QTest::newRow("dear") << "100 _ _ 100 _ _ _ 150 25" << "-50.0%" << "$75.00";
  QTest::newRow("at value") << "100 _ _ 100 _ _ _ 100 0" << "0.0%" << "$100.00";
  QTest::newRow("no price") << "100 _ _ 100 _ _ _ _ 25" << reason(Reason::NeedsPrice) << "$75.00";
  QTest::newRow("zero price") << "100 _ _ 100 _ _ _ 0 25" << reason(Reason::NeedsPositivePrice) << "$75.00";
  QTest::newRow("negative value") << "-5 _ _ 100 _ _ _ 10 25" << reason(Reason::NoPositiveValue) << reason(Reason::NoPositiveValue);
  QTest::newRow("zero value") << "0 _ _ 100 _ _ _ 10 25" << reason(Reason::NoPositiveValue) << reason(Reason::NoPositiveValue);
  QTest::newRow("margin over 100") << "100 _ _ 100 _ _ _ 10 120" << "90.0%" << reason(Reason::NeedsMarginFrom0To100);
  QTest::newRow("no margin") << "100 _ _ 100 _ _ _ 10 _" << "90.0%" << reason(Reason::NeedsMargin);
  QTest::newRow("tiny value, huge price") << "1e-9 _ _ 100 _ _ _ 1e9 25" << reason(Reason::TooLarge) << "$0.00";
  QTest::newRow("no value") << "_ _ _ 100 _ _ _ 10 25" << reason(Reason::NeedsEarnings) << reason(Reason::NeedsEarnings);
}
// clang-format on

void TestMethods::marginAndBuyBelow() {
  QFETCH(QString, in);
  QFETCH(QString, margin);
  QFETCH(QString, buyBelow);
  const WorkbenchInputs i = inputs(in);
  const Figure value = earningsPowerValue(i);
  const Figure m = marginOfSafety(value, i);
  QCOMPARE(m.ok() ? QString::fromStdString(formatPercent(m.value)) : reason(m.reason), margin);
  QCOMPARE(shown(kelvo::valuation::buyBelow(value, i)), buyBelow);
}

// clang-format off
void TestMethods::texts_data() {
  QTest::addColumn<double>("value");
  QTest::addColumn<QString>("money");
  QTest::addColumn<QString>("percent"); // of value as a fraction
  constexpr double inf = std::numeric_limits<double>::infinity();
  QTest::newRow("grouped") << 1234.56 << "$1,234.56" << "123,456.0%";
  QTest::newRow("negative") << -1234.56 << "-$1,234.56" << "-123,456.0%";
  QTest::newRow("fraction") << 0.356 << "$0.36" << "35.6%";
  QTest::newRow("half cent up") << 0.125 << "$0.13" << "12.5%";
  QTest::newRow("negative zero") << -0.0004 << "$0.00" << "0.0%";
  QTest::newRow("trillion") << 1e12 << "$1,000,000,000,000.00" << "";
  QTest::newRow("too large") << 2e13 << "" << "";
  QTest::newRow("inf") << inf << "" << "";
  QTest::newRow("nan") << std::nan("") << "" << "";
}
// clang-format on

void TestMethods::texts() {
  QFETCH(double, value);
  QFETCH(QString, money);
  QFETCH(QString, percent);
  QCOMPARE(QString::fromStdString(formatMoney(value)), money);
  QCOMPARE(QString::fromStdString(formatPercent(value)), percent);
}

// clang-format off
void TestMethods::fromCalculator_data() {
  QTest::addColumn<QStringList>("page"); // rate, years, earnings, future value, shares, per share
  QTest::addColumn<QString>("eps");
  QTest::addColumn<QString>("growth");
  QTest::addColumn<QString>("wizard"); // whole dollars, as the page shows its per-share result
  // The calculator page's own worked examples, discount rate 10.
  QTest::newRow("initial") << QStringList{"4", "20", "1,000,000", "", "100", ""} << "10000" << "14" << "$21,911";
  QTest::newRow("seven percent") << QStringList{"7", "10", "250000", "", "1000", ""} << "250" << "17" << "$492";
  QTest::newRow("shrinking") << QStringList{"-2", "5", "500,000", "", "50", ""} << "10000" << "8" << "$9,039";
  QTest::newRow("fractions") << QStringList{"12.5", "7.5", "80,000", "$193,524", "3", "$64,508"} << "26666.6666666667" << "22.5" << "$64,508";
  QTest::newRow("rate with percent") << QStringList{"4%", "20 years", "$1,000,000", "", "100", ""} << "10000" << "14" << "$21,911";
  QTest::newRow("zero shares") << QStringList{"4", "20", "1,000,000", "", "0", ""} << "" << "14" << "";
  QTest::newRow("no shares") << QStringList{"4", "20", "1,000,000", "", "", ""} << "" << "14" << "";
  QTest::newRow("unreadable earnings") << QStringList{"4", "20", "a lot", "", "100", ""} << "" << "14" << "";
}
// clang-format on

void TestMethods::fromCalculator() {
  QFETCH(QStringList, page);
  QFETCH(QString, eps);
  QFETCH(QString, growth);
  QFETCH(QString, wizard);
  const CalculatorFields fields{page[0].toStdString(), page[1].toStdString(),
                                page[2].toStdString(), page[3].toStdString(),
                                page[4].toStdString(), page[5].toStdString()};
  const CalculatorInputs got = inputsFromCalculator(fields, 10.0);
  QCOMPARE(got.earnings ? QString::fromStdString(plainNumberText(*got.earnings)) : QString(), eps);
  QCOMPARE(QString::fromStdString(plainNumberText(got.growth.value_or(0))), growth);
  if (wizard.isEmpty())
    return;
  WorkbenchInputs in;
  in.earnings = got.earnings;
  in.growth = got.growth;
  in.years = got.years;
  in.discount = 10.0;
  const Figure estimate = wizardEstimate(in);
  QVERIFY(estimate.ok());
  QCOMPARE(QString::fromStdString(formatDollars(estimate.value)), wizard);
  // ...which is what the page itself shows after "Estimate the Intrinsic Value".
  QCOMPARE(QString::fromStdString(estimateIntrinsicValue(fields).fields.perShare), wizard);
}

void TestMethods::sensitivity() {
  WorkbenchInputs in = inputs(kExample);
  in.price = 150.0; // bargain where value x 0.75 >= 150, i.e. value >= 200
  const SensitivityGrid grid = sensitivityGrid(in);
  QCOMPARE(grid.discountRates[0], 8.0);
  QCOMPARE(grid.discountRates[4], 12.0);
  QCOMPARE(grid.growthRates[0], 0.0);
  QCOMPARE(grid.growthRates[4], 8.0);
  QCOMPARE(shown(grid.cells[2][2]), shown(discountedEarnings(in)));
  QCOMPARE(shown(grid.cells[2][2]), QStringLiteral("$152.41"));
  QCOMPARE(shown(grid.cells[0][0]), QStringLiteral("$153.42"));
  QCOMPARE(shown(grid.cells[4][4]), QStringLiteral("$157.32"));
  QCOMPARE(shown(grid.cells[0][4]), QStringLiteral("$286.36"));
  int bargains = 0;
  for (const auto &row : grid.bargain)
    for (bool b : row)
      bargains += b;
  QCOMPARE(bargains, 6); // 209.51, 244.95, 286.36 at r 8; 205.34, 238.90 at 9; 204.28 at 10
  QVERIFY(grid.bargain[0][2] && grid.bargain[1][4] && !grid.bargain[1][2] && grid.bargain[2][4] &&
          !grid.bargain[2][3]);

  in.years = 10.5;
  QCOMPARE(sensitivityGrid(in).cells[1][3].reason, Reason::NeedsWholeYears);
  in.years = 10;
  in.growthAfter = 8.0; // the row of r - 2 is no longer above it
  const SensitivityGrid steep = sensitivityGrid(in);
  QCOMPARE(steep.cells[0][0].reason, Reason::NeedsDiscountAboveGrowthAfter);
  QVERIFY(steep.cells[1][0].ok());
  in.discount.reset();
  QVERIFY(!sensitivityGrid(in).discountRates[2]);
}

void TestMethods::chart() {
  WorkbenchInputs in = inputs(kExample);
  in.price = 120.0;
  const ChartSeries chart = chartSeries(in);
  QCOMPARE(int(chart.growthRates.size()), kChartPoints);
  QCOMPARE(chart.growthRates.front(), -6.0);
  QCOMPARE(chart.growthRates.back(), 14.0);
  QCOMPARE(chart.price, 120.0);
  const auto &formula = chart.values[int(Method::GrahamFormula)];
  QCOMPARE(QString::fromStdString(formatMoney(*formula[kChartPoints / 2])), "$165.00");
  QCOMPARE(QString::fromStdString(formatMoney(*formula.front())), "-$35.00"); // 8.5 - 12
  const auto &number = chart.values[int(Method::GrahamNumber)];
  QCOMPARE(number.front(), number.back()); // does not depend on g
  in.growth.reset();
  QVERIFY(chartSeries(in).growthRates.empty());
}

QTEST_APPLESS_MAIN(TestMethods)
#include "test_methods.moc"
