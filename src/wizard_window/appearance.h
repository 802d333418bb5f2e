// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Fonts, style and icon shared by the program and its tests.

#include "wizard_window/layout.h"

#include <QFont>

class QApplication;

namespace kelvo::app {

// The face the window draws in: the Tahoma-compatible one the layout was
// drawn for when it is installed, or the desktop's sans serif in its place
// (where texts that would be cut are drawn smaller, see text_fit.h).
enum class WizardFace { Preferred, Fallback };

// Registers the Tahoma-compatible face shipped by Debian's fonts-wine when it
// is installed and wanted, picks the Fusion style (the layout is fixed, so the
// look must not depend on the desktop's style) and sets the application icon.
void prepareApplication(QApplication &app, WizardFace face = WizardFace::Preferred);

// The face the window uses: Tahoma when available, else the desktop's sans.
QString wizardFamily();
// Whether that is the face the layout was drawn for, in which every text
// fits its box as designed (the window test checks it).
bool usesDesignFace();

// Sizes are pixels at 96 dpi (8.25 pt = 11 px), so the fixed layout holds at
// any desktop font setting; Qt scales logical pixels on high-DPI screens.
QFont windowFont();
QFont controlFont(FontRole role);

} // namespace kelvo::app
