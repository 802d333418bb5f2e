// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What each research control is for, where in the wizard it sits, and the
// tooltip that tells the user what a click opens now. QtCore only; every text
// is marked for translation.

#include "links/link_catalogue.h"

#include <QString>
#include <span>

namespace kelvo::links {

// Where a link control sits: the wizard's pages in step order, then the
// double-click on any page's background and the window's title label.
enum class LinkPlace {
  Welcome,
  Company,
  Advantages,
  Management,
  BargainPrice,
  Tools,
  Estimator,
  EveryPage,
  TitleLabel
};

struct LinkDescription {
  const char *control;
  LinkPlace place;
  const char *opens; // one sentence, marked with QT_TRANSLATE_NOOP
};

// Every link control, in the order of the wizard's steps.
std::span<const LinkDescription> linkDescriptions();
const LinkDescription *findLinkDescription(QStringView control);

// "Company", "Competitive Advantages", ... (translated).
QString linkPlaceTitle(LinkPlace place);

// Where the address in use comes from: "built in", "today's set" or
// "FILE:LINE" (translated).
QString linkOriginText(const LinkTemplate &link);

// The tooltip of a research control: what it opens, each input it reads,
// the address it would open now, and, for a built-in address its site has
// retired, a sentence that points to Research Links (Ctrl+L). Lines are
// separated by "\n".
QString linkToolTip(const LinkTemplate &link, const QString &target);

} // namespace kelvo::links
