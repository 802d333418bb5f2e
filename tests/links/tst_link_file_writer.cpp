// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
// One value of a hand-edited links.conf changed, and every other line kept.

#include "links/link_file_writer.h"

#include <QTest>

using namespace kelvo::links;

class TestLinkFileWriter : public QObject {
  Q_OBJECT

private slots:
  void change_data();
  void change();
};

// clang-format off
void TestLinkFileWriter::change_data() {
  QTest::addColumn<QByteArray>("before");
  QTest::addColumn<QString>("group");
  QTest::addColumn<QString>("value"); // "-": the row removed
  QTest::addColumn<QByteArray>("after");

  QTest::newRow("new file") << QByteArray() << "Command11" << "https://x.example/"
      << QByteArray("[Command11]\naddress=https://x.example/\n");
  QTest::newRow("value replaced, everything else kept")
      << QByteArray("# mine\n[Other]\nfoo = bar\n\xff not text\nno equals\n[Command11]\n# note\n"
                    "  address = old  \n")
      << "Command11" << "https://x.example/"
      << QByteArray("# mine\n[Other]\nfoo = bar\n\xff not text\nno equals\n[Command11]\n# note\n"
                    "address=https://x.example/\n");
  QTest::newRow("group without the key: added after its last line")
      << QByteArray("[Command11]\n# note\n\n[Command5]\naddress=a\n") << "Command11" << "https://x.example/"
      << QByteArray("[Command11]\n# note\naddress=https://x.example/\n\n[Command5]\naddress=a\n");
  QTest::newRow("new group after a last line without newline")
      << QByteArray("[Command5]\naddress=a") << "Command11" << "https://x.example/"
      << QByteArray("[Command5]\naddress=a\n\n[Command11]\naddress=https://x.example/\n");
  QTest::newRow("the last of two rows is the one in use")
      << QByteArray("[Command11]\naddress=a\n[Command11]\naddress=b\n") << "Command11" << "https://x.example/"
      << QByteArray("[Command11]\n[Command11]\naddress=https://x.example/\n");
  QTest::newRow("values after an unreadable group line are no one's")
      << QByteArray("[Command11\naddress=a\n") << "Command11" << "https://x.example/"
      << QByteArray("[Command11\naddress=a\n\n[Command11]\naddress=https://x.example/\n");
  QTest::newRow("a group line that is not UTF-8 ends the group before it")
      << QByteArray("[Command11]\naddress=a\n[Caf\xe9]\naddress=b\n") << "Command11" << "https://x.example/"
      << QByteArray("[Command11]\naddress=https://x.example/\n[Caf\xe9]\naddress=b\n");
  QTest::newRow("reset: the emptied group goes, the rest stays")
      << QByteArray("# top\n[Command11]\naddress=old\n\n[settings]\ntoday=on\n") << "Command11" << "-"
      << QByteArray("# top\n\n[settings]\ntoday=on\n");
  QTest::newRow("reset: a group with a comment stays")
      << QByteArray("[Command11]\n# mine\naddress=a\naddress=b\n") << "Command11" << "-"
      << QByteArray("[Command11]\n# mine\n");
  QTest::newRow("reset of a row that is not there") << QByteArray("# only\n") << "Command11" << "-"
      << QByteArray("# only\n");
  QTest::newRow("switch with CR LF kept")
      << QByteArray("[settings]\r\ntoday=off\r\n") << "settings" << "on"
      << QByteArray("[settings]\r\ntoday=on\r\n");
}
// clang-format on

void TestLinkFileWriter::change() {
  QFETCH(QByteArray, before);
  QFETCH(QString, group);
  QFETCH(QString, value);
  QFETCH(QByteArray, after);
  const QString key = group == "settings" ? "today" : "address";
  QCOMPARE(withLinkFileValue(before, group, key,
                             value == "-" ? std::nullopt : std::optional<QString>(value)),
           after);
}

QTEST_APPLESS_MAIN(TestLinkFileWriter)
#include "tst_link_file_writer.moc"
