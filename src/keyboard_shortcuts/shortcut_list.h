// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The keys a window answers, read from the window itself: the shortcuts of
// its actions (those with a text; a QShortcut counts when it has a
// "what's this" text), and the access keys (Alt+letter) of its buttons, of
// the labels that lead to a control and of its menu bar's menus. A window
// that gains a shortcut thus shows it in the list with nothing else to do.

#include <QList>
#include <QString>

class QWidget;

namespace kelvo::app {

struct ShortcutEntry {
  QString keys;   // as the desktop writes them: "Ctrl+Shift+O", "Shift+F10, Menu"
  QString action; // the action's text without its access-key mark
  bool operator==(const ShortcutEntry &) const = default;
};

struct ShortcutSection {
  QString title;
  QList<ShortcutEntry> entries;
};

// In the order the window made them: actions, then access keys.
QList<ShortcutEntry> shortcutsOf(const QWidget &window);

// The entries that every window has alike move into one section, titled
// `everyWindow`, put first; each window keeps its own. Windows left with none
// are left out.
QList<ShortcutSection> groupShortcuts(const QList<ShortcutSection> &windows,
                                      const QString &everyWindow);

} // namespace kelvo::app
