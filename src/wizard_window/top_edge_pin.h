// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's outer top edge, pinned at its designed height on every
// window repaint.

#include <QObject>
#include <QRect>

class QWidget;

namespace kelvo::app {

// The outer top edge a window repaint puts the window at: the designed
// height, unless the window would then reach below the screen's available
// area (a small screen, a large scale factor); then just high enough for all
// of it to show, but never above the available area.
int pinnedTopEdge(int designedTop, int frameHeight, const QRect &available);

class TopEdgePin final : public QObject {
public:
  explicit TopEdgePin(QWidget &window);
  // Where a window repaint puts the outer top edge on the current screen.
  int pinnedTop() const;
  // The first display: centred on the screen, at the pinned height.
  void placeAtFirstShow();
  // A window repaint (first display, uncovering, restoring, the program's own
  // full repaint) puts the outer top edge back at its pinned height, keeping
  // the left edge. Moving a window does not repaint it, so this cannot loop.
  void pin();

protected:
  // The window's expose is a window repaint: widgets repaint from a backing
  // store when the window is uncovered, without a paint event.
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  QWidget &window_;
  // The top edge is pinned where the platform lets a client place its
  // window; Wayland does not, so there the window stays where it is put.
  bool enabled_;
};

} // namespace kelvo::app
