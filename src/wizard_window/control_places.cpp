// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wizard_window/control_places.h"

#include "wizard_window/control_builder.h"
#include "wizard_window/layout.h"
#include "wizard_window/main_window.h"

#include <algorithm>

namespace kelvo::app {

QStringList controlPlaces(const MainWindow &window) {
  const WizardPages &pages = window.pages();
  QStringList lines;
  for (const ControlRow &row : windowLayout()) {
    const QString name = designName(row);
    const QWidget *w = window.control(name);
    if (!w) // a control the window lacks has no place to list
      continue;
    QPoint origin;
    for (const QWidget *p = w; p && p != &window; p = p->parentWidget()) {
      // A page panel counts where it sits in view: at the side menu's top.
      const bool page =
          std::find(pages.panels.begin(), pages.panels.end(), p) != pages.panels.end();
      origin += QPoint(p->x(), page ? pages.menu->y() : p->y());
    }
    lines << QStringLiteral("%1 %2 %3 %4 %5")
                 .arg(name)
                 .arg(origin.x())
                 .arg(origin.y())
                 .arg(w->width())
                 .arg(w->height());
  }
  return lines;
}

} // namespace kelvo::app
