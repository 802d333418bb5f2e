// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The Study Notebook and the Studies window as a user meets them: typing and
// saving, the question about unsaved changes, a bad file, the recovery copy,
// and the list of studies sorted and opened. Home, documents and state
// folders are temporary.

#include "app/studies_window.h"
#include "app/study_notebook.h"
#include "study/study_file.h"
#include "support/scripted_dialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

using namespace kelvo::app;
using namespace kelvo::platform;
using namespace kelvo::study;

class StudyWindowsTest : public QObject {
  Q_OBJECT
  QTemporaryDir home_;
  QString studies_; // the studies folder under the temporary home

  template <class T> static T *named(QWidget *w, const QString &accessibleName) {
    for (T *child : w->findChildren<T *>())
      if (child->accessibleName() == accessibleName)
        return child;
    return nullptr;
  }
  static void showAndActivate(QWidget *w) {
    w->show();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
  }
  static void type(QWidget *box, const QString &text) {
    box->setFocus();
    QTest::keyClicks(box, text);
  }
  // A study of that symbol; other bytes in its place when they are given.
  static void writeStudy(const QString &folder, const QString &symbol,
                         const QByteArray &bytes = {}) {
    const QString path = folder + "/" + symbol + ".kelvostudy";
    Study s;
    s.symbol = symbol;
    QCOMPARE(writeStudyFile(s, path), QString());
    QFile file(path);
    QVERIFY(bytes.isNull() ||
            (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()));
  }

private slots:
  void initTestCase() {
    QVERIFY(home_.isValid());
    qputenv("HOME", home_.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (home_.path() + "/config").toUtf8());
    qputenv("XDG_STATE_HOME", (home_.path() + "/state").toUtf8());
    studies_ = home_.path() + "/Documents/Kelvo Studies";
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); // for the dates
  }

  void typedNotesAreRecoveredThenSaved() {
    ScriptedDialogs dialogs;
    const Valuation figures{{{"Average earnings", "$12.00"}},
                            {{"Earnings", "$40.00", "25%", "$30.00"}}};
    StudyNotebook nb(dialogs, [&] { return std::optional(figures); });
    QVERIFY(nb.newStudy("KO", "Coca-Cola"));
    showAndActivate(&nb);
    QCOMPARE(nb.windowTitle(), "Study Notebook - Untitled[*]");
    QVERIFY(!nb.isWindowModified());

    auto *notes = named<QPlainTextEdit>(&nb, "Management notes");
    QVERIFY(notes);
    QCOMPARE(notes->placeholderText(),
             "Are the managers trustworthy and able? Do they treat "
             "shareholders as partners, and do they pay themselves fairly?");
    type(notes, "Owner-operators.");
    for (QPushButton *b : nb.findChildren<QPushButton *>())
      if (b->text() == "&Take from Workbench")
        b->click();
    QVERIFY(nb.isWindowModified());
    QVERIFY(!QFile::exists(nb.recoveryPath()));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(nb.recoveryPath()), 5000);

    const QString path =
        studies_ + "/KO " + QDate::currentDate().toString("yyyy-MM-dd") + ".kelvostudy";
    dialogs.chooseFile(path);
    QTest::keyClick(&nb, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(dialogs.shown.size(), 1);
    QCOMPARE(dialogs.shown[0].kind, ScriptedDialogs::Shown::SaveFile);
    QCOMPARE(dialogs.shown[0].defaultText, path); // proposed on the first save
    QCOMPARE(nb.windowTitle(), "Study Notebook - KO " +
                                   QDate::currentDate().toString("yyyy-MM-dd") + ".kelvostudy[*]");
    QVERIFY(!nb.isWindowModified());
    QVERIFY(!QFile::exists(nb.recoveryPath()));
    const StudyReadResult saved = readStudyFile(path);
    QVERIFY2(saved.study, qPrintable(saved.error));
    QCOMPARE(saved.study->notes[2], "Owner-operators.");
    QCOMPARE(saved.study->valuation, figures);

    // The second save asks nothing.
    type(notes, " Long tenure.");
    QTest::keyClick(&nb, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(dialogs.shown.size(), 1);
    QCOMPARE(readStudyFile(path).study->notes[2], "Owner-operators. Long tenure.");

    // Export as PDF and Print to file (the document's name, ".pdf" for its suffix) agree.
    dialogs.readPrinter = [](const QPrinter &printer) { return printer.docName(); };
    nb.exportPdf();
    nb.print();
    QCOMPARE(QFileInfo(dialogs.shown[1].defaultText).fileName(),
             QFileInfo(path).baseName() + ".pdf");
    QCOMPARE(QFileInfo(dialogs.shown[2].defaultText).completeBaseName(),
             QFileInfo(path).baseName());
  }

  // clang-format off
  void unsavedChangesAsk_data() {
    QTest::addColumn<bool>("close"); // close the window instead of New
    QTest::addColumn<MessageAnswer>("answer");
    QTest::addColumn<QString>("symbolAfter");
    QTest::addColumn<QString>("notesAfter");
    QTest::addColumn<bool>("savedFile");
    QTest::newRow("New, Cancel: nothing changes") << false << MessageAnswer::Cancel << "AAPL" << "Phones." << false;
    QTest::newRow("New, Discard: the new study") << false << MessageAnswer::Discard << "PEP" << "" << false;
    QTest::newRow("New, Save: saved, then the new study") << false << MessageAnswer::Save << "PEP" << "" << true;
    QTest::newRow("Close, Cancel: stays open") << true << MessageAnswer::Cancel << "AAPL" << "Phones." << false;
  }
  // clang-format on
  void unsavedChangesAsk() {
    QFETCH(bool, close);
    QFETCH(MessageAnswer, answer);
    ScriptedDialogs dialogs;
    StudyNotebook nb(dialogs, {});
    nb.newStudy("AAPL", "Apple");
    showAndActivate(&nb);
    type(named<QPlainTextEdit>(&nb, "Company notes"), "Phones.");
    const QString path = home_.path() + "/" + QTest::currentDataTag() + ".kelvostudy";
    dialogs.answer(answer);
    dialogs.chooseFile(path);
    const bool done = close ? nb.close() : nb.newStudy("PEP", "PepsiCo");

    QCOMPARE(done, answer != MessageAnswer::Cancel);
    QCOMPARE(dialogs.shown[0].text,
             "The study of Apple has changes that are not saved. Do you want to save them?");
    QCOMPARE(dialogs.shown[0].buttons, MessageButtons::SaveDiscardCancel);
    QCOMPARE(nb.isVisible(), !done || !close);
    QTEST(named<QLineEdit>(&nb, "Symbol")->text(), "symbolAfter");
    QTEST(named<QPlainTextEdit>(&nb, "Company notes")->toPlainText(), "notesAfter");
    QCOMPARE(nb.isWindowModified(), !done);
    QTEST(QFile::exists(path), "savedFile");
  }

  void badFileChangesNothing_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("not JSON") << QByteArray("\x89PNG\r\n");
    QTest::newRow("a study from a newer version")
        << QByteArray(R"({"format":"kelvo-study","version":99,"symbol":"X"})");
  }
  void badFileChangesNothing() {
    QFETCH(QByteArray, bytes);
    const QString path = home_.path() + "/bad.kelvostudy";
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    file.close();
    ScriptedDialogs dialogs;
    StudyNotebook nb(dialogs, {});
    nb.newStudy("KO", "Coca-Cola");
    type(named<QPlainTextEdit>(&nb, "Company notes"), "Drinks.");
    const Study before = nb.study();

    QVERIFY(!nb.openStudy(path));
    QCOMPARE(dialogs.shown.size(), 1); // the message alone, no question about saving
    QCOMPARE(dialogs.shown[0].icon, MessageIcon::Warning);
    QVERIFY2(dialogs.shown[0].text.contains("bad.kelvostudy"), qPrintable(dialogs.shown[0].text));
    QCOMPARE(nb.study(), before);
    QVERIFY(nb.isWindowModified());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), bytes);
  }

  void studiesListSortAndOpen() {
    const QString folder = home_.path() + "/list";
    auto write = [&](const char *symbol, const char *name, int day, Verdict v, const char *price) {
      Study s;
      s.symbol = symbol;
      s.companyName = name;
      s.begun = QDateTime(QDate(2026, 3, 1), QTime(9, 0));
      s.lastSaved = QDateTime(QDate(2026, 3, day), QTime(9, 0));
      s.verdict = v;
      s.buyBelowPrice = price;
      QCOMPARE(writeStudyFile(s, folder + "/" + symbol + ".kelvostudy"), QString());
    };
    write("KO", "Coca-Cola", 3, Verdict::BuyBelow, "$1,050.00");
    write("AAPL", "Apple", 9, Verdict::Pass, "");
    write("PEP", "PepsiCo", 5, Verdict::BuyBelow, "$95.50");

    StudiesWindow w(folder);
    showAndActivate(&w);
    QCOMPARE(w.windowTitle(), "Studies");
    QTreeView *view = w.view();
    auto column = [&](int c) {
      QStringList out;
      for (int r = 0; r < view->model()->rowCount(); ++r)
        out << view->model()->index(r, c).data().toString();
      return out;
    };
    QCOMPARE(column(StudiesWindow::SymbolColumn),
             QStringList({"AAPL", "PEP", "KO"})); // newest first
    view->sortByColumn(StudiesWindow::BuyBelowColumn, Qt::AscendingOrder);
    QCOMPARE(column(StudiesWindow::SymbolColumn), QStringList({"PEP", "KO", "AAPL"}));
    QCOMPARE(column(StudiesWindow::VerdictColumn), QStringList({"Buy below", "Buy below", "Pass"}));
    view->sortByColumn(StudiesWindow::CompanyColumn, Qt::DescendingOrder);
    QCOMPARE(column(StudiesWindow::CompanyColumn), QStringList({"PepsiCo", "Coca-Cola", "Apple"}));

    QSignalSpy opened(&w, &StudiesWindow::openRequested);
    view->setCurrentIndex(view->model()->index(1, 0));
    QTest::keyClick(view, Qt::Key_Return);
    QCOMPARE(opened.size(), 1);
    QCOMPARE(opened[0][0].toString(), folder + "/KO.kelvostudy");

    ScriptedDialogs dialogs;
    StudyNotebook nb(dialogs, {});
    QVERIFY(nb.openStudy(folder + "/KO.kelvostudy")); // the dates as the list shows them
    QCOMPARE(named<QLabel>(&nb, "Begun")->text(), "3/1/26 9:00 AM");
    QCOMPARE(named<QLabel>(&nb, "Last saved")->text(), "3/3/26 9:00 AM");
  }

  // clang-format off
  void studiesListUnreadFiles_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("mark");
    QTest::addColumn<QString>("why"); // in the tooltip
    QTest::newRow("empty") << QByteArray("") << "damaged" << "bad.kelvostudy” could not be opened. The study is damaged: the file is empty.";
    QTest::newRow("cut short") << QByteArray("{\"format\": \"kelvo-study\", \"version\": 1, \"sym") << "damaged" << "ends too early";
    QTest::newRow("other JSON") << QByteArray("{\"format\": \"kelvo-links\"}") << "not a study" << "not a Kelvo study";
    QTest::newRow("newer") << QByteArray("{\"format\": \"kelvo-study\", \"version\": 2}") << "newer version" << "update the program";
  }
  // clang-format on
  void studiesListUnreadFiles() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, why);
    const QString folder = home_.path() + "/unread/" + QTest::currentDataTag();
    writeStudy(folder, "KO");
    writeStudy(folder, "bad", bytes);
    StudiesWindow w(folder);
    w.show();
    const QAbstractItemModel *list = w.view()->model();
    const int bad = list->index(0, StudiesWindow::SymbolColumn).data() == "KO" ? 1 : 0;
    QCOMPARE(list->index(bad, StudiesWindow::CompanyColumn).data(), "bad.kelvostudy");
    QTEST(list->index(bad, StudiesWindow::VerdictColumn).data().toString(), "mark");
    QVERIFY(list->index(bad, 0).data(Qt::ToolTipRole).toString().contains(why));
    QVERIFY(named<QLabel>(&w, "")->text().contains(": 1. Files that cannot be opened: 1."));
    QCOMPARE(w.view()->currentIndex().data(), "KO"); // the study that opens
  }

  // clang-format off
  void studiesFollowTheFolder_data() {
    QTest::addColumn<QString>("change"); // a study saved while the list is shown, or a key
    QTest::addColumn<QStringList>("symbols");
    QTest::newRow("saved") << "save" << QStringList{"PEP", "KO"};
    QTest::newRow("saved first, making the folder") << "first save" << QStringList{"PEP"};
    QTest::newRow("F5") << "F5" << QStringList{"KO"};
    QTest::newRow("Alt+R") << "Alt+R" << QStringList{"KO"};
  }
  // clang-format on
  void studiesFollowTheFolder() {
    QFETCH(QString, change);
    QFETCH(QStringList, symbols);
    const QString folder = home_.path() + "/follow/" + QTest::currentDataTag() + "/studies";
    if (change != "first save")
      writeStudy(folder, "KO");
    StudiesWindow w(folder);
    showAndActivate(&w);
    QAbstractItemModel *list = w.view()->model();
    w.view()->sortByColumn(StudiesWindow::SymbolColumn, Qt::DescendingOrder);
    if (change.endsWith("save")) {
      writeStudy(folder, "PEP");
    } else { // emptied behind the window's back: only a refresh fills it again
      list->removeRows(0, list->rowCount());
      const QKeyCombination key = QKeySequence::fromString(change)[0];
      QTest::keyClick(&w, key.key(), key.keyboardModifiers());
    }
    QTRY_COMPARE_WITH_TIMEOUT(list->rowCount(), symbols.size(), 5000);
    for (int row = 0; row < symbols.size(); ++row)
      QCOMPARE(list->index(row, 0).data().toString(), symbols[row]);
    QCOMPARE(w.view()->currentIndex().data(), symbols.size() == 1 ? symbols[0] : "KO"); // kept
  }

  // Each single-line box keeps the first line of a paste, without tabs; then
  // Ctrl+N puts the keyboard in the new study's company notes.
  void notebookBoxesByKeyboard_data() {
    QTest::addColumn<QString>("box");
    for (const char *box : {"Symbol", "Company name", "Buy-below price", "Reasoning"})
      QTest::newRow(box) << QString(box);
  }
  void notebookBoxesByKeyboard() {
    QFETCH(QString, box);
    ScriptedDialogs dialogs;
    StudyNotebook nb(dialogs, {});
    showAndActivate(&nb);
    nb.findChildren<QRadioButton *>().at(1)->click(); // Buy below a price
    QLineEdit *edit = named<QLineEdit>(&nb, box);
    edit->setFocus();
    QGuiApplication::clipboard()->setText("Hormel\tFoods\r\nAustin, Minnesota");
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit->text(), "HormelFoods");
    dialogs.answer(MessageAnswer::Discard);
    QTest::keyClick(&nb, Qt::Key_N, Qt::ControlModifier);
    QTest::keyClicks(nullptr, "hello"); // wherever the keyboard is
    QCOMPARE(named<QPlainTextEdit>(&nb, "Company notes")->toPlainText(), "hello");
  }
};

QTEST_MAIN(StudyWindowsTest)
#include "tst_study_windows.moc"
