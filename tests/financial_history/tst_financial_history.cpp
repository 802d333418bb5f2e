// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The Financial History window against a local server standing in for the
// SEC: what it asks for and when, what it shows and tells assistive tools,
// the question about another company, following the wizard, and what leaves
// the window. The reading of the figures and the errors of the download
// have tests of their own.

#include "filings/sec_client.h"
#include "filings/sec_endpoints.h"
#include "financial_history/checks_panel.h"
#include "financial_history/financial_history_window.h"
#include "support/fixture_http_server.h"
#include "support/scripted_dialogs.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using namespace kelvo::app;
using namespace kelvo::filings;
using kelvo::platform::ScriptedDialogs;

namespace {

QByteArray fixture(const char *name) {
  QFile file(QStringLiteral(KELVO_FILINGS_FIXTURES "/") + QLatin1String(name));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QByteArray kListPath = "/files/company_tickers_exchange.json";
const QByteArray kApplePath = "/api/xbrl/companyfacts/CIK0000320193.json";

} // namespace

class FinancialHistoryTest : public QObject {
  Q_OBJECT
  QTemporaryDir home_;
  kelvo::test::FixtureHttpServer server_;

  struct Open {
    ScriptedDialogs dialogs;
    SecClient source;
    FinancialHistoryWindow window{dialogs, source};
    template <typename T> T *child(const char *name) { return window.findChild<T *>(name); }
    QString label(const char *name) { return child<QLabel>(name)->text(); }
    QTableView *table() { return child<QTableView>("history"); }
    void download(const QString &contact = QStringLiteral("ada@example.com")) {
      child<QLineEdit>("contact")->setText(contact);
      child<QPushButton>("download")->click();
    }
    bool busy() { return !child<QPushButton>("download")->isEnabled(); }
  };

private slots:
  void initTestCase() {
    QVERIFY(home_.isValid() && server_.listen());
    qputenv("XDG_CACHE_HOME", home_.filePath(QStringLiteral("cache")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home_.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv(kBaseUrlVariable, server_.baseUrl().toEncoded());
    server_.serve(kListPath, {200, {}, fixture("company_tickers_exchange.json")});
    server_.serve(kApplePath, {200, {}, fixture("CIK0000320193.json")});
  }
  void init() {
    QDir(home_.filePath(QStringLiteral("cache"))).removeRecursively();
    server_.clearRequests();
  }

  // Nothing is requested before the button, nor without a contact; with
  // one, the list and the company's facts come one after the other, named
  // with the contact, and the table shows the years with headers and
  // descriptions that assistive tools read.
  void downloadsOnlyWhenAsked() {
    Open o;
    o.window.followCompany(QStringLiteral("AAPL"), QStringLiteral("Apple Computer"));
    o.window.show();
    QCOMPARE(o.window.windowTitle(), QStringLiteral("Financial History - AAPL"));
    o.download(QStringLiteral("not an address"));
    QVERIFY(o.label("message").contains(QStringLiteral("e-mail")));
    QVERIFY(server_.requests().isEmpty());
    o.child<QLineEdit>("contact")->setText(QStringLiteral("ada@example.com"));
    o.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&o.window));
    o.child<QLineEdit>("contact")->setFocus();

    // Return in the contact field downloads, and nothing else.
    QTest::keyClick(o.child<QLineEdit>("contact"), Qt::Key_Return);
    QVERIFY(o.busy());
    QTRY_VERIFY(o.window.hasFigures());
    QTRY_VERIFY(!o.busy());
    QCOMPARE(server_.requests().size(), 2);
    QCOMPARE(server_.requests()[0].path, kListPath);
    QCOMPARE(server_.requests()[1].path, kApplePath);
    for (const auto &request : server_.requests())
      QCOMPARE(request.headers.value("user-agent"),
               "kelvo-wizard/" KELVO_VERSION " ada@example.com");

    QTableView *table = o.table();
    QCOMPARE(table->accessibleName(), QStringLiteral("Financial history"));
    QAbstractItemModel *model = table->model();
    QCOMPARE(model->rowCount(), 13);
    QCOMPARE(model->headerData(12, Qt::Vertical).toString(),
             QStringLiteral("Debt / free cash flow (years)"));
    const int newest = model->columnCount() - 1;
    QCOMPARE(model->headerData(newest, Qt::Horizontal).toString(), QStringLiteral("FY2021"));
    QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("FY2015"));
    const QModelIndex revenue = model->index(0, newest);
    QVERIFY(!revenue.data(Qt::ToolTipRole).toString().isEmpty());
    QCOMPARE(revenue.data(Qt::AccessibleDescriptionRole), revenue.data(Qt::ToolTipRole));
    // The table's accessible interface names the row and column of a cell.
    QAccessibleInterface *cells = QAccessible::queryAccessibleInterface(table);
    QVERIFY(cells && cells->tableInterface());
    QAccessibleInterface *cell = cells->tableInterface()->cellAt(0, newest);
    QVERIFY(cell && cell->tableCellInterface());
    QCOMPARE(cell->tableCellInterface()->rowHeaderCells().value(0)->text(QAccessible::Name),
             QStringLiteral("Revenue"));
    QCOMPARE(cell->tableCellInterface()->columnHeaderCells().value(0)->text(QAccessible::Name),
             QStringLiteral("FY2021"));
    QCOMPARE(cell->text(QAccessible::Description), revenue.data(Qt::ToolTipRole).toString());

    const QString today = QDate::currentDate().toString(Qt::ISODate);
    QVERIFY(o.label("source").endsWith(QStringLiteral("downloaded %1").arg(today)));
    QVERIFY(o.label("details").contains(QStringLiteral("CIK 0000320193")));
    QCOMPARE(o.label("amounts"),
             QStringLiteral("Amounts in USD millions, except per-share figures"));
  }

  // A symbol the SEC lists under another name shows nothing until the user
  // confirms; a kept copy of the wizard's company is shown without asking
  // anyone, and another company's figures stay marked as such.
  void followsTheWizardsCompany_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("asked");
    QTest::newRow("same company") << "Apple Computer" << false;
    QTest::newRow("another company") << "Health Care Property" << true;
  }
  void followsTheWizardsCompany() {
    QFETCH(QString, name);
    QFETCH(bool, asked);
    Open o;
    o.window.followCompany(QStringLiteral("AAPL"), name);
    o.download();
    QTRY_VERIFY(!o.busy());
    auto *question = o.child<QFrame>("otherCompanyQuestion");
    QCOMPARE(!question->isHidden(), asked);
    QCOMPARE(o.window.hasFigures(), !asked);
    if (asked) {
      QVERIFY(question->findChild<QLabel *>()->text().startsWith(
          QStringLiteral("The SEC lists AAPL as Apple Inc., not Health Care Property")));
      QCOMPARE(server_.requests().size(), 1); // the list alone
      o.child<QPushButton>("confirmOtherCompany")->click();
      QTRY_VERIFY(o.window.hasFigures());
      QVERIFY(question->isHidden());
    }
    auto *notice = o.child<QFrame>("otherCompanyNotice");
    QCOMPARE(!notice->isHidden(), asked);

    server_.clearRequests();
    o.window.followCompany(QStringLiteral("KO"), QStringLiteral("Coca Cola"));
    QCOMPARE(o.window.windowTitle(), QStringLiteral("Financial History - KO"));
    QVERIFY(o.window.hasFigures());
    QVERIFY(!notice->isHidden());
    QVERIFY(notice->findChild<QLabel *>()->text().contains(QStringLiteral("not of Coca Cola")));
    o.window.followCompany(QStringLiteral("AAPL"), name);
    QCOMPARE(!notice->isHidden(), asked);
    QCOMPARE(o.window.table().companyName, QStringLiteral("Apple Inc."));
    QVERIFY(server_.requests().isEmpty());

    // The notice keeps standing out when the desktop's palette changes.
    o.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&o.window));
    const auto restore =
        qScopeGuard([light = QApplication::palette()] { QApplication::setPalette(light); });
    QPalette dark = QApplication::palette();
    dark.setColor(QPalette::ToolTipBase, Qt::darkBlue);
    QApplication::setPalette(dark);
    QTRY_COMPARE(notice->palette().color(QPalette::Window), QColor(Qt::darkBlue));
  }

  // The split shows as a note and a check box that adjusts the earlier
  // years; the thresholds of the tests change their verdicts.
  void splitsAndThresholds() {
    Open o;
    o.window.followCompany(QStringLiteral("AAPL"), QString());
    o.download();
    QTRY_VERIFY(o.window.hasFigures());
    QVERIFY(o.label("notes").contains(QStringLiteral("Possible 4-for-1 split")));
    auto *adjust = o.child<QCheckBox>("adjustSplits");
    QVERIFY(!adjust->isHidden());
    const QModelIndex eps2016 = o.table()->model()->index(2, 0);
    const QString filed = eps2016.data().toString();
    adjust->click();
    QVERIFY(o.window.table().adjustedForSplits);
    QCOMPARE(o.table()->model()->index(2, 0).data().toString(),
             QLocale::c().toString(QLocale::c().toDouble(filed) / 4, 'f', 2));

    auto *checks = o.child<ChecksPanel>("checks");
    QVERIFY(checks->lines().value(2).contains(QStringLiteral(": passed (1.2 years")));
    o.child<QDoubleSpinBox>("maxDebtYears")->setValue(1);
    QVERIFY2(checks->lines().value(2).contains(QStringLiteral(": failed")),
             qPrintable(checks->lines().value(2)));
  }

  // Cancel stops the download and leaves the window without figures; F1
  // opens the help; Copy, CSV and the keys that close.
  void cancelHelpCopyAndExport() {
    server_.serve(kApplePath, {200, {}, fixture("CIK0000320193.json"), true, 100, true});
    Open o;
    o.window.followCompany(QStringLiteral("AAPL"), QString());
    o.window.show();
    o.download();
    QTRY_VERIFY(server_.requests().size() == 2);
    QTRY_VERIFY(o.child<QLabel>("downloading")->isVisible());
    o.child<QPushButton>("cancelDownload")->click();
    QTRY_VERIFY(!o.busy());
    QVERIFY(!o.window.hasFigures());
    QVERIFY(!o.label("message").isEmpty());
    QVERIFY(!o.child<QPushButton>("exportCsv")->isEnabled());
    server_.serve(kApplePath, {200, {}, fixture("CIK0000320193.json")});

    o.download();
    QTRY_VERIFY(o.window.hasFigures());
    o.child<QPushButton>("copy")->click();
    QVERIFY(QApplication::clipboard()->text().startsWith(QStringLiteral("Apple Inc.")));
    const QString csv = home_.filePath(QStringLiteral("apple.csv"));
    o.dialogs.chooseFile(csv);
    o.child<QPushButton>("exportCsv")->click();
    QFile written(csv);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QVERIFY(written.readLine().startsWith("Figure,Unit,FY2015,"));

    QTest::keyClick(o.table(), Qt::Key_F1);
    QCOMPARE(o.dialogs.shown.last().title, QStringLiteral("Financial History Help"));
    QVERIFY(o.dialogs.shown.last().text.contains(QStringLiteral("contact e-mail")));
    for (const QKeySequence &keys :
         {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
      o.window.show();
      QVERIFY(QTest::qWaitForWindowExposed(&o.window));
      QTest::keySequence(&o.window, keys);
      QVERIFY2(!o.window.isVisible(), qPrintable(keys.toString()));
    }
  }
};

QTEST_MAIN(FinancialHistoryTest)
#include "tst_financial_history.moc"
