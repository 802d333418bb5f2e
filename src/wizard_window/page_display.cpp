// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wizard_window/page_display.h"

#include "wizard/steps.h"
#include "wizard_window/layout.h"

#include <QLabel>
#include <QPainter>

namespace kelvo::app {

using namespace kelvo::wizard;

StepMarker::StepMarker(QWidget *parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void StepMarker::setFill(const QColor &colour) {
  if (colour == fill_)
    return;
  fill_ = colour;
  update();
}

void StepMarker::paintEvent(QPaintEvent *) {
  QPainter p(this);
  p.fillRect(rect(), fill_);
  p.setPen(QColor(0, 0, 0));
  p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void bringPageIntoView(WizardPages &pages, int n) {
  const int top = pages.menu->y();
  for (int i = 0; i < wizard::kSteps; ++i) {
    QWidget *panel = pages.panels[std::size_t(i)];
    panel->move(panel->x(), i == n ? top : pixels(kOutOfViewTopTwips));
  }
}

void highlightStep(WizardPages &pages, int n) {
  for (int i = 0; i < wizard::kSteps; ++i) {
    QLabel *label = pages.labels[std::size_t(i)];
    QFont font = label->font();
    font.setBold(i == n);
    label->setFont(font);
    pages.markers[std::size_t(i)]->setFill(
        rgbColour(i == n ? wizard::kMarkerOnRgb : wizard::kMarkerOffRgb));
  }
}

} // namespace kelvo::app
