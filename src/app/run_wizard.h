// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/program_windows.h"
#include "wizard_window/main_window.h"

#include "platform/linux_desktop.h"
#include "platform/qt_dialogs.h"

class QApplication;
class QObject;

namespace kelvo::app {

// The window with the real dialogs and desktop, wired to each other as the
// program runs them: the dialogs belong to the window, and the desktop
// brings that window back to the front.
// The windows the program adds come with it, and End and the title bar's
// close ask about an unsaved study before the program quits.
struct ShippedWizard {
  ShippedWizard();
  platform::QtDialogs dialogs;
  platform::LinuxDesktop desktop;
  MainWindow window;
  ProgramWindows added;
};

// Prepares the application, builds its one window the way the program starts, shows
// it and runs the event loop. `watcher`, when given, also sees the window's
// events (the start-up benchmark ends the run at the first painted frame).
// `studyFile`, when given, is opened in the Study Notebook once the window
// shows; notes an earlier run left unsaved are offered back first.
int runWizard(QApplication &app, const QString &studyFile = QString(), QObject *watcher = nullptr);

// Builds the window without showing it and prints every control as
// "NAME X Y W H" in logical pixels, its page in view; for the end-to-end
// tests, which drive the real window from outside.
int listControls(QApplication &app);

} // namespace kelvo::app
