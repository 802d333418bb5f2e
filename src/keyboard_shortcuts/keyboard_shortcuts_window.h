// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Keyboard Shortcuts": every key of every window of the program, one
// section a window, read from the windows themselves by the program's
// wiring and handed in here.

#include "keyboard_shortcuts/shortcut_list.h"

#include <QWidget>

class QTreeWidget;

namespace kelvo::app {

class KeyboardShortcutsWindow final : public QWidget {
  Q_OBJECT
public:
  explicit KeyboardShortcutsWindow(QWidget *parent = nullptr);

  // Shows these sections, in order, each with its keys and what they do.
  void showSections(const QList<ShortcutSection> &sections);
  QTreeWidget *list() const { return list_; }
  // What F1 here tells.
  static QString helpText();

protected:
  void changeEvent(QEvent *event) override;

private:
  void markSections();

  QTreeWidget *list_;
};

} // namespace kelvo::app
