// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/window_place.h"

#include "platform/settings_file.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <utility>

namespace kelvo::widgets {

namespace {

// Moves and shrinks `window` so that its frame lies within the available
// area of the screen it is on (or the nearest one).
void fitIntoScreen(QWidget &window);

class PlaceKeeper final : public QObject {
public:
  PlaceKeeper(QWidget &window, const QString &name)
      : QObject(&window), window_(window), key_(QStringLiteral("windows/%1").arg(name)) {
    const QSettings settings(platform::settingsFilePath(), QSettings::IniFormat);
    restored_ = window.restoreGeometry(settings.value(key_).toByteArray());
    window.installEventFilter(this);
    // Once shown, the window has its frame, which must fit too: it is fitted
    // when the events of its showing are done. (A timer of its own rather
    // than a queued call: the analyser cannot follow Qt taking over a queued
    // call's function and reports a leak.)
    fit_.setSingleShot(true);
    fit_.setInterval(0);
    connect(&fit_, &QTimer::timeout, this, [this] { fitIntoScreen(window_); });
  }

protected:
  bool eventFilter(QObject *watched, QEvent *event) override {
    if (watched == &window_ && !event->spontaneous()) {
      if (event->type() == QEvent::Show && !std::exchange(shown_, true) && restored_)
        fit_.start();
      else if (event->type() == QEvent::Hide && shown_)
        save();
    }
    return false;
  }

private:
  void save() const {
    QSettings settings(platform::settingsFilePath(), QSettings::IniFormat);
    settings.setValue(key_, window_.saveGeometry());
  }

  QWidget &window_;
  const QString key_;
  QTimer fit_;
  bool restored_ = false;
  bool shown_ = false; // a window built only to be read is never written
};

void fitIntoScreen(QWidget &window) {
  const QRect frame = window.frameGeometry();
  QScreen *screen = QGuiApplication::screenAt(frame.center());
  if (!screen)
    screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
  if (!screen)
    return;
  const QRect room = screen->availableGeometry();
  if (room.contains(frame))
    return;
  // The frame's own edges (title bar, borders) stay as they were.
  const QSize edges = frame.size() - window.size();
  const QSize size = window.size().boundedTo(room.size() - edges).expandedTo(window.minimumSize());
  window.resize(size);
  const QSize outer = size + edges;
  const int x =
      std::clamp(frame.x(), room.left(), std::max(room.left(), room.right() + 1 - outer.width()));
  const int y =
      std::clamp(frame.y(), room.top(), std::max(room.top(), room.bottom() + 1 - outer.height()));
  window.move(x, y);
}

} // namespace

void rememberWindowPlace(QWidget &window, const QString &name) { new PlaceKeeper(window, name); }

} // namespace kelvo::widgets
