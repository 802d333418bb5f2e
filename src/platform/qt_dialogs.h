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
  QString openFileName(const QString &title, const QString &folder, const QString &filter) override;
  QString saveFileName(const QString &title, const QString &proposedPath,
                       const QString &filter) override;
  int choose(const QString &text, const QString &title, const QStringList &buttons,
             int defaultButton, MessageIcon icon) override;
  bool choosePrinter(QPrinter &printer, const QString &title) override;
  // Whose window the boxes belong to: the active window of the program when
  // there is one (a notebook, a list of studies), else the main window.
  QWidget *owner() const;

private:
  QWidget *parent_;
};

} // namespace kelvo::platform
