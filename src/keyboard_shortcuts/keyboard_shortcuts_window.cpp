// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboard_shortcuts/keyboard_shortcuts_window.h"

#include "widgets/window_pattern.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace kelvo::app {

KeyboardShortcutsWindow::KeyboardShortcutsWindow(QWidget *parent)
    : QWidget(parent, Qt::Window), list_(new QTreeWidget) {
  setObjectName(QStringLiteral("keyboardShortcuts"));
  setWindowTitle(tr("Keyboard Shortcuts"));
  widgets::letReturnPressButtons(*this);

  auto *intro = new QLabel(tr("The keys of every window of Kelvo Wizard. Alt with an underlined "
                              "letter presses that button or goes to that box."));
  intro->setWordWrap(true);
  list_->setObjectName(QStringLiteral("shortcuts"));
  list_->setAccessibleName(tr("Keyboard shortcuts"));
  list_->setHeaderLabels({tr("Action"), tr("Keys")});
  list_->setRootIsDecorated(false);
  list_->setItemsExpandable(false);
  list_->setUniformRowHeights(true);
  list_->setAllColumnsShowFocus(true);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
  list_->header()->setStretchLastSection(false);

  auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close);
  connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);
  auto *close = new QAction(tr("Close"), this);
  close->setShortcuts({QKeySequence(QKeySequence::Close), QKeySequence(Qt::Key_Escape)});
  connect(close, &QAction::triggered, this, &QWidget::close);
  addAction(close);

  auto *column = new QVBoxLayout(this);
  column->addWidget(intro);
  column->addWidget(list_, 1);
  column->addWidget(buttons);
  // Within the screen at any scale factor; the list scrolls when it is small.
  resize(QSize(620, 640).boundedTo(screen()->availableGeometry().size() * 0.9));
}

void KeyboardShortcutsWindow::showSections(const QList<ShortcutSection> &sections) {
  list_->clear();
  for (const ShortcutSection &section : sections) {
    auto *heading = new QTreeWidgetItem(list_, {section.title});
    heading->setFirstColumnSpanned(true);
    heading->setFlags(Qt::ItemIsEnabled);
    for (const ShortcutEntry &entry : section.entries) {
      auto *row = new QTreeWidgetItem(heading, {entry.action, entry.keys});
      row->setData(1, Qt::AccessibleTextRole, entry.keys);
    }
  }
  list_->expandAll();
  markSections();
  list_->resizeColumnToContents(1);
  if (list_->topLevelItemCount() > 0 && list_->topLevelItem(0)->childCount() > 0)
    list_->setCurrentItem(list_->topLevelItem(0)->child(0));
}

QString KeyboardShortcutsWindow::helpText() {
  return tr("Keyboard Shortcuts lists the keys of every window of the program, read from the "
            "windows each time this list opens: the keys that work in every window first, then "
            "each window's own.\n\n"
            "In the wizard, Shift+F10 or the Menu key opens the menu of the control in focus, "
            "or the program's menu. In the web browser the wizard hands a page to, F11 switches "
            "full screen on and off.");
}

// The sections' titles in bold, in the font of the moment.
void KeyboardShortcutsWindow::markSections() {
  QFont bold = list_->font();
  bold.setBold(true);
  for (int i = 0; i < list_->topLevelItemCount(); ++i)
    list_->topLevelItem(i)->setFont(0, bold);
}

void KeyboardShortcutsWindow::changeEvent(QEvent *event) {
  if (event->type() == QEvent::FontChange)
    markSections();
  QWidget::changeEvent(event);
}

} // namespace kelvo::app
