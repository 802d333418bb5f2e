// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick for start-up: a bare Qt window, built and ended like the
// wizard's start-up benchmark.
#include "first_paint.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char **argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.resize(640, 480);
  QuitAfterFirstPaint quitter;
  window.installEventFilter(&quitter);
  window.show();
  return app.exec();
}
