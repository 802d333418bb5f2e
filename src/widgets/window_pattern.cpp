// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/window_pattern.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPushButton>

namespace kelvo::widgets {

namespace {

// Watches the window itself: a push button ignores Return and Enter outside
// a dialog, so the keys travel up from the focused button to the window.
class ReturnPressesButtons final : public QObject {
public:
  explicit ReturnPressesButtons(QWidget &window) : QObject(&window), window_(window) {}

protected:
  bool eventFilter(QObject *watched, QEvent *event) override {
    const QEvent::Type type = event->type();
    if (watched != &window_ || (type != QEvent::KeyPress && type != QEvent::ShortcutOverride))
      return false;
    auto *key = static_cast<QKeyEvent *>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    auto *button = qobject_cast<QPushButton *>(window_.focusWidget());
    if (!enter || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier || !button ||
        !button->isEnabled())
      return false;
    // A shortcut of the window on Return must not take the key from the button.
    key->accept();
    if (type == QEvent::KeyPress && !key->isAutoRepeat())
      button->click();
    return true;
  }

private:
  QWidget &window_;
};

} // namespace

void letReturnPressButtons(QWidget &window) {
  window.installEventFilter(new ReturnPressesButtons(window));
}

} // namespace kelvo::widgets
