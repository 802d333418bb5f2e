// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Ends the event loop once the watched window has painted its first frame,
// so that a start-up run measures exactly one painted frame.

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QObject>

class QuitAfterFirstPaint final : public QObject {
public:
  using QObject::QObject;

protected:
  bool eventFilter(QObject *watched, QEvent *event) override {
    if (event->type() == QEvent::Paint && !seen_) {
      seen_ = true;
      // Queued, so that the frame is painted and handed to the display first.
      QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                                Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
  }

private:
  bool seen_ = false;
};
