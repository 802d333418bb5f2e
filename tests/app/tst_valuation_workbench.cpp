// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The Valuation Workbench as a user and a screen reader meet it: inputs typed
// into the boxes found by their accessible names, results read back from the
// boxes and the "Sensitivity" table, the calculator page's figures taken over,
// and the Copy button's summary.
#include "app/valuation_workbench.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <algorithm>

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
  QTest::newRow("no positive value") << QStringList{} << (kExample + QStringList{"Earnings per share=-2"}) << QStringList{
      "Graham formula=-$33.00", "Graham formula margin of safety=no positive value",
      "Graham formula buy below=no positive value", "Graham number=needs positive earnings",
      "Graham number margin of safety=", "Earnings power value buy below=no positive value"};
  QTest::newRow("cannot be computed") << QStringList{} << (kExample + QStringList{
      "Book value per share=", "Growth after that (% a year)=12", "Current price=",
      "AAA bond yield (%)=0", "Years of growth=10.5"}) << QStringList{
      "Graham number=needs a positive book value",
      "Discounted earnings=needs whole years from 1 to 100", "Graham formula=needs a positive bond yield",
      "Earnings power value margin of safety=", "Earnings power value buy below=$75.00",
      "Sensitivity 2,2=—"};
  QTest::newRow("discount not above growth after") << QStringList{} << (kExample + QStringList{"Growth after that (% a year)=10.5"}) << QStringList{
      "Discounted earnings=needs a discount rate above the growth after that",
      "Discounted earnings margin of safety=", "Sensitivity 0,0=—", "Sensitivity 4,4=$594.39"};
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
}

QTEST_MAIN(TestValuationWorkbench)
#include "tst_valuation_workbench.moc"
