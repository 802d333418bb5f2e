// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The program's texts and Qt's own (the buttons of a message box, the
// command line's errors) in the user's language.

class QCoreApplication;
class QLocale;

namespace kelvo::platform {

// Loads the program's translation for `locale` (built into the program) and
// Qt's (from Qt's translations folder, Debian's qt6-translations-l10n), each
// where one exists; English needs none. Returns how many were installed.
int installTranslations(QCoreApplication &app, const QLocale &locale);
// The same for the languages the desktop asks for: LANGUAGE (a list in order
// of preference), then LC_ALL, LC_MESSAGES and LANG, as GNU programs read them.
int installTranslations(QCoreApplication &app);

} // namespace kelvo::platform
