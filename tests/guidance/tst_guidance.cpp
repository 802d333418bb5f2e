// The teaching texts keep the details an editor would be tempted to tidy,
// and each one is shown in its own plain OK box.

#include "scripted_dialogs.h"
#include "guidance.h"
#include "show_guidance.h"

#include <QTest>

using namespace kelvo;

namespace {

QString S(std::string_view v) { return QString::fromUtf8(v.data(), qsizetype(v.size())); }

GuidanceSequence Sequence(const QString &name) {
  return name == "help" ? HelpTexts() : AdvantageTexts();
}

} // namespace

class TestGuidance : public QObject {
  Q_OBJECT

private slots:
  void shown_data();
  void shown();
  void wording_data();
  void wording();
};

void TestGuidance::shown_data() {
  QTest::addColumn<QString>("sequence");
  QTest::addColumn<int>("count");
  QTest::newRow("help") << "help" << 9;
  QTest::newRow("competitive advantages") << "advantages" << 4;
}

void TestGuidance::shown() {
  QFETCH(QString, sequence);
  QFETCH(int, count);
  ScriptedDialogs dialogs;
  // Answers a script might give cannot end the sequence early.
  dialogs.answer(MessageAnswer::No);
  dialogs.answer(MessageAnswer::Yes);
  ShowGuidance(Sequence(sequence), dialogs);
  QCOMPARE(dialogs.shown.size(), count);
  for (int i = 0; i < count; ++i) {
    const ScriptedDialogs::Shown expected{ScriptedDialogs::Shown::Message,
                                          S(Sequence(sequence)[std::size_t(i)]), "Kelvo Wizard",
                                          MessageButtons::Ok, MessageIcon::None, QString()};
    QCOMPARE(dialogs.shown[i], expected);
  }
}

void TestGuidance::wording_data() {
  QTest::addColumn<QString>("sequence");
  QTest::addColumn<int>("index");
  QTest::addColumn<QString>("contains");
  QTest::addColumn<QString>("endsWith");

  QTest::newRow("two blanks after sentences") << "help" << 0
      << "investor.  It is simple to navigate.  Most" << "internet.";
  QTest::newRow("no closing full stop") << "help" << 1 << "call internet" << "search engines";
  QTest::newRow("sentence carried to the next box") << "help" << 5 << "And, their method"
                                                     << "three components: ";
  QTest::newRow("completes the carried sentence") << "help" << 6 << "The Value of the Assets"
                                                  << "Value of Growth.";
  QTest::newRow("last help text") << "help" << 8 << "dedicated" << "with love.";
  QTest::newRow("doubled apostrophes") << "advantages" << 2 << "higher ''cost-barriers'' to"
                                       << "entry.";
  QTest::newRow("last advantage text") << "advantages" << 3 << "Furthermore, the Value Investor"
                                       << "their services.";
}

void TestGuidance::wording() {
  QFETCH(QString, sequence);
  QFETCH(int, index);
  QFETCH(QString, contains);
  QFETCH(QString, endsWith);
  const QString text = S(Sequence(sequence)[std::size_t(index)]);
  QVERIFY2(text.contains(contains), qPrintable(text));
  QVERIFY2(text.endsWith(endsWith), qPrintable(text));
  // Plain ASCII throughout: no typographic quotes crept in, no double quotes.
  for (QChar c : text)
    QVERIFY(c.unicode() >= 0x20 && c.unicode() < 0x7f && c != '"');
}

QTEST_APPLESS_MAIN(TestGuidance)
#include "tst_guidance.moc"
