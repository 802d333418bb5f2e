// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A window that opens where the user left it, at the size they gave it, in
// the next run too. The place is kept in the program's settings file (key
// windows/<name>) and written when the window is hidden or closed, never
// when it is built or shown. A place kept on another screen, or on one that
// has since become smaller, is fitted into the screen the window opens on.

#include <QString>

class QWidget;

namespace kelvo::widgets {

// Call once, before the window is first shown; `name` is the window's key.
void rememberWindowPlace(QWidget &window, const QString &name);

} // namespace kelvo::widgets
