// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Dialogs answered by script, for tests and benchmarks: every box shown is
// recorded with its text, title, buttons and icon.

#include "platform/dialogs.h"

#include <QList>
#include <QStringList>
#include <functional>
#include <optional>

namespace kelvo::platform {

// Answers from a queue and records every box, for tests.
class ScriptedDialogs final : public Dialogs {
public:
  struct Shown {
    enum Kind { Message, Input, OpenFile, SaveFile, Print, Choice } kind;
    QString text; // message text, input prompt or chooser title
    QString title;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
    QString defaultText; // input boxes; file choosers' folder or path; `readPrinter` for printing
    QStringList choices = {}; // the buttons of a question with buttons of its own
    bool operator==(const Shown &) const = default;
  };

  // Next answers; when the queue is empty a message answers Ok (No for
  // Yes/No, Cancel for Save/Discard/Cancel, Recover for Recover/Discard), an
  // input box and a file chooser are cancelled and printing is cancelled.
  void answer(MessageAnswer a) { answers_.append(a); }
  // The button to press in the next question with buttons of its own ("&Overwrite");
  // when none is queued, the last button (the one that changes nothing).
  void press(const QString &button) { presses_.append(button); }
  void type(const QString &text) { inputs_.append(text); }
  void cancelInput() { inputs_.append(std::nullopt); }
  void chooseFile(const QString &path) { files_.append(path); }
  void print(bool accept) { prints_.append(accept); }

  QList<Shown> shown;
  // What a print dialog records of the printer it is shown (this library
  // links no printing support; a test that does can read the document name).
  std::function<QString(const QPrinter &)> readPrinter;
  // When set, every box also goes into this log as "box TEXT" or
  // "input PROMPT", so its order against other logged events can be checked.
  QStringList *log = nullptr;
  QStringList texts() const; // the texts (or prompts) shown, in order
  void clear() {
    shown.clear();
    answers_.clear();
    inputs_.clear();
    files_.clear();
    prints_.clear();
    presses_.clear();
  }

  MessageAnswer message(const QString &text, const QString &title, MessageButtons buttons,
                        MessageIcon icon) override;
  QString input(const QString &prompt, const QString &defaultText, const QString &title) override;
  QString openFileName(const QString &title, const QString &folder, const QString &filter) override;
  QString saveFileName(const QString &title, const QString &proposedPath,
                       const QString &filter) override;
  int choose(const QString &text, const QString &title, const QStringList &buttons,
             int defaultButton, MessageIcon icon) override;
  bool choosePrinter(QPrinter &printer, const QString &title) override;

private:
  QString nextFile();
  QStringList files_;
  QList<bool> prints_;
  QList<MessageAnswer> answers_;
  QStringList presses_;
  QList<std::optional<QString>> inputs_;
};

} // namespace kelvo::platform
