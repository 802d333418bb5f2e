// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "handover/handover_messages.h"

#include "platform/desktop.h"
#include "platform/dialogs.h"

#include <QCoreApplication>

namespace kelvo::handover {

using namespace kelvo::platform;

void reportRefusedHandOvers(Desktop &desktop, Dialogs &dialogs) {
  desktop.refused = [&dialogs](const QString &target, HandedOver what) {
    dialogs.message(refusedHandOverText(target, what), kAppTitle, MessageButtons::Ok,
                    MessageIcon::Warning);
  };
}

QString refusedHandOverText(const QString &target, HandedOver what) {
  if (what == HandedOver::Folder)
    return QCoreApplication::translate(
               "kelvo::handover",
               "The folder could not be shown: no file manager took it. Open this folder in "
               "your file manager:\n\n%1")
        .arg(target);
  if (what == HandedOver::Email)
    return QCoreApplication::translate(
               "kelvo::handover",
               "The e-mail address could not be opened: no mail program took it. "
               "Write to this address from your mail program:\n\n%1")
        .arg(target);
  return QCoreApplication::translate("kelvo::handover",
                                     "The page could not be opened: no web browser took it. "
                                     "Copy this address into your web browser:\n\n%1")
      .arg(target);
}

void reportNoCalculator(Dialogs &dialogs) {
  dialogs.message(noCalculatorText(), kAppTitle, MessageButtons::Ok, MessageIcon::Information);
}

QString noCalculatorText() {
  QStringList programs, apps;
  for (const QString &name : calculatorPrograms())
    (name.startsWith(QLatin1String("org.")) ? apps : programs) << name;
  return QCoreApplication::translate(
             "kelvo::handover",
             "No calculator program was found. The wizard looked for %1, and for the "
             "Flatpak apps %2. Install one of them to have it start here.")
      .arg(programs.join(QLatin1String(", ")), apps.join(QLatin1String(" and ")));
}

} // namespace kelvo::handover
