// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "links/link_catalogue.h"

#include "links/link_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <cstdio>

namespace kelvo::links {

namespace {

constexpr QStringView kSettingsGroup = u"settings";

QString problemLine(const QString &file, int line, const QString &what) {
  return QStringLiteral("%1:%2: %3").arg(file).arg(line).arg(what);
}

void addProblem(QStringList *problems, const QString &report) {
  if (problems)
    problems->append(report);
}

void addProblems(QStringList *problems, const QString &file, const QList<LinkFileProblem> &found) {
  if (problems)
    problems->append(problemReports(file, found));
}

// Reads a yes-or-no setting; returns what is wrong, or an empty text.
QString setSwitch(bool &value, const QString &key, const QString &text) {
  if (text == u"on" || text == u"off") {
    value = text == u"on";
    return {};
  }
  return QCoreApplication::translate("kelvo::links::LinkFile", "%1 is on or off").arg(key);
}

// The keys only the built-in catalogue uses, each read by a function that
// returns what is wrong, or an empty text.
QString readEmail(LinkTemplate &link, const QString &value) {
  static const QRegularExpression plainEmail(QStringLiteral("^[A-Za-z0-9._+-]+@[A-Za-z0-9.-]+$"));
  if (!plainEmail.match(value).hasMatch())
    return QCoreApplication::translate("kelvo::links::LinkFile", "not a plain e-mail address");
  link.address = value;
  link.pieces = {LinkPiece{false, LinkInput::SymbolBox, value}};
  link.target = LinkTarget::Email;
  return {};
}

QString readGuard(LinkTemplate &link, const QString &value) {
  if (value == u"symbol")
    link.guard = LinkInput::SymbolBox;
  else if (value == u"name")
    link.guard = LinkInput::NameBox;
  else
    return QCoreApplication::translate("kelvo::links::LinkFile", "guard is symbol or name");
  return {};
}

QString readStyle(LinkTemplate &link, const QString &value) {
  if (value == u"owned")
    link.style = LinkStyle::Owned;
  else if (value == u"plain")
    link.style = LinkStyle::Plain;
  else
    return QCoreApplication::translate("kelvo::links::LinkFile", "style is owned or plain");
  return {};
}

// Whether the value was a number of milliseconds; `ms` takes it either way.
bool readMilliseconds(int &ms, const QString &value) {
  bool number = false;
  ms = value.toInt(&number);
  return number && ms >= 0;
}

QString readPause(LinkTemplate &link, const QString &value) {
  if (!readMilliseconds(link.pauseMs, value))
    return QCoreApplication::translate("kelvo::links::LinkFile",
                                       "pause is a number of milliseconds");
  return {};
}

QString readBefore(LinkTemplate &link, const QString &value) {
  if (value != u"advantage-texts")
    return QCoreApplication::translate("kelvo::links::LinkFile", "before is advantage-texts");
  link.before = LinkBefore::AdvantageTexts;
  return {};
}

QString readAfter(LinkTemplate &link, const QString &value) {
  if (value == u"calculator")
    link.after = LinkAfter::Calculator;
  else if (value == u"full-screen-key")
    link.after = LinkAfter::FullScreenKey;
  else
    return QCoreApplication::translate("kelvo::links::LinkFile",
                                       "after is calculator or full-screen-key");
  return {};
}

QString readAfterPause(LinkTemplate &link, const QString &value) {
  if (!readMilliseconds(link.afterPauseMs, value))
    return QCoreApplication::translate("kelvo::links::LinkFile",
                                       "after-pause is a number of milliseconds");
  return {};
}

QString readRetired(LinkTemplate &link, const QString &value) {
  return setSwitch(link.builtInRetired, QStringLiteral("retired"), value);
}

struct BuiltInKey {
  QStringView key;
  QString (*read)(LinkTemplate &link, const QString &value);
};

constexpr BuiltInKey kBuiltInKeys[] = {
    {u"email", readEmail},
    {u"guard", readGuard},
    {u"style", readStyle},
    {u"pause", readPause},
    {u"before", readBefore},
    {u"after", readAfter},
    {u"after-pause", readAfterPause},
    {u"retired", readRetired},
};

QString setBuiltInKey(LinkTemplate &link, const QString &key, const QString &value) {
  for (const BuiltInKey &known : kBuiltInKeys)
    if (key == known.key)
      return known.read(link, value);
  return QCoreApplication::translate("kelvo::links::LinkFile", "unknown key %1")
      .arg(quoteForReport(key));
}

QString setAddress(LinkTemplate &link, const LinkFileValue &value, LinkSource source,
                   const QString &origin) {
  QList<LinkPiece> pieces;
  QString wrong = splitLinkAddress(value.value, &pieces);
  if (!wrong.isEmpty())
    return wrong;
  link.address = value.value;
  link.pieces = pieces;
  link.target = LinkTarget::Address;
  link.source = source;
  link.origin = origin;
  link.originLine = source == LinkSource::BuiltIn ? 0 : value.line;
  return {};
}

// The values of the user's [settings] group.
void readSettings(const LinkFileGroup &group, LinkSettings &settings,
                  QList<LinkFileProblem> &found) {
  for (const LinkFileValue &value : group.values) {
    const QString wrong =
        value.key == u"today"
            ? setSwitch(settings.today, value.key, value.value)
            : QCoreApplication::translate("kelvo::links::LinkFile", "unknown setting %1")
                  .arg(quoteForReport(value.key));
    if (!wrong.isEmpty())
      found.append({value.line, wrong});
  }
}

// An override file's values of one control. Only the address can be changed:
// the guard, style and sequence belong to the control.
void overrideAddress(LinkTemplate &link, const LinkFileGroup &group, LinkSource source,
                     const QString &file, QList<LinkFileProblem> &found) {
  for (const LinkFileValue &value : group.values) {
    const QString wrong =
        value.key == u"address"
            ? setAddress(link, value, source, file)
            : QCoreApplication::translate("kelvo::links::LinkFile", "unknown key %1")
                  .arg(quoteForReport(value.key));
    if (!wrong.isEmpty())
      found.append({value.line, wrong});
  }
}

} // namespace

LinkCatalogue LinkCatalogue::fromBuiltInText(const QByteArray &text, const QString &file,
                                             QStringList *problems) {
  LinkCatalogue catalogue;
  QList<LinkFileProblem> found;
  for (const LinkFileGroup &group : readLinkFile(text, &found)) {
    if (catalogue.find(group.control)) {
      found.append({group.line, QCoreApplication::translate("kelvo::links::LinkFile",
                                                            "the group is there twice")});
      continue;
    }
    LinkTemplate link;
    link.control = group.control;
    for (const LinkFileValue &value : group.values) {
      const QString wrong = value.key == u"address"
                                ? setAddress(link, value, LinkSource::BuiltIn, {})
                                : setBuiltInKey(link, value.key, value.value);
      if (!wrong.isEmpty())
        found.append({value.line, wrong});
    }
    if (link.pieces.isEmpty()) {
      found.append({group.line, QCoreApplication::translate("kelvo::links::LinkFile",
                                                            "the group has no address")});
      continue;
    }
    catalogue.links_.append(link);
  }
  addProblems(problems, file, found);
  return catalogue;
}

const LinkCatalogue &LinkCatalogue::builtIn() {
  static const LinkCatalogue catalogue = [] {
    const QString path = QStringLiteral(":/kelvo/links/catalogue.conf");
    QFile file(path);
    QStringList problems;
    LinkCatalogue read;
    if (file.open(QIODevice::ReadOnly))
      read = fromBuiltInText(file.readAll(), path, &problems);
    else
      problems << path + QStringLiteral(": missing from the program");
    for (const QString &problem : problems)
      std::fprintf(stderr, "%s\n", qUtf8Printable(problem));
    return read;
  }();
  return catalogue;
}

QByteArray LinkCatalogue::todaySetText() {
  QFile file(QStringLiteral(":/kelvo/links/today.conf"));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void LinkCatalogue::applyOverrides(const QByteArray &text, const QString &file,
                                   QStringList *problems, LinkSettings *settings,
                                   LinkSource source) {
  QList<LinkFileProblem> found;
  for (const LinkFileGroup &group : readLinkFile(text, &found)) {
    if (group.control == kSettingsGroup) {
      if (settings)
        readSettings(group, *settings, found);
      else
        found.append({group.line, QCoreApplication::translate(
                                      "kelvo::links::LinkFile",
                                      "[settings] is read from the user's own links.conf only")});
      continue;
    }
    const auto link =
        std::find_if(links_.begin(), links_.end(), [&group](const LinkTemplate &known) {
          return known.control == group.control;
        });
    if (link == links_.end()) {
      found.append(
          {group.line, QCoreApplication::translate("kelvo::links::LinkFile", "unknown control %1")
                           .arg(quoteForReport(group.control))});
      continue;
    }
    overrideAddress(*link, group, source, file, found);
  }
  addProblems(problems, file, found);
}

void LinkCatalogue::applyOverrideFile(const QString &path, QStringList *problems,
                                      LinkSettings *settings) {
  const QFileInfo info(path);
  if (!info.exists())
    return;
  // Line 0 stands for the whole file.
  if (!info.isFile()) {
    addProblem(problems, problemLine(path, 0,
                                     QCoreApplication::translate("kelvo::links::LinkFile",
                                                                 "not a regular file")));
    return;
  }
  QFile file(path);
  if (info.size() > kLinkFileMaxBytes) {
    addProblem(problems, problemLine(path, 0,
                                     QCoreApplication::translate("kelvo::links::LinkFile",
                                                                 "larger than 1 MiB")));
    return;
  }
  if (!file.open(QIODevice::ReadOnly)) {
    addProblem(problems, problemLine(path, 0,
                                     QCoreApplication::translate("kelvo::links::LinkFile",
                                                                 "cannot be read")));
    return;
  }
  applyOverrides(file.read(kLinkFileMaxBytes), path, problems, settings);
}

const LinkTemplate *LinkCatalogue::find(QStringView control) const {
  for (const LinkTemplate &link : links_)
    if (link.control == control)
      return &link;
  return nullptr;
}

} // namespace kelvo::links
