// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every window the program adds does alike, installed with one call
// each.

#include <QSize>
#include <functional>

class QAction;
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

// A "&Close" button that closes `window`, for its bottom row.
QPushButton *closeButton(QWidget &window);

// Resizes `window` to `wanted`, within `share` of the screen's available
// room, so that it opens whole at any scale factor. Without a screen (none
// attached yet) it takes `wanted`.
void fitToScreen(QWidget &window, QSize wanted, double share = 0.9);

// Calls `restyle` whenever the window's palette changes (a light or dark
// desktop theme, the user's colours), for colours the window derives from
// the palette itself.
void followPalette(QWidget &window, std::function<void()> restyle);

} // namespace kelvo::widgets
