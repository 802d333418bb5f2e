// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/run_wizard.h"

#include "wizard_window/appearance.h"
#include "wizard_window/control_places.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>

namespace kelvo::app {

ShippedWizard::ShippedWizard() : window(dialogs, desktop), added(window, dialogs, desktop) {
  dialogs.setParent(&window);
  desktop.setWindow(&window);
  QObject::connect(&added, &ProgramWindows::quitRequested, qApp, &QCoreApplication::quit,
                   Qt::QueuedConnection);
}

int runWizard(QApplication &app, const QString &studyFile, QObject *watcher) {
  prepareApplication(app);
  ShippedWizard wizard;
  if (watcher)
    wizard.window.installEventFilter(watcher);
  wizard.window.show();
  // Once the window is up, so that the questions and the notebook show over it.
  // A timer of this function's own rather than a queued call: the analyser
  // cannot follow Qt taking over a queued call's function and reports a leak.
  QTimer up;
  up.setSingleShot(true);
  QObject::connect(&up, &QTimer::timeout, &wizard.window, [&wizard, &studyFile] {
    wizard.added.offerRecoveredNotes();
    if (!studyFile.isEmpty())
      wizard.added.openStudyFile(studyFile);
  });
  up.start(0);
  return app.exec();
}

int listControls(QApplication &app) {
  prepareApplication(app);
  const ShippedWizard wizard;
  for (const QString &line : controlPlaces(wizard.window))
    std::printf("%s\n", qUtf8Printable(line));
  return 0;
}

} // namespace kelvo::app
