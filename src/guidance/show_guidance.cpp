// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "guidance/show_guidance.h"

#include "platform/dialogs.h"

#include <QCoreApplication>
#include <string>

namespace kelvo::guidance {

using namespace kelvo::platform;

void showGuidance(GuidanceSequence sequence, Dialogs &dialogs) {
  for (std::string_view text : sequence)
    dialogs.message(QCoreApplication::translate("kelvo::guidance", std::string(text).c_str()),
                    kAppTitle, MessageButtons::Ok, MessageIcon::None);
}

} // namespace kelvo::guidance
