// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Shows a sequence of teaching texts, one modal box after the other.

#include "guidance/guidance.h"

namespace kelvo::platform {
class Desktop;
class Dialogs;
} // namespace kelvo::platform

namespace kelvo::guidance {

// Each text in an OK-only box without icon under the program's title. There
// is no way to cut the sequence short: closing a box counts as OK.
void showGuidance(GuidanceSequence sequence, platform::Dialogs &dialogs);

} // namespace kelvo::guidance
