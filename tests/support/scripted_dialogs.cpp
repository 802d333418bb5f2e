// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/scripted_dialogs.h"

namespace kelvo::platform {

QStringList ScriptedDialogs::texts() const {
  QStringList out;
  for (const Shown &s : shown)
    out << s.text;
  return out;
}

MessageAnswer ScriptedDialogs::message(const QString &text, const QString &title,
                                       MessageButtons buttons, MessageIcon icon) {
  shown.append({Shown::Message, text, title, buttons, icon, QString()});
  if (log)
    log->append(QStringLiteral("box ") + text);
  MessageAnswer a = buttons == MessageButtons::YesNo               ? MessageAnswer::No
                    : buttons == MessageButtons::SaveDiscardCancel ? MessageAnswer::Cancel
                    : buttons == MessageButtons::RecoverDiscard    ? MessageAnswer::Recover
                                                                   : MessageAnswer::Ok;
  if (!answers_.isEmpty())
    a = answers_.takeFirst();
  if (buttons == MessageButtons::Ok)
    a = MessageAnswer::Ok; // an OK-only box cannot answer anything else
  return a;
}

QString ScriptedDialogs::input(const QString &prompt, const QString &defaultText,
                               const QString &title) {
  shown.append({Shown::Input, prompt, title, MessageButtons::Ok, MessageIcon::None, defaultText});
  if (log)
    log->append(QStringLiteral("input ") + prompt);
  if (inputs_.isEmpty())
    return QString();
  return inputs_.takeFirst().value_or(QString());
}

QString ScriptedDialogs::nextFile() { return files_.isEmpty() ? QString() : files_.takeFirst(); }

QString ScriptedDialogs::openFileName(const QString &title, const QString &folder,
                                      const QString &filter) {
  (void)filter;
  shown.append({Shown::OpenFile, title, kAppTitle, MessageButtons::Ok, MessageIcon::None, folder});
  return nextFile();
}

QString ScriptedDialogs::saveFileName(const QString &title, const QString &proposedPath,
                                      const QString &filter) {
  (void)filter;
  shown.append(
      {Shown::SaveFile, title, kAppTitle, MessageButtons::Ok, MessageIcon::None, proposedPath});
  return nextFile();
}

int ScriptedDialogs::choose(const QString &text, const QString &title, const QStringList &buttons,
                            int defaultButton, MessageIcon icon) {
  (void)defaultButton;
  shown.append({Shown::Choice, text, title, MessageButtons::Ok, icon, QString(), buttons});
  if (log)
    log->append(QStringLiteral("box ") + text);
  if (presses_.isEmpty())
    return int(buttons.size()) - 1;
  const QString press = presses_.takeFirst();
  if (!buttons.contains(press))
    qFatal("The script presses “%s”, which the box “%s” does not have.", qPrintable(press),
           qPrintable(text));
  return int(buttons.indexOf(press));
}

bool ScriptedDialogs::choosePrinter(QPrinter &printer, const QString &title) {
  shown.append({Shown::Print, title, kAppTitle, MessageButtons::Ok, MessageIcon::None,
                readPrinter ? readPrinter(printer) : QString()});
  return prints_.isEmpty() ? false : prints_.takeFirst();
}

} // namespace kelvo::platform
