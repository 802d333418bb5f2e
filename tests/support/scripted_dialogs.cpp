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
  MessageAnswer a = buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
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

} // namespace kelvo::platform
