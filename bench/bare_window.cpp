// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick for start-up: a bare Qt window, built and ended like the
// wizard's start-up benchmark.
#include "first_paint.h"

#include <QApplication>
#include <QWidget>
#ifdef KELVO_BENCH_WITH_NETWORK
#include <QNetworkRequest>
#endif

int main(int argc, char **argv) {
  QApplication app(argc, argv);
#ifdef KELVO_BENCH_WITH_NETWORK
  // Uses the library, so that it is loaded as the program would load it.
  const QNetworkRequest request;
  (void)request;
#endif
  QWidget window;
  window.resize(640, 480);
  QuitAfterFirstPaint quitter;
  window.installEventFilter(&quitter);
  window.show();
  return app.exec();
}
