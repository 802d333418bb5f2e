// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wizard_window/top_edge_pin.h"

#include "wizard_window/layout.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace kelvo::app {

int pinnedTopEdge(int designedTop, int frameHeight, const QRect &available) {
  const int fitting = available.bottom() + 1 - frameHeight;
  return std::max(available.top(), std::min(designedTop, fitting));
}

TopEdgePin::TopEdgePin(QWidget &window)
    : window_(window),
      enabled_(!QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {}

int TopEdgePin::pinnedTop() const {
  const QScreen *screen = window_.screen();
  if (!screen)
    return pixels(kPinnedTopTwips);
  return pinnedTopEdge(pixels(kPinnedTopTwips), window_.frameGeometry().height(),
                       screen->availableGeometry());
}

void TopEdgePin::placeAtFirstShow() {
  if (QWindow *handle = window_.windowHandle())
    handle->installEventFilter(this);
  if (QScreen *screen = window_.screen()) {
    const QRect area = screen->availableGeometry();
    QRect frame = window_.frameGeometry();
    frame.moveCenter(area.center());
    window_.move(frame.left(), enabled_ ? pinnedTop() : frame.top());
  }
}

void TopEdgePin::pin() {
  if (!enabled_ || !window_.isWindow())
    return;
  const QRect frame = window_.frameGeometry();
  const int top = pinnedTop();
  if (frame.top() != top)
    window_.move(frame.left(), top);
}

bool TopEdgePin::eventFilter(QObject *watched, QEvent *event) {
  if (event->type() == QEvent::Expose && watched == window_.windowHandle() &&
      window_.windowHandle()->isExposed())
    pin();
  return false;
}

} // namespace kelvo::app
