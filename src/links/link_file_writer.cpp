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

namespace kelvo::links {

namespace {

// Through a class, so that lupdate files the texts under the context tr()
// looks them up in.
class Texts {
  Q_DECLARE_TR_FUNCTIONS(kelvo::links::LinkFile)
};

using Kind = LinkFileLine::Kind;

struct Line {
  QByteArray raw; // without its "\n", a "\r" kept
  Kind kind = Kind::Bad;
  QString name; // the group's name, or the value's key
  bool dropped = false;
};

// What a line is, by the reader's own rules.
Line classify(const QByteArray &raw) {
  const LinkFileLine line = readLinkFileLine(raw);
  return {raw, line.kind, line.name, false};
}

bool startsGroup(const Line &line) {
  return line.kind == Kind::Group || line.kind == Kind::BadGroup;
}

bool isKeyLine(const Line &line, const QString &key) {
  return line.kind == Kind::Value && !line.name.isEmpty() && line.name == key;
}

// The lines of a file, and how it ends them.
struct Lines {
  QList<Line> lines;
  bool endsWithNewline = true;
  QByteArray cr; // "\r" when the file ends its lines with CR LF
};

Lines splitLines(const QByteArray &text) {
  Lines split;
  split.endsWithNewline = text.isEmpty() || text.endsWith('\n');
  QList<QByteArray> raw = text.split('\n');
  if (split.endsWithNewline)
    raw.removeLast();
  for (const QByteArray &r : raw)
    split.lines.append(classify(r));
  if (!split.lines.isEmpty() && split.lines.first().raw.endsWith('\r'))
    split.cr = "\r";
  return split;
}

// The headers of `group` and its `key` lines, as the reader sees them: after
// a group line it cannot read, values belong to no group.
struct KeyPlaces {
  QList<qsizetype> headers;
  QList<qsizetype> keyLines;
};

KeyPlaces findKey(const QList<Line> &lines, const QString &group, const QString &key) {
  KeyPlaces places;
  bool inGroup = false;
  for (qsizetype i = 0; i < lines.size(); ++i) {
    if (startsGroup(lines[i])) {
      inGroup = lines[i].kind == Kind::Group && lines[i].name == group;
      if (inGroup)
        places.headers << i;
    } else if (inGroup && isKeyLine(lines[i], key)) {
      places.keyLines << i;
    }
  }
  return places;
}

// The last line of the group headed at `header` that is not blank.
qsizetype lastLineOfGroup(const QList<Line> &lines, qsizetype header) {
  qsizetype last = header;
  for (qsizetype i = header + 1; i < lines.size() && !startsGroup(lines[i]); ++i)
    if (lines[i].kind != Kind::Blank)
      last = i;
  return last;
}

// Sets the key to the line `written`. Returns whether a new group was added
// at the end.
bool setKey(Lines &file, KeyPlaces places, const QString &group, const QByteArray &written) {
  QList<Line> &lines = file.lines;
  if (!places.keyLines.isEmpty()) {
    // The reader takes the last one: it becomes the new value, the earlier
    // ones go so that a later reset leaves none behind.
    lines[places.keyLines.takeLast()].raw = written;
    for (qsizetype i : places.keyLines)
      lines[i].dropped = true;
    return false;
  }
  if (!places.headers.isEmpty()) {
    lines.insert(lastLineOfGroup(lines, places.headers.last()) + 1, classify(written));
    return false;
  }
  if (!lines.isEmpty() && lines.last().kind != Kind::Blank)
    lines.append(classify(file.cr));
  lines.append(classify(('[' + group + u']').toUtf8() + file.cr));
  lines.append(classify(written));
  return true;
}

// Drops every key line, and a group left with nothing but blank lines.
void removeKey(QList<Line> &lines, const KeyPlaces &places) {
  for (qsizetype i : places.keyLines)
    lines[i].dropped = true;
  for (qsizetype h : places.headers) {
    bool empty = true;
    for (qsizetype i = h + 1; i < lines.size() && !startsGroup(lines[i]); ++i)
      empty = empty && (lines[i].dropped || lines[i].kind == Kind::Blank);
    lines[h].dropped = empty;
  }
}

} // namespace

QByteArray withLinkFileValue(const QByteArray &text, const QString &group, const QString &key,
                             const std::optional<QString> &value) {
  Lines file = splitLines(text);
  const KeyPlaces places = findKey(file.lines, group, key);
  bool appended = false;
  if (value)
    appended = setKey(file, places, group, (key + u'=' + *value).toUtf8() + file.cr);
  else
    removeKey(file.lines, places);

  QByteArray out;
  for (const Line &line : file.lines)
    if (!line.dropped)
      out += line.raw + '\n';
  if (!file.endsWithNewline && !appended && !out.isEmpty())
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
    if (info.size() > kLinkFileMaxBytes)
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
