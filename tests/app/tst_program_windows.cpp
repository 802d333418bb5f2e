// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The windows added beside the wizard, as the wizard opens them: the menu on
// its background, the workbench button, and End with an unsaved study.

#include "app/program_windows.h"
#include "app/run_wizard.h"
#include "financial_history/financial_history_window.h"
#include "keyboard_shortcuts/keyboard_shortcuts_window.h"
#include "notebook/studies_window.h"
#include "notebook/study_notebook.h"
#include "research_links/research_links_window.h"
#include "study/recovery.h"
#include "support/window_fixture.h"
#include "workbench/valuation_workbench.h"

#include <QAccessible>
#include <QAction>
#include <QContextMenuEvent>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <QTreeWidget>
#include <QXmlStreamReader>

using namespace kelvo::testing;

namespace {

// The English texts the German catalogue translates into other words, with
// and without their access-key marks.
QSet<QString> textsGermanChanges() {
  QFile file(QStringLiteral(KELVO_GERMAN_CATALOGUE));
  if (!file.open(QIODevice::ReadOnly))
    return {};
  QSet<QString> english;
  QString source;
  for (QXmlStreamReader xml(&file); !xml.atEnd();)
    if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"source")
      source = xml.readElementText();
    else if (xml.isStartElement() && xml.name() == u"translation")
      if (const QString german = xml.readElementText(); german != source)
        english << source << QString(source).remove(u'&').simplified();
  return english;
}

// Every text a window shows or tells assistive tools: captions, titles,
// tooltips, placeholders, menu entries, headers and the rows of its lists.
QStringList shownTexts(QWidget *window) {
  QStringList texts{window->windowTitle()};
  QList<QWidget *> widgets = window->findChildren<QWidget *>();
  for (QWidget *w : widgets << window) {
    texts << w->toolTip() << w->accessibleName() << w->accessibleDescription();
    for (const QAction *action : w->actions())
      texts << action->text() << action->toolTip();
    if (auto *label = qobject_cast<QLabel *>(w))
      texts << label->text();
    if (auto *button = qobject_cast<QAbstractButton *>(w))
      texts << button->text();
    if (auto *box = qobject_cast<QGroupBox *>(w))
      texts << box->title();
    if (auto *edit = qobject_cast<QLineEdit *>(w))
      texts << edit->placeholderText();
    if (auto *edit = qobject_cast<QPlainTextEdit *>(w))
      texts << edit->placeholderText();
    auto *view = qobject_cast<QAbstractItemView *>(w);
    const QAbstractItemModel *model = view ? view->model() : nullptr;
    for (int c = 0; model && c < model->columnCount(); ++c)
      texts << model->headerData(c, Qt::Horizontal).toString();
    for (QModelIndexList parents{QModelIndex()}; model && !parents.isEmpty();) {
      const QModelIndex parent = parents.takeLast();
      for (int r = 0; r < model->rowCount(parent); ++r)
        for (int c = 0; c < model->columnCount(parent); ++c) {
          texts << model->index(r, c, parent).data().toString();
          parents << model->index(r, 0, parent);
        }
    }
  }
  return texts;
}

// Opens one of the added windows: 0 Research Links, 1 the workbench, 2 a new
// study, 3 Studies, 4 Keyboard Shortcuts, 5 Financial History.
void openAddedWindow(ProgramWindows &added, int window) {
  switch (window) {
  case 0:
    added.showResearchLinks();
    break;
  case 1:
    added.showWorkbench();
    break;
  case 2:
    added.newStudy();
    break;
  case 3:
    added.showStudies();
    break;
  case 4:
    added.showKeyboardShortcuts();
    break;
  case 5:
    added.showFinancialHistory();
    break;
  default:
    break;
  }
}

} // namespace

class ProgramWindowsTest : public QObject {
  Q_OBJECT
  QTemporaryDir home_;

private slots:
  void initTestCase() {
    // No study or recovery copy of the user's is seen or touched.
    qputenv("HOME", home_.path().toUtf8());
    qputenv("XDG_STATE_HOME", (home_.path() + "/state").toUtf8());
    qputenv("XDG_CONFIG_HOME", (home_.path() + "/config").toUtf8());
    qputenv("XDG_CACHE_HOME", (home_.path() + "/cache").toUtf8());
  }

  // After starting the calculator the shipped desktop brings the wizard
  // back in front of whatever window the user was in.
  void shippedDesktopBringsWindowToFront() {
    prepareApplication(*qApp);
    ShippedWizard wizard;
    wizard.window.show();
    QWidget other;
    other.show();
    other.activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), &other);
    wizard.desktop.bringToFront();
    QTRY_COMPARE(QApplication::activeWindow(), &wizard.window);
  }

  // A right-click on a page's background opens the program's menu, and so
  // do Shift+F10 and the Menu key at a control without a menu of its own; a
  // text box keeps its own editing menu. The entries show the shortcuts that
  // work in every window.
  void programMenu_data() {
    QTest::addColumn<QString>("control"); // in focus; empty: right-click on a page
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("own"); // the control's own menu opens instead
    QTest::newRow("right-click on a page") << "" << 0 << false;
    QTest::newRow("Shift+F10 on Next")
        << "cmdNext" << (Qt::SHIFT | Qt::Key_F10).toCombined() << false;
    QTest::newRow("Menu key on End") << "cmdCancel" << int(Qt::Key_Menu) << false;
    QTest::newRow("Shift+F10 in a text box")
        << "ssymbol" << (Qt::SHIFT | Qt::Key_F10).toCombined() << true;
  }
  void programMenu() {
    QFETCH(QString, control);
    QFETCH(int, key);
    Window t;
    ProgramWindows added(*t.w, t.dialogs, t.desktop);
    QWidget *page = t.panel(1);
    QWidget *focus = control.isEmpty() ? page : t.w->findChild<QWidget *>(control);
    if (control == "ssymbol")
      t.clickStep(1);
    QSignalSpy asked(t.w.get(), &MainWindow::programMenuRequested);
    QMenu *opened = nullptr; // a menu run by exec() is seen from inside its loop
    QTimer::singleShot(0, this, [&] {
      opened = qobject_cast<QMenu *>(QApplication::activePopupWidget());
      if (opened && opened != added.menu())
        opened->close();
    });
    if (control.isEmpty()) {
      QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(2, 2),
                              page->mapToGlobal(QPoint(2, 2)));
      QApplication::sendEvent(page, &click);
    } else {
      focus->setFocus();
      QTRY_COMPARE(QApplication::focusWidget(), focus);
      const auto keys = QKeyCombination::fromCombined(key);
      QTest::keyClick(focus, keys.key(), keys.keyboardModifiers());
    }
    QTRY_VERIFY(opened);
    QFETCH(bool, own);
    QCOMPARE(asked.size(), own ? 0 : 1);
    QCOMPARE(opened != added.menu(), own);
    if (own)
      return;
    const QRect at(focus->mapToGlobal(QPoint()), focus->size());
    QVERIFY(at.contains(asked[0][0].toPoint()));
    QStringList entries;
    for (QAction *action : added.menu()->actions())
      if (!action->isSeparator())
        entries << action->text() + u'|' + action->shortcut().toString();
    added.menu()->hide();
    QCOMPARE(entries, QStringList({"Research Links…|Ctrl+L", "Valuation Workbench…|Ctrl+I",
                                   "Financial History…|Ctrl+H", "New Study|Ctrl+N",
                                   "Open Study…|Ctrl+O", "Open Recent|", "Studies…|Ctrl+Shift+O",
                                   "Show Studies Folder|", "Keyboard Shortcuts|"}));
  }

  // Ctrl+Shift+O shows the list of studies from every window, and F1 in each
  // added window its own help (the wizard's F1 stays its Help button).
  void keysOfEveryWindow_data() {
    QTest::addColumn<int>("window"); // as openAddedWindow numbers them; -1 the wizard
    QTest::addColumn<QString>("helpTitle");
    QTest::addColumn<QString>("helpSays"); // a part of the help
    QTest::newRow("wizard") << -1 << ""
                            << "";
    QTest::newRow("Research Links") << 0 << "Research Links Help"
                                    << "/config/kelvo-wizard/links.conf";
    QTest::newRow("workbench") << 1 << "Valuation Workbench Help"
                               << "√(22.5 × E × B)";
    QTest::newRow("notebook") << 2 << "Study Notebook Help"
                              << "/state/kelvo-wizard\n";
    QTest::newRow("Studies") << 3 << "Studies Help"
                             << "/Documents/Kelvo Studies";
    QTest::newRow("Keyboard Shortcuts") << 4 << "Keyboard Shortcuts Help"
                                        << "Shift+F10";
    QTest::newRow("Financial History") << 5 << "Financial History Help"
                                       << "kelvo-wizard/sec";
  }
  void keysOfEveryWindow() {
    QFETCH(int, window);
    Window t;
    ProgramWindows added(*t.w, t.dialogs, t.desktop);
    if (window >= 0)
      openAddedWindow(added, window);
    QWidget *shown = nullptr;
    QTRY_VERIFY((shown = QApplication::activeWindow()) && (window < 0) == (shown == t.w.get()));
    QTest::keyClick(shown, Qt::Key_F1);
    if (window >= 0) {
      QCOMPARE(t.dialogs.shown.size(), 1);
      QTEST(t.dialogs.shown[0].title, "helpTitle");
      QFETCH(QString, helpSays);
      QVERIFY2(t.dialogs.shown[0].text.contains(helpSays.replace("\\n", "\n")),
               qPrintable(t.dialogs.shown[0].text));
    }
    if (window == 3)
      return;
    QTest::keyClick(shown, Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
    QTRY_VERIFY(added.studies() && QApplication::activeWindow() == added.studies());
    added.studies()->hide();
  }

  // The list is read from the windows' own actions, buttons and labels: a
  // key a window gains is listed with nothing else to change.
  void keyboardShortcutsListEveryWindow_data() {
    QTest::addColumn<QString>("row"); // section|action|keys
    QTest::newRow("every window") << "Every window|Studies…|Ctrl+Shift+O";
    QTest::newRow("Financial History") << "Every window|Financial History…|Ctrl+H";
    QTest::newRow("F1") << "Every window|Help|F1";
    QTest::newRow("context menu") << "Wizard|Context menu|Shift+F10, Menu";
    QTest::newRow("access key") << "Wizard|Next >|Alt+N";
    QTest::newRow("the browser's")
        << "Wizard|In the browser, after “online tools”: full screen on and off|F11";
    QTest::newRow("notebook's menu") << "Study Notebook|Save|Ctrl+S";
    QTest::newRow("Studies' row keys") << "Studies|Rename…|F2, Alt+N";
    QTest::newRow("gained") << "Valuation Workbench|Gained|F9";
    QTest::newRow("keys and button, one line")
        << "Valuation Workbench|Close|Ctrl+W, Ctrl+F4, Esc, Alt+C";
  }
  void keyboardShortcutsListEveryWindow() {
    QFETCH(QString, row);
    Window t;
    ProgramWindows added(*t.w, t.dialogs, t.desktop);
    added.showWorkbench();
    auto *gained = new QAction("Gained", added.workbench());
    gained->setShortcut(Qt::Key_F9);
    added.workbench()->addAction(gained);
    added.showKeyboardShortcuts();
    QStringList rows;
    const QTreeWidget *list = added.keyboardShortcuts()->list();
    for (int s = 0; s < list->topLevelItemCount(); ++s)
      for (int r = 0; r < list->topLevelItem(s)->childCount(); ++r)
        rows << list->topLevelItem(s)->text(0) + u'|' + list->topLevelItem(s)->child(r)->text(0) +
                    u'|' + list->topLevelItem(s)->child(r)->text(1);
    QVERIFY2(rows.contains(row), qPrintable(rows.join(u'\n')));
    added.keyboardShortcuts()->hide();
    added.workbench()->hide();
  }

  // The button sits in the bargain-price page's free space, after the
  // page's own controls. The workbench takes the calculator's figures at its
  // first opening (the page's start-up example gives no earnings per share
  // until it is estimated) and at "Take from IV Estimator"; closed and
  // opened again, it keeps what was typed. Its Copy names the company.
  void workbenchTakesTheCalculatorsFigures_data() {
    QTest::addColumn<QStringList>("page"); // txtIntr, txtDuration, txtPresVal, txtshares
    QTest::addColumn<bool>("estimated");
    QTest::addColumn<QString>("opened"); // earnings per share, then after 2,000,000 earnings
    QTest::addColumn<QString>("taken");
    // clang-format off
    QTest::newRow("start-up figures") << QStringList{} << false << "" << "20000";
    QTest::newRow("start-up, estimated") << QStringList{} << true << "10000" << "20000";
    QTest::newRow("the user's") << QStringList{"5", "10", "1,000,000", "1000"} << false << "1000" << "2000";
    // clang-format on
  }
  void workbenchTakesTheCalculatorsFigures() {
    QFETCH(QStringList, page);
    Window t;
    ProgramWindows added(*t.w, t.dialogs, t.desktop);
    auto *button = t.w->findChild<QPushButton *>("cmdWorkbench");
    QCOMPARE(button->parentWidget(), t.panel(4));
    QCOMPARE(button->geometry(), QRect(32, 260, 269, 33));
    QCOMPARE(t.button("Command26")->nextInFocusChain(), button);
    t.clickStep(6);
    const char *boxes[] = {"txtIntr", "txtDuration", "txtPresVal", "txtshares"};
    for (int i = 0; i < page.size(); ++i)
      t.box(boxes[i])->setText(page[i]);
    if (QFETCH(bool, estimated); estimated)
      t.w->estimateIntrinsicValue();
    t.clickStep(4);
    t.click(button);
    QVERIFY(added.workbench() && added.workbench()->isVisible());
    auto inputs = added.workbench()->findChildren<QLineEdit *>();
    auto [eps, years] = std::pair(inputs[0], inputs[2]);
    QCOMPARE(eps->accessibleName() + years->accessibleName(), "Earnings per shareYears of growth");
    QTEST(eps->text(), "opened");
    QCOMPARE(eps->placeholderText(), "e.g. 3.20");

    eps->setText("3.20");
    years->setText("8");
    added.workbench()->close();
    t.box("txtPresVal")->setText("2,000,000");
    const QString before = t.symbol();
    t.w->selectRow(1);
    QVERIFY(t.symbol() != before);
    added.showWorkbench();
    QCOMPARE(eps->text() + u' ' + years->text(), "3.20 8");
    QVERIFY(added.workbench()->summaryText().contains(
        QStringLiteral("\nCompany: %1 (%2)\n").arg(t.name(), t.symbol())));
    added.workbench()->findChild<QPushButton *>("takeFromEstimator")->click();
    QTEST(eps->text(), "taken");
    QCOMPARE(years->text(), page.value(1, "20"));
    added.workbench()->close();
  }

  // Each added window opens within the available screen with the focus
  // where a user starts (never on Close, where typing does nothing and
  // Return would close it), and Return and Enter press its focused button as
  // Space does.
  void addedWindowsByKeyboard_data() {
    QTest::addColumn<int>("window"); // as openAddedWindow numbers them
    QTest::addColumn<QString>("focused");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("key");
    QTest::newRow("Research Links") << 0 << "useToday"
                                    << "Open" << int(Qt::Key_Return);
    QTest::newRow("workbench") << 1 << "earnings"
                               << "Copy" << int(Qt::Key_Enter);
    QTest::newRow("notebook") << 2 << "companyNotes"
                              << "Take from Workbench" << int(Qt::Key_Return);
    QTest::newRow("Studies") << 3 << "studyList"
                             << "Refresh" << int(Qt::Key_Enter);
    QTest::newRow("Keyboard Shortcuts") << 4 << "shortcuts"
                                        << "Close" << int(Qt::Key_Return);
    QTest::newRow("Financial History") << 5 << "contact"
                                       << "Download from the SEC" << int(Qt::Key_Return);
  }
  void addedWindowsByKeyboard() {
    QFETCH(int, window);
    QFETCH(QString, button);
    QFETCH(int, key);
    Window t;
    ProgramWindows added(*t.w, t.dialogs, t.desktop);
    openAddedWindow(added, window);
    QWidget *shown = nullptr;
    QTRY_VERIFY((shown = QApplication::activeWindow()) && shown != t.w.get());
    const QSize room = shown->screen()->availableGeometry().size();
    QVERIFY(shown->width() <= room.width() && shown->height() <= room.height());
    QTRY_VERIFY(QApplication::focusWidget());
    QTEST(QApplication::focusWidget()->objectName(), "focused");
    QPushButton *pressed = nullptr;
    for (QPushButton *b : shown->findChildren<QPushButton *>())
      pressed = b->text().remove(u'&') == button ? b : pressed;
    QVERIFY(pressed);
    pressed->setFocus();
    QSignalSpy clicks(pressed, &QPushButton::clicked);
    QTest::keyClick(pressed, Qt::Key(key));
    QCOMPARE(clicks.size(), 1);
  }

  // Each added window opens where it was left in the run before, fitted into
  // the screen when that place no longer fits; the settings file is written
  // when the window closes, not when it opens.
  void addedWindowsKeepTheirPlaces_data() {
    QTest::addColumn<int>("window"); // as openAddedWindow numbers them
    QTest::addColumn<QRect>("left");
    QTest::addColumn<bool>("fits");
    const QRect kept(60, 50, 640, 420), off(2400, 1800, 3000, 2000);
    QTest::newRow("Research Links") << 0 << kept << true;
    QTest::newRow("workbench") << 1 << kept << true;
    QTest::newRow("notebook") << 2 << kept << true;
    QTest::newRow("Studies") << 3 << kept << true;
    QTest::newRow("Keyboard Shortcuts") << 4 << kept << true;
    QTest::newRow("workbench, off a smaller screen") << 1 << off << false;
  }
  void addedWindowsKeepTheirPlaces() {
    QFETCH(int, window);
    QFETCH(QRect, left);
    const QString settings = home_.path() + "/config/kelvo-wizard/kelvo-wizard.conf";
    QFile::remove(settings);
    for (int run = 0; run < 2; ++run) {
      Window t;
      ProgramWindows added(*t.w, t.dialogs, t.desktop);
      openAddedWindow(added, window);
      QWidget *shown = nullptr;
      QTRY_VERIFY((shown = QApplication::activeWindow()) && shown != t.w.get());
      if (run == 0) {
        QVERIFY(!QFile::exists(settings));
        shown->setGeometry(left);
        QVERIFY(shown->close());
        QVERIFY(QFile::exists(settings));
        continue;
      }
      if (QFETCH(bool, fits); fits)
        QCOMPARE(shown->geometry(), left);
      else
        QTRY_VERIFY(shown->screen()->availableGeometry().contains(shown->frameGeometry()));
      shown->hide();
    }
  }

  // "Address now" in Research Links follows the company the wizard shows,
  // while a template being edited stays as typed.
  void researchLinksFollowTheCompany() {
    Window t;
    ProgramWindows added(*t.w, t.dialogs, t.desktop);
    added.showResearchLinks();
    auto *edit = added.researchLinks()->findChild<QLineEdit *>("template");
    edit->setText(QStringLiteral("https://www.example.org/{symbol}"));
    const auto addressNow = [&](const QString &control) {
      QTreeWidgetItemIterator it(added.researchLinks()->findChild<QTreeWidget *>("links"));
      while (*it && (*it)->data(0, Qt::UserRole) != control)
        ++it;
      return *it ? (*it)->text(2) : QString();
    };
    t.clickStep(1);
    t.typeInto("ssymbol", QStringLiteral("PEP"));
    QVERIFY2(addressNow("Command23").endsWith("/quote/PEP/news/"),
             qPrintable(addressNow("Command23")));
    t.typeInto("ssymbol", QStringLiteral("ZZZZ"));
    QTest::keyClick(t.box("ssymbol"), Qt::Key_Tab); // no row matches: the list's links read none
    QVERIFY2(addressNow("List1").endsWith("?q=+competitors"), qPrintable(addressNow("List1")));
    QCOMPARE(edit->text(), QStringLiteral("https://www.example.org/{symbol}"));
  }

  // Financial History is built at Ctrl+H, follows the wizard's company, and
  // carries its figures into the workbench (each with its source) and into
  // the study; the workbench's button takes them again, or opens the history
  // while it has none.
  void historyCarriesItsFigures() {
    Window t;
    ProgramWindows added(*t.w, t.dialogs, t.desktop);
    t.clickStep(1);
    t.typeInto("ssymbol", QStringLiteral("WMT"));
    added.showWorkbench();
    QVERIFY(!added.financialHistory());
    added.workbench()->findChild<QPushButton *>("takeFromHistory")->click();
    FinancialHistoryWindow *history = added.financialHistory();
    QVERIFY(history && history->isVisible());
    QCOMPARE(history->windowTitle(), QStringLiteral("Financial History - WMT"));
    t.dialogs.chooseFile(QStringLiteral(KELVO_FILINGS_FIXTURES "/CIK0000104169.json"));
    history->findChild<QPushButton *>("openFile")->click();
    QVERIFY(history->hasFigures());

    const auto inputs = added.workbench()->findChildren<QLineEdit *>();
    const auto input = [&](const QString &name) {
      for (QLineEdit *box : inputs)
        if (box->accessibleName() == name)
          return box;
      return static_cast<QLineEdit *>(nullptr);
    };
    input("Earnings per share")->setText(QStringLiteral("1"));
    history->findChild<QPushButton *>("useInWorkbench")->click();
    QCOMPARE(input("Earnings per share")->text(), QStringLiteral("4.27"));
    QCOMPARE(input("Book value per share")->text(), QStringLiteral("28.15"));
    QCOMPARE(input("Growth rate (% a year)")->text(), QStringLiteral("-5.2"));
    QCOMPARE(input("Earnings per share")->toolTip(),
             QStringLiteral("From Financial History: FY2023 10-K, filed 2023-03-17"));
    QCOMPARE(input("Current price")->text(), QString()); // the SEC has no prices
    input("Earnings per share")->clear();
    added.workbench()->findChild<QPushButton *>("takeFromHistory")->click();
    QCOMPARE(input("Earnings per share")->text(), QStringLiteral("4.27"));

    history->findChild<QPushButton *>("takeIntoStudy")->click();
    QVERIFY(added.notebook() && added.notebook()->isVisible());
    const kelvo::study::Figures taken = added.notebook()->study().figures;
    QCOMPARE(taken.cik, 104169);
    QCOMPARE(taken.symbol, QString()); // from a file, not found under a symbol
    QCOMPARE(taken.years.last(), QStringLiteral("FY2023"));
    QCOMPARE(taken.rows.value(2).heading, QStringLiteral("Earnings per share (diluted)"));
    QCOMPARE(taken.rows.value(2).cells.last(), QStringLiteral("4.27"));
    QVERIFY(added.notebook()->hasUnsavedChanges());
    added.notebook()->hide();
  }

  // End asks "Exit Program?" as ever; with an unsaved study it, and the
  // title bar's close, then ask about the notes, and Cancel keeps the
  // program and the notes.
  void endWithAnUnsavedStudy_data() {
    QTest::addColumn<bool>("closed"); // by the title bar, not End
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("ends");
    QTest::newRow("Cancel") << false << int(MessageAnswer::Cancel) << 0;
    QTest::newRow("Discard") << false << int(MessageAnswer::Discard) << 1;
    QTest::newRow("Save into a read-only folder") << false << int(MessageAnswer::Save) << 0;
    QTest::newRow("closed, Cancel") << true << int(MessageAnswer::Cancel) << 0;
    QTest::newRow("closed, Discard") << true << int(MessageAnswer::Discard) << 1;
  }
  void endWithAnUnsavedStudy() {
    QFETCH(int, answer);
    Window t;
    ProgramWindows added(*t.w, t.dialogs, t.desktop);
    QSignalSpy quits(&added, &ProgramWindows::quitRequested);
    added.newStudy();
    StudyNotebook *notebook = added.notebook();
    QVERIFY(notebook && notebook->isVisible());
    QCOMPARE(notebook->study().symbol, t.symbol());
    auto *notes = notebook->findChildren<QPlainTextEdit *>().value(0);
    QVERIFY(notes);
    notes->setPlainText(QStringLiteral("Sells meat."));
    QVERIFY(notebook->hasUnsavedChanges());
    QFETCH(bool, closed);
    if (!closed)
      t.dialogs.answer(MessageAnswer::Yes);
    t.dialogs.answer(MessageAnswer(answer));
    const QString readOnly = home_.filePath("read-only");
    QVERIFY(QDir().mkpath(readOnly) &&
            QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ExeOwner));
    t.dialogs.chooseFile(readOnly + "/a.kelvostudy");
    if (closed) {
      t.w->close();
    } else {
      t.w->askToEndProgram();
      QCOMPARE(t.dialogs.texts().value(0), QStringLiteral("Exit Program?"));
    }
    QCOMPARE(t.dialogs.shown.value(closed ? 0 : 1).buttons, MessageButtons::SaveDiscardCancel);
    QTEST(int(quits.size()), "ends");
    QCOMPARE(t.w->isVisible(), !closed || quits.isEmpty());
    QCOMPARE(notebook->isVisible(), quits.isEmpty());
    QCOMPARE(notebook->hasUnsavedChanges(), quits.isEmpty());
  }

  // Notes left by two killed programs are offered newer first; a copy goes
  // only when its notes are shown or discarded.
  void offeredRecoveryCopies_data() {
    QTest::addColumn<QList<MessageAnswer>>("answers");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QList<bool>>("left"); // the newer copy, the older copy
    QTest::newRow("newer discarded")
        << QList{MessageAnswer::Discard, MessageAnswer::Recover} << "Older." << QList{false, false};
    QTest::newRow("second cancelled")
        << QList{MessageAnswer::Recover, MessageAnswer::Recover, MessageAnswer::Cancel} << "Newer."
        << QList{false, true};
  }
  void offeredRecoveryCopies() {
    QFETCH(QList<MessageAnswer>, answers);
    const QString folder = kelvo::study::RecoveryCopy::defaultFolder();
    QDir(folder).removeRecursively(); // copies earlier tests left
    QStringList copies;
    for (const QString notes : {"Newer.", "Older."}) {
      kelvo::study::Study study;
      study.notes[0] = notes;
      kelvo::study::RecoveryCopy left(folder);
      QCOMPARE(left.write(study, {}), QString());
      copies << folder + "/recovery-" + notes + "kelvostudy"; // newer first by their times
      QFile copy(copies.last());
      QVERIFY(QFile::rename(left.path(), copy.fileName()) && copy.open(QIODevice::Append));
      QVERIFY(copy.setFileTime(QDateTime::currentDateTime().addDays(-copies.size()),
                               QFileDevice::FileModificationTime));
    }
    Window t;
    ProgramWindows added(*t.w, t.dialogs, t.desktop);
    for (MessageAnswer answer : answers)
      t.dialogs.answer(answer);
    added.offerRecoveredNotes();
    QCOMPARE(t.dialogs.shown.size(), answers.size());
    QTEST(added.notebook()->findChildren<QPlainTextEdit *>().value(0)->toPlainText(), "shown");
    QTEST((QList{QFile::exists(copies[0]), QFile::exists(copies[1])}), "left");
    added.notebook()->hide();
  }

  // Under the German translation no window, menu or list is left with an
  // English text that the catalogue translates.
  void everyWindowInGerman() {
    const QSet<QString> english = textsGermanChanges();
    QVERIFY(english.contains(QStringLiteral("Next >")));
    QTranslator german, qt; // the program's own, built in, and Qt's
    QVERIFY(german.load(QLocale(QLocale::German), "kelvo-wizard", "_", ":/i18n"));
    QVERIFY(qt.load(QLocale(QLocale::German), "qtbase", "_",
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
    for (QTranslator *translator : {&german, &qt})
      QCoreApplication::installTranslator(translator);
    Window t(false);
    ProgramWindows added(*t.w, t.dialogs, t.desktop);
    added.menu();
    added.showResearchLinks();
    added.showWorkbench();
    added.newStudy();
    added.showStudies();
    added.showFinancialHistory();
    QStringList left;
    for (QWidget *window : QApplication::topLevelWidgets())
      for (const QString &text : shownTexts(window))
        if (english.contains(text))
          left << window->windowTitle() + QStringLiteral(": ") + text;
    QVERIFY2(left.isEmpty(), qPrintable(left.join(u'\n')));
    for (QWidget *window : QApplication::topLevelWidgets())
      window->hide();
  }
};

QTEST_MAIN(ProgramWindowsTest)
#include "tst_program_windows.moc"
