// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboard_shortcuts/shortcut_list.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QWidget>

namespace kelvo::app {

namespace {

class ShortcutListTexts {
  Q_DECLARE_TR_FUNCTIONS(kelvo::app::ShortcutList)
};

// "Save &As…" → "Save As…", "Fish && Chips" → "Fish & Chips".
QString withoutAccessMark(const QString &text) {
  QString plain;
  plain.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == QLatin1Char('&') && i + 1 < text.size())
      ++i;
    plain += text[i];
  }
  return plain.simplified();
}

QString keysText(const QList<QKeySequence> &keys) {
  QStringList texts;
  for (const QKeySequence &key : keys)
    if (!key.isEmpty())
      texts << key.toString(QKeySequence::NativeText);
  return texts.join(QLatin1String(", "));
}

class Collector {
public:
  void add(const QList<QKeySequence> &keys, const QString &text) {
    const ShortcutEntry entry{keysText(keys), withoutAccessMark(text)};
    if (!entry.keys.isEmpty() && !entry.action.isEmpty() && !entries.contains(entry))
      entries << entry;
  }
  // A label's caption names the box it leads to: "&Symbol:" is "Symbol".
  void addAccessKey(QString caption) {
    const QKeySequence key = QKeySequence::mnemonic(caption);
    if (caption.endsWith(QLatin1Char(':')))
      caption.chop(1);
    add({key}, caption);
  }
  QList<ShortcutEntry> entries;
};

} // namespace

QList<ShortcutEntry> shortcutsOf(const QWidget &window) {
  Collector found;
  QList<QAction *> actions = window.actions();
  for (QAction *action : window.findChildren<QAction *>())
    if (!actions.contains(action))
      actions << action;
  for (const QAction *action : std::as_const(actions))
    if (!action->isSeparator())
      found.add(action->shortcuts(), action->text());
  for (const QShortcut *shortcut : window.findChildren<QShortcut *>())
    found.add(shortcut->keys(), shortcut->whatsThis());
  for (const QMenuBar *bar : window.findChildren<QMenuBar *>())
    for (const QAction *menu : bar->actions())
      if (menu->menu())
        found.add({QKeySequence::mnemonic(menu->text())},
                  ShortcutListTexts::tr("%1 menu").arg(withoutAccessMark(menu->text())));
  for (const QAbstractButton *button : window.findChildren<QAbstractButton *>())
    found.addAccessKey(button->text());
  for (const QLabel *label : window.findChildren<QLabel *>())
    if (label->buddy())
      found.addAccessKey(label->text());
  return found.entries;
}

QList<ShortcutSection> groupShortcuts(const QList<ShortcutSection> &windows,
                                      const QString &everyWindow) {
  ShortcutSection shared{everyWindow, {}};
  if (windows.size() > 1)
    for (const ShortcutEntry &entry : windows.first().entries)
      if (std::all_of(windows.begin(), windows.end(),
                      [&](const ShortcutSection &w) { return w.entries.contains(entry); }))
        shared.entries << entry;
  QList<ShortcutSection> grouped;
  if (!shared.entries.isEmpty())
    grouped << shared;
  for (ShortcutSection window : windows) {
    window.entries.removeIf([&](const ShortcutEntry &e) { return shared.entries.contains(e); });
    if (!window.entries.isEmpty())
      grouped << window;
  }
  return grouped;
}

} // namespace kelvo::app
