#include "page_display.h"

#include "step_marker.h"

#include <QLabel>
#include <QPainter>

namespace kelvo {

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

namespace modGUI {

namespace {
int toPixels(int twips) { return (twips + 7) / 15; }
} // namespace

void showpage(WizardPages &pages, std::int16_t n) {
  const int top = pages.menu->y();
  for (int i = 0; i < kSteps; ++i) {
    QWidget *panel = pages.panels[std::size_t(i)];
    panel->move(panel->x(), i == n ? top : toPixels(kOutOfViewTopTwips));
  }
}

void markstep(WizardPages &pages, std::int16_t n) {
  for (int i = 0; i < kSteps; ++i) {
    QLabel *label = pages.labels[std::size_t(i)];
    QFont font = label->font();
    font.setBold(i == n);
    label->setFont(font);
    pages.markers[std::size_t(i)]->setFill(i == n ? kMarkerOn : kMarkerOff);
  }
}

int highlightedStep(const WizardPages &pages) {
  for (int i = 0; i < kSteps; ++i)
    if (pages.labels[std::size_t(i)]->font().bold())
      return i;
  return -1;
}

int visiblePage(const WizardPages &pages) {
  for (int i = 0; i < kSteps; ++i)
    if (pages.panels[std::size_t(i)]->y() == pages.menu->y())
      return i;
  return -1;
}

} // namespace modGUI
} // namespace kelvo
