// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "guidance/show_guidance.h"

#include "platform/dialogs.h"

namespace kelvo::guidance {

using namespace kelvo::platform;

void showGuidance(GuidanceSequence sequence, Dialogs &dialogs) {
  for (std::string_view text : sequence)
    dialogs.message(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), kAppTitle,
                    MessageButtons::Ok, MessageIcon::None);
}

} // namespace kelvo::guidance
