// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Builds the window's controls from the layout table, one container at a
// time, and keeps them by their design names for the window's accessor,
// the list of controls and the tests.

#include "wizard_window/layout.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QWidget>
#include <functional>

namespace kelvo::app {

class Panel;

// "cmdNext", "Label1(3)", "picStart(6)".
QString designName(const ControlRow &row);

// Whether a palette draws light text on a dark background.
bool isDarkPalette(const QPalette &palette);

class ControlBuilder {
public:
  // Makes the panel of a panel row: the side menu or a page.
  using PanelMaker = std::function<Panel *(const ControlRow &row, QWidget *parent)>;

  // Builds every row placed in `container` (kOnWindow, kOnMenu or a page
  // number), in table order, as children of `parent`.
  void build(int container, QWidget *parent, const PanelMaker &makePanel = {});

  QWidget *control(const QString &name) const { return controls_.value(name); }
  // The control of a design name, as the type the table makes for it; for
  // the window and its pages while they are being built.
  template <class T> T *get(const char *name) const {
    return qobject_cast<T *>(control(QString::fromLatin1(name)));
  }
  QStringList names() const { return controls_.keys(); }
  // Gives every control built its design colours again, for a desktop
  // palette that is dark or light (see applyColours in the source).
  void applyColours(bool dark);
  // Every control built so far that takes the focus, in the design's
  // keyboard order.
  QList<QWidget *> keyboardOrder() const;

private:
  QWidget *make(const ControlRow &row, QWidget *parent, const PanelMaker &makePanel) const;
  QHash<QString, QWidget *> controls_;
  QList<QPair<int, QWidget *>> tabs_;
};

} // namespace kelvo::app
