// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Every modal box the program shows goes through this facade, so that tests
// can answer it by script and see exactly what was shown.

#include <QString>
#include <QStringList>

class QPrinter;

namespace kelvo::platform {

inline const QString kAppTitle =
    QStringLiteral(QT_TRANSLATE_NOOP("kelvo::platform", "Kelvo Wizard"));

// SaveDiscardCancel asks about unsaved changes; RecoverDiscard offers back
// notes that were not saved when the program last ended.
enum class MessageButtons { Ok, YesNo, SaveDiscardCancel, RecoverDiscard };
enum class MessageIcon { None, Information, Warning };
enum class MessageAnswer { Ok, Yes, No, Save, Discard, Cancel, Recover };

class Dialogs {
public:
  virtual ~Dialogs() = default;
  // A modal message box; closing it in any other way answers Ok (or No, or
  // Cancel; Recover for the recovery question, so that no notes are lost).
  virtual MessageAnswer message(const QString &text, const QString &title = kAppTitle,
                                MessageButtons buttons = MessageButtons::Ok,
                                MessageIcon icon = MessageIcon::None) = 0;
  // A modal input box; returns the typed text, or an empty text on cancel.
  virtual QString input(const QString &prompt, const QString &defaultText,
                        const QString &title = kAppTitle) = 0;

  // Only the windows that keep files need what follows; boxes that show
  // messages alone may leave it out.

  // File choosers: a path, or an empty text when cancelled. The filter is a
  // Qt name filter ("Studies (*.kelvostudy)"); the save chooser starts from
  // the proposed path and asks before replacing a file.
  virtual QString openFileName(const QString &title, const QString &folder, const QString &filter) {
    (void)title, (void)folder, (void)filter;
    return {};
  }
  virtual QString saveFileName(const QString &title, const QString &proposedPath,
                               const QString &filter) {
    (void)title, (void)proposedPath, (void)filter;
    return {};
  }
  // A question with buttons of the caller's own ("&Overwrite"), in their
  // order; returns the index of the button chosen. Escape and closing the box
  // choose the last button, which must be the one that changes nothing.
  virtual int choose(const QString &text, const QString &title, const QStringList &buttons,
                     int defaultButton = 0, MessageIcon icon = MessageIcon::Warning) {
    (void)text, (void)title, (void)defaultButton, (void)icon;
    return int(buttons.size()) - 1;
  }
  // The print dialog for printer; false when cancelled.
  virtual bool choosePrinter(QPrinter &printer, const QString &title) {
    (void)printer, (void)title;
    return false;
  }
};

} // namespace kelvo::platform
