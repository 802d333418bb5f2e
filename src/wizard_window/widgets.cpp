// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wizard_window/widgets.h"

#include <QAccessibleWidget>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace kelvo::app {

ClickLabel::ClickLabel(QWidget *parent) : QLabel(parent) {
  setAttribute(Qt::WA_NoMousePropagation);
}

void ClickLabel::mousePressEvent(QMouseEvent *event) {
  pressed_ = event->button() == Qt::LeftButton;
  event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event) {
  const bool click =
      pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  event->accept();
  if (click)
    emit clicked();
}

void ClickLabel::mouseDoubleClickEvent(QMouseEvent *event) {
  // A label reacts to a click; the second press of a double-click is no
  // second click, or a link label would hand its address over twice.
  pressed_ = false;
  event->accept();
}

void ClickLabel::keyPressEvent(QKeyEvent *event) {
  const int key = event->key();
  const bool press = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
  if (press && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    event->accept();
    if (!event->isAutoRepeat())
      emit clicked();
    return;
  }
  QLabel::keyPressEvent(event);
}

void ClickLabel::paintEvent(QPaintEvent *event) {
  QLabel::paintEvent(event);
  if (!hasFocus())
    return;
  QStylePainter p(this);
  QStyleOptionFocusRect option;
  option.initFrom(this);
  option.backgroundColor = palette().color(backgroundRole());
  p.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

namespace {
// Assistive tools see a panel as a group of controls, not as a frame border.
QAccessibleInterface *panelAccessible(const QString &className, QObject *object) {
  if (className == QLatin1String("kelvo::app::Panel") && object && object->isWidgetType())
    return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Grouping);
  return nullptr;
}
} // namespace

Panel::Panel(QWidget *parent) : QFrame(parent) {
  static const bool factoryInstalled = (QAccessible::installFactory(panelAccessible), true);
  Q_UNUSED(factoryInstalled);
  setMouseTracking(true);
  setAttribute(Qt::WA_NoMousePropagation);
}

void Panel::mouseMoveEvent(QMouseEvent *event) {
  event->accept();
  emit pointerMoved();
}

void Panel::mouseDoubleClickEvent(QMouseEvent *event) {
  event->accept();
  if (event->button() == Qt::LeftButton)
    emit doubleClicked();
}

void Panel::mousePressEvent(QMouseEvent *event) { event->accept(); }

void Panel::contextMenuEvent(QContextMenuEvent *event) {
  event->accept();
  emit backgroundMenuRequested(event->globalPos());
}

WizardButton::WizardButton(QWidget *parent) : QPushButton(parent) {
  setAttribute(Qt::WA_NoMousePropagation);
  setAutoDefault(false);
}

bool WizardButton::event(QEvent *e) {
  if (e->type() == QEvent::Shortcut) {
    if (isEnabled()) {
      setFocus(Qt::ShortcutFocusReason);
      // Focus handlers may have disabled the button meanwhile.
      if (isEnabled())
        click();
    }
    return true;
  }
  return QPushButton::event(e);
}

void WizardButton::keyPressEvent(QKeyEvent *event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    event->accept();
    // A held key presses once, not once per repeat.
    if (!event->isAutoRepeat() && isEnabled())
      click();
    return;
  }
  QPushButton::keyPressEvent(event);
}

QRect WizardButton::captionRect() const { return rect().adjusted(4, 3, -4, -3); }

QRect WizardButton::captionBounds() const {
  return fontMetrics().boundingRect(
      captionRect(), Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, text());
}

void WizardButton::paintEvent(QPaintEvent *) {
  QStylePainter p(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  const QString caption = option.text;
  option.text.clear();
  p.drawControl(QStyle::CE_PushButton, option);
  int flags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
  if (!style()->styleHint(QStyle::SH_UnderlineShortcut, &option, this))
    flags |= Qt::TextHideMnemonic;
  QRect area = captionRect();
  if (isDown())
    area.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                   style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
  p.drawItemText(area, flags, option.palette, isEnabled(), caption, QPalette::ButtonText);
}

LineShape::LineShape(QColor colour, bool outline, QWidget *parent)
    : QWidget(parent), colour_(colour), outline_(outline) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineShape::paintEvent(QPaintEvent *) {
  QPainter p(this);
  if (outline_) {
    p.setPen(colour_);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
  } else {
    p.fillRect(rect(), colour_);
  }
}

} // namespace kelvo::app
