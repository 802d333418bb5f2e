// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Texts that fit their boxes whatever face is installed.

class QWidget;

namespace kelvo::app {

// Every label and button text of the window that would be cut in its box at
// the current face gets a smaller pixel size for that one control, a pixel at
// a time, until it fits. Step labels are measured bold, as they are drawn when
// highlighted. With the face the layout was drawn for nothing changes.
void fitTextsToBoxes(QWidget *window);

} // namespace kelvo::app
