#include "platform/qt_dialogs.h"

#include <QInputDialog>
#include <QMessageBox>

namespace kelvo::platform {

MessageAnswer QtDialogs::message(const QString &text, const QString &title, MessageButtons buttons,
                                 MessageIcon icon) {
  const QMessageBox::Icon shownIcon = icon == MessageIcon::Information ? QMessageBox::Information
                                      : icon == MessageIcon::Warning   ? QMessageBox::Warning
                                                                       : QMessageBox::NoIcon;
  QMessageBox box(shownIcon, title, text, QMessageBox::NoButton, parent_);
  // A warning carries what the user may need elsewhere, such as an address
  // the desktop would not open: it can be selected and copied.
  if (icon == MessageIcon::Warning)
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  if (buttons == MessageButtons::YesNo) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
  }
  box.setStandardButtons(QMessageBox::Ok);
  box.setEscapeButton(QMessageBox::Ok); // Escape and the close button count as OK
  box.exec();
  return MessageAnswer::Ok;
}

QString QtDialogs::input(const QString &prompt, const QString &defaultText, const QString &title) {
  bool ok = false;
  const QString text =
      QInputDialog::getText(parent_, title, prompt, QLineEdit::Normal, defaultText, &ok);
  return ok ? text : QString();
}

} // namespace kelvo::platform
