// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/window_pattern.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>

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

// Watches the window for a new palette.
class PaletteFollower final : public QObject {
public:
  PaletteFollower(QWidget &window, std::function<void()> restyle)
      : QObject(&window), window_(window), restyle_(std::move(restyle)) {}

protected:
  bool eventFilter(QObject *watched, QEvent *event) override {
    if (watched == &window_ && event->type() == QEvent::PaletteChange)
      restyle_();
    return false;
  }

private:
  QWidget &window_;
  std::function<void()> restyle_;
};

QString closeText() {
  return QCoreApplication::translate("kelvo::widgets::WindowPattern", "&Close");
}

} // namespace

void letReturnPressButtons(QWidget &window) {
  window.installEventFilter(new ReturnPressesButtons(window));
}

QAction *addCloseKeys(QWidget &window) {
  auto *action = new QAction(closeText(), &window);
  action->setObjectName(QStringLiteral("closeWindow"));
  QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::Close);
  keys.removeAll(QKeySequence(Qt::CTRL | Qt::Key_W));
  keys.prepend(QKeySequence(Qt::CTRL | Qt::Key_W));
  keys.append(QKeySequence(Qt::Key_Escape));
  action->setShortcuts(keys);
  action->setShortcutContext(Qt::WindowShortcut);
  QObject::connect(action, &QAction::triggered, &window, &QWidget::close);
  window.addAction(action);
  return action;
}

QPushButton *closeButton(QWidget &window) {
  // Without a parent: the layout it goes into makes it the window's, in its
  // place in the focus chain, not ahead of the controls made after it.
  auto *button = new QPushButton(closeText());
  button->setObjectName(QStringLiteral("close"));
  QObject::connect(button, &QPushButton::clicked, &window, &QWidget::close);
  return button;
}

void fitToScreen(QWidget &window, QSize wanted, double share) {
  if (const QScreen *screen = window.screen())
    wanted = wanted.boundedTo(screen->availableGeometry().size() * share);
  window.resize(wanted);
}

void followPalette(QWidget &window, std::function<void()> restyle) {
  window.installEventFilter(new PaletteFollower(window, std::move(restyle)));
}

QList<QKeySequence> standardKeysWith(QKeySequence::StandardKey key,
                                     const QKeySequence &documented) {
  QList<QKeySequence> keys = QKeySequence::keyBindings(key);
  if (!keys.contains(documented))
    keys.prepend(documented);
  return keys;
}

QAction *addWindowKeys(QWidget &window, const QString &text, const QList<QKeySequence> &keys) {
  auto *action = new QAction(text, &window);
  action->setShortcuts(keys);
  action->setShortcutContext(Qt::WindowShortcut);
  window.addAction(action);
  return action;
}

bool openContextMenuByKey(QWidget &control, QPoint &at) {
  const QRect cursor = control.inputMethodQuery(Qt::ImCursorRectangle).toRect();
  const QPoint local = (cursor.isValid() ? cursor : control.rect()).center();
  at = control.mapToGlobal(local);
  QContextMenuEvent event(QContextMenuEvent::Keyboard, local, at);
  QCoreApplication::sendEvent(&control, &event);
  return event.isAccepted();
}

} // namespace kelvo::widgets
