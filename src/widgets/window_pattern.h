// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every window the program adds does alike, installed with one call
// each.

class QWidget;

namespace kelvo::widgets {

// Return and Enter press the push button that has the focus in `window`, as
// Space does; a held key presses once. Qt does this only in dialogs.
// Elsewhere the keys keep their meaning: a line edit's Return, a list's
// Return that opens the current row, a text box's new line.
void letReturnPressButtons(QWidget &window);

} // namespace kelvo::widgets
