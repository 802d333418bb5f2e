// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "links/link_catalogue.h"

#include "links/link_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <cstdio>

namespace kelvo::links {

namespace {

// Override files are a few lines each; anything this large is not one.
constexpr qint64 kMaxOverrideFileBytes = 1024 * 1024;

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

// A value of one of the keys only the built-in catalogue uses; returns what
// is wrong, or an empty text.
QString setBuiltInKey(LinkTemplate &link, const QString &key, const QString &value) {
  bool number = false;
  if (key == u"email") {
    static const QRegularExpression plainEmail(QStringLiteral("^[A-Za-z0-9._+-]+@[A-Za-z0-9.-]+$"));
    if (!plainEmail.match(value).hasMatch())
      return QCoreApplication::translate("kelvo::links::LinkFile", "not a plain e-mail address");
    link.address = value;
    link.pieces = {LinkPiece{false, LinkInput::SymbolBox, value}};
    link.target = LinkTarget::Email;
  } else if (key == u"guard") {
    if (value == u"symbol")
      link.guard = LinkInput::SymbolBox;
    else if (value == u"name")
      link.guard = LinkInput::NameBox;
    else
      return QCoreApplication::translate("kelvo::links::LinkFile", "guard is symbol or name");
  } else if (key == u"style") {
    if (value == u"owned")
      link.style = LinkStyle::Owned;
    else if (value == u"plain")
      link.style = LinkStyle::Plain;
    else
      return QCoreApplication::translate("kelvo::links::LinkFile", "style is owned or plain");
  } else if (key == u"pause") {
    link.pauseMs = value.toInt(&number);
    if (!number || link.pauseMs < 0)
      return QCoreApplication::translate("kelvo::links::LinkFile",
                                         "pause is a number of milliseconds");
  } else if (key == u"before") {
    if (value != u"advantage-texts")
      return QCoreApplication::translate("kelvo::links::LinkFile", "before is advantage-texts");
    link.before = LinkBefore::AdvantageTexts;
  } else if (key == u"after") {
    if (value == u"calculator")
      link.after = LinkAfter::Calculator;
    else if (value == u"full-screen-key")
      link.after = LinkAfter::FullScreenKey;
    else
      return QCoreApplication::translate("kelvo::links::LinkFile",
                                         "after is calculator or full-screen-key");
  } else if (key == u"after-pause") {
    link.afterPauseMs = value.toInt(&number);
    if (!number || link.afterPauseMs < 0)
      return QCoreApplication::translate("kelvo::links::LinkFile",
                                         "after-pause is a number of milliseconds");
  } else if (key == u"retired") {
    return setSwitch(link.builtInRetired, key, value);
  } else {
    return QCoreApplication::translate("kelvo::links::LinkFile", "unknown key %1")
        .arg(quoteForReport(key));
  }
  return {};
}

QString setAddress(LinkTemplate &link, const LinkFileValue &value, LinkSource source,
                   const QString &origin) {
  QList<LinkPiece> pieces;
  const QString wrong = splitLinkAddress(value.value, &pieces);
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
      if (!settings) {
        found.append({group.line, QCoreApplication::translate(
                                      "kelvo::links::LinkFile",
                                      "[settings] is read from the user's own links.conf only")});
        continue;
      }
      for (const LinkFileValue &value : group.values) {
        const QString wrong =
            value.key == u"today"
                ? setSwitch(settings->today, value.key, value.value)
                : QCoreApplication::translate("kelvo::links::LinkFile", "unknown setting %1")
                      .arg(quoteForReport(value.key));
        if (!wrong.isEmpty())
          found.append({value.line, wrong});
      }
      continue;
    }
    qsizetype index = 0;
    while (index < links_.size() && links_[index].control != group.control)
      ++index;
    if (index == links_.size()) {
      found.append(
          {group.line, QCoreApplication::translate("kelvo::links::LinkFile", "unknown control %1")
                           .arg(quoteForReport(group.control))});
      continue;
    }
    for (const LinkFileValue &value : group.values) {
      // Only the address can be changed: the guard, style and sequence
      // belong to the control.
      const QString wrong =
          value.key == u"address"
              ? setAddress(links_[index], value, source, file)
              : QCoreApplication::translate("kelvo::links::LinkFile", "unknown key %1")
                    .arg(quoteForReport(value.key));
      if (!wrong.isEmpty())
        found.append({value.line, wrong});
    }
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
  if (info.size() > kMaxOverrideFileBytes) {
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
  applyOverrides(file.read(kMaxOverrideFileBytes), path, problems, settings);
}

const LinkTemplate *LinkCatalogue::find(QStringView control) const {
  for (const LinkTemplate &link : links_)
    if (link.control == control)
      return &link;
  return nullptr;
}

} // namespace kelvo::links
