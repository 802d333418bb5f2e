// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// At start, for each recovery copy an earlier run left: recover its notes?

#include "study/recovery.h"

namespace kelvo::platform {
class Dialogs;
} // namespace kelvo::platform

namespace kelvo::app {

// Asks whether to recover the notes of `orphan`, naming its symbol and when
// they were written. True for Recover (or a closed question: the notes are
// kept for the next start), false for Discard.
bool askToRecover(platform::Dialogs &dialogs, const study::RecoveryCopy::Orphan &orphan);

} // namespace kelvo::app
