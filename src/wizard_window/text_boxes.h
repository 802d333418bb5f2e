// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's single-line text boxes, and the symbol box among them.

#include <QLineEdit>

namespace kelvo::app {

// A single-line box of the window: it keeps what is typed or pasted to one
// line, keeps its mouse events to itself, and types nothing for an access
// key: a disabled button's Alt+letter must not end up as a letter in the box.
class TextBox : public QLineEdit {
  Q_OBJECT
public:
  explicit TextBox(QWidget *parent = nullptr);

protected:
  void keyPressEvent(QKeyEvent *event) override;
};

// The symbol box. Enter in it, or the focus moving from it to another control
// of the window, asks for the directory row whose text begins with what was
// typed. The window losing activation to a dialog is no leaving, and neither
// is the program moving the focus while it changes pages.
class SymbolBox final : public TextBox {
  Q_OBJECT
public:
  using TextBox::TextBox;
  // While false, focus leaving the box asks for nothing.
  void setLookUpOnLeaving(bool on) { lookUpOnLeaving_ = on; }

signals:
  void prefixLookUpRequested();

protected:
  void keyPressEvent(QKeyEvent *event) override;
  void focusOutEvent(QFocusEvent *event) override;

private:
  bool lookUpOnLeaving_ = true;
};

} // namespace kelvo::app
