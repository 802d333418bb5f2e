// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "handover/link_actions.h"

#include "guidance/show_guidance.h"
#include "handover/handover_messages.h"
#include "handover/link_launcher.h"
#include "links/hosts.h"
#include "links/link_descriptions.h"
#include "links/link_file.h"
#include "links/link_overrides.h"
#include "platform/desktop.h"

namespace kelvo::handover {

using namespace kelvo::guidance;
using namespace kelvo::links;
using namespace kelvo::platform;

QString makerWebsiteText() { return QStringLiteral("http://") + QString::fromUtf8(hosts::kMaker); }
QString makerEmailText() { return QString::fromUtf8(hosts::kMakerEmail); }
QString makerCreditText() { return QStringLiteral("Marvane Partners, LLC - 2006"); }

LinkActions::LinkActions(Dialogs &dialogs, Desktop &desktop, LinkContext context,
                         const LinkCatalogue *catalogue)
    : catalogue_(catalogue ? *catalogue : activeLinkCatalogue()), dialogs_(dialogs),
      desktop_(desktop), context_(std::move(context)) {
  reportRefusedHandOvers(desktop_, dialogs_);
}

QStringList LinkActions::controls() {
  // Overrides change addresses, never the set of controls.
  QStringList names;
  for (const LinkTemplate &link : LinkCatalogue::builtIn().links())
    names << link.control;
  return names;
}

LinkInputs LinkActions::currentInputs() const {
  LinkInputs inputs;
  if (context_.symbolBox)
    inputs.symbolBox = context_.symbolBox();
  if (context_.nameBox)
    inputs.nameBox = context_.nameBox();
  if (context_.selectedRow)
    inputs.listSymbol = listSymbolOf(context_.selectedRow());
  return inputs;
}

LinkPreview LinkActions::preview(const QString &control) const {
  const LinkTemplate *link = catalogue_.find(control);
  if (!link)
    return {};
  return {composeLinkUrl(*link, currentInputs()), link->origin};
}

void LinkActions::trigger(const QString &control) {
  const LinkTemplate *found = catalogue_.find(control);
  if (!found)
    return;
  // A copy: the catalogue may be reloaded by a handler nested in a yield.
  const LinkTemplate link = *found;

  if (link.before == LinkBefore::AdvantageTexts)
    showGuidance(advantageTexts(), dialogs_);

  // Read now, not earlier: a handler nested in an earlier yield may have
  // changed the boxes or the list selection.
  openResearchLink(link, currentInputs(), dialogs_, desktop_);

  switch (link.after) {
  case LinkAfter::Calculator: {
    // The wizard comes back in front of the browser, then the calculator is
    // started last so that it lies in front of both.
    desktop_.bringToFront();
    const bool started =
        desktop_.startProgram(QStringLiteral("calc.exe"), ShellStyle::OwnedMaximized);
    desktop_.yieldToMessageLoop();
    desktop_.pause(link.afterPauseMs);
    if (!started)
      reportNoCalculator(dialogs_);
    break;
  }
  case LinkAfter::FullScreenKey:
    // Full screen for the browser, if it has come to the front by now.
    desktop_.sendKey(DesktopKey::F11);
    break;
  case LinkAfter::Nothing:
    break;
  }
}

QString LinkActions::toolTip(const QString &control) const {
  const LinkTemplate *link = catalogue_.find(control);
  return link ? linkToolTip(*link, composeLinkUrl(*link, currentInputs())) : QString();
}

void LinkActions::openAddressOnly(const QString &control, const QString &address) {
  const LinkTemplate *found = catalogue_.find(control);
  if (!found)
    return;
  LinkTemplate link = *found;
  if (!address.isEmpty()) {
    if (!splitLinkAddress(address, &link.pieces).isEmpty())
      return;
    link.address = address;
  }
  openResearchLink(link, currentInputs(), dialogs_, desktop_);
}

void LinkActions::showHelp() { showGuidance(helpTexts(), dialogs_); }

} // namespace kelvo::handover
