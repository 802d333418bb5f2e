// The Linux hand-over of the calculator and the key, with stand-in programs
// on a private PATH that record how they were started.

#include "desktop.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace kelvo;

class TestLinuxDesktop : public QObject {
  Q_OBJECT

private slots:
  void init();
  void cleanup();
  void calculator_data();
  void calculator();
  void keyWithoutX11IsSilent();

private:
  QByteArray savedPath_;
};

void TestLinuxDesktop::init() { savedPath_ = qgetenv("PATH"); }
void TestLinuxDesktop::cleanup() { qputenv("PATH", savedPath_); }

void TestLinuxDesktop::calculator_data() {
  QTest::addColumn<QStringList>("installed");
  QTest::addColumn<QString>("program"); // what the wizard asks for
  QTest::addColumn<QString>("started"); // empty: nothing

  QTest::newRow("only kcalc") << QStringList{"kcalc"} << "calc.exe" << "kcalc";
  QTest::newRow("first of the list wins")
      << QStringList{"xcalc", "kcalc", "gnome-calculator"} << "calc.exe" << "gnome-calculator";
  QTest::newRow("order of the list, not of PATH")
      << QStringList{"xcalc", "mate-calc"} << "calc.exe" << "mate-calc";
  QTest::newRow("last resort") << QStringList{"xcalc"} << "calc.exe" << "xcalc";
  QTest::newRow("any case of the name") << QStringList{"galculator"} << "CALC.EXE" << "galculator";
  QTest::newRow("none installed") << QStringList{} << "calc.exe" << "";
  QTest::newRow("a program named like the request is not run")
      << QStringList{"calc.exe"} << "calc.exe" << "";
  QTest::newRow("other names start nothing") << QStringList{"kcalc", "notepad.exe"}
                                             << "notepad.exe" << "";
}

void TestLinuxDesktop::calculator() {
  QFETCH(QStringList, installed);
  QFETCH(QString, program);
  QFETCH(QString, started);

  QTemporaryDir dir;
  QVERIFY(dir.isValid());
  for (const QString &name : installed) {
    // Each stand-in records its name and arguments, one a line.
    QFile script(dir.filePath(name));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nprintf '%s\\n' \"" + name.toUtf8() + "\" \"$@\" > \"" +
                 dir.filePath("started.tmp").toUtf8() + "\"\n/bin/mv \"" +
                 dir.filePath("started.tmp").toUtf8() + "\" \"" +
                 dir.filePath("started").toUtf8() + "\"\n");
    script.close();
    QVERIFY(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
  }
  qputenv("PATH", QFile::encodeName(dir.path()));

  LinuxDesktop desktop;
  desktop.startProgram(program, ShellStyle::OwnedMaximized);

  QFile record(dir.filePath("started"));
  if (started.isEmpty()) {
    QTest::qWait(300);
    QVERIFY(!record.exists());
    return;
  }
  QTRY_VERIFY_WITH_TIMEOUT(record.exists(), 10000);
  QVERIFY(record.open(QIODevice::ReadOnly));
  // Its own name and not a single argument.
  QCOMPARE(QString::fromUtf8(record.readAll()), started + "\n");
}

void TestLinuxDesktop::keyWithoutX11IsSilent() {
  // Headless here: there is no X display to inject into, so nothing happens
  // and nothing fails.
  LinuxDesktop desktop;
  desktop.sendKey(DesktopKey::F11);
  desktop.bringToFront(nullptr);
  QVERIFY(true);
}

QTEST_MAIN(TestLinuxDesktop)
#include "tst_linux_desktop.moc"
