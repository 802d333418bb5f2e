#pragma once
// Fonts, style and icon shared by the program and its tests.

#include "layout.h"

#include <QFont>

class QApplication;

namespace kelvo {

// Registers the Tahoma-compatible face shipped by Debian's fonts-wine when it
// is installed, picks the Fusion style (the layout is fixed, so the look must
// not depend on the desktop's style) and sets the application icon.
void PrepareApplication(QApplication &app);

// The face the window uses: Tahoma when available, else the desktop's sans.
QString WizardFamily();

// Sizes are pixels at 96 dpi (8.25 pt = 11 px), so the fixed layout holds at
// any desktop font setting; Qt scales logical pixels on high-DPI screens.
QFont WindowFont();
QFont ControlFont(FontRole role);

} // namespace kelvo
