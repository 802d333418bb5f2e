// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "handover/link_launcher.h"

#include "wizard/navigation.h"

#include "platform/desktop.h"
#include "platform/dialogs.h"

namespace kelvo::handover {

using namespace kelvo::links;
using namespace kelvo::platform;

namespace {

// The same boxes Next shows when the symbol or the name is missing.
QString guardPrompt(LinkInput guard) {
  return guard == LinkInput::NameBox ? wizard::kNameMissing : wizard::kSymbolMissing;
}

} // namespace

void openResearchLink(const LinkTemplate &link, const LinkInputs &inputs, Dialogs &dialogs,
                      Desktop &desktop) {
  // Only an exactly empty text fails: a symbol of one space is the user's
  // choice and goes into the address.
  if (link.guard && inputText(*link.guard, inputs).isEmpty()) {
    dialogs.message(wizard::translated(guardPrompt(*link.guard)), kAppTitle, MessageButtons::Ok,
                    MessageIcon::None);
    return;
  }

  const QString target = composeLinkUrl(link, inputs);
  const ShellStyle style =
      link.style == LinkStyle::Plain ? ShellStyle::PlainNormal : ShellStyle::OwnedMaximized;
  if (link.target == LinkTarget::Email)
    desktop.openEmail(target, style);
  else
    desktop.openAddress(target, style);

  if (style == ShellStyle::PlainNormal)
    return;
  // Let the window catch up with the browser starting; other handlers may run
  // nested here, which is why nothing is kept between these steps.
  desktop.yieldToMessageLoop();
  desktop.pause(link.pauseMs);
}

} // namespace kelvo::handover
