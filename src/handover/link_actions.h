// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The window's research buttons, list and panel double-clicks, contact
// labels and the Help button, as one object the main window binds to.

#include "links/link_catalogue.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace kelvo::platform {
class Desktop;
class Dialogs;
} // namespace kelvo::platform

namespace kelvo::handover {

// What the welcome page's labels show: the maker's web site (Label38), its
// contact e-mail address (Label2) and the credit line (Label37). Clicking the
// first two opens exactly these texts.
QString makerWebsiteText();
QString makerEmailText();
QString makerCreditText();

// What a link reads from the window, afresh at every click.
struct LinkContext {
  std::function<QString()> symbolBox; // text of ssymbol
  std::function<QString()> nameBox;   // text of txtTitle
  std::function<int()> selectedRow;   // selected row of List1, -1 for none
};

// What a control would open now, and where its address came from.
struct LinkPreview {
  QString target; // the address (or, for the e-mail label, the e-mail address)
  QString origin; // the override file, or empty when built in
};

class LinkActions {
public:
  // `catalogue` defaults to the one this run uses (ActiveLinks), whose
  // reloads take effect at the next click.
  LinkActions(platform::Dialogs &dialogs, platform::Desktop &desktop, LinkContext context,
              const links::LinkCatalogue *catalogue = nullptr);

  // The controls that open something: push buttons by their click, "List1"
  // by its double-click, "picStart" by a double-click on any page panel, and
  // the labels "Label2", "Label38", "Label3" by their click.
  static QStringList controls();

  // Runs the control's link (and, for Command21, Command27 and Command28,
  // the rest of its sequence). Unknown names do nothing.
  void trigger(const QString &control);

  // What `trigger(control)` would hand over with the window's texts as they
  // are now; an empty target for a name that opens nothing.
  LinkPreview preview(const QString &control) const;

  // The tooltip of a link control with the window's texts as they are now
  // (what it opens, what it reads, the address); empty for other names.
  QString toolTip(const QString &control) const;

  // Hands over the control's address as trigger() does (guard, hand-over,
  // yield, pause), without the teaching boxes before it or the calculator
  // or key after it. A non-empty `address` template stands in for the
  // control's own; one that splitLinkAddress() refuses opens nothing.
  void openAddressOnly(const QString &control, const QString &address = {});

  // "Help": the nine teaching texts.
  void showHelp();

private:
  links::LinkInputs currentInputs() const;

  const links::LinkCatalogue &catalogue_;
  platform::Dialogs &dialogs_;
  platform::Desktop &desktop_;
  LinkContext context_;
};

} // namespace kelvo::handover
