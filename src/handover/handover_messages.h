// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the user is told when the desktop opens nothing: an address, the
// e-mail address or a folder it refused, or no calculator program to start.

#include <QString>

namespace kelvo::platform {
class Desktop;
class Dialogs;
enum class HandedOver;
} // namespace kelvo::platform

namespace kelvo::handover {

// From now on every address, e-mail address or folder the desktop refuses is
// shown in a warning box, as text the user can copy.
void reportRefusedHandOvers(platform::Desktop &desktop, platform::Dialogs &dialogs);
QString refusedHandOverText(const QString &target, platform::HandedOver what);

// The box shown when no calculator program could be started; it names the
// programs that were looked for.
void reportNoCalculator(platform::Dialogs &dialogs);
QString noCalculatorText();

} // namespace kelvo::handover
