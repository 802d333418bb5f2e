// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What F1 in Research Links tells: what the window is for and which file it
// writes.

#include <QString>

namespace kelvo::app {

// `userFile`: the user's own links.conf.
QString researchLinksHelp(const QString &userFile);

} // namespace kelvo::app
