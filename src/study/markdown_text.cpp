// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "study/markdown_text.h"

#include <QRegularExpression>
#include <QStringList>

namespace kelvo::study {

namespace {

// Markdown shows what was typed as typed. A character is escaped only where a
// reader of CommonMark, with the tables and strikethrough of GitHub's
// dialect, would take it for markup: prices and sums such as "$3.47", "3.20",
// "AT&T" or "snake_case" stay as they are.
bool isAsciiPunctuation(QChar c) { return c.unicode() < 128 && (c.isPunct() || c.isSymbol()); }

// "&amp;", "&#38;" and "&#x26;" would be read as the characters they name.
bool startsEntity(const QString &text, qsizetype at) {
  static const QRegularExpression kEntity(
      QStringLiteral("&(?:#[0-9]{1,7}|#[xX][0-9a-fA-F]{1,6}|[A-Za-z][A-Za-z0-9]{1,31});"));
  return kEntity
      .match(text, at, QRegularExpression::NormalMatch,
             QRegularExpression::AnchorAtOffsetMatchOption)
      .hasMatch();
}

bool escapedInline(const QString &text, qsizetype at) {
  const QChar c = text.at(at);
  const QChar before = at > 0 ? text.at(at - 1) : QChar();
  const QChar after = at + 1 < text.size() ? text.at(at + 1) : QChar();
  switch (c.unicode()) {
  case '\\': // escapes the punctuation after it; at the end of a line, breaks it
    return after.isNull() || isAsciiPunctuation(after);
  case '*': // emphasis, list items, rules
  case '`': // code spans and fences
  case '~': // strikethrough and fences
  case '|': // table cells; a table may begin inside a paragraph
  case '[': // links, images and footnotes; "]" closes nothing without "["
    return true;
  case '_': // emphasis, but never inside a word
    return !(before.isLetterOrNumber() && after.isLetterOrNumber());
  case '<': // HTML, comments and autolinks
    return after.isLetter() || after == QLatin1Char('/') || after == QLatin1Char('!') ||
           after == QLatin1Char('?');
  case '&':
    return startsEntity(text, at);
  default:
    return false;
  }
}

QString markdownInline(const QString &text) {
  QString out;
  out.reserve(text.size() + 8);
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (escapedInline(text, i))
      out += QLatin1Char('\\');
    out += text.at(i);
  }
  return out;
}

// Where a trimmed line, at the start of a line, would begin a heading, list,
// quote, rule or setext underline: the index of the character to escape, or -1.
qsizetype blockMarkerAt(const QString &line) {
  if (line.isEmpty())
    return -1;
  const auto spaceOrEnd = [&line](qsizetype at) {
    return at >= line.size() || line.at(at) == QLatin1Char(' ') || line.at(at) == QLatin1Char('\t');
  };
  const QChar first = line.at(0);
  if (first == QLatin1Char('>'))
    return 0;
  if (first == QLatin1Char('#')) {
    qsizetype run = 0;
    while (run < line.size() && line.at(run) == QLatin1Char('#'))
      ++run;
    return run <= 6 && spaceOrEnd(run) ? 0 : -1;
  }
  if (first == QLatin1Char('-') || first == QLatin1Char('+'))
    if (spaceOrEnd(1))
      return 0;
  if (first == QLatin1Char('-') || first == QLatin1Char('=')) {
    // "---", "- - -" or "==" under a line makes it a heading, or a rule.
    static const QRegularExpression kUnderline(QStringLiteral("^(?:[- \\t]+|=+[ \\t]*)$"));
    if (kUnderline.match(line).hasMatch())
      return 0;
  }
  qsizetype digits = 0;
  while (digits < line.size() && line.at(digits).isDigit())
    ++digits;
  if (digits >= 1 && digits <= 9 && digits < line.size() &&
      (line.at(digits) == QLatin1Char('.') || line.at(digits) == QLatin1Char(')')) &&
      spaceOrEnd(digits + 1))
    return digits;
  return -1;
}

// One line of a paragraph, already trimmed.
QString markdownLine(const QString &line) {
  const qsizetype marker = blockMarkerAt(line);
  if (marker < 0)
    return markdownInline(line);
  // The character before the marker needs nothing; the marker itself may
  // already be escaped inline ("*").
  QString rest = markdownInline(line.mid(marker));
  if (!rest.startsWith(QLatin1Char('\\')))
    rest.prepend(QLatin1Char('\\'));
  return markdownInline(line.left(marker)) + rest;
}

} // namespace

QString markdownText(const QString &text) {
  QStringList paragraphs;
  QStringList lines;
  const QStringList source =
      QString(text).remove(QLatin1Char('\r')).trimmed().split(QLatin1Char('\n'));
  for (const QString &line : source) {
    if (line.trimmed().isEmpty()) {
      if (!lines.isEmpty())
        paragraphs.append(lines.join(QLatin1String("\\\n"))); // a hard line break
      lines.clear();
      continue;
    }
    lines.append(markdownLine(line.trimmed()));
  }
  if (!lines.isEmpty())
    paragraphs.append(lines.join(QLatin1String("\\\n")));
  return paragraphs.join(QLatin1String("\n\n"));
}

// Text that must stay on one line (a table cell, a heading, the bold
// verdict): its lines are joined with spaces.
QString markdownSpan(const QString &text) {
  return markdownInline(QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n')).simplified());
}

// A heading's text: a run of "#" at its end would be read as the heading's
// closing marks and dropped.
QString markdownHeading(const QString &text) {
  QString out = markdownSpan(text);
  qsizetype run = out.size();
  while (run > 0 && out.at(run - 1) == QLatin1Char('#'))
    --run;
  if (run < out.size() && (run == 0 || out.at(run - 1) == QLatin1Char(' ')))
    out.insert(run, QLatin1Char('\\'));
  return out;
}

} // namespace kelvo::study
