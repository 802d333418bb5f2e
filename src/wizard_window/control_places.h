// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

namespace kelvo::app {

class MainWindow;

// Every control of the layout table as "NAME X Y W H": its rectangle in the
// window's logical pixels with its page in view, for tools that drive the
// window from outside (the end-to-end tests).
QStringList controlPlaces(const MainWindow &window);

} // namespace kelvo::app
