// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the window shows of the wizard's state: one page panel in view, one
// step highlighted in the side menu.

#include <QColor>
#include <QWidget>
#include <array>

class QLabel;

namespace kelvo::app {

// A filled rectangle of the side menu; it does not react to the mouse.
class StepMarker : public QWidget {
  Q_OBJECT
public:
  explicit StepMarker(QWidget *parent = nullptr);
  QColor fill() const { return fill_; }
  void setFill(const QColor &colour);

protected:
  void paintEvent(QPaintEvent *) override;

private:
  QColor fill_;
};

// The widgets of the side menu and the pages, owned by the main window.
struct WizardPages {
  QWidget *menu = nullptr; // picMenu
  std::array<QWidget *, 7> panels{};
  std::array<QLabel *, 7> labels{};
  std::array<StepMarker *, 7> markers{};
};

// Brings panel n to the side menu's top edge and moves the six others below
// the client area; nothing is destroyed, so what was typed survives.
void bringPageIntoView(WizardPages &pages, int n);

// Step n bold with a green marker, the others plain with grey markers.
void highlightStep(WizardPages &pages, int n);

} // namespace kelvo::app
