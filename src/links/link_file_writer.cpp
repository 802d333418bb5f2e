// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "links/link_file_writer.h"

#include "links/link_file.h"
#include "platform/atomic_save.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QSaveFile>
#include <QStringDecoder>

namespace kelvo::links {

namespace {

// Through a class, so that lupdate files the texts under the context tr()
// looks them up in.
class Texts {
  Q_DECLARE_TR_FUNCTIONS(kelvo::links::LinkFile)
};

// What a line is, by the reader's rules.
enum class LineKind { Blank, Comment, Group, BadGroup, Value, Other };

struct Line {
  QByteArray raw; // without its "\n", a "\r" kept
  LineKind kind = LineKind::Other;
  QString name; // the group's name, or the value's key
  bool dropped = false;
};

Line classify(const QByteArray &raw) {
  Line line{raw, LineKind::Other, {}, false};
  QByteArray bytes = raw;
  if (bytes.endsWith('\r'))
    bytes.chop(1);
  if (bytes.size() > kLinkFileMaxLine)
    return line;
  QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  const QString text = QString(decoder(bytes)).trimmed();
  if (decoder.hasError())
    return line;
  if (text.isEmpty()) {
    line.kind = LineKind::Blank;
  } else if (text.startsWith(u'#')) {
    line.kind = LineKind::Comment;
  } else if (text.startsWith(u'[')) {
    line.name = text.endsWith(u']') ? text.mid(1, text.size() - 2).trimmed() : QString();
    line.kind = line.name.isEmpty() ? LineKind::BadGroup : LineKind::Group;
  } else if (const qsizetype equals = text.indexOf(u'='); equals > 0) {
    line.name = text.left(equals).trimmed();
    line.kind = line.name.isEmpty() ? LineKind::Other : LineKind::Value;
  }
  return line;
}

bool startsGroup(const Line &line) {
  return line.kind == LineKind::Group || line.kind == LineKind::BadGroup;
}

} // namespace

QByteArray withLinkFileValue(const QByteArray &text, const QString &group, const QString &key,
                             const std::optional<QString> &value) {
  QList<Line> lines;
  const bool endsWithNewline = text.isEmpty() || text.endsWith('\n');
  QList<QByteArray> raw = text.split('\n');
  if (endsWithNewline)
    raw.removeLast();
  for (const QByteArray &r : raw)
    lines.append(classify(r));
  const QByteArray eol = !lines.isEmpty() && lines.first().raw.endsWith('\r') ? "\r\n" : "\n";

  // The headers of `group` and its `key` lines, as the reader sees them:
  // after a group line it cannot read, values belong to no group.
  QList<qsizetype> headers, keyLines;
  bool inGroup = false;
  for (qsizetype i = 0; i < lines.size(); ++i) {
    if (startsGroup(lines[i])) {
      inGroup = lines[i].kind == LineKind::Group && lines[i].name == group;
      if (inGroup)
        headers << i;
    } else if (inGroup && lines[i].kind == LineKind::Value && lines[i].name == key) {
      keyLines << i;
    }
  }

  const QByteArray written =
      (key + u'=' + value.value_or(QString())).toUtf8() + (eol.size() == 2 ? "\r" : "");
  bool appended = false;
  if (value && !keyLines.isEmpty()) {
    // The reader takes the last one: it becomes the new value, the earlier
    // ones go so that a later reset leaves none behind.
    lines[keyLines.takeLast()].raw = written;
    for (qsizetype i : keyLines)
      lines[i].dropped = true;
  } else if (value && !headers.isEmpty()) {
    qsizetype at = headers.last();
    for (qsizetype i = at + 1; i < lines.size() && !startsGroup(lines[i]); ++i)
      if (lines[i].kind != LineKind::Blank)
        at = i;
    lines.insert(at + 1, classify(written));
  } else if (value) {
    if (!lines.isEmpty() && lines.last().kind != LineKind::Blank)
      lines.append(classify(eol.size() == 2 ? "\r" : ""));
    lines.append(classify(('[' + group + u']').toUtf8() + (eol.size() == 2 ? "\r" : "")));
    lines.append(classify(written));
    appended = true;
  } else {
    for (qsizetype i : keyLines)
      lines[i].dropped = true;
    // A group left with nothing but blank lines goes too.
    for (qsizetype h : headers) {
      bool empty = true;
      for (qsizetype i = h + 1; i < lines.size() && !startsGroup(lines[i]); ++i)
        empty = empty && (lines[i].dropped || lines[i].kind == LineKind::Blank);
      lines[h].dropped = empty;
    }
  }

  QByteArray out;
  for (const Line &line : lines)
    if (!line.dropped)
      out += line.raw + '\n';
  if (!endsWithNewline && !appended && !out.isEmpty())
    out.chop(1);
  return out;
}

QString writeLinkFileValue(const QString &path, const QString &group, const QString &key,
                           const std::optional<QString> &value) {
  const QString shown = QDir::toNativeSeparators(path);
  if (value)
    for (QChar c : *value)
      if (c.unicode() < 0x20 || c.unicode() == 0x7f)
        return Texts::tr("The text cannot hold a line break or another control character.");

  const QFileInfo info(path);
  QByteArray before;
  if (info.exists()) {
    if (!info.isFile())
      return Texts::tr("%1 is not a regular file, so nothing was written.").arg(shown);
    if (info.size() > 1024 * 1024)
      return Texts::tr("%1 is larger than 1 MiB, so it was left as it is.").arg(shown);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
      return Texts::tr("%1 cannot be read, so it was left as it is: %2")
          .arg(shown, file.errorString());
    before = file.readAll();
  }
  const QByteArray after = withLinkFileValue(before, group, key, value);
  if (info.exists() && after == before)
    return {};

  if (!QDir().mkpath(info.absolutePath()))
    return Texts::tr("The folder %1 cannot be created, so nothing was written.")
        .arg(QDir::toNativeSeparators(info.absolutePath()));
  if (const QString error = platform::saveAtomically(path, after); !error.isEmpty())
    return Texts::tr("%1 cannot be written, so it was left as it is: %2").arg(shown, error);
  return {};
}

} // namespace kelvo::links
