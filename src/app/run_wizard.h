#pragma once

class QObject;

namespace kelvo {

// Builds the application and its one window the way the program starts, shows
// it and runs the event loop. `watcher`, when given, also sees the window's
// events (the start-up benchmark ends the run at the first painted frame).
int RunWizard(int &argc, char **argv, QObject *watcher = nullptr);

} // namespace kelvo
