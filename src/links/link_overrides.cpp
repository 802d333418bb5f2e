// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "links/link_overrides.h"

#include <QDir>
#include <QtGlobal>
#include <algorithm>
#include <cstdio>

namespace kelvo::links {

LinkSearchPaths LinkSearchPaths::fromEnvironment() {
  LinkSearchPaths paths;
  const QStringList dirs = qEnvironmentVariable("XDG_DATA_DIRS").split(u':', Qt::SkipEmptyParts);
  for (const QString &dir : dirs)
    if (QDir::isAbsolutePath(dir))
      paths.dataDirs << dir;
  if (paths.dataDirs.isEmpty())
    paths.dataDirs = {QStringLiteral("/usr/local/share"), QStringLiteral("/usr/share")};

  paths.configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
  if (!QDir::isAbsolutePath(paths.configHome))
    paths.configHome = QDir::homePath() + QStringLiteral("/.config");
  return paths;
}

QStringList LinkSearchPaths::files() const {
  QStringList found;
  for (auto dir = dataDirs.crbegin(); dir != dataDirs.crend(); ++dir) {
    const QDir links(*dir + QStringLiteral("/kelvo-wizard/links"));
    // Every entry, so that a folder or device named *.conf is reported.
    QStringList names =
        links.entryList({QStringLiteral("*.conf")},
                        QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::NoSort);
    std::sort(names.begin(), names.end());
    for (const QString &name : names)
      found << links.filePath(name);
  }
  found << configHome + QStringLiteral("/kelvo-wizard/links.conf");
  return found;
}

LinkCatalogue loadLinkCatalogue(const LinkSearchPaths &paths, QStringList *problems) {
  LinkCatalogue catalogue = LinkCatalogue::builtIn();
  for (const QString &file : paths.files())
    catalogue.applyOverrideFile(file, problems);
  return catalogue;
}

const LinkCatalogue &activeLinkCatalogue() {
  static const LinkCatalogue catalogue = [] {
    QStringList problems;
    LinkCatalogue loaded = loadLinkCatalogue(LinkSearchPaths::fromEnvironment(), &problems);
    for (QString problem : problems) {
      // One line each, whatever a path holds.
      for (QChar &c : problem)
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
          c = u'?';
      std::fprintf(stderr, "%s\n", qUtf8Printable(problem));
    }
    return loaded;
  }();
  return catalogue;
}

} // namespace kelvo::links
