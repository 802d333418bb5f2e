// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The workbench's methods against the worked example of the workbench and
// published worked examples; the reasons a value cannot be computed; the
// money and percent texts; what the workbench takes from the calculator page;
// the chart's ticks.
#include "valuation/chart_axis.h"
#include "valuation/methods.h"

#include <QTest>

#include <array>
#include <cmath>
#include <limits>

using namespace kelvo::valuation;

namespace {

// "E g n r t B Y P m", "_" for an empty box.
WorkbenchInputs inputs(const QString &text) {
  const QStringList parts = text.split(u' ');
  std::array<std::string, kInputCount> texts;
  std::array<std::string_view, kInputCount> views;
  for (int i = 0; i < parts.size() && i < kInputCount; ++i)
    views[i] = texts[i] = parts[i] == QLatin1String("_") ? "" : parts[i].toStdString();
  return readWorkbenchInputs(views);
}

QString line(const std::array<std::optional<double>, kGridSize> &rates) {
  QStringList out;
  for (const std::optional<double> &r : rates)
    out << (r ? QString::number(*r) : QStringLiteral("_"));
  return out.join(u' ');
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
  void sensitivityRates_data();
  void sensitivityRates();
  void chart();
  void axisTicks_data();
  void axisTicks();
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
  // A loss has no value but by the calculator page's own formula.
  QTest::newRow("loss, graham formula") << "-2 4 10 10 2.5 50 4.4" << gf << reason(Reason::NeedsPositiveEarnings);
  QTest::newRow("loss, discounted") << "-2 4 10 10 2.5 50 4.4" << de << reason(Reason::NeedsPositiveEarnings);
  QTest::newRow("loss, earnings power") << "-2 4 10 10 2.5 50 4.4" << epv << reason(Reason::NeedsPositiveEarnings);
  QTest::newRow("loss, wizard") << "-2 4 10 10 2.5 50 4.4" << wiz << "-$1.08";
  // Rates and years within what a valuation can need.
  QTest::newRow("growth 1,000%") << "1 1000 _ _ _ _ 4.4" << gf << "$2,008.50";
  QTest::newRow("growth over 1,000%") << "1 1000.5 _ _ _ _ 4.4" << gf << reason(Reason::NeedsGrowthInRange);
  QTest::newRow("discount over 1,000%") << "10 _ _ 1001" << epv << reason(Reason::NeedsDiscountInRange);
  QTest::newRow("negative discount") << "10 4 10 -1 -200" << de << reason(Reason::NeedsDiscountInRange);
  QTest::newRow("101 years, wizard") << "10 4 101 10" << wiz << reason(Reason::NeedsYearsInRange);
  QTest::newRow("growth after below -100%") << "10 4 10 10 -101" << de << reason(Reason::NeedsGrowthAfterInRange);
  // A comma only between groups of three digits, else refused where the box is needed.
  QTest::newRow("decimal comma") << "3,20 4 10 10 2.5 50 4.4" << gf << reason(Reason::CommaForDecimals);
  QTest::newRow("decimal comma, unused box") << "10 4 10 10 2.5 5,0 4.4" << epv << "$100.00";
  QTest::newRow("group of two") << "12,34,567 _ _ 10" << epv << reason(Reason::CommaForDecimals);
  QTest::newRow("point, then comma") << "1.000,50 _ _ 10" << epv << reason(Reason::CommaForDecimals);
  QTest::newRow("thousands and cents") << "1,250.50 _ _ 10" << epv << "$12,505.00";
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
  QTest::newRow("no growth after") << "10 4 10 10 _" << de << reason(Reason::NeedsGrowthAfter);
  QTest::newRow("zero discount") << "10 4 10 0" << epv << reason(Reason::NeedsPositiveDiscountRate);
  QTest::newRow("no discount") << "10 4 10 _" << wiz << reason(Reason::NeedsDiscountRate);
  QTest::newRow("negative base, half year") << "10 -90 0.5 50" << wiz << reason(Reason::Undefined);
  QTest::newRow("overflowing power") << "1 1000 100 0" << wiz << reason(Reason::TooLarge);
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
  QTest::newRow("negative value") << "-5 _ _ 100 _ _ _ 10 25" << reason(Reason::NeedsPositiveEarnings) << reason(Reason::NeedsPositiveEarnings);
  // A value shown as $0.00 has no margin: a price over it is no percentage.
  QTest::newRow("value of $0.00") << "0.004 _ _ 100 _ _ _ 10 25" << reason(Reason::NoPositiveValue) << reason(Reason::NoPositiveValue);
  QTest::newRow("value of a cent") << "0.005 _ _ 100 _ _ _ 10 25" << "-199,900.0%" << "$0.00";
  QTest::newRow("margin over 100") << "100 _ _ 100 _ _ _ 10 120" << "90.0%" << reason(Reason::NeedsMarginFrom0To100);
  QTest::newRow("no margin") << "100 _ _ 100 _ _ _ 10 _" << "90.0%" << reason(Reason::NeedsMargin);
  QTest::newRow("huge price") << "1 _ _ 100 _ _ _ 1e300 25" << reason(Reason::TooLarge) << "$0.75";
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
}

// The grid's rates, whole steps from the user's own, stay where discounting is
// defined: discount rates from 0 and above the growth after that, in range.
// clang-format off
void TestMethods::sensitivityRates_data() {
  QTest::addColumn<QString>("in");
  QTest::addColumn<QString>("down");
  QTest::addColumn<QString>("across");
  QTest::newRow("zero discount") << "10 4 10 0 2.5" << "3 4 5 6 7" << "0 2 4 6 8";
  QTest::newRow("falling after") << "10 4 10 1 -5" << "0 1 2 3 4" << "0 2 4 6 8";
  QTest::newRow("discount not above after") << "10 4 10 10 10.5" << "11 12 13 14 15" << "0 2 4 6 8";
  QTest::newRow("fractions") << "10 4 10 0.5 0.2" << "0.5 1.5 2.5 3.5 4.5" << "0 2 4 6 8";
  QTest::newRow("near the top") << "10 999 10 999 2.5" << "996 997 998 999 1000" << "991 993 995 997 999";
  QTest::newRow("growth near the floor") << "10 -99 10 10 2.5" << "8 9 10 11 12" << "-99 -97 -95 -93 -91";
  QTest::newRow("no discount, refused growth") << "10 1e17 10 _ 2.5" << "_ _ _ _ _" << "_ _ _ _ _";
}
// clang-format on

void TestMethods::sensitivityRates() {
  QFETCH(QString, in);
  const SensitivityGrid grid = sensitivityGrid(inputs(in));
  QTEST(line(grid.discountRates), "down");
  QTEST(line(grid.growthRates), "across");
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
  in.growth = 1e17;                        // far beyond what a valuation needs
  QVERIFY(chartSeries(in).growthRates.empty());
  QCOMPARE(chartSeries(in).reason, Reason::NeedsGrowthInRange);
  in.growth.reset();
  QVERIFY(chartSeries(in).growthRates.empty());
}

// Round ticks, never more than asked for, where a step cannot move the numbers too.
// clang-format off
void TestMethods::axisTicks_data() {
  QTest::addColumn<double>("low");
  QTest::addColumn<double>("high");
  QTest::addColumn<int>("most");
  QTest::addColumn<bool>("around"); // ticks that frame the range rather than fall within it
  QTest::addColumn<QString>("expected");
  QTest::newRow("growth 4") << -6.0 << 14.0 << 5 << false << "-5 0 5 10";
  QTest::newRow("ends on a tick") << 0.0 << 20.0 << 5 << false << "0 5 10 15 20";
  QTest::newRow("growth 1e17") << 1e17 - 10 << 1e17 + 10 << 5 << false << "1e+17";
  QTest::newRow("largest doubles") << -1.7e308 << 1.7e308 << 5 << false << "-1e+308 0 1e+308";
  QTest::newRow("framing largest doubles") << -1.7e308 << 1.7e308 << 5 << true << "";
  QTest::newRow("values") << -35.0 << 165.0 << 6 << true << "-50 0 50 100 150 200";
  QTest::newRow("cents apart") << 5.001 << 5.003 << 5 << true << "5 5.01";
  QTest::newRow("cents at 1e13") << 1e13 << 1e13 + 0.01 << 5 << true << "10000000000000 10000000000010";
}
// clang-format on

void TestMethods::axisTicks() {
  QFETCH(double, low);
  QFETCH(double, high);
  QFETCH(int, most);
  QFETCH(bool, around);
  const double finest = around ? 0.01 : 0.1; // cents down the side, tenths of a percent across
  const AxisTicks ticks =
      around ? ticksAround(low, high, most, finest) : ticksWithin(low, high, most, finest);
  QVERIFY(ticks.count <= most);
  QStringList shown;
  for (int i = 0; i < ticks.count; ++i)
    shown << QString::number(ticks.at(i), 'g', 15);
  QTEST(shown.join(u' '), "expected");
}

QTEST_APPLESS_MAIN(TestMethods)
#include "test_methods.moc"
