// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The Valuation Workbench as a user and a screen reader meet it: inputs typed
// into the boxes found by their accessible names, results read back from the
// boxes and the "Sensitivity" table, the calculator page's figures taken over,
// the Copy button's summary; chart and grid at 1x and 2x; how results look.
#include "workbench/valuation_chart.h"
#include "workbench/valuation_workbench.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>

#include <algorithm>

using kelvo::app::ValuationChart;
using kelvo::app::ValuationWorkbench;

namespace {

QLineEdit *box(ValuationWorkbench &w, const QString &name) {
  QLineEdit *found = nullptr;
  for (QLineEdit *e : w.findChildren<QLineEdit *>())
    if (e->accessibleName() == name) {
      if (found)
        return nullptr; // a name must be unique
      found = e;
    }
  return found;
}

// What assistive tools see: how many objects of the window carry the name.
int carriers(ValuationWorkbench &w, const QString &name) {
  int n = 0;
  for (QWidget *c : w.findChildren<QWidget *>())
    if (QAccessibleInterface *i = QAccessible::queryAccessibleInterface(c))
      n += i->text(QAccessible::Name) == name;
  return n;
}

QTableWidget *sensitivity(ValuationWorkbench &w) {
  for (QTableWidget *t : w.findChildren<QTableWidget *>())
    if (t->accessibleName() == QLatin1String("Sensitivity"))
      return t;
  return nullptr;
}

// The chart's texts inside it, none over another; with a plot, two ticks an axis.
void checkChartTexts(const ValuationChart &chart, bool plotted) {
  const QList<ValuationChart::PlacedText> texts = chart.placedTexts();
  int across = 0, down = 0;
  for (qsizetype i = 0; i < texts.size(); ++i) {
    QVERIFY2(QRectF(chart.rect()).contains(texts[i].place), qPrintable(texts[i].text));
    across += texts[i].text.endsWith(u'%');
    down += texts[i].text.startsWith(u'$');
    for (qsizetype j = 0; j < i; ++j)
      QVERIFY2(!texts[i].place.intersects(texts[j].place), qPrintable(texts[i].text));
  }
  QVERIFY(!texts.isEmpty() && (!plotted || (across >= 2 && down >= 2)));
}

const QStringList kExample = {"Earnings per share=10",
                              "Growth rate (% a year)=4",
                              "Years of growth=10",
                              "Discount rate (% a year)=10",
                              "Growth after that (% a year)=2.5",
                              "AAA bond yield (%)=4.4",
                              "Book value per share=50",
                              "Current price=100",
                              "Margin of safety (%)=25"};

} // namespace

class TestValuationWorkbench : public QObject {
  Q_OBJECT
private slots:
  void initTestCase() { QAccessible::setActive(true); }
  void shownTexts_data();
  void shownTexts();
  void copyAndSnapshot();
  void chartTexts_data();
  void chartTexts();
  void lookAndRoom_data();
  void lookAndRoom();
};

// clang-format off
void TestValuationWorkbench::shownTexts_data() {
  QTest::addColumn<QStringList>("page"); // calculator fields, empty for none
  QTest::addColumn<QStringList>("typed"); // "label=text", in order
  QTest::addColumn<QStringList>("shown"); // "accessible name=text"; "Sensitivity r,c=text"
  QTest::newRow("worked example") << QStringList{} << kExample << QStringList{
      "Graham formula=$165.00", "Discounted earnings=$152.41", "Earnings power value=$100.00",
      "Graham number=$106.07", "Wizard's estimate=$5.39",
      "Graham formula margin of safety=39.4%", "Graham formula buy below=$123.75",
      "Earnings power value margin of safety=0.0%", "Graham number margin of safety=5.7%",
      "Wizard's estimate margin of safety=-1,756.6%", "Discounted earnings buy below=$114.31",
      "Sensitivity 2,2=$152.41", "Sensitivity 0,4=$286.36", "Sensitivity 4,0=$91.24"};
  const QString none = "none: the value is $0.00 or less", comma = "Use a point for decimals: 3.20";
  QTest::newRow("losses") << QStringList{} << (kExample + QStringList{"Earnings per share=-2"}) << QStringList{
      "Graham formula=needs positive earnings", "Graham formula margin of safety=",
      "Discounted earnings=needs positive earnings", "Earnings power value=needs positive earnings",
      "Graham number=needs positive earnings", "Wizard's estimate=-$1.08",
      "Wizard's estimate margin of safety=" + none, "Wizard's estimate buy below=" + none};
  QTest::newRow("value of $0.00") << QStringList{} << (kExample + QStringList{"Discount rate (% a year)=104"}) << QStringList{
      "Wizard's estimate=$0.00", "Wizard's estimate margin of safety=" + none, "Earnings power value=$9.62"};
  QTest::newRow("decimal comma") << QStringList{} << (kExample + QStringList{"Earnings per share=3,20"}) << QStringList{
      "Graham formula=" + comma, "Graham number=" + comma, "Graham formula margin of safety="};
  QTest::newRow("huge growth") << QStringList{} << (kExample + QStringList{"Growth rate (% a year)=1e17"}) << QStringList{
      "Graham formula=needs a growth rate from -100% to 1,000%", "Graham number=$106.07"};
  QTest::newRow("zero discount") << QStringList{} << (kExample + QStringList{"Discount rate (% a year)=0"}) << QStringList{
      "Earnings power value=needs a positive discount rate", "Sensitivity 0,0=$1,610.69"};
  QTest::newRow("cannot be computed") << QStringList{} << (kExample + QStringList{
      "Book value per share=", "Growth after that (% a year)=12", "Current price=",
      "AAA bond yield (%)=0", "Years of growth=10.5"}) << QStringList{
      "Graham number=needs a positive book value",
      "Discounted earnings=needs whole years from 1 to 100", "Graham formula=needs a positive bond yield",
      "Earnings power value margin of safety=", "Earnings power value buy below=$75.00",
      "Sensitivity 2,2=—"};
  QTest::newRow("discount not above growth after") << QStringList{} << (kExample + QStringList{"Growth after that (% a year)=10.5"}) << QStringList{
      "Discounted earnings=needs a discount rate above the growth after that",
      "Discounted earnings margin of safety=", "Sensitivity 1,4=$594.39"};
  QTest::newRow("too large") << QStringList{} << (kExample + QStringList{"Earnings per share=1e300"}) << QStringList{
      "Earnings power value=too large to show", "Graham number=too large to show"};
  QTest::newRow("margin out of range") << QStringList{} << (kExample + QStringList{"Margin of safety (%)=150"}) << QStringList{
      "Graham formula buy below=needs a margin from 0 to 100%", "Graham formula margin of safety=39.4%"};
  // The calculator page's first worked example: $21,911 a share there.
  QTest::newRow("from the calculator") << QStringList{"4", "20", "1,000,000", "", "100", ""} << QStringList{} << QStringList{
      "Earnings per share=10000", "Growth rate (% a year)=14", "Years of growth=20",
      "Wizard's estimate=$21,911.23", "Earnings power value=$100,000.00",
      "Graham number=needs a positive book value", "Wizard's estimate margin of safety="};
  QTest::newRow("calculator without shares") << QStringList{"4", "20", "1,000,000", "", "0", ""} << QStringList{} << QStringList{
      "Earnings per share=", "Wizard's estimate=needs earnings per share", "Wizard's estimate buy below="};
}
// clang-format on

void TestValuationWorkbench::shownTexts() {
  QFETCH(QStringList, page);
  QFETCH(QStringList, typed);
  QFETCH(QStringList, shown);
  ValuationWorkbench w;
  QCOMPARE(w.windowTitle(), QStringLiteral("Valuation Workbench"));
  if (!page.isEmpty())
    w.fillFromCalculator({page[0].toStdString(), page[1].toStdString(), page[2].toStdString(),
                          page[3].toStdString(), page[4].toStdString(), page[5].toStdString()});
  for (const QString &t : typed) {
    const QString label = t.section(u'=', 0, 0);
    QLineEdit *input = box(w, label);
    QVERIFY2(input, qPrintable(label));
    input->selectAll();
    if (const QString text = t.section(u'=', 1); text.isEmpty())
      QTest::keyClick(input, Qt::Key_Delete);
    else
      QTest::keyClicks(input, text); // the results follow each keystroke
  }
  for (const QString &s : shown) {
    const QString name = s.section(u'=', 0, 0), expected = s.section(u'=', 1);
    if (name.startsWith(QLatin1String("Sensitivity "))) {
      QTableWidget *grid = sensitivity(w);
      QVERIFY(grid);
      const QStringList rc = name.mid(12).split(u',');
      QCOMPARE(grid->item(rc[0].toInt(), rc[1].toInt())->text(), expected);
      continue;
    }
    QLineEdit *result = box(w, name);
    QVERIFY2(result, qPrintable(name));
    QCOMPARE(result->text(), expected);
    const bool input = std::any_of(kExample.begin(), kExample.end(),
                                   [&](const QString &t) { return t.startsWith(name + u'='); });
    QCOMPARE(result->isReadOnly(), !input);
    if (!input) // a result's name belongs to its box alone
      QCOMPARE(carriers(w, name), 1);
  }
  for (QLineEdit *e : w.findChildren<QLineEdit *>())
    QVERIFY2(!e->text().contains(QLatin1String("inf"), Qt::CaseInsensitive) &&
                 !e->text().contains(QLatin1String("nan"), Qt::CaseInsensitive),
             qPrintable(e->accessibleName() + QLatin1String(": ") + e->text()));
}

void TestValuationWorkbench::copyAndSnapshot() {
  ValuationWorkbench w;
  for (const QString &t : kExample)
    box(w, t.section(u'=', 0, 0))->setText(t.section(u'=', 1));
  const kelvo::study::Valuation v = w.snapshot();
  QCOMPARE(v.inputs.size(), 9);
  QCOMPARE(v.inputs[7], (kelvo::study::ValuationInput{"Current price", "100"}));
  QCOMPARE(v.results.size(), 5);
  QCOMPARE(v.results[1],
           (kelvo::study::ValuationResult{"Graham formula", "$165.00", "39.4%", "$123.75"}));

  QPushButton *copy = nullptr;
  for (QPushButton *b : w.findChildren<QPushButton *>())
    if (b->text() == QLatin1String("Copy"))
      copy = b;
  QVERIFY(copy);
  QGuiApplication::clipboard()->clear();
  copy->setFocus();
  QTest::keyClick(copy, Qt::Key_Space);
  const QString copied = QGuiApplication::clipboard()->text();
  QVERIFY(copied.contains(QLatin1String("\nMargin of safety (%): 25\n")));
  QVERIFY(copied.contains(QLatin1String("\nGraham formula: $165.00\n"
                                        "    Margin of safety: 39.4%\n"
                                        "    Buy below: $123.75\n")));
  // The summary says whose figures they are, and when.
  QVERIFY(copied.startsWith("Valuation Workbench\nCompany: none chosen\nDate: " +
                            QDate::currentDate().toString(Qt::ISODate) + "\n\n"));
  w.setCompany("HRL", "Hormel Foods Corporation");
  QVERIFY(w.summaryText(QDate(2026, 3, 14))
              .startsWith("Valuation Workbench\nCompany: Hormel Foods Corporation (HRL)\n"
                          "Date: 2026-03-14\n\n"));
}

// The chart over extreme inputs in the room it has at 1x, at 2x and too little
// for a plot. A tick loop that never ends hangs the test.
void TestValuationWorkbench::chartTexts_data() {
  QTest::addColumn<QString>("in"); // "E g n r t B Y P m"
  QTest::addColumn<QSize>("size");
  QTest::addColumn<bool>("plotted");
  const char *const cases[][2] = {{"worked example", "10 4 10 10 2.5 50 4.4 100 25"},
                                  {"range ends on a tick", "10 10 10 10 2.5 50 4.4 100 25"},
                                  {"refused growth 1.5e17", "10 1.5e17 10 10 2.5 50 4.4 100 25"},
                                  {"growth 1,000%", "10 1000 10 10 2.5 50 4.4 100 25"},
                                  {"huge values", "1e9 4 10 10 2.5 1e9 4.4 1e12 25"},
                                  {"cents apart", "0.001 4 1 10 2.5 0.001 4.4 0.002 25"},
                                  {"losses", "-5 4 10 10 2.5 50 4.4 100 25"}};
  for (const auto &[name, in] : cases)
    for (const QSize size : {QSize(420, 300), QSize(260, 200), QSize(150, 90)})
      QTest::addRow("%s, %dx%d", name, size.width(), size.height())
          << in << size << (!QByteArray(name).startsWith("refused") && size.width() >= 260);
}

void TestValuationWorkbench::chartTexts() {
  QFETCH(QString, in);
  QFETCH(QSize, size);
  const QStringList parts = in.split(u' ');
  std::array<std::string, kelvo::valuation::kInputCount> texts;
  std::array<std::string_view, kelvo::valuation::kInputCount> views;
  for (int i = 0; i < kelvo::valuation::kInputCount; ++i)
    views[i] = texts[i] = parts[i].toStdString();
  ValuationChart chart;
  chart.setSeries(kelvo::valuation::chartSeries(kelvo::valuation::readWorkbenchInputs(views)),
                  {"Wizard's estimate", "Graham formula", "Graham number", "Discounted earnings",
                   "Earnings power value"});
  chart.resize(size);
  chart.grab(); // paints
  QFETCH(bool, plotted);
  checkChartTexts(chart, plotted);
}

// At 1x and 2x on 1920 x 1080, or as opened, under a palette that may turn
// dark: the chart's texts fit, the grid can be reached, results do not look
// like inputs nor shaded cells like a selection.
void TestValuationWorkbench::lookAndRoom_data() {
  QTest::addColumn<QSize>("size"); // empty: as the window opens
  QTest::addColumn<bool>("dark");
  QTest::newRow("1x, light") << QSize(1824, 1026) << false;
  QTest::newRow("2x, dark") << QSize(912, 513) << true;
  QTest::newRow("as opened, light") << QSize() << false;
}

void TestValuationWorkbench::lookAndRoom() {
  QFETCH(QSize, size);
  QFETCH(bool, dark);
  struct Restore {
    QPalette palette = QApplication::palette();
    ~Restore() { QApplication::setPalette(palette); }
  } restore;
  ValuationWorkbench w;
  for (const QString &t : kExample)
    box(w, t.section(u'=', 0, 0))->setText(t.section(u'=', 1));
  if (size.isValid())
    w.resize(size);
  w.show();
  QVERIFY(QTest::qWaitForWindowExposed(&w));
  if (dark) {
    QPalette palette(QColor(0x35, 0x35, 0x35));
    palette.setColor(QPalette::Text, Qt::white);
    palette.setColor(QPalette::Base, QColor(0x2A, 0x2A, 0x2A));
    QApplication::setPalette(palette);
  }
  auto *chart = w.findChild<ValuationChart *>();
  checkChartTexts(*chart, chart->width() >= 260 && chart->height() >= 200);
  QTableWidget *grid = sensitivity(w);
  QVERIFY(grid->horizontalHeader()->length() <= grid->viewport()->width() ||
          grid->horizontalScrollBar()->isVisible());
  QVERIFY(grid->verticalHeader()->length() <= grid->viewport()->height() ||
          grid->verticalScrollBar()->isVisible());

  // Inside the frame, right of the left-aligned text.
  auto background = [](QWidget *b) { return b->grab().toImage().pixelColor(b->width() - 4, 4); };
  QCOMPARE(background(box(w, "Current price")), w.palette().color(QPalette::Base));
  QCOMPARE(background(box(w, "Graham formula")), w.palette().color(QPalette::Window));
  int shaded = 0;
  for (int r = 0; r < grid->rowCount(); ++r)
    for (int c = 0; c < grid->columnCount(); ++c) {
      const QTableWidgetItem *item = grid->item(r, c);
      const bool tinted = item->background().style() != Qt::NoBrush;
      shaded += tinted;
      QCOMPARE(item->font().bold(), tinted);
      QVERIFY(item->background().color() != w.palette().color(QPalette::Highlight));
    }
  QCOMPARE(shaded, 17); // the cells of $133.34 or more, for a price of $100
}

QTEST_MAIN(TestValuationWorkbench)
#include "tst_valuation_workbench.moc"
