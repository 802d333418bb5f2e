// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's own start-up, through the same runWizard as its main(),
// ending after the main window's first painted frame.
#include "first_paint.h"

#include "app/run_wizard.h"

#include <QApplication>

int main(int argc, char **argv) {
  QApplication app(argc, argv);
  QuitAfterFirstPaint quitter;
  return kelvo::app::runWizard(app, QString(), &quitter);
}
