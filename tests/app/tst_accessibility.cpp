// What assistive tools and keyboard users get: names and roles through Qt's
// accessibility interface, and the Tab order of each page.

#include "window_fixture.h"

#include <hosts.h>
#include <layout.h>

#include <QAccessible>
#include <QLabel>

using namespace kelvo;
using kelvo::testing::Window;

namespace {

QString nameOf(QWidget *w) {
  QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
  return iface ? iface->text(QAccessible::Name) : QString();
}

QAccessible::Role roleOf(QWidget *w) {
  QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
  return iface ? iface->role() : QAccessible::NoRole;
}

// The controls of the design that take the keyboard focus, by page
// (-1 for the window's own), in the design's Tab order.
QMap<int, QStringList> focusOrderByPage() {
  QList<std::pair<int, const ControlRow *>> rows;
  for (const ControlRow &row : WindowLayout())
    if (row.tab != kNoTab)
      rows.append({row.tab, &row});
  std::sort(rows.begin(), rows.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
  QMap<int, QStringList> byPage;
  for (const auto &[tab, row] : rows)
    byPage[row->container == kOnWindow ? -1 : row->container] << QString::fromLatin1(row->name);
  return byPage;
}

} // namespace

class AccessibilityTest : public QObject {
  Q_OBJECT
private slots:
  void initTestCase() { QAccessible::setActive(true); }

  void namesAndRoles_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("role");
    const int button = QAccessible::Button, text = QAccessible::EditableText;
    QTest::newRow("next") << "cmdNext" << "Next >" << button;
    QTest::newRow("back") << "cmdBack" << "< Back" << button;
    QTest::newRow("restart") << "cmdFinished" << "Restart" << button;
    QTest::newRow("end") << "cmdCancel" << "End" << button;
    QTest::newRow("random") << "Command16" << "R" << button;
    QTest::newRow("online tools") << "Command28" << "o n l i n e t o o l s" << button;
    QTest::newRow("symbol") << "ssymbol" << "Stock symbol" << text;
    QTest::newRow("company") << "txtTitle" << "Company name" << text;
    QTest::newRow("list") << "List1" << "Company directory" << int(QAccessible::List);
    QTest::newRow("rate") << "txtIntr" << "Est. Growth Rate Above Discount Rate in Yearly %" << text;
    QTest::newRow("years") << "txtDuration" << "Number of Periods Years" << text;
    QTest::newRow("earnings") << "txtPresVal" << "Avg. Earnings (3-yr.)" << text;
    QTest::newRow("future value") << "txtFutrVal" << "Est. Future Value" << text;
    QTest::newRow("shares") << "txtshares" << "Number of Shares Outstanding" << text;
    QTest::newRow("per share") << "IV" << "Estimated intrinsic value per share" << text;
    QTest::newRow("page 3") << "picStart(3)" << "Management ( Trust and Ability )" << int(QAccessible::Grouping);
    QTest::newRow("side menu") << "picMenu" << "Steps" << int(QAccessible::Grouping);
    QTest::newRow("step label") << "Label1(6)" << "IV Estimator" << int(QAccessible::StaticText);
    QTest::newRow("maker e-mail") << "Label2"
                                  << QString::fromLatin1(hosts::kMakerEmail.data(),
                                                         qsizetype(hosts::kMakerEmail.size()))
                                  << int(QAccessible::StaticText);
  }
  void namesAndRoles() {
    QFETCH(QString, control);
    Window t;
    QWidget *w = t.w->control(control);
    QVERIFY(w);
    QTEST(nameOf(w), "name");
    QTEST(int(roleOf(w)), "role");
  }

  // Every focusable control and every button has a name a screen reader can say.
  void nothingUnnamed() {
    Window t;
    for (const QString &name : t.w->controlNames()) {
      QWidget *w = t.w->control(name);
      if (w->focusPolicy() == Qt::NoFocus && !qobject_cast<QLabel *>(w))
        continue;
      if (qobject_cast<QLabel *>(w) && qobject_cast<QLabel *>(w)->text().trimmed().isEmpty())
        continue;
      QVERIFY2(!nameOf(w).trimmed().isEmpty(), qPrintable(name));
    }
  }

  // On every page Tab visits the window's buttons and that page's controls in
  // the design's order, and nothing of the pages out of view.
  void tabOrderPerPage_data() {
    QTest::addColumn<int>("page");
    for (int i = 0; i < kSteps; ++i)
      QTest::newRow(qPrintable(QStringLiteral("page %1").arg(i))) << i;
  }
  void tabOrderPerPage() {
    QFETCH(int, page);
    Window t;
    // Reach the company page by Next, as a user does: leaving the symbol box
    // re-displays the page of the last Next, which a step click does not set.
    if (page == 1)
      t.click("cmdNext");
    else
      t.clickStep(page);
    QList<std::pair<int, QString>> expected;
    for (const ControlRow &row : WindowLayout()) {
      if (row.tab == kNoTab || (row.container != kOnWindow && row.container != page))
        continue;
      if (!t.w->control(QString::fromLatin1(row.name))->isEnabled())
        continue;
      expected.append({row.tab, QString::fromLatin1(row.name)});
    }
    std::sort(expected.begin(), expected.end());
    QStringList want;
    for (const auto &e : expected)
      want << e.second;

    t.button("cmdFinished")->setFocus(Qt::OtherFocusReason); // the first in the design's order
    QStringList seen{QApplication::focusWidget()->objectName()};
    for (int i = 1; i < want.size(); ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      seen << QApplication::focusWidget()->objectName();
    }
    // The symbol box's leave handling may pick a row; the order is what counts here.
    QCOMPARE(seen, want);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), want.first()); // and round again
    QVERIFY(focusOrderByPage().contains(-1));
  }

  // The calculator can be used from the keyboard alone.
  void calculatorByKeyboard() {
    Window t;
    t.clickStep(6);
    t.box("txtIntr")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("7"));
    // Down the fields by Tab, then Space on the estimate button.
    while (QApplication::focusWidget()->objectName() != QLatin1String("cmdCalcValue"))
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(t.box("txtFutrVal")->text(), QStringLiteral("$3,869,684"));
  }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
