// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The Research Links window against the catalogue the main window clicks
// through: the switch for today's set, an edit, a reset, the problems of the
// user's file, and a folder that cannot be written.

#include "directory/company_directory.h"
#include "links/link_overrides.h"
#include "research_links/research_links_window.h"
#include "support/recording_desktop.h"
#include "support/scripted_dialogs.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

using namespace kelvo;
using namespace kelvo::handover;
using namespace kelvo::links;
using namespace kelvo::platform;

class TestResearchLinks : public QObject {
  Q_OBJECT

private slots:
  void init();
  void todaySwitchChangesTheNextClick();
  void editIsCheckedWrittenKeptAndReset();
  void unwritableFolderLosesNothing();

private:
  QByteArray userFile() const;
  void select(const QString &control);
  QString firstHandOver(const QString &control);

  QTemporaryDir tmp_;
  QString path_;
  ScriptedDialogs dialogs_;
  RecordingDesktop desktop_;
  LinkContext ko_{[] { return QString("KO"); }, [] { return QString("Coca-Cola "); },
                  [] { return directory::findSymbol("KO"); }};
  std::unique_ptr<LinkActions> main_; // as the main window holds it
  std::unique_ptr<app::ResearchLinksWindow> window_;
};

void TestResearchLinks::init() {
  window_.reset();
  const QString root = tmp_.path() + "/" + QTest::currentTestFunction();
  for (const char *variable : {"XDG_DATA_HOME", "XDG_DATA_DIRS", "XDG_CONFIG_DIRS"})
    qputenv(variable, (root + "/none").toUtf8());
  qputenv("XDG_CONFIG_HOME", (root + "/config").toUtf8());
  path_ = root + "/config/kelvo-wizard/links.conf";
  QDir().mkpath(root + "/config/kelvo-wizard");
  QFile file(path_);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write("# mine\n[Command99]\naddress=https://x.example/\n");
  file.close();
  ActiveLinks::instance().reload();
  main_ = std::make_unique<LinkActions>(dialogs_, desktop_, ko_);
  window_ = std::make_unique<app::ResearchLinksWindow>(dialogs_, desktop_, ko_);
  window_->show();
}

QByteArray TestResearchLinks::userFile() const {
  QFile file(path_);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

void TestResearchLinks::select(const QString &control) {
  auto *tree = window_->findChild<QTreeWidget *>("links");
  for (QTreeWidgetItemIterator it(tree); *it; ++it)
    if ((*it)->data(0, Qt::UserRole).toString() == control)
      tree->setCurrentItem(*it);
}

QString TestResearchLinks::firstHandOver(const QString &control) {
  desktop_.log.clear();
  main_->trigger(control);
  return desktop_.log.value(0);
}

void TestResearchLinks::todaySwitchChangesTheNextClick() {
  // A file without the setting: today's set is on.
  auto *today = window_->findChild<QCheckBox *>("useToday");
  QCOMPARE(today->text(), "Use today's addresses");
  QVERIFY(today->isChecked());
  QCOMPARE(firstHandOver("Command8"),
           "open OwnedMaximized https://finance.yahoo.com/quote/KO/key-statistics/");

  today->setFocus();
  QTest::keyClick(today, Qt::Key_Space);
  QVERIFY(firstHandOver("Command8").contains("/p.php?pid=financials&"));
  QCOMPARE(userFile(),
           "# mine\n[Command99]\naddress=https://x.example/\n\n[settings]\ntoday=off\n");

  QTest::keyClick(today, Qt::Key_Space);
  QCOMPARE(firstHandOver("Command8"),
           "open OwnedMaximized https://finance.yahoo.com/quote/KO/key-statistics/");
  QVERIFY(userFile().endsWith("[settings]\ntoday=on\n"));
  // The problem of the hand-edited file is listed as on standard error.
  QCOMPARE(window_->findChild<QListWidget *>("problems")->item(0)->text(),
           path_ + ":2: unknown control \"Command99\"");
}

void TestResearchLinks::editIsCheckedWrittenKeptAndReset() {
  select("Command11");
  auto *edit = window_->findChild<QLineEdit *>("template");
  auto *save = window_->findChild<QPushButton *>("save");
  auto *verdict = window_->findChild<QLabel *>("verdict");
  auto *open = window_->findChild<QPushButton *>("open");
  edit->clear();
  QTest::keyClicks(edit, "https://{symbol}.example/");
  QCOMPARE(verdict->text(), "This template is refused: a placeholder cannot stand in the host.");
  QVERIFY(!save->isEnabled());
  QVERIFY(!open->isEnabled()); // Open tries what is in the box
  QTest::keyClick(edit, Qt::Key_Return);
  QVERIFY(!userFile().contains("{symbol}.example"));

  edit->clear();
  QTest::keyClicks(edit, "https://www.example.org/q/{symbol}");
  QVERIFY(save->isEnabled());
  desktop_.log.clear();
  open->click(); // before it is saved
  QCOMPARE(desktop_.log.value(0), "open OwnedMaximized https://www.example.org/q/KO");
  QTest::keyClick(edit, Qt::Key_Return);
  QCOMPARE(firstHandOver("Command11"), "open OwnedMaximized https://www.example.org/q/KO");

  ActiveLinks::instance().reload(); // as the next start would read it
  QCOMPARE(firstHandOver("Command11"), "open OwnedMaximized https://www.example.org/q/KO");
  select("Command11");
  QCOMPARE(window_->findChild<QTreeWidget *>("links")->currentItem()->text(3), path_ + ":6");

  window_->findChild<QPushButton *>("reset")->click();
  QCOMPARE(userFile(), "# mine\n[Command99]\naddress=https://x.example/\n\n");
  QCOMPARE(firstHandOver("Command11"),
           "open OwnedMaximized https://www.google.com/search?q=KO+competitors");
}

void TestResearchLinks::unwritableFolderLosesNothing() {
  // A file where the folder of links.conf would have to be made.
  const QString config = QFileInfo(path_).path() + "/../../config2";
  QFile blocker(config);
  QVERIFY(blocker.open(QIODevice::WriteOnly));
  blocker.write("kept");
  blocker.close();
  qputenv("XDG_CONFIG_HOME", (config + "/sub").toUtf8());
  ActiveLinks::instance().reload();

  auto *today = window_->findChild<QCheckBox *>("useToday");
  today->click();
  QVERIFY(today->isChecked());
  QCOMPARE(dialogs_.shown.size(), 1);
  QCOMPARE(dialogs_.shown[0].icon, MessageIcon::Warning);
  QVERIFY(dialogs_.shown[0].text.endsWith("cannot be created, so nothing was written."));
  QCOMPARE(firstHandOver("Command8"),
           "open OwnedMaximized https://finance.yahoo.com/quote/KO/key-statistics/");
  QCOMPARE(blocker.open(QIODevice::ReadOnly) ? blocker.readAll() : QByteArray(), "kept");
}

QTEST_MAIN(TestResearchLinks)
#include "tst_research_links.moc"
