// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/run_wizard.h"

#include "app/appearance.h"

#include <QApplication>
#include <cstdio>

namespace kelvo::app {

ShippedWizard::ShippedWizard() : window(dialogs, desktop) {
  dialogs.setParent(&window);
  desktop.setWindow(&window);
}

int runWizard(QApplication &app, QObject *watcher) {
  prepareApplication(app);
  ShippedWizard wizard;
  if (watcher)
    wizard.window.installEventFilter(watcher);
  wizard.window.show();
  return app.exec();
}

int listControls(QApplication &app) {
  prepareApplication(app);
  const ShippedWizard wizard;
  for (const QString &line : wizard.window.controlPlaces())
    std::printf("%s\n", qUtf8Printable(line));
  return 0;
}

} // namespace kelvo::app
