// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The calculator's number rules, dollar format and estimate, checked against
// hand-worked figures; the same texts must come out under a German or French
// locale.
#include "valuation/valuation.h"

#include <QTest>

#include <clocale>
#include <cmath>
#include <limits>

using namespace kelvo::valuation;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kNoAmount = kNaN; // table marker: the amount rule must fail

// Exact comparison: the rules promise the nearest double, not "close enough".
bool sameNumber(double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); }

QByteArray showText(double v) { return QByteArray::number(v, 'g', 17); }

CalculatorFields toFields(const QStringList &t) {
  return {t[0].toStdString(), t[1].toStdString(), t[2].toStdString(),
          t[3].toStdString(), t[4].toStdString(), t[5].toStdString()};
}

QStringList textsOf(const CalculatorFields &f) {
  return {QString::fromStdString(f.rate),     QString::fromStdString(f.years),
          QString::fromStdString(f.earnings), QString::fromStdString(f.futureValue),
          QString::fromStdString(f.shares),   QString::fromStdString(f.perShare)};
}

// Presses in order: E estimates, C clears. Returns the fields and the last
// estimate's message ("" for none).
std::pair<CalculatorFields, QString> pressAll(CalculatorFields f, const QString &presses) {
  QString message;
  for (QChar p : presses) {
    if (p == u'C') {
      f = kelvo::valuation::clearCalculator(f);
      continue;
    }
    EstimateResult r = kelvo::valuation::estimateIntrinsicValue(f);
    f = r.fields;
    message = r.message ? QString::fromStdString(*r.message) : QString();
  }
  return {f, message};
}

} // namespace

class TestValuation : public QObject {
  Q_OBJECT

private slots:
  void numberRules_data();
  void numberRules();
  void dollarsOfValue_data();
  void dollarsOfValue();
  void dollarsOfText_data();
  void dollarsOfText();
  void plainNumberText_data();
  void plainNumberText();
  void estimate_data();
  void estimate();
  void foreignLocale_data();
  void foreignLocale();
};

void TestValuation::numberRules_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<double>("leading");
  QTest::addColumn<double>("amount");

  QTest::newRow("grouped") << "1,000,000" << 1.0 << 1e6;
  QTest::newRow("dollar grouped") << "$2,191,123" << 0.0 << 2191123.0;
  QTest::newRow("dollar million") << "$1,000,000" << 0.0 << 1e6;
  QTest::newRow("plain") << "1000000" << 1e6 << 1e6;
  QTest::newRow("percent") << "4%" << 4.0 << kNoAmount;
  QTest::newRow("decimal comma") << "4,5" << 4.0 << 45.0;
  QTest::newRow("words after") << "20 years" << 20.0 << kNoAmount;
  QTest::newRow("shares word") << "100 shares" << 100.0 << kNoAmount;
  QTest::newRow("blank inside") << "1 000" << 1000.0 << kNoAmount;
  QTest::newRow("tab and line feed inside") << "1\t0\n0" << 100.0 << kNoAmount;
  QTest::newRow("blanks around") << "  100  " << 100.0 << 100.0;
  QTest::newRow("tabs and line feeds around") << "\t\n100 \n" << 100.0 << 100.0;
  QTest::newRow("carriage return ends leading") << "1\r2" << 1.0 << kNoAmount;
  QTest::newRow("sign after") << "100-" << 100.0 << -100.0;
  QTest::newRow("plus after") << "100+" << 100.0 << 100.0;
  QTest::newRow("sign before") << "-100" << -100.0 << -100.0;
  QTest::newRow("plus before") << "+5" << 5.0 << 5.0;
  QTest::newRow("blank after sign") << "- 5" << -5.0 << -5.0;
  QTest::newRow("two signs") << "--5" << 0.0 << kNoAmount;
  QTest::newRow("signs both sides") << "-5-" << -5.0 << kNoAmount;
  QTest::newRow("parentheses") << "(100)" << 0.0 << -100.0;
  QTest::newRow("parentheses dollar") << "($1,234)" << 0.0 << -1234.0;
  QTest::newRow("parentheses and sign") << "(-100)" << 0.0 << kNoAmount;
  QTest::newRow("parenthesis unclosed") << "(100" << 0.0 << kNoAmount;
  QTest::newRow("parenthesis unopened") << "100)" << 100.0 << kNoAmount;
  QTest::newRow("minus dollar") << "-$1,234" << 0.0 << -1234.0;
  QTest::newRow("dollar minus") << "$-1,234" << 0.0 << -1234.0;
  QTest::newRow("dollar after") << "1,234$" << 1.0 << 1234.0;
  QTest::newRow("two dollars") << "$$5" << 0.0 << kNoAmount;
  QTest::newRow("exponent E") << "1E3" << 1000.0 << 1000.0;
  QTest::newRow("exponent D") << "1D3" << 1000.0 << 1000.0;
  QTest::newRow("exponent lower negative") << "2.5e-1" << 0.25 << 0.25;
  QTest::newRow("exponent without digits") << "1E" << 1.0 << kNoAmount;
  QTest::newRow("exponent sign without digits") << "7e+x" << 7.0 << kNoAmount;
  QTest::newRow("exponent without mantissa") << "E5" << 0.0 << kNoAmount;
  QTest::newRow("long exponent") << "1e0000000000000000000003" << 1000.0 << 1000.0;
  QTest::newRow("overflow") << "1E400" << kInf << kNoAmount;
  QTest::newRow("negative overflow") << "-1E400" << -kInf << kNoAmount;
  QTest::newRow("overflow by digits") << "0.001E312" << kInf << kNoAmount;
  QTest::newRow("underflow") << "1E-400" << 0.0 << 0.0;
  QTest::newRow("many zeros underflow") << "0.0000000001E-320" << 0.0 << 0.0;
  QTest::newRow("empty") << "" << 0.0 << kNoAmount;
  QTest::newRow("blanks only") << " \t " << 0.0 << kNoAmount;
  QTest::newRow("dollar alone") << "$" << 0.0 << kNoAmount;
  QTest::newRow("point alone") << "." << 0.0 << kNoAmount;
  QTest::newRow("letters") << "abc" << 0.0 << kNoAmount;
  QTest::newRow("two points") << "1..2" << 1.0 << kNoAmount;
  QTest::newRow("leading point") << ".5" << 0.5 << 0.5;
  QTest::newRow("trailing point") << "5." << 5.0 << 5.0;
  QTest::newRow("grouped decimals") << "1,000.5" << 1.0 << 1000.5;
  QTest::newRow("comma in fraction") << "1.000,5" << 1.0 << kNoAmount;
  QTest::newRow("double comma") << "1,,000" << 1.0 << kNoAmount;
  QTest::newRow("leading comma") << ",100" << 0.0 << kNoAmount;
  QTest::newRow("trailing comma") << "100," << 100.0 << kNoAmount;
  QTest::newRow("nearest double") << "0.1" << 0.1 << 0.1;
  QTest::newRow("thirty digits") << "123456789012345678901234567890" << 1.2345678901234568e29
                                 << 1.2345678901234568e29;
}

void TestValuation::numberRules() {
  QFETCH(QString, text);
  QFETCH(double, leading);
  QFETCH(double, amount);
  const std::string s = text.toStdString();

  const double readLeading = kelvo::valuation::readLeadingNumber(s);
  QVERIFY2(sameNumber(readLeading, leading), showText(readLeading));

  const std::optional<double> readAmount = kelvo::valuation::readAmount(s);
  if (std::isnan(amount))
    QVERIFY2(!readAmount, showText(readAmount.value_or(0)));
  else
    QVERIFY2(readAmount && sameNumber(*readAmount, amount), showText(readAmount.value_or(kNaN)));
}

void TestValuation::dollarsOfValue_data() {
  QTest::addColumn<double>("value");
  QTest::addColumn<QString>("text");

  QTest::newRow("half up") << 0.5 << "$1";
  QTest::newRow("half down negative") << -0.5 << "-$1";
  QTest::newRow("even half") << 2.5 << "$3";
  QTest::newRow("even half negative") << -2.5 << "-$3";
  QTest::newRow("just below half") << 0.49999999999999994 << "$";
  QTest::newRow("small") << 0.49 << "$";
  QTest::newRow("small negative") << -0.49 << "$";
  QTest::newRow("zero") << 0.0 << "$";
  QTest::newRow("negative zero") << -0.0 << "$";
  QTest::newRow("negative") << -1234.0 << "-$1,234";
  QTest::newRow("three digits") << 999.0 << "$999";
  QTest::newRow("four digits") << 1000.0 << "$1,000";
  QTest::newRow("rounds into a group") << 999999.5 << "$1,000,000";
  QTest::newRow("first example") << 2191123.1430334207 << "$2,191,123";
  QTest::newRow("2^53") << 9007199254740992.0 << "$9,007,199,254,740,992";
  QTest::newRow("1e20") << 1e20 << "$100,000,000,000,000,000,000";
  QTest::newRow("-1e20") << -1e20 << "-$100,000,000,000,000,000,000";
  QTest::newRow("1e300")
      << 1e300
      << "$1,000,000,000,000,000,052,504,760,255,204,420,248,704,468,581,108,159,154,915,854,115,"
         "511,802,457,988,908,195,786,371,375,080,447,864,043,704,443,832,883,878,176,942,523,235,"
         "360,430,575,644,792,184,786,706,982,848,387,200,926,575,803,737,830,233,794,788,090,059,"
         "368,953,234,970,799,945,081,119,038,967,640,880,074,652,742,780,142,494,579,258,788,820,"
         "056,842,838,115,669,472,196,386,865,459,400,540,160";
  QTest::newRow("largest")
      << -std::numeric_limits<double>::max()
      << "-$179,769,313,486,231,570,814,527,423,731,704,356,798,070,567,525,844,996,598,917,476,"
         "803,157,260,780,028,538,760,589,558,632,766,878,171,540,458,953,514,382,464,234,321,326,"
         "889,464,182,768,467,546,703,537,516,986,049,910,576,551,282,076,245,490,090,389,328,944,"
         "075,868,508,455,133,942,304,583,236,903,222,948,165,808,559,332,123,348,274,797,826,204,"
         "144,723,168,738,177,180,919,299,881,250,404,026,184,124,858,368";
  QTest::newRow("infinity is no amount") << kInf << "";
  QTest::newRow("NaN is no amount") << kNaN << "";
}

void TestValuation::dollarsOfValue() {
  QFETCH(double, value);
  QFETCH(QString, text);
  QCOMPARE(QString::fromStdString(kelvo::valuation::formatDollars(value)), text);
}

// clang-format off
void TestValuation::dollarsOfText_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("formatted");

  QTest::newRow("cents round up") << "1,000,000.75" << "$1,000,001";
  QTest::newRow("plain") << "1000000" << "$1,000,000";
  QTest::newRow("already formatted") << "$2,191,123" << "$2,191,123";
  QTest::newRow("parentheses") << "(1,234.5)" << "-$1,235";
  QTest::newRow("exponent text") << "1E+18" << "$1,000,000,000,000,000,000";
  QTest::newRow("blanks around") << "  42  " << "$42";
  QTest::newRow("zero text") << "0" << "$";
  QTest::newRow("unreadable kept") << "abc" << "abc";
  QTest::newRow("words kept") << "100 shares" << "100 shares";
  QTest::newRow("dollar alone kept") << "$" << "$";
  QTest::newRow("empty kept") << "" << "";
  QTest::newRow("overflow kept") << "1E400" << "1E400";
}
// clang-format on

void TestValuation::dollarsOfText() {
  QFETCH(QString, text);
  QFETCH(QString, formatted);
  QCOMPARE(
      QString::fromStdString(kelvo::valuation::formatDollars(std::string_view(text.toStdString()))),
      formatted);
}

void TestValuation::plainNumberText_data() {
  QTest::addColumn<double>("value");
  QTest::addColumn<QString>("text");

  QTest::newRow("zero") << 0.0 << "0";
  QTest::newRow("negative zero") << -0.0 << "0";
  QTest::newRow("first example") << 2191123.0 / 100 << "21911.23";
  QTest::newRow("second example") << 491788.0 / 1000 << "491.788";
  QTest::newRow("third example") << 451960.0 / 50 << "9039.2";
  QTest::newRow("binary noise hidden") << 0.1 + 0.2 << "0.3";
  QTest::newRow("two thirds") << 2.0 / 3 << "0.666666666666667";
  QTest::newRow("negative") << -1234.5 << "-1234.5";
  QTest::newRow("fifteen digits") << 123456789012345.0 << "123456789012345";
  QTest::newRow("sixteen digits") << 1234567890123456.0 << "1.23456789012346E+15";
  QTest::newRow("1e20") << 1e20 << "1E+20";
  QTest::newRow("small") << 0.0001 << "0.0001";
  QTest::newRow("smaller") << 0.00001 << "1E-05";
  QTest::newRow("largest stays readable")
      << std::numeric_limits<double>::max() << "1.79769313486231E+308";
  QTest::newRow("largest negative stays readable")
      << -std::numeric_limits<double>::max() << "-1.79769313486231E+308";
  QTest::newRow("infinity") << kInf << "";
}

void TestValuation::plainNumberText() {
  QFETCH(double, value);
  QFETCH(QString, text);
  QCOMPARE(QString::fromStdString(kelvo::valuation::plainNumberText(value)), text);
}

void TestValuation::estimate_data() {
  // Fields top to bottom: rate, years, earnings, future value, shares, per share.
  QTest::addColumn<QStringList>("before");
  QTest::addColumn<QString>("presses");
  QTest::addColumn<QStringList>("after");
  QTest::addColumn<QString>("message");

  const QString rateAndYears = QString::fromUtf8(kRateAndYearsRequired);
  const QString earnings = QString::fromUtf8(kEarningsRequired);
  const QString noFuture = QString::fromUtf8(kNoFiniteFutureValue);
  const QString shares = QString::fromUtf8(kSharesRequired);
  const QStringList initial{"4", "20", "1,000,000", "", "100", ""};
  const QStringList estimated{"4", "20", "$1,000,000", "$2,191,123", "100", "$21,911"};

  QTest::newRow("initial texts") << initial << "E" << estimated << "";
  QTest::newRow("second press the same") << initial << "EE" << estimated << "";
  QTest::newRow("second example") << QStringList{"7", "10", "250000", "", "1000", ""} << "E"
                                  << QStringList{"7", "10", "$250,000", "$491,788", "1000", "$492"}
                                  << "";
  QTest::newRow("third example") << QStringList{"-2", "5", "500,000", "", "50", ""} << "E"
                                 << QStringList{"-2", "5", "$500,000", "$451,960", "50", "$9,039"}
                                 << "";
  QTest::newRow("fourth example, fractional years")
      << QStringList{"12.5", "7.5", "80,000", "", "3", ""} << "E"
      << QStringList{"12.5", "7.5", "$80,000", "$193,524", "3", "$64,508"} << "";
  QTest::newRow("earlier result recomputed")
      << QStringList{"7", "10", "250000", "$2,191,123", "1000", "$21,911"} << "E"
      << QStringList{"7", "10", "$250,000", "$491,788", "1000", "$492"} << "";

  QTest::newRow("rate 0") << QStringList{"0", "20", "$1,000,000", "$2,191,123", "100", "$21,911"}
                          << "E" << QStringList{"0", "20", "$1,000,000", "$2,191,123", "100", "0"}
                          << rateAndYears;
  QTest::newRow("rate empty") << QStringList{"", "20", "1,000,000", "", "100", "$21,911"} << "E"
                              << QStringList{"", "20", "1,000,000", "", "100", "0"} << rateAndYears;
  QTest::newRow("rate abc") << QStringList{"abc", "20", "1,000,000", "", "100", "12.50"} << "E"
                            << QStringList{"abc", "20", "1,000,000", "", "100", "12.5"}
                            << rateAndYears;
  QTest::newRow("years 0") << QStringList{"4", "0", "1,000,000", "", "100", ""} << "E"
                           << QStringList{"4", "0", "1,000,000", "", "100", "0"} << rateAndYears;
  QTest::newRow("rate overflowing reads 0")
      << QStringList{"1E400", "20", "1,000,000", "", "100", ""} << "E"
      << QStringList{"1E400", "20", "1,000,000", "", "100", "0"} << rateAndYears;
  QTest::newRow("rate 4%, 4,5 and 20 years")
      << QStringList{"4%", "20 years", "1,000,000", "", "100", ""} << "E"
      << QStringList{"4%", "20 years", "$1,000,000", "$2,191,123", "100", "$21,911"} << "";
  QTest::newRow("rate with decimal comma")
      << QStringList{"4,5", "20", "1,000,000", "", "100", ""} << "E"
      << QStringList{"4,5", "20", "$1,000,000", "$2,191,123", "100", "$21,911"} << "";
  QTest::newRow("clear then estimate")
      << estimated << "CE" << QStringList{"4", "20", "", "", "", "0"} << earnings;
  QTest::newRow("unreadable earnings") << QStringList{"4", "20", "abc", "", "100", ""} << "E"
                                       << QStringList{"4", "20", "abc", "", "100", "0"} << earnings;
  QTest::newRow("earnings too large to read")
      << QStringList{"4", "20", "1E400", "", "100", ""} << "E"
      << QStringList{"4", "20", "1E400", "", "100", "0"}
      << "The Average Earnings are too large to read.";
  QTest::newRow("earnings of 5,000 digits")
      << QStringList{"4", "20", QString(5000, u'9'), "5000000", "100", ""} << "E"
      << QStringList{"4", "20", QString(5000, u'9'), "5000000", "100", "0"}
      << "The Average Earnings are too large to read.";
  QTest::newRow("earnings that read as zero")
      << QStringList{"4", "20", "0.0000000001E-320", "", "100", ""} << "E"
      << QStringList{"4", "20", "0.0000000001E-320", "", "100", "0"} << earnings;

  QTest::newRow("typed future value used as is")
      << QStringList{"4", "20", "1,000,000", "5000000", "100", ""} << "E"
      << QStringList{"4", "20", "1,000,000", "5000000", "100", "$50,000"} << "";
  QTest::newRow("typed future value, earnings unreadable")
      << QStringList{"4", "20", "abc", "5000000", "100", ""} << "E"
      << QStringList{"4", "20", "abc", "$", "100", "$"} << "";
  QTest::newRow("typed huge future value")
      << QStringList{"4", "20", "1", "1E20", "100", ""} << "E"
      << QStringList{"4", "20", "1", "1E20", "100", "$1,000,000,000,000,000,000"} << "";
  QTest::newRow("shares 0") << QStringList{"4", "20", "1,000,000", "", "0", "$21,911"} << "E"
                            << QStringList{"4", "20", "$1,000,000", "$2,191,123", "0", ""}
                            << "Enter the Number of Shares Outstanding.";
  QTest::newRow("shares empty") << QStringList{"4", "20", "1000000", "", "", ""} << "E"
                                << QStringList{"4", "20", "$1,000,000", "$2,191,123", "", ""}
                                << shares;
  QTest::newRow("shares unreadable")
      << QStringList{"4", "20", "1000000", "", "100 shares", "$5"} << "E"
      << QStringList{"4", "20", "$1,000,000", "$2,191,123", "100 shares", ""} << shares;
  QTest::newRow("shares too small to divide by")
      << QStringList{"4", "20", "1000000", "", "1E-320", ""} << "E"
      << QStringList{"4", "20", "$1,000,000", "$2,191,123", "1E-320", "$"} << "";
  QTest::newRow("earnings with cents")
      << QStringList{"4", "20", "1,000,000.75", "", "100", ""} << "E"
      << QStringList{"4", "20", "$1,000,001", "$2,191,125", "100", "$21,911"} << "";
  QTest::newRow("rate -100 gives zero")
      << QStringList{"-100", "20", "1,000,000", "", "100", ""} << "E"
      << QStringList{"-100", "20", "$1,000,000", "$", "100", "$"} << "";
  QTest::newRow("per share half rounds up")
      << QStringList{"4", "20", "1", "5000050", "100", ""} << "E"
      << QStringList{"4", "20", "1", "5000050", "100", "$50,001"} << "";
  QTest::newRow("per share half rounds down")
      << QStringList{"4", "20", "1", "-5000050", "100", ""} << "E"
      << QStringList{"4", "20", "1", "-5000050", "100", "-$50,001"} << "";

  const QString largest =
      "$179,769,313,486,231,570,814,527,423,731,704,356,798,070,567,525,844,996,598,917,476,803,"
      "157,260,780,028,538,760,589,558,632,766,878,171,540,458,953,514,382,464,234,321,326,889,"
      "464,182,768,467,546,703,537,516,986,049,910,576,551,282,076,245,490,090,389,328,944,075,"
      "868,508,455,133,942,304,583,236,903,222,948,165,808,559,332,123,348,274,797,826,204,144,"
      "723,168,738,177,180,919,299,881,250,404,026,184,124,858,368";
  const QString largestPerShare =
      "$179,769,313,486,230,992,020,837,658,662,958,976,449,983,786,842,660,837,038,051,950,520,"
      "470,225,041,328,231,969,140,916,633,187,800,533,730,466,089,161,066,554,924,736,511,065,"
      "843,430,761,450,912,561,375,902,626,228,407,975,439,389,274,600,334,275,543,138,858,136,"
      "649,643,188,850,972,831,127,319,165,264,882,230,776,574,279,710,570,506,769,976,271,339,"
      "046,103,675,183,211,667,223,597,286,787,226,421,245,771,776";
  QTest::newRow("largest future value, every digit")
      << QStringList{"1E-300", "1", "1.7976931348623157E308", "", "1", ""} << "E"
      << QStringList{"1E-300", "1", largest, largest, "1", largestPerShare} << "";

  // An overflowing or undefined power must not leave an earlier future value
  // standing to be divided by the shares.
  QTest::newRow("power overflows")
      << QStringList{"100000", "1000", "$1,000,000", "$2,191,123", "100", "$21,911"} << "E"
      << QStringList{"100000", "1000", "$1,000,000", "", "100", "0"} << noFuture;
  QTest::newRow("power undefined")
      << QStringList{"-150", "7.5", "1,000,000", "$2,191,123", "100", "$21,911"} << "E"
      << QStringList{"-150", "7.5", "1,000,000", "", "100", "0"} << noFuture;
  QTest::newRow("zero to a negative power")
      << QStringList{"-100", "-5", "1,000,000", "", "100", ""} << "E"
      << QStringList{"-100", "-5", "1,000,000", "", "100", "0"} << noFuture;
  QTest::newRow("product overflows") << QStringList{"100", "1000", "1E300", "", "100", ""} << "E"
                                     << QStringList{"100", "1000", "1E300", "", "100", "0"}
                                     << "The Average Earnings are too large to estimate with.";
  QTest::newRow("earnings of 1e308") << QStringList{"4", "20", "1e308", "$2,191,123", "100", ""}
                                     << "E" << QStringList{"4", "20", "1e308", "", "100", "0"}
                                     << "The Average Earnings are too large to estimate with.";
  // A future value the user typed is never erased: the compounding of empty
  // earnings overflows, so the typed value stays and is divided.
  QTest::newRow("typed future value, no finite compounding")
      << QStringList{"4", "20000", "", "5000000", "100", ""} << "E"
      << QStringList{"4", "20000", "", "5000000", "100", "$50,000"} << "";
  QTest::newRow("typed future value, undefined power")
      << QStringList{"-150", "7.5", "abc", "5000000", "100", "$21,911"} << "E"
      << QStringList{"-150", "7.5", "abc", "5000000", "100", "$50,000"} << "";
  QTest::newRow("negative base, whole years")
      << QStringList{"-150", "2", "1,000,000", "", "100", ""} << "E"
      << QStringList{"-150", "2", "$1,000,000", "$250,000", "100", "$2,500"} << "";
}

void TestValuation::estimate() {
  QFETCH(QStringList, before);
  QFETCH(QString, presses);
  QFETCH(QStringList, after);
  QFETCH(QString, message);

  const auto [fields, shown] = pressAll(toFields(before), presses);
  QCOMPARE(textsOf(fields), after);
  QCOMPARE(shown, message);
}

void TestValuation::foreignLocale_data() {
  QTest::addColumn<QByteArray>("locale");
  QTest::newRow("German") << QByteArray("de_DE.UTF-8");
  QTest::newRow("French") << QByteArray("fr_FR.UTF-8");
}

void TestValuation::foreignLocale() {
  QFETCH(QByteArray, locale);
  const std::string previous = std::setlocale(LC_ALL, nullptr);
  // The set-up installs these locales (locales-all); without them this test would prove nothing.
  QVERIFY2(std::setlocale(LC_ALL, locale.constData()), "locale not installed");
  const auto restore = qScopeGuard([&] { std::setlocale(LC_ALL, previous.c_str()); });

  QVERIFY(sameNumber(kelvo::valuation::readLeadingNumber("0.25"), 0.25));
  QVERIFY(sameNumber(kelvo::valuation::readLeadingNumber("4,5"), 4.0));
  QVERIFY(sameNumber(kelvo::valuation::readAmount("$1,000.5").value_or(kNaN), 1000.5));
  QVERIFY(!kelvo::valuation::readAmount("1.000,5"));
  QCOMPARE(kelvo::valuation::formatDollars(1234567.5), std::string("$1,234,568"));
  QCOMPARE(kelvo::valuation::plainNumberText(9039.2), std::string("9039.2"));
  QCOMPARE(kelvo::valuation::plainNumberText(1e20), std::string("1E+20"));
  const auto [fields, shown] = pressAll(toFields({"12.5", "7.5", "80,000", "", "3", ""}), "E");
  QCOMPARE(textsOf(fields), (QStringList{"12.5", "7.5", "$80,000", "$193,524", "3", "$64,508"}));
  QVERIFY(shown.isEmpty());
}

QTEST_GUILESS_MAIN(TestValuation)
#include "test_valuation.moc"
