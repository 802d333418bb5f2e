// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/run_wizard.h"

#include "app/appearance.h"
#include "app/main_window.h"

#include "platform/linux_desktop.h"
#include "platform/qt_dialogs.h"

#include <QApplication>
#include <cstdio>

namespace kelvo::app {

using namespace kelvo::platform;

int runWizard(QApplication &app, QObject *watcher) {
  prepareApplication(app);
  QtDialogs dialogs;
  LinuxDesktop desktop;
  MainWindow window(dialogs, desktop);
  dialogs.setParent(&window);
  if (watcher)
    window.installEventFilter(watcher);
  window.show();
  return app.exec();
}

int listControls(QApplication &app) {
  prepareApplication(app);
  QtDialogs dialogs;
  LinuxDesktop desktop;
  const MainWindow window(dialogs, desktop);
  for (const QString &line : window.controlPlaces())
    std::printf("%s\n", qUtf8Printable(line));
  return 0;
}

} // namespace kelvo::app
