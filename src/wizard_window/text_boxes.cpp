// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wizard_window/text_boxes.h"

#include "widgets/single_line.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace kelvo::app {

TextBox::TextBox(QWidget *parent) : QLineEdit(parent) {
  setValidator(new widgets::SingleLineValidator(this));
  setAttribute(Qt::WA_NoMousePropagation);
}

void TextBox::keyPressEvent(QKeyEvent *event) {
  const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
  const bool accessKey = mods == Qt::AltModifier || mods == (Qt::AltModifier | Qt::ShiftModifier);
  if (accessKey && !event->text().isEmpty() && event->text().at(0).isPrint()) {
    event->accept();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

void SymbolBox::keyPressEvent(QKeyEvent *event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
    emit prefixLookUpRequested();
  TextBox::keyPressEvent(event);
}

void SymbolBox::focusOutEvent(QFocusEvent *event) {
  const Qt::FocusReason reason = event->reason();
  const bool leftForAnotherControl = reason != Qt::ActiveWindowFocusReason &&
                                     reason != Qt::PopupFocusReason &&
                                     reason != Qt::MenuBarFocusReason;
  if (lookUpOnLeaving_ && leftForAnotherControl)
    emit prefixLookUpRequested();
  TextBox::focusOutEvent(event);
}

} // namespace kelvo::app
