// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The Study Notebook and the Studies window as a user meets them: typing and
// saving, the question about unsaved changes, a bad file, the recovery copy,
// and the list of studies sorted and opened. Home, documents and state
// folders are temporary.

#include "notebook/studies_window.h"
#include "notebook/study_notebook.h"
#include "study/recovery.h"
#include "study/study_file.h"
#include "support/recording_desktop.h"
#include "support/scripted_dialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
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
  ScriptedDialogs listDialogs_;
  RecordingDesktop desktop_;

  template <class T> static T *named(QWidget *w, const QString &accessibleName) {
    for (T *child : w->findChildren<T *>())
      if (child->accessibleName() == accessibleName)
        return child;
    return nullptr;
  }
  static QPlainTextEdit *companyNotes(StudyNotebook &nb) {
    return named<QPlainTextEdit>(&nb, "Company notes");
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
  static QByteArray bytesOf(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  static void writeBytes(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
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
    qputenv("XDG_DATA_HOME", (home_.path() + "/data").toUtf8()); // the trash
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

  // A study file in use, step by step. "1" and "2" are notebooks (of one
  // copy of the program or of two); the files are a and b (notes "Old.",
  // "B."), "link" to a, "." their folder and "copy1", notebook 1's recovery
  // copy. Steps: "N open F", "N new", "N type NOTES", "N save", "N saveas",
  // "N pdf", "N close", "N full" (its disk fills up), "N restore F" (notes
  // "Left." that a killed program kept for F), and by others: "write F
  // NOTES" (anew, as a new file), "delete F", "readonly F",
  // "stale F" (a killed program's lock); the answers "answer Save|Discard",
  // "press BUTTON", "choose F"; and "state": each file's notes and each
  // notebook's title (* when modified) and recovery copy.
  // clang-format off
  void studyFilesInUse_data() {
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QStringList>("events"); // the boxes and states, in order
    QTest::addColumn<QString>("after");
    const QString unsaved = "The study of KO has changes that are not saved. Do you want to save them?";
    const QString changed = "The study file was changed by another program since it was opened. Overwrite it, save as another file, or cancel?";
    const QString openThere = "“a.kelvostudy” is already open in another copy of Kelvo Wizard. Open it read-only, or not at all?";
    const QString inUse = "“%1.kelvostudy” is open in another copy of Kelvo Wizard. Save the study under another name, or close it there first.";
    const QString notSaved = "The study could not be saved as “DIR/a.kelvostudy”: ";
    const QString untouched = "a=Old. | b=B. | 1 Untitled | 2 Untitled";
    // Opening the study shown reads nothing; another is read after the question.
    QTest::newRow("the study shown") << "1 open a | 1 type New. | 1 open a" << QStringList{} << "a=Old. | b=B. | 1 a.kelvostudy* | 2 Untitled";
    QTest::newRow("the study shown, by a link") << "1 open a | 1 type New. | 1 open link" << QStringList{} << "a=Old. | b=B. | 1 a.kelvostudy* | 2 Untitled";
    QTest::newRow("the study shown, by another path") << "1 open a | 1 type New. | 1 open sub/../a" << QStringList{} << "a=Old. | b=B. | 1 a.kelvostudy* | 2 Untitled";
    QTest::newRow("another study, Save") << "1 open a | 1 type New. | answer Save | 1 open b" << QStringList{unsaved} << "a=New. | b=B. | 1 b.kelvostudy | 2 Untitled";
    QTest::newRow("new notes saved as the study opened") << "1 new | 1 type New. | answer Save | choose a | 1 open a | 1 save" << QStringList{"This study has changes that are not saved. Do you want to save them?", "Save Study"} << "a=New. | b=B. | 1 a.kelvostudy | 2 Untitled";
    // Another program changed the file since the notebook read it.
    QTest::newRow("changed, Overwrite") << "1 open a | 1 type Mine. | write a Theirs. | press &Overwrite | 1 save" << QStringList{changed} << "a=Mine. | b=B. | 1 a.kelvostudy | 2 Untitled";
    QTest::newRow("changed, Save As…") << "1 open a | 1 type Mine. | write a Theirs. | press &Save As… | choose b | 1 save" << QStringList{changed, "Save Study"} << "a=Theirs. | b=Mine. | 1 b.kelvostudy | 2 Untitled";
    QTest::newRow("changed, Cancel") << "1 open a | 1 type Mine. | write a Theirs. | press Cancel | 1 save" << QStringList{changed} << "a=Theirs. | b=B. | 1 a.kelvostudy* | 2 Untitled";
    QTest::newRow("deleted, Escape") << "1 open a | 1 type Mine. | delete a | 1 save" << QStringList{changed} << "a= | b=B. | 1 a.kelvostudy* | 2 Untitled";
    QTest::newRow("the same bytes anew") << "1 open a | 1 type Mine. | write a Old. | 1 save" << QStringList{} << "a=Mine. | b=B. | 1 a.kelvostudy | 2 Untitled";
    // Two copies of the program on one study.
    QTest::newRow("open there: read-only here") << "1 open a | press Open &Read-Only | 2 open a | 2 type Second. | choose a | 2 save | 1 type First. | 1 save" << QStringList{openThere, "Save Study", inUse.arg("a")} << "a=First. | b=B. | 1 a.kelvostudy | 2 a.kelvostudy (read-only)*";
    QTest::newRow("open there: not opened") << "1 open a | press Cancel | 2 open a" << QStringList{openThere} << "a=Old. | b=B. | 1 a.kelvostudy | 2 Untitled";
    QTest::newRow("closed there first") << "1 open a | 1 close | 2 open a" << QStringList{} << "a=Old. | b=B. | 1 Untitled | 2 a.kelvostudy";
    QTest::newRow("lock of a killed program") << "stale a | 2 open a" << QStringList{} << "a=Old. | b=B. | 1 Untitled | 2 a.kelvostudy";
    QTest::newRow("read-only folder: no lock") << "readonly . | 1 open a | 2 open a | 2 type Second. | 2 save" << QStringList{notSaved + "the folder “DIR” cannot be written in."} << "a=Old. | b=B. | 1 a.kelvostudy | 2 a.kelvostudy* copy=Second.";
    // Files the program has open are not written.
    QTest::newRow("Save As onto the recovery copy") << "1 open a | 1 type Mine. | choose copy1 | 1 saveas" << QStringList{"Save Study", "“COPY” is in the folder of the recovery copies, which the program empties by itself. Please choose another folder."} << "a=Old. | b=B. | 1 a.kelvostudy* | 2 Untitled";
    QTest::newRow("Export onto the study shown") << "1 open a | choose a | 1 pdf" << QStringList{"Export as PDF", "“a.kelvostudy” is the study shown here: an export would replace its notes. Please choose another name."} << "a=Old. | b=B. | 1 a.kelvostudy | 2 Untitled";
    QTest::newRow("Save As onto a study open there") << "2 open b | 1 open a | 1 type Mine. | choose b | 1 saveas" << QStringList{"Save Study", inUse.arg("b")} << "a=Old. | b=B. | 1 a.kelvostudy* | 2 b.kelvostudy";
    // A failed save keeps the notes and the window until the user decides.
    QTest::newRow("read-only file") << "1 open a | 1 type New. | readonly a | answer Save | 1 close | state | answer Discard | 1 close" << QStringList{unsaved, notSaved + "the file is read-only.", "a=Old. | b=B. | 1 a.kelvostudy* copy=New. | 2 Untitled", unsaved} << untouched;
    QTest::newRow("read-only folder") << "1 open a | 1 type New. | readonly . | answer Save | 1 close | state | answer Discard | 1 close" << QStringList{unsaved, notSaved + "the folder “DIR” cannot be written in.", "a=Old. | b=B. | 1 a.kelvostudy* copy=New. | 2 Untitled", unsaved} << untouched;
    QTest::newRow("full disk") << "1 open a | 1 type New. | 1 full | answer Save | 1 close | state | answer Discard | 1 close" << QStringList{unsaved, notSaved + "Unknown error.", "a=Old. | b=B. | 1 a.kelvostudy* copy=New. | 2 Untitled", unsaved} << untouched;
    // Notes a killed program left, for a study that is there, gone or open elsewhere.
    // Open Recent: the studies opened or saved, newest first; a file gone is left out, and
    // dropped at the next opening or saving, the only times the list is written.
    QTest::newRow("recent, newest first") << "settings | 1 open a | 2 open b | 1 save | settings | 1 recent" << QStringList{"no settings", "settings", "recent &1 a.kelvostudy, &2 b.kelvostudy"} << "a=Old. | b=B. | 1 a.kelvostudy | 2 b.kelvostudy";
    QTest::newRow("recent, a file gone") << "1 open a | 2 open b | delete a | 1 recent | 2 save | write a Again. | 1 recent" << QStringList{"recent &1 b.kelvostudy", "recent &1 b.kelvostudy"} << "a=Again. | b=B. | 1 a.kelvostudy | 2 b.kelvostudy";
    QTest::newRow("recent, ten kept") << "1 many 11 | 1 recent" << QStringList{"recent &1 m11.kelvostudy, &2 m10.kelvostudy, &3 m9.kelvostudy, &4 m8.kelvostudy, &5 m7.kelvostudy, &6 m6.kelvostudy, &7 m5.kelvostudy, &8 m4.kelvostudy, &9 m3.kelvostudy, 1&0 m2.kelvostudy"} << "a=Old. | b=B. | 1 m11.kelvostudy | 2 Untitled";
    QTest::newRow("recent, chosen") << "1 open a | 1 open b | 2 pick 2" << QStringList{} << "a=Old. | b=B. | 1 b.kelvostudy | 2 a.kelvostudy";
    QTest::newRow("recent, nothing written by notes") << "1 new | 1 type New. | 1 recent | settings" << QStringList{"recent", "no settings"} << "a=Old. | b=B. | 1 Untitled* | 2 Untitled";
    QTest::newRow("recovered, study there") << "1 restore a | state | 1 save" << QStringList{"a=Old. | b=B. | 1 a.kelvostudy* copy=Left. | 2 Untitled"} << "a=Left. | b=B. | 1 a.kelvostudy | 2 Untitled";
    QTest::newRow("recovered, study gone") << "delete a | 1 restore a | state | choose b | 1 save" << QStringList{"a= | b=B. | 1 Untitled* copy=Left. | 2 Untitled", "Save Study"} << "a= | b=Left. | 1 b.kelvostudy | 2 Untitled";
    QTest::newRow("recovered, study open there") << "2 open a | 1 restore a | choose b | 1 save" << QStringList{"Save Study"} << "a=Old. | b=Left. | 1 b.kelvostudy | 2 a.kelvostudy";
  }
  // clang-format on
  void studyFilesInUse() {
    QFETCH(QString, steps);
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    StudyNotebook n1(dialogs, {}), n2(dialogs, {});
    StudyNotebook *const notebooks[] = {&n1, &n2};
    const auto path = [&](const QString &f) {
      return f == "."       ? dir.path()
             : f == "copy1" ? n1.recoveryPath()
                            : dir.filePath(f + ".kelvostudy");
    };
    const auto write = [&](const QString &f, const QString &notes) {
      Study s;
      s.symbol = "KO";
      s.notes[0] = notes;
      QCOMPARE(writeStudyFile(s, path(f)), QString());
    };
    const auto state = [&] {
      QStringList out;
      for (const QString f : {"a", "b"}) {
        const StudyReadResult read = readStudyFile(path(f));
        out << f + "=" + (read.study ? read.study->notes[0] : QString());
      }
      for (int i = 0; i < 2; ++i) {
        out << QString::number(i + 1) + ' ' +
                   notebooks[i]->windowTitle().mid(17).replace(
                       "[*]", notebooks[i]->isWindowModified() ? "*" : "");
        const QJsonObject copy =
            QJsonDocument::fromJson(bytesOf(notebooks[i]->recoveryPath())).object();
        if (!copy.isEmpty())
          out.last() += " copy=" + copy["study"]["notes"]["company"].toString();
      }
      return out.join(" | ");
    };
    write("a", "Old.");
    write("b", "B.");
    QVERIFY(QDir(dir.path()).mkdir("sub") && QFile::link(path("a"), path("link")));
    QList<std::pair<QString, QFile::Permissions>> marked;
    QStringList events;
    const QString settings = home_.path() + "/config/kelvo-wizard/kelvo-wizard.conf";
    QFile::remove(settings);
    const auto recentMenu = [](StudyNotebook &nb) {
      auto *recent = nb.findChild<QMenu *>("openRecent");
      emit qobject_cast<QMenu *>(recent->parent())->aboutToShow(); // read when the File menu opens
      return recent;
    };
    using Step = std::function<void(StudyNotebook &, const QString &)>;
    // clang-format off
    const QHash<QString, Step> act{
        {"open", [&](StudyNotebook &nb, const QString &f) { nb.openStudy(path(f)); }},
        {"new", [](StudyNotebook &nb, const QString &) { nb.newStudy("", ""); }},
        {"type", [](StudyNotebook &nb, const QString &notes) { companyNotes(nb)->setPlainText(notes); }},
        {"save", [](StudyNotebook &nb, const QString &) { nb.save(); }},
        {"saveas", [](StudyNotebook &nb, const QString &) { nb.saveAs(); }},
        {"pdf", [](StudyNotebook &nb, const QString &) { nb.exportPdf(); }},
        {"close", [](StudyNotebook &nb, const QString &) { nb.close(); }},
        {"full", [](StudyNotebook &nb, const QString &) { nb.writeBytes = [](QIODevice &file, const QByteArray &bytes) { return file.write(bytes.left(100)); }; }},
        {"restore", [&](StudyNotebook &nb, const QString &f) {
          Study left = readStudyFile(path(f)).study.value_or(Study{});
          left.notes[0] = "Left.";
          QCOMPARE(RecoveryCopy(dir.filePath("state")).write(left, path(f)), QString());
          nb.restoreFromRecovery(RecoveryCopy::findOrphans(dir.filePath("state")).value(0)); }},
        {"write", [&](StudyNotebook &, const QString &a) { write(a.section(' ', 0, 0), a.section(' ', 1)); }},
        {"delete", [&](StudyNotebook &, const QString &f) { QVERIFY(QFile::remove(path(f))); }},
        {"readonly", [&](StudyNotebook &, const QString &f) {
          marked.append({path(f), QFile::permissions(path(f))});
          QVERIFY(QFile::setPermissions(path(f), marked.last().second & ~(QFile::WriteOwner | QFile::WriteUser))); }},
        {"stale", [&](StudyNotebook &, const QString &f) { writeBytes(dir.filePath("." + f + ".kelvostudy.lock"), "99999999\nkelvo-wizard\n\n"); }},
        {"answer", [&](StudyNotebook &, const QString &a) { dialogs.answer(a == "Save" ? MessageAnswer::Save : MessageAnswer::Discard); }},
        {"press", [&](StudyNotebook &, const QString &button) { dialogs.press(button); }},
        {"choose", [&](StudyNotebook &, const QString &f) { dialogs.chooseFile(path(f)); }},
        {"state", [&](StudyNotebook &, const QString &) { events << state(); }},
        {"settings", [&](StudyNotebook &, const QString &) { events << (QFile::exists(settings) ? "settings" : "no settings"); }},
        {"many", [&](StudyNotebook &nb, const QString &n) {
          for (int i = 1; i <= n.toInt(); ++i) { write("m" + QString::number(i), ""); nb.openStudy(path("m" + QString::number(i))); } }},
        {"recent", [&](StudyNotebook &nb, const QString &) {
          QStringList entries;
          for (const QAction *entry : recentMenu(nb)->actions())
            entries << entry->text();
          events << ("recent " + entries.join(", ")).trimmed(); }},
        {"pick", [&](StudyNotebook &nb, const QString &n) { recentMenu(nb)->actions().value(n.toInt() - 1)->trigger(); }},
    };
    // clang-format on
    for (const QString &step : steps.split(" | ")) {
      bool own = false; // a notebook's step
      const int n = step.section(' ', 0, 0).toInt(&own);
      const QString verb = step.section(' ', own ? 1 : 0, own ? 1 : 0);
      QVERIFY2(act.contains(verb), qPrintable(step));
      const qsizetype seen = dialogs.shown.size();
      act[verb](*notebooks[qBound(1, n, 2) - 1], step.section(' ', own ? 2 : 1));
      for (qsizetype i = seen; i < dialogs.shown.size(); ++i)
        events << dialogs.shown[i].text;
    }
    for (const auto &[file, permissions] : marked)
      QFile::setPermissions(file, permissions);
    QTEST(events.replaceInStrings(dir.path(), "DIR")
              .replaceInStrings(QFileInfo(n1.recoveryPath()).fileName(), "COPY"),
          "events");
    QTEST(state(), "after");
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

    StudiesWindow w(listDialogs_, desktop_, folder);
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

  // F2 renames the chosen study's file (the study inside stays as it was),
  // Delete moves it to the trash after asking; a study open in a notebook is
  // left alone. "Show Studies Folder" hands the folder to the file manager.
  void studiesListRenameAndTrash_data() {
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QStringList>("shown"); // the boxes' texts, or the desktop's log
    QTest::addColumn<QString>("after");     // the folder's files and symbols, then the trash's
    const QString inUse = "“KO.kelvostudy” is open in the Study Notebook, here or in another "
                          "copy of Kelvo Wizard. Close it there first.";
    const QString trash = "Move “KO.kelvostudy” to the trash? You can restore it from there with "
                          "the file manager.";
    const QString untouched = "KO.kelvostudy=KO PEP.kelvostudy=PEP |";
    // clang-format off
    QTest::newRow("rename") << "type Coca-Cola | F2" << QStringList{"New name for “KO.kelvostudy”:"} << "Coca-Cola.kelvostudy=KO PEP.kelvostudy=PEP |";
    QTest::newRow("rename, the suffix typed") << "type Coke.kelvostudy | F2" << QStringList{"New name for “KO.kelvostudy”:"} << "Coke.kelvostudy=KO PEP.kelvostudy=PEP |";
    QTest::newRow("rename, cancelled") << "cancel | F2" << QStringList{"New name for “KO.kelvostudy”:"} << untouched;
    QTest::newRow("rename onto another study") << "type PEP | F2" << QStringList{"New name for “KO.kelvostudy”:", "“PEP.kelvostudy” already exists in this folder. Please choose another name."} << untouched;
    QTest::newRow("rename into another folder") << "type ../KO | F2" << QStringList{"New name for “KO.kelvostudy”:", "A file name cannot contain “/”. Please choose another name."} << untouched;
    QTest::newRow("rename, open in a notebook") << "open | type Coke | F2" << QStringList{"New name for “KO.kelvostudy”:", inUse} << untouched;
    QTest::newRow("trash") << "press Move to &Trash | Delete" << QStringList{trash} << "PEP.kelvostudy=PEP | KO.kelvostudy";
    QTest::newRow("trash, cancelled") << "Delete" << QStringList{trash} << untouched;
    QTest::newRow("trash, open in a notebook") << "open | press Move to &Trash | Delete" << QStringList{trash, inUse} << untouched;
    QTest::newRow("show the folder") << "folder" << QStringList{"folder DIR"} << untouched;
    QTest::newRow("show a folder not made yet") << "remove | folder" << QStringList{"The studies folder DIR does not exist yet. It is made when you save your first study."} << "|";
    // clang-format on
  }
  void studiesListRenameAndTrash() {
    QFETCH(QString, steps);
    const QString folder = home_.path() + "/moves/" + QTest::currentDataTag();
    const QString trash = home_.path() + "/data/Trash/files";
    QDir(trash).removeRecursively();
    writeStudy(folder, "KO");
    writeStudy(folder, "PEP");
    ScriptedDialogs dialogs;
    RecordingDesktop desktop;
    StudiesWindow w(dialogs, desktop, folder);
    showAndActivate(&w);
    StudyNotebook nb(dialogs, {});
    QTreeView *view = w.view();
    for (int r = 0; r < view->model()->rowCount(); ++r)
      if (view->model()->index(r, StudiesWindow::SymbolColumn).data() == "KO")
        view->setCurrentIndex(view->model()->index(r, 0));
    for (const QString &step : steps.split(" | ")) {
      const QString verb = step.section(' ', 0, 0), rest = step.section(' ', 1);
      if (verb == "type")
        dialogs.type(rest);
      else if (verb == "cancel")
        dialogs.cancelInput();
      else if (verb == "press")
        dialogs.press(rest);
      else if (verb == "open")
        QVERIFY(nb.openStudy(folder + "/KO.kelvostudy"));
      else if (verb == "remove")
        QVERIFY(QDir(folder).removeRecursively());
      else if (verb == "folder")
        w.findChild<QPushButton *>("showStudiesFolder")->click();
      else
        QTest::keyClick(view, verb == "F2" ? Qt::Key_F2 : Qt::Key_Delete);
    }
    QTEST(
        (dialogs.texts() << desktop.log).replaceInStrings(QDir::toNativeSeparators(folder), "DIR"),
        "shown");
    QStringList after;
    for (const QFileInfo &file :
         QDir(folder).entryInfoList({"*.kelvostudy"}, QDir::Files, QDir::Name))
      after << file.fileName() + "=" +
                   readStudyFile(file.filePath()).study.value_or(Study{}).symbol;
    after << "|" << QDir(trash).entryList(QDir::Files);
    QTEST(after.join(' ').trimmed(), "after");
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
    StudiesWindow w(listDialogs_, desktop_, folder);
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
    StudiesWindow w(listDialogs_, desktop_, folder);
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
