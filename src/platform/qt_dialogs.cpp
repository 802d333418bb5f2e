// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/qt_dialogs.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
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

// The questions about the user's notes. Escape never throws notes away: it
// cancels the save question and keeps the recovered notes.
MessageAnswer askChoice(QMessageBox &box, MessageButtons buttons) {
  if (buttons == MessageButtons::SaveDiscardCancel) {
    box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save:
      return MessageAnswer::Save;
    case QMessageBox::Discard:
      return MessageAnswer::Discard;
    default:
      return MessageAnswer::Cancel;
    }
  }
  QPushButton *recover =
      box.addButton(QCoreApplication::translate("kelvo::platform::QtDialogs", "Recover"),
                    QMessageBox::AcceptRole);
  QPushButton *discard =
      box.addButton(QCoreApplication::translate("kelvo::platform::QtDialogs", "Discard"),
                    QMessageBox::DestructiveRole);
  box.setDefaultButton(recover);
  box.setEscapeButton(recover);
  box.exec();
  return box.clickedButton() == discard ? MessageAnswer::Discard : MessageAnswer::Recover;
}

// The program's own title is the one every box carries unless it names another.
QString shownTitle(const QString &title) {
  return title == kAppTitle ? QCoreApplication::translate("kelvo::platform", "Kelvo Wizard")
                            : title;
}

QMessageBox::Icon shownIcon(MessageIcon icon) {
  return icon == MessageIcon::Information ? QMessageBox::Information
         : icon == MessageIcon::Warning   ? QMessageBox::Warning
                                          : QMessageBox::NoIcon;
}

} // namespace

MessageAnswer QtDialogs::message(const QString &text, const QString &givenTitle,
                                 MessageButtons buttons, MessageIcon icon) {
  const QString title = shownTitle(givenTitle);
  if (buttons == MessageButtons::SaveDiscardCancel || buttons == MessageButtons::RecoverDiscard) {
    // Asked from whichever window holds the notes, so the box shows over it.
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, owner());
    widenForTitle(box);
    return askChoice(box, buttons);
  }
  QMessageBox box(shownIcon(icon), title, text, QMessageBox::NoButton, owner());
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

int QtDialogs::choose(const QString &text, const QString &title, const QStringList &buttons,
                      int defaultButton, MessageIcon icon) {
  QMessageBox box(shownIcon(icon), shownTitle(title), text, QMessageBox::NoButton, owner());
  // Action buttons keep the caller's order in every desktop's layout, with
  // the last, which changes nothing, where that desktop puts Cancel.
  QList<QAbstractButton *> added;
  for (const QString &button : buttons)
    added << box.addButton(button, added.size() + 1 == buttons.size() ? QMessageBox::RejectRole
                                                                      : QMessageBox::ActionRole);
  if (added.isEmpty())
    return -1;
  box.setDefaultButton(qobject_cast<QPushButton *>(added.value(defaultButton, added.last())));
  box.setEscapeButton(added.last());
  widenForTitle(box);
  box.exec();
  const int chosen = int(added.indexOf(box.clickedButton()));
  return chosen < 0 ? int(added.size()) - 1 : chosen;
}

QString QtDialogs::input(const QString &prompt, const QString &defaultText, const QString &title) {
  bool ok = false;
  const QString text =
      QInputDialog::getText(owner(), title, prompt, QLineEdit::Normal, defaultText, &ok);
  return ok ? text : QString();
}

QWidget *QtDialogs::owner() const {
  QWidget *active = QApplication::activeWindow();
  return active ? active : parent_;
}

QString QtDialogs::openFileName(const QString &title, const QString &folder,
                                const QString &filter) {
  return QFileDialog::getOpenFileName(owner(), title, folder, filter);
}

QString QtDialogs::saveFileName(const QString &title, const QString &proposedPath,
                                const QString &filter) {
  // The dialog adds the proposed suffix to a name typed without one before
  // it asks about replacing a file, so the question is about the right file.
  const QFileInfo proposed(proposedPath);
  QFileDialog dialog(owner(), title, proposed.absolutePath(), filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(proposed.suffix());
  dialog.selectFile(proposed.fileName());
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
    return {};
  return dialog.selectedFiles().constFirst();
}

bool QtDialogs::choosePrinter(QPrinter &printer, const QString &title) {
  QPrintDialog dialog(&printer, owner());
  dialog.setWindowTitle(title);
  return dialog.exec() == QDialog::Accepted;
}

} // namespace kelvo::platform
