// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The study file, its recovery copy and its exports.

#include "study/recovery.h"
#include "study/study_export.h"
#include "study/study_file.h"
#include "study/study_list.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <sys/stat.h>
#include <unistd.h>

using namespace kelvo::study;

namespace {

Study sampleStudy() {
  Study study;
  study.symbol = QStringLiteral("BRK/B");
  study.companyName = QStringLiteral("Berkshire Hathaway Inc. – Class B");
  study.begun = QDateTime(QDate(2026, 1, 5), QTime(9, 30, 15));
  study.lastSaved = QDateTime(QDate(2026, 2, 1), QTime(18, 2, 0));
  study.notes = {QStringLiteral("Insurance float, *railways* & <energy>.\nSecond line."),
                 QStringLiteral("# Scale\n- low cost"), QStringLiteral("Trust: high"), QString()};
  study.valuation.inputs = {{QStringLiteral("Earnings"), QStringLiteral("$5.00")}};
  study.valuation.results = {{QStringLiteral("Amount rule"), QStringLiteral("$120.00"),
                              QStringLiteral("25%"), QStringLiteral("$90.00")}};
  study.figures = {
      1067983,
      QStringLiteral("BRK-B"),
      QStringLiteral("Berkshire Hathaway Inc"),
      QStringLiteral("USD"),
      QStringLiteral("2026-03-07"),
      QStringLiteral("Amounts in USD millions, except per-share figures"),
      {QStringLiteral("FY2023"), QStringLiteral("FY2024")},
      {{QStringLiteral("Revenue"),
        {QStringLiteral("364,482.0"), QStringLiteral("—")},
        {QStringLiteral("us-gaap:Revenues"), QString()}},
       {QStringLiteral("Return on equity"), {QStringLiteral("17.2%"), QStringLiteral("—")}, {}}},
      {QStringLiteral("Possible 50-for-1 split | between FY2009 and FY2010")},
      false};
  study.verdict = Verdict::BuyBelow;
  study.buyBelowPrice = QStringLiteral("$90");
  study.reasoning = QStringLiteral("A fair price for a <wonderful> business.");
  return study;
}

QByteArray readAll(const QString &path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

} // namespace

class TestStudy : public QObject {
  Q_OBJECT

private slots:
  void badFiles_data();
  void badFiles();
  void roundTrip();
  void proposedFileName_data();
  void proposedFileName();
  void recoveryOffersOnlyStaleCopies();
  void exportsEscapeTheNotes();
  void markdownKeepsWhatWasTyped_data();
  void markdownKeepsWhatWasTyped();
  void writeFailuresSayWhy_data();
  void writeFailuresSayWhy();
};

// clang-format off
void TestStudy::badFiles_data() {
  QTest::addColumn<QByteArray>("content"); // "<dir>", "<fifo>", "<large>" make those instead
  QTest::addColumn<QString>("error");      // part of the message

  const QByteArray head = R"({"format": "kelvo-study", "version": 1, )";
  QTest::newRow("empty") << QByteArray() << "The study is damaged: the file is empty.";
  QTest::newRow("not JSON") << QByteArray("Symbol: KO\nnotes") << "The study is damaged: its contents are not valid JSON text.";
  QTest::newRow("cut short") << head + R"("symbol": "KO")" << "The study is damaged: the file ends too early";
  QTest::newRow("cut in a text") << head + R"("symbol": "K)" << "The study is damaged: the file ends too early";
  QTest::newRow("JSON array") << QByteArray("[1, 2]") << "not a Kelvo study";
  QTest::newRow("other format") << QByteArray(R"({"format": "kelvo-links", "version": 1})") << "not a Kelvo study";
  QTest::newRow("no version") << QByteArray(R"({"format": "kelvo-study"})") << "no format version";
  QTest::newRow("version as text") << QByteArray(R"({"format": "kelvo-study", "version": "1"})") << "no format version";
  QTest::newRow("fractional version") << QByteArray(R"({"format": "kelvo-study", "version": 1.5})") << "no format version";
  QTest::newRow("newer version") << QByteArray(R"({"format": "kelvo-study", "version": 2})") << "newer version of Kelvo Training Wizard in format version 2";
  QTest::newRow("huge version") << QByteArray(R"({"format": "kelvo-study", "version": 1e300})") << "no format version";
  QTest::newRow("symbol a number") << head + R"("symbol": 7})" << "field “symbol”";
  QTest::newRow("notes a list") << head + R"("notes": ["a"]})" << "field “notes”";
  QTest::newRow("note a number") << head + R"("notes": {"management": 3}})" << "field “notes.management”";
  QTest::newRow("bad date") << head + R"("begun": "yesterday"})" << "field “begun”";
  QTest::newRow("input not object") << head + R"("valuation": {"inputs": [1]}})" << "field “valuation.inputs”";
  QTest::newRow("figures cik as text") << head + R"("figures": {"cik": "320193"}})" << "field “figures.cik”";
  QTest::newRow("figures row short") << head + R"("figures": {"years": ["FY2023", "FY2024"], "rows": [{"heading": "Revenue", "cells": ["1.0"]}]}})" << "field “figures.rows”";
  QTest::newRow("figures tags long") << head + R"("figures": {"years": ["FY2024"], "rows": [{"heading": "Revenue", "cells": ["1.0"], "tags": ["a", "b"]}]}})" << "field “figures.rows”";
  QTest::newRow("figures row a text") << head + R"("figures": {"years": [], "rows": ["Revenue"]}})" << "field “figures.rows”";
  QTest::newRow("unknown verdict") << head + R"("verdict": {"decision": "sell"}})" << "field “verdict.decision”";
  QTest::newRow("folder") << QByteArray("<dir>") << "not a regular file";
  QTest::newRow("named pipe") << QByteArray("<fifo>") << "not a regular file";
  QTest::newRow("over 1 MiB") << QByteArray("<large>") << "larger than 1024 KiB";
}
// clang-format on

void TestStudy::badFiles() {
  QFETCH(QByteArray, content);
  QFETCH(QString, error);
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("bad.kelvostudy"));
  if (content == "<dir>") {
    QVERIFY(QDir().mkdir(path));
  } else if (content == "<fifo>") {
    QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
  } else {
    if (content == "<large>") // a valid study with padding past the limit
      content = R"({"format": "kelvo-study", "version": 1, "symbol": ")" +
                QByteArray(kMaxStudyFileBytes, 'x') + "\"}";
    writeAll(path, content);
  }
  const QDateTime modified = QFileInfo(path).lastModified();

  const StudyReadResult result = readStudyFile(path);
  QVERIFY(!result.study);
  QVERIFY2(result.error.contains(error), qPrintable(result.error));
  QVERIFY2(result.error.startsWith(QStringLiteral("“%1” could not be opened. ").arg(path)),
           qPrintable(result.error));
  QCOMPARE(QFileInfo(path).lastModified(), modified);
  if (QFileInfo(path).isFile())
    QCOMPARE(readAll(path), content);
  QCOMPARE(listStudies(dir.path()).size(), QFileInfo(path).isFile() ? 1 : 0); // listed, marked
}

void TestStudy::roundTrip() {
  QTemporaryDir dir;
  const Study study = sampleStudy();
  const QString path = dir.filePath(QStringLiteral("new folder/BRK-B.kelvostudy"));
  QCOMPARE(writeStudyFile(study, path), QString());
  const StudyReadResult read = readStudyFile(path);
  QCOMPARE(read.error, QString());
  QVERIFY(read.study == study);
  QCOMPARE(studyToJson(*read.study), readAll(path)); // the same study, the same bytes

  const QList<StudySummary> list = listStudies(dir.filePath(QStringLiteral("new folder")));
  QCOMPARE(list.size(), 1);
  QCOMPARE(list[0].symbol, QStringLiteral("BRK/B"));
  QCOMPARE(list[0].lastSaved, study.lastSaved);
  QCOMPARE(list[0].verdict, Verdict::BuyBelow);
  QCOMPARE(list[0].buyBelowPrice, QStringLiteral("$90"));

  // Dates as ISO 8601 with their offset; unknown keys of the same version are read past.
  const QByteArray json = readAll(path);
  QVERIFY(json.contains("\"begun\": \"2026-01-05T09:30:15"));
  QByteArray extended = json;
  extended.replace("\"format\"", "\"addedLater\": {\"x\": [1]}, \"format\"");
  QVERIFY(studyFromJson(extended).study == study);

  // A study too long to be opened again is not written, and the old file stays.
  Study huge = study;
  huge.notes[0] = QString(kMaxStudyFileBytes, QLatin1Char('n'));
  QVERIFY(writeStudyFile(huge, path).contains(QStringLiteral("shorten")));
  QCOMPARE(readAll(path), json);
}

// clang-format off
void TestStudy::proposedFileName_data() {
  QTest::addColumn<QString>("symbol");
  QTest::addColumn<QString>("name");

  QTest::newRow("plain") << "KO" << "KO 2026-03-07.kelvostudy";
  QTest::newRow("slash") << "BRK/B" << "BRK-B 2026-03-07.kelvostudy";
  QTest::newRow("empty") << "" << "Untitled 2026-03-07.kelvostudy";
  QTest::newRow("blank") << "  \t " << "Untitled 2026-03-07.kelvostudy";
  QTest::newRow("unsafe") << "A:B*C?\"<>|\\" << "A-B-C------ 2026-03-07.kelvostudy";
  QTest::newRow("hidden") << "../KO" << "KO 2026-03-07.kelvostudy";
  QTest::newRow("dots only") << "..." << "Untitled 2026-03-07.kelvostudy";
  QTest::newRow("control") << "K\x01O\nX" << "K-O X 2026-03-07.kelvostudy";
  QTest::newRow("non-ASCII") << "NESN.SW Nestlé" << "NESN.SW Nestlé 2026-03-07.kelvostudy";
  QTest::newRow("long") << QString(200, 'A') << QString(64, 'A') + " 2026-03-07.kelvostudy";
}
// clang-format on

void TestStudy::proposedFileName() {
  QFETCH(QString, symbol);
  QFETCH(QString, name);
  Study study;
  study.symbol = symbol;
  QCOMPARE(kelvo::study::proposedFileName(study, QDate(2026, 3, 7)), name);
}

void TestStudy::recoveryOffersOnlyStaleCopies() {
  QTemporaryDir dir;
  const Study study = sampleStudy();

  // This program's own copy, locked by it, is never offered.
  RecoveryCopy mine(dir.path());
  QCOMPARE(mine.write(study, QStringLiteral("/home/u/KO.kelvostudy")), QString());
  QVERIFY(QFile::exists(mine.path()));
  QVERIFY(RecoveryCopy::findOrphans(dir.path()).isEmpty());

  // A copy whose program has ended: its lock names a process that no longer runs.
  QProcess ended;
  ended.start(QStringLiteral("true"));
  QVERIFY(ended.waitForStarted());
  const QByteArray endedPid = QByteArray::number(ended.processId());
  QVERIFY(ended.waitForFinished());
  const QString left = dir.filePath(QStringLiteral("recovery-1-2.kelvostudy"));
  QVERIFY(QFile::copy(mine.path(), left));
  QByteArray lock = readAll(mine.path() + QStringLiteral(".lock"));
  lock.replace(0, lock.indexOf('\n'), endedPid);
  writeAll(left + QStringLiteral(".lock"), lock);

  const QList<RecoveryCopy::Orphan> orphans = RecoveryCopy::findOrphans(dir.path());
  QCOMPARE(orphans.size(), 1);
  QCOMPARE(orphans[0].recoveryPath, left);
  QCOMPARE(orphans[0].sourcePath, QStringLiteral("/home/u/KO.kelvostudy"));
  QVERIFY(orphans[0].study == study);

  RecoveryCopy::discard(orphans[0]);
  QVERIFY(!QFile::exists(left));
  QVERIFY(!QFile::exists(left + QStringLiteral(".lock")));

  mine.remove();
  QVERIFY(!QFile::exists(mine.path()));
  QVERIFY(QDir(dir.path()).isEmpty());
}

void TestStudy::exportsEscapeTheNotes() {
  const Study study = sampleStudy();
  const QString markdown = studyToMarkdown(study);
  QVERIFY(markdown.contains(
      QStringLiteral("Insurance float, \\*railways\\* & \\<energy>.\\\nSecond line.")));
  QVERIFY(markdown.contains(QStringLiteral("\n\\# Scale\\\n\\- low cost\n")));
  QVERIFY(markdown.contains(QStringLiteral("| Amount rule | $120.00 | 25% | $90.00 |")));
  QVERIFY(markdown.contains(QStringLiteral("**Buy below $90.**")));
  QVERIFY(markdown.contains(QStringLiteral("|  | FY2023 | FY2024 |\n|---|--:|--:|\n"
                                           "| Revenue | 364,482.0 | — |\n")));
  QVERIFY(markdown.contains(QStringLiteral("Possible 50-for-1 split \\| between")));

  const QString html = studyToHtml(study);
  QVERIFY(html.contains(
      QStringLiteral("<p>Insurance float, *railways* &amp; &lt;energy&gt;.<br>Second line.</p>")));
  QVERIFY(html.contains(QStringLiteral("A fair price for a &lt;wonderful&gt; business.")));
  for (const char *heading : {"The Company", "Competitive Advantages", "Management",
                              "Bargain Price", "Valuation", "Reported figures", "Verdict"})
    QVERIFY2(html.contains(QStringLiteral("<h2>%1</h2>").arg(QLatin1String(heading))), heading);

  QTemporaryDir dir;
  const QString pdf = dir.filePath(QStringLiteral("study.pdf"));
  QCOMPARE(exportStudyPdf(study, pdf), QString());
  QVERIFY(readAll(pdf).startsWith("%PDF-"));
  QVERIFY(!exportStudyPdf(study, dir.filePath(QStringLiteral("no/such/folder.pdf"))).isEmpty());
}

// clang-format off
void TestStudy::markdownKeepsWhatWasTyped_data() {
  QTest::addColumn<QString>("typed");    // the notes; their first line also names the company and an input
  QTest::addColumn<QString>("markdown"); // the notes as exported
  QTest::newRow("as typed") << "EPS 3.20 at $3.47; AT&T, S&P 500, snake_case, 2 < 3 > 1, -5%, #1 brand, 1.5x, Fund #" << "EPS 3.20 at $3.47; AT&T, S&P 500, snake_case, 2 < 3 > 1, -5%, #1 brand, 1.5x, Fund #";
  QTest::newRow("line starts") << "1. a\n2) b\n2026. c\n# d\n###### e\n- f\n+ g\n* h\n> i" << "1\\. a\\\n2\\) b\\\n2026\\. c\\\n\\# d\\\n\\###### e\\\n\\- f\\\n\\+ g\\\n\\* h\\\n\\> i";
  QTest::newRow("underlines and rules") << "Summary\n===\n--\n- - -\n___" << "Summary\\\n\\===\\\n\\--\\\n\\- - -\\\n\\_\\_\\_";
  QTest::newRow("inline markup") << "*a* __b__ _c_ `d` ``` ~~e~~ ~5% [f](g) ![h](i) [^1]" << "\\*a\\* \\_\\_b\\_\\_ \\_c\\_ \\`d\\` \\`\\`\\` \\~\\~e\\~\\~ \\~5% \\[f](g) !\\[h](i) \\[^1]";
  QTest::newRow("HTML and entities") << "<b>B</b> <!-- c --> <http://a> &amp; &#38; &copy;" << "\\<b>B\\</b> \\<!-- c --> \\<http://a> \\&amp; \\&#38; \\&copy;";
  QTest::newRow("table in a paragraph") << "a | b\n--|--" << "a \\| b\\\n--\\|--";
  QTest::newRow("backslashes") << "C:\\dir\\ \\* ends\\" << "C:\\dir\\ \\\\\\* ends\\\\";
}
// clang-format on

void TestStudy::markdownKeepsWhatWasTyped() {
  QFETCH(QString, typed);
  const QString line = typed.section(QLatin1Char('\n'), 0, 0);
  Study study;
  study.companyName = line;
  study.notes[0] = typed;
  study.valuation.inputs = {{line, QStringLiteral("$3.47")}};
  const QString markdown = studyToMarkdown(study);
  QTEST(markdown.section("## The Company\n\n", 1).section("\n\n## ", 0, 0), "markdown");
  // Read back by GitHub's dialect, a block a line, "*" before a block with
  // emphasis, code, strikethrough or a link.
  QTextDocument read;
  read.setMarkdown(markdown, QTextDocument::MarkdownDialectGitHub);
  QString texts;
  int structure = 0; // headings, list items, quotes, code and rules
  for (QTextBlock b = read.begin(); b.isValid(); b = b.next()) {
    const QTextBlockFormat f = b.blockFormat();
    structure += f.headingLevel() > 0 || b.textList() || f.nonBreakableLines() ||
                 f.hasProperty(QTextFormat::BlockQuoteLevel) ||
                 f.hasProperty(QTextFormat::BlockTrailingHorizontalRulerWidth);
    texts += '|';
    for (auto it = b.begin(); !it.atEnd(); ++it) {
      const QTextCharFormat c = it.fragment().charFormat();
      if (c.fontItalic() || c.fontStrikeOut() || c.isAnchor() || c.fontFixedPitch() ||
          (c.fontWeight() > QFont::Normal && f.headingLevel() == 0))
        texts += '*';
    }
    texts += b.text();
  }
  QCOMPARE(structure, 7); // the title and six sections
  QVERIFY2(texts.startsWith("|Company Study: " + line + '|'), qPrintable(texts));
  QVERIFY2(texts.contains('|' + QString(typed).replace('\n', '|') + '|'), qPrintable(texts));
  QVERIFY2(texts.contains('|' + line + "|$3.47|"), qPrintable(texts)); // the input's cells
}

void TestStudy::writeFailuresSayWhy_data() {
  QTest::addColumn<QString>("suffix");  // of a study, or of an export
  QTest::addColumn<bool>("fileLocked"); // else the folder
  QTest::newRow("study, read-only file") << "kelvostudy" << true;
  QTest::newRow("study, read-only folder") << "kelvostudy" << false;
  QTest::newRow("Markdown, read-only file") << "md" << true;
  QTest::newRow("PDF, read-only folder") << "pdf" << false;
}

void TestStudy::writeFailuresSayWhy() {
  QFETCH(QString, suffix);
  QFETCH(bool, fileLocked);
  QTemporaryDir dir;
  const QString folder = dir.filePath(QStringLiteral("locked")), path = folder + "/KO." + suffix;
  QVERIFY(QDir().mkdir(folder));
  writeAll(path, "old");
  // Root writes whatever the permissions say, but not into what is immutable.
  const auto lock = [locked = fileLocked ? path : folder](bool on) {
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner |
                                      (on ? QFile::Permissions() : QFile::WriteOwner));
    return ::geteuid() != 0 || QProcess::execute("chattr", {on ? "+i" : "-i", locked}) == 0;
  };
  QVERIFY(lock(true));
  const QString error = suffix == "md"    ? exportStudyMarkdown(sampleStudy(), path)
                        : suffix == "pdf" ? exportStudyPdf(sampleStudy(), path)
                                          : writeStudyFile(sampleStudy(), path);
  QVERIFY(lock(false));
  const QString why = fileLocked
                          ? "the file is read-only"
                          : QStringLiteral("the folder “%1” cannot be written in").arg(folder);
  QCOMPARE(error, QStringLiteral("The study could not be %1 as “%2”: %3.")
                      .arg(suffix == "kelvostudy" ? "saved" : "exported", path, why));
  QCOMPARE(readAll(path), QByteArray("old"));
}

QTEST_MAIN(TestStudy)
#include "tst_study.moc"
