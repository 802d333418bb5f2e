// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The few control kinds the window needs beyond Qt's own.

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace kelvo::app {

// A label that reports clicks and keeps mouse events to itself (a click on a
// label is never a click on the window background). One that takes the
// keyboard focus shows a focus frame and is clicked by Return, Enter or Space.
class ClickLabel : public QLabel {
  Q_OBJECT
public:
  explicit ClickLabel(QWidget *parent = nullptr);
signals:
  void clicked();

protected:
  void mousePressEvent(QMouseEvent *event) override;
  void mouseReleaseEvent(QMouseEvent *event) override;
  void mouseDoubleClickEvent(QMouseEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;
  void paintEvent(QPaintEvent *event) override;

private:
  bool pressed_ = false;
};

// A panel: the side menu and the seven page panels. Reports pointer movement
// over its own surface and double-clicks on it.
class Panel : public QFrame {
  Q_OBJECT
public:
  explicit Panel(QWidget *parent = nullptr);
signals:
  void pointerMoved();
  void doubleClicked();
  // A right-click on the panel's own surface, not on a control.
  void backgroundMenuRequested(const QPoint &globalPos);

protected:
  void contextMenuEvent(QContextMenuEvent *event) override;
  void mouseMoveEvent(QMouseEvent *event) override;
  void mouseDoubleClickEvent(QMouseEvent *event) override;
  void mousePressEvent(QMouseEvent *event) override;
};

// A push button whose caption wraps like a label, and whose access key
// behaves exactly like a mouse click: it takes the focus first, so the
// control that had it sees its focus leave before the click runs. Return
// and Enter press it when it has the focus, as Space does.
class WizardButton : public QPushButton {
  Q_OBJECT
public:
  explicit WizardButton(QWidget *parent = nullptr);
  // Room the caption needs inside the button at its current width.
  QRect captionRect() const;
  QRect captionBounds() const;

protected:
  bool event(QEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;
  void paintEvent(QPaintEvent *event) override;
};

// A thin line or an outline rectangle; it does not react to the mouse.
class LineShape : public QWidget {
  Q_OBJECT
public:
  LineShape(QColor colour, bool outline, QWidget *parent = nullptr);

protected:
  void paintEvent(QPaintEvent *) override;

private:
  QColor colour_;
  bool outline_;
};

} // namespace kelvo::app
