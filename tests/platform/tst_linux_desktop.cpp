// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The Linux hand-over of addresses and the calculator, with stand-in
// programs on a private PATH that record how they were started.

#include "platform/linux_desktop.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace kelvo::platform;

class TestLinuxDesktop : public QObject {
  Q_OBJECT

private slots:
  void init();
  void cleanup();
  void calculator_data();
  void calculator();
  void refusedHandOver_data();
  void refusedHandOver();

private:
  QByteArray savedPath_;
};

namespace {

// A stand-in that records its name and arguments, one a line, then ends
// with the given status. "flatpak:APP" is a flatpak that has only APP.
bool installStandIn(const QTemporaryDir &dir, const QString &entry, int status = 0) {
  const QString name = entry.section(QLatin1Char(':'), 0, 0);
  QByteArray body = "#!/bin/sh\n";
  if (entry.contains(QLatin1Char(':')))
    body += "if [ \"$1\" = info ]; then [ \"$2\" = \"" +
            entry.section(QLatin1Char(':'), 1).toUtf8() + "\" ]; exit $?; fi\n";
  const QByteArray tmp = dir.filePath("started.tmp").toUtf8();
  body += "printf '%s\\n' \"" + name.toUtf8() + "\" \"$@\" > \"" + tmp + "\"\n/bin/mv \"" + tmp +
          "\" \"" + dir.filePath("started").toUtf8() + "\"\nexit " + QByteArray::number(status) +
          "\n";
  QFile script(dir.filePath(name));
  return script.open(QIODevice::WriteOnly) && script.write(body) == body.size() &&
         script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// Whether a program started from `dir` is running. A stand-in started
// detached runs from before startProgram() returns until it has left its
// record, so "none running and no record" means that none was started.
bool standInRunning(const QTemporaryDir &dir) {
  const QByteArray path = QFile::encodeName(dir.path()) + '/';
  for (const QString &pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
    QFile commandLine(QStringLiteral("/proc/%1/cmdline").arg(pid));
    if (pid.front().isDigit() && commandLine.open(QIODevice::ReadOnly) &&
        commandLine.readAll().contains(path))
      return true;
  }
  return false;
}

} // namespace

void TestLinuxDesktop::init() { savedPath_ = qgetenv("PATH"); }
void TestLinuxDesktop::cleanup() { qputenv("PATH", savedPath_); }

// clang-format off
void TestLinuxDesktop::calculator_data() {
  QTest::addColumn<QStringList>("installed");
  QTest::addColumn<QString>("program"); // what the wizard asks for
  QTest::addColumn<QString>("started"); // name and arguments, one a line; empty: nothing

  QTest::newRow("only kcalc") << QStringList{"kcalc"} << "calc.exe" << "kcalc";
  QTest::newRow("first of the list wins")
      << QStringList{"xcalc", "kcalc", "gnome-calculator"} << "calc.exe" << "gnome-calculator";
  QTest::newRow("order of the list, not of PATH")
      << QStringList{"xcalc", "mate-calc"} << "calc.exe" << "mate-calc";
  QTest::newRow("qalculate before speedcrunch")
      << QStringList{"kalk", "speedcrunch", "qalculate-gtk"} << "calc.exe" << "qalculate-gtk";
  QTest::newRow("qt before gtk") << QStringList{"qalculate-gtk", "qalculate-qt"} << "calc.exe"
                                 << "qalculate-qt";
  QTest::newRow("galculator before mate-calc")
      << QStringList{"mate-calc", "galculator", "speedcrunch"} << "calc.exe" << "speedcrunch";
  QTest::newRow("kalk before xcalc") << QStringList{"xcalc", "kalk"} << "calc.exe" << "kalk";
  QTest::newRow("last resort") << QStringList{"xcalc"} << "calc.exe" << "xcalc";
  QTest::newRow("any case of the name") << QStringList{"galculator"} << "CALC.EXE" << "galculator";
  QTest::newRow("a Flatpak app when no program")
      << QStringList{"flatpak:org.kde.kcalc"} << "calc.exe" << "flatpak\nrun\norg.kde.kcalc";
  QTest::newRow("a program before any Flatpak app")
      << QStringList{"flatpak:org.gnome.Calculator", "xcalc"} << "calc.exe" << "xcalc";
  QTest::newRow("flatpak without a calculator")
      << QStringList{"flatpak:org.example.Other"} << "calc.exe" << "";
  QTest::newRow("none installed") << QStringList{} << "calc.exe" << "";
  QTest::newRow("a program named like the request is not run")
      << QStringList{"calc.exe"} << "calc.exe" << "";
  QTest::newRow("other names start nothing") << QStringList{"kcalc", "notepad.exe"}
                                             << "notepad.exe" << "";
}
// clang-format on

void TestLinuxDesktop::calculator() {
  QFETCH(QStringList, installed);
  QFETCH(QString, program);
  QFETCH(QString, started);

  QTemporaryDir dir;
  QVERIFY(dir.isValid());
  for (const QString &entry : installed)
    QVERIFY(installStandIn(dir, entry));
  qputenv("PATH", QFile::encodeName(dir.path()));

  LinuxDesktop desktop;
  QCOMPARE(desktop.startProgram(program, ShellStyle::OwnedMaximized), !started.isEmpty());

  QFile record(dir.filePath("started"));
  if (started.isEmpty()) {
    QVERIFY(!standInRunning(dir));
    QVERIFY(!record.exists());
    return;
  }
  QTRY_VERIFY_WITH_TIMEOUT(record.exists(), 10000);
  QVERIFY(record.open(QIODevice::ReadOnly));
  QCOMPARE(QString::fromUtf8(record.readAll()), started + "\n");
}

// The opener is handed the address; when it fails, or when there is none,
// the desktop says so once, naming what it was given.
void TestLinuxDesktop::refusedHandOver_data() {
  QTest::addColumn<int>("openerStatus"); // -1: no xdg-open at all
  QTest::addColumn<HandedOver>("what");
  QTest::addColumn<QString>("handed"); // what xdg-open is given
  QTest::addColumn<QStringList>("reported");

  const QString address = "http://www.example.org/q/pr?s=HRL%20%20&t=a b";
  const QString email = "someone@example.org";
  const QString folder = "/nowhere/Kelvo Studies";
  QTest::newRow("address, opener fails")
      << 4 << HandedOver::Address << "http://www.example.org/q/pr?s=HRL%20%20&t=a%20b"
      << QStringList{"address " + address};
  QTest::newRow("e-mail, opener fails")
      << 3 << HandedOver::Email << "mailto:someone@example.org" << QStringList{"email " + email};
  QTest::newRow("folder, opener fails")
      << 2 << HandedOver::Folder << "file:///nowhere/Kelvo%20Studies"
      << QStringList{"folder " + folder};
  QTest::newRow("address, opener succeeds")
      << 0 << HandedOver::Address << "http://www.example.org/q/pr?s=HRL%20%20&t=a%20b"
      << QStringList{};
  QTest::newRow("address, no opener")
      << -1 << HandedOver::Address << "" << QStringList{"address " + address};
  QTest::newRow("e-mail, no opener")
      << -1 << HandedOver::Email << "" << QStringList{"email " + email};
  QTest::newRow("folder, no opener")
      << -1 << HandedOver::Folder << "" << QStringList{"folder " + folder};
}

void TestLinuxDesktop::refusedHandOver() {
  QFETCH(int, openerStatus);
  QFETCH(HandedOver, what);
  QFETCH(QString, handed);
  QFETCH(QStringList, reported);

  QTemporaryDir dir;
  QVERIFY(dir.isValid());
  if (openerStatus >= 0)
    QVERIFY(installStandIn(dir, "xdg-open", openerStatus));
  qputenv("PATH", QFile::encodeName(dir.path()));
  // Nothing else may name a browser to Qt.
  const QByteArray browser = qgetenv("BROWSER"), defaultBrowser = qgetenv("DEFAULT_BROWSER");
  qunsetenv("BROWSER");
  qunsetenv("DEFAULT_BROWSER");

  QStringList reports;
  {
    LinuxDesktop desktop;
    desktop.refused = [&reports](const QString &target, HandedOver refused) {
      const char *kinds[] = {"address ", "email ", "folder "};
      reports << kinds[int(refused)] + target;
    };
    if (what == HandedOver::Email)
      desktop.openEmail("someone@example.org", ShellStyle::PlainNormal);
    else if (what == HandedOver::Folder)
      desktop.openFolder("/nowhere/Kelvo Studies");
    else
      desktop.openAddress("http://www.example.org/q/pr?s=HRL%20%20&t=a b",
                          ShellStyle::OwnedMaximized);

    if (openerStatus < 0) {
      // Told at once, before the handler goes on.
      QCOMPARE(reports, reported);
    } else {
      QFile record(dir.filePath("started"));
      QTRY_VERIFY_WITH_TIMEOUT(record.exists(), 10000);
      QVERIFY(record.open(QIODevice::ReadOnly));
      QCOMPARE(QString::fromUtf8(record.readAll()), "xdg-open\n" + handed + "\n");
      // Whatever is told is told by the time the desktop has seen the opener end.
      QTRY_COMPARE_WITH_TIMEOUT(desktop.openersRunning(), 0, 10000);
      QCOMPARE(reports, reported);
    }
  }
  if (!browser.isNull())
    qputenv("BROWSER", browser);
  if (!defaultBrowser.isNull())
    qputenv("DEFAULT_BROWSER", defaultBrowser);
}

QTEST_MAIN(TestLinuxDesktop)
#include "tst_linux_desktop.moc"
