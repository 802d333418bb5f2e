// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The program's one settings file, which every part that keeps a setting
// opens by this path: QSettings' own naming by organisation and application
// would put it elsewhere.

#include <QStandardPaths>
#include <QString>

namespace kelvo::platform {

// $XDG_CONFIG_HOME/kelvo-wizard/kelvo-wizard.conf (default ~/.config/…), in
// QSettings::IniFormat.
inline QString settingsFilePath() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/kelvo-wizard/kelvo-wizard.conf");
}

} // namespace kelvo::platform
