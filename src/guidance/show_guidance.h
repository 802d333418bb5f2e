#pragma once
// Shows a sequence of teaching texts, one modal box after the other.

#include "guidance/guidance.h"

namespace kelvo {

class Dialogs;

// Each text in an OK-only box without icon under the program's title. There
// is no way to cut the sequence short: closing a box counts as OK.
void showGuidance(GuidanceSequence sequence, Dialogs &dialogs);

} // namespace kelvo
