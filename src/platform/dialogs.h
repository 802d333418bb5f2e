// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Every modal box the program shows goes through this facade, so that tests
// can answer it by script and see exactly what was shown.

#include <QString>

namespace kelvo::platform {

inline const QString kAppTitle =
    QStringLiteral(QT_TRANSLATE_NOOP("kelvo::platform", "Kelvo Wizard"));

enum class MessageButtons { Ok, YesNo };
enum class MessageIcon { None, Information, Warning };
enum class MessageAnswer { Ok, Yes, No };

class Dialogs {
public:
  virtual ~Dialogs() = default;
  // A modal message box; closing it in any other way answers Ok (or No).
  virtual MessageAnswer message(const QString &text, const QString &title = kAppTitle,
                                MessageButtons buttons = MessageButtons::Ok,
                                MessageIcon icon = MessageIcon::None) = 0;
  // A modal input box; returns the typed text, or an empty text on cancel.
  virtual QString input(const QString &prompt, const QString &defaultText,
                        const QString &title = kAppTitle) = 0;
};

} // namespace kelvo::platform
