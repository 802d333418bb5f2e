// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/qt_dialogs.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QScreen>
#include <QSpacerItem>

namespace kelvo::platform {

namespace {

// A window manager cuts a title that does not fit the box ("End P…gram"). The
// title bar draws in the title font and also holds the window's icon and its
// buttons, about a title-bar height each; the box is kept at least that wide,
// as far as the screen allows.
void widenForTitle(QMessageBox &box) {
  const QFontMetrics title(QFontDatabase::systemFont(QFontDatabase::TitleFont));
  int wanted = title.horizontalAdvance(box.windowTitle()) + 5 * (title.height() + 8);
  if (const QScreen *screen = QGuiApplication::primaryScreen())
    wanted = qMin(wanted, screen->availableGeometry().width() * 9 / 10);
  // QMessageBox sets its own fixed size from its layout when shown, so the
  // width goes into the layout.
  if (auto *grid = qobject_cast<QGridLayout *>(box.layout()))
    grid->addItem(new QSpacerItem(wanted, 0, QSizePolicy::Fixed, QSizePolicy::Minimum),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

} // namespace

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
    widenForTitle(box);
    return box.exec() == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
  }
  box.setStandardButtons(QMessageBox::Ok);
  box.setEscapeButton(QMessageBox::Ok); // Escape and the close button count as OK
  widenForTitle(box);
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
