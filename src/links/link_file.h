// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Reads the small text format of the link catalogue and its override files:
//   # a comment
//   [Command11]
//   address=https://www.example.org/quote?s={symbol}
// UTF-8, one entry a line, values taken verbatim after the "=" with the blanks
// around them trimmed. QtCore only.

#include "links/link_catalogue.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace kelvo::links {

// Longer lines are reported and skipped.
inline constexpr qsizetype kLinkFileMaxLine = 4096;
// Override files are a few lines each; anything larger is not one and is
// neither read nor rewritten.
inline constexpr qint64 kLinkFileMaxBytes = qint64{1024} * 1024;

struct LinkFileValue {
  int line = 0;
  QString key;
  QString value;
};

// One problem of a file: its line (0 for the whole file) and what is wrong.
struct LinkFileProblem {
  int line = 0;
  QString what;
};

struct LinkFileGroup {
  int line = 0;
  QString control;
  QList<LinkFileValue> values;
};

// One line of a file as the reader sees it.
struct LinkFileLine {
  enum class Kind {
    Blank,
    Comment,
    Group,
    // A line that starts with "[" but cannot be read: it still ends the group
    // before it, and the values after it belong to no group.
    BadGroup,
    Value, // `name` may be empty ("=value"), which the reader reports
    Bad,
  };
  Kind kind = Kind::Bad;
  QString name; // a group's control, or a value's key
  QString value;
  QString problem; // what is wrong with a BadGroup or Bad line
};

// Reads one line, given without its "\n"; a "\r" at its end is dropped.
LinkFileLine readLinkFileLine(QByteArray raw);

// The groups of a file in order. Lines that cannot be read (too long, not
// UTF-8, no "=", a value outside any group) are added to `problems` and
// skipped; after a group line that cannot be read, its values are skipped
// with it.
QList<LinkFileGroup> readLinkFile(const QByteArray &text, QList<LinkFileProblem> *problems);

// The problems of one file as "FILE:LINE: what is wrong" lines, in line order.
QStringList problemReports(const QString &file, QList<LinkFileProblem> problems);

// Splits an address template into literals and inputs. Only http and https,
// a plain host name (and port) with no placeholder in it, and the four known
// placeholders are accepted. Returns what is wrong, or an empty text.
QString splitLinkAddress(const QString &address, QList<LinkPiece> *pieces);

// A text from a file, made safe and short enough to quote in a report.
QString quoteForReport(const QString &text);

} // namespace kelvo::links
