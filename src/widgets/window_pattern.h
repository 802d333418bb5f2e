// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every window the program adds does alike, installed with one call
// each.

#include <QKeySequence>
#include <QList>
#include <QSize>
#include <QString>
#include <functional>

class QAction;
class QPoint;
class QPushButton;
class QWidget;

namespace kelvo::widgets {

// Return and Enter press the push button that has the focus in `window`, as
// Space does; a held key presses once. Qt does this only in dialogs.
// Elsewhere the keys keep their meaning: a line edit's Return, a list's
// Return that opens the current row, a text box's new line.
void letReturnPressButtons(QWidget &window);

// Escape, Ctrl+W and the desktop's own close keys close `window`, through
// its close event (where a window can still ask about unsaved work). The
// action, "&Close", belongs to the window; a menu may show it too.
QAction *addCloseKeys(QWidget &window);

// A "&Close" button that closes `window`, for its bottom row: the layout it
// is added to gives it its parent.
QPushButton *closeButton(QWidget &window);

// Resizes `window` to `wanted`, within `share` of the screen's available
// room, so that it opens whole at any scale factor. Without a screen (none
// attached yet) it takes `wanted`.
void fitToScreen(QWidget &window, QSize wanted, double share = 0.9);

// An action of `window` whose keys work anywhere in it, a text box
// included; named, so that Keyboard Shortcuts lists it.
QAction *addWindowKeys(QWidget &window, const QString &text, const QList<QKeySequence> &keys);

// The context menu the keyboard asks for (Shift+F10, the Menu key), opened
// as a right-click would open it on `control`: at its text cursor, or at its
// middle. Returns false when the control has no menu of its own; `at` is
// then where one belongs, on the screen.
bool openContextMenuByKey(QWidget &control, QPoint &at);

// The desktop's keys for a standard action, with `documented` (the key the
// program's help names) first when the desktop's scheme lacks it.
QList<QKeySequence> standardKeysWith(QKeySequence::StandardKey key, const QKeySequence &documented);

// Calls `restyle` whenever the window's palette changes (a light or dark
// desktop theme, the user's colours), for colours the window derives from
// the palette itself.
void followPalette(QWidget &window, std::function<void()> restyle);

} // namespace kelvo::widgets
