// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wizard_window/link_tool_tips.h"

#include "handover/link_actions.h"
#include "wizard_window/layout.h"

#include <QCoreApplication>
#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

namespace kelvo::app {

namespace {

// The maker's labels explain themselves with their description and the
// address a click opens now; the research controls with what the link table
// says of them.
struct MakerToolTip {
  const char *control;
  const char *text;
};
constexpr MakerToolTip kMakerToolTips[] = {
    {"Label38", kMakerSiteDescription},
    {"Label2", kMakerMailDescription},
    {"Label3", kMakerPageDescription},
};

} // namespace

QString LinkToolTips::toolTipFor(const QString &name) const {
  // The texts of the wizard's window, as its table's.
  if (name == QLatin1String("Command16"))
    return QCoreApplication::translate("kelvo::app::MainWindow",
                                       "Picks a company at random from the directory list.");
  for (const MakerToolTip &tip : kMakerToolTips)
    if (name == QLatin1String(tip.control))
      //: A link's tooltip: what it does, then the address a click opens now.
      return QCoreApplication::translate("kelvo::app::MainWindow", "%1:\n%2")
          .arg(QCoreApplication::translate("kelvo::app::MainWindow", tip.text),
               links_.preview(name).target);
  return links_.toolTip(name);
}

bool LinkToolTips::eventFilter(QObject *watched, QEvent *event) {
  if (event->type() != QEvent::ToolTip)
    return false;
  const QString text = toolTipFor(watched->objectName());
  if (text.isEmpty())
    return false;
  QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), text,
                     static_cast<QWidget *>(watched));
  return true;
}

} // namespace kelvo::app
