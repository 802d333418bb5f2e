// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The program's modal boxes as Qt shows them.

#include "platform/dialogs.h"

class QWidget;

namespace kelvo::platform {

// The real boxes, owned by the main window.
class QtDialogs final : public Dialogs {
public:
  explicit QtDialogs(QWidget *parent = nullptr) : parent_(parent) {}
  void setParent(QWidget *parent) { parent_ = parent; }
  MessageAnswer message(const QString &text, const QString &title, MessageButtons buttons,
                        MessageIcon icon) override;
  QString input(const QString &prompt, const QString &defaultText, const QString &title) override;

private:
  QWidget *parent_;
};

} // namespace kelvo::platform
