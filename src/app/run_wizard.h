#pragma once

#include "app/main_window.h"

#include "platform/linux_desktop.h"
#include "platform/qt_dialogs.h"

class QObject;

namespace kelvo::app {

// The window with the real dialogs and desktop, wired to each other as the
// program runs them: the dialogs belong to the window, and the desktop
// brings that window back to the front.
struct ShippedWizard {
  ShippedWizard();
  platform::QtDialogs dialogs;
  platform::LinuxDesktop desktop;
  MainWindow window;
};

// Builds the application and its one window the way the program starts, shows
// it and runs the event loop. `watcher`, when given, also sees the window's
// events (the start-up benchmark ends the run at the first painted frame).
int runWizard(int &argc, char **argv, QObject *watcher = nullptr);

// Builds the window without showing it and prints every control as
// "NAME X Y W H" in logical pixels, its page in view; for the end-to-end
// tests, which drive the real window from outside.
int listControls(int &argc, char **argv);

} // namespace kelvo::app
