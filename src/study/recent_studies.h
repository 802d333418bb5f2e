// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The studies opened or saved last, newest first, kept in the program's
// settings file (key studies/recent). The list is written only when a study
// is opened or saved; reading it writes nothing.

#include <QStringList>

namespace kelvo::study {

inline constexpr int kRecentStudiesKept = 10;

// The recent studies whose files still exist, newest first.
QStringList recentStudies();

// `path` was opened or saved: it becomes the newest, once, and the list
// loses the files that are gone and those beyond the tenth. False when the
// settings file could not be written.
bool rememberRecentStudy(const QString &path);

} // namespace kelvo::study
