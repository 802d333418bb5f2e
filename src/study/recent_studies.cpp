// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "study/recent_studies.h"

#include "platform/settings_file.h"
#include "study/file_guard.h"

#include <QFileInfo>
#include <QSettings>

namespace kelvo::study {

namespace {

const QString &recentKey() {
  static const QString key = QStringLiteral("studies/recent");
  return key;
}

QStringList existing(const QStringList &paths) {
  QStringList found;
  for (const QString &path : paths)
    if (QFileInfo(path).isFile() && found.size() < kRecentStudiesKept)
      found << path;
  return found;
}

} // namespace

QStringList recentStudies() {
  const QSettings settings(platform::settingsFilePath(), QSettings::IniFormat);
  return existing(settings.value(recentKey()).toStringList());
}

bool rememberRecentStudy(const QString &path) {
  QSettings settings(platform::settingsFilePath(), QSettings::IniFormat);
  const QString newest = QFileInfo(path).absoluteFilePath();
  QStringList paths{newest};
  // The same file by another spelling (a link, "..") is listed once.
  for (const QString &older : settings.value(recentKey()).toStringList())
    if (!isSameFile(older, newest))
      paths << older;
  settings.setValue(recentKey(), existing(paths));
  settings.sync();
  return settings.status() == QSettings::NoError;
}

} // namespace kelvo::study
