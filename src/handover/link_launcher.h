// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Runs one research link: guard, compose, hand-over, yield, pause.

#include "links/link_catalogue.h"

namespace kelvo::platform {
class Desktop;
class Dialogs;
} // namespace kelvo::platform

namespace kelvo::handover {

// A link whose target is an e-mail address goes to the desktop's mail
// hand-over; every other link is a web address.
void openResearchLink(const links::LinkTemplate &link, const links::LinkInputs &inputs,
                      platform::Dialogs &dialogs, platform::Desktop &desktop);

} // namespace kelvo::handover
