// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Dialogs answered by script, for tests and benchmarks: every box shown is
// recorded with its text, title, buttons and icon.

#include "platform/dialogs.h"

#include <QList>
#include <QStringList>
#include <optional>

namespace kelvo::platform {

// Answers from a queue and records every box, for tests.
class ScriptedDialogs final : public Dialogs {
public:
  struct Shown {
    enum Kind { Message, Input } kind;
    QString text; // message text or input prompt
    QString title;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
    QString defaultText; // input boxes only
    bool operator==(const Shown &) const = default;
  };

  // Next answers; when the queue is empty a message answers Ok (No for
  // Yes/No) and an input box is cancelled.
  void answer(MessageAnswer a) { answers_.append(a); }
  void type(const QString &text) { inputs_.append(text); }
  void cancelInput() { inputs_.append(std::nullopt); }

  QList<Shown> shown;
  // When set, every box also goes into this log as "box TEXT" or
  // "input PROMPT", so its order against other logged events can be checked.
  QStringList *log = nullptr;
  QStringList texts() const; // the texts (or prompts) shown, in order
  void clear() {
    shown.clear();
    answers_.clear();
    inputs_.clear();
  }

  MessageAnswer message(const QString &text, const QString &title, MessageButtons buttons,
                        MessageIcon icon) override;
  QString input(const QString &prompt, const QString &defaultText, const QString &title) override;

private:
  QList<MessageAnswer> answers_;
  QList<std::optional<QString>> inputs_;
};

} // namespace kelvo::platform
