// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "links/link_overrides.h"

#include "links/link_file.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <algorithm>
#include <cstdio>

namespace kelvo::links {

namespace {

constexpr QLatin1StringView kLinksFolder{"kelvo-wizard/links"};
constexpr QLatin1StringView kUserFile{"kelvo-wizard/links.conf"};

// The folders QStandardPaths lists, most important first, without relative
// ones (the XDG rules say to ignore them).
QStringList absoluteFolders(QStandardPaths::StandardLocation location) {
  QStringList folders;
  for (const QString &folder : QStandardPaths::standardLocations(location))
    if (QDir::isAbsolutePath(folder))
      folders << folder;
  return folders;
}

QStringList confFilesIn(const QString &folder) {
  const QDir links(folder);
  // Every entry, so that a folder or device named *.conf is reported.
  QStringList names =
      links.entryList({QStringLiteral("*.conf")},
                      QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::NoSort);
  std::sort(names.begin(), names.end());
  QStringList files;
  for (const QString &name : names)
    files << links.filePath(name);
  return files;
}

void printProblems(const QStringList &problems) {
  for (QString problem : problems) {
    // One line each, whatever a path holds.
    for (QChar &c : problem)
      if (c.unicode() < 0x20 || c.unicode() == 0x7f)
        c = u'?';
    std::fprintf(stderr, "%s\n", qUtf8Printable(problem));
  }
}

} // namespace

LinkSearchPaths LinkSearchPaths::fromEnvironment() {
  LinkSearchPaths paths;
  const QStringList data = absoluteFolders(QStandardPaths::GenericDataLocation);
  for (auto folder = data.crbegin(); folder != data.crend(); ++folder)
    paths.sharedFiles << confFilesIn(*folder + u'/' + kLinksFolder);

  QStringList config = absoluteFolders(QStandardPaths::GenericConfigLocation);
  QString home = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  if (!QDir::isAbsolutePath(home))
    home = QDir::homePath() + QStringLiteral("/.config");
  config.removeAll(home);
  for (auto folder = config.crbegin(); folder != config.crend(); ++folder)
    paths.sharedFiles << *folder + u'/' + kUserFile;
  paths.userFile = home + u'/' + kUserFile;
  return paths;
}

QStringList LinkSearchPaths::files() const { return QStringList(sharedFiles) << userFile; }

LinkSettings readLinkSettings(const QByteArray &text) {
  LinkSettings settings;
  for (const LinkFileGroup &group : readLinkFile(text, nullptr))
    if (group.control == u"settings")
      for (const LinkFileValue &value : group.values)
        if (value.key == u"today" && (value.value == u"on" || value.value == u"off"))
          settings.today = value.value == u"on";
  return settings;
}

LinkCatalogue loadLinkCatalogue(const LinkSearchPaths &paths, QStringList *problems,
                                LinkSettings *settings) {
  LinkSettings read;
  QFile user(paths.userFile);
  if (user.open(QIODevice::ReadOnly))
    read = readLinkSettings(user.read(kLinkFileMaxBytes));

  LinkCatalogue catalogue = LinkCatalogue::builtIn();
  if (read.today)
    catalogue.applyOverrides(LinkCatalogue::todaySetText(),
                             QStringLiteral(":/kelvo/links/today.conf"), problems, nullptr,
                             LinkSource::TodaySet);
  for (const QString &file : paths.sharedFiles)
    catalogue.applyOverrideFile(file, problems);
  LinkSettings checked; // the same settings, now with their problems reported
  catalogue.applyOverrideFile(paths.userFile, problems, &checked);
  if (settings)
    *settings = read;
  return catalogue;
}

ActiveLinks::ActiveLinks() { load(); }

ActiveLinks &ActiveLinks::instance() {
  static ActiveLinks links;
  return links;
}

void ActiveLinks::load() {
  paths_ = LinkSearchPaths::fromEnvironment();
  problems_.clear();
  catalogue_ = loadLinkCatalogue(paths_, &problems_, &settings_);
  printProblems(problems_);
}

void ActiveLinks::reload() {
  load();
  emit changed();
}

const LinkCatalogue &activeLinkCatalogue() { return ActiveLinks::instance().catalogue(); }

} // namespace kelvo::links
