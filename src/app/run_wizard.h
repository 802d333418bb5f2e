// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QApplication;
class QObject;

namespace kelvo::app {

// Prepares the application, builds its one window the way the program starts, shows
// it and runs the event loop. `watcher`, when given, also sees the window's
// events (the start-up benchmark ends the run at the first painted frame).
int runWizard(QApplication &app, QObject *watcher = nullptr);

// Builds the window without showing it and prints every control as
// "NAME X Y W H" in logical pixels, its page in view; for the end-to-end
// tests, which drive the real window from outside.
int listControls(QApplication &app);

} // namespace kelvo::app
