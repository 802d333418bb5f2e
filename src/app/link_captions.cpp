// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/link_captions.h"

#include "handover/link_actions.h"
#include "wizard_window/layout.h"

#include <QCoreApplication>

namespace kelvo::app {

QString linkCaption(const QString &control) {
  if (control == u"Label38")
    return handover::makerWebsiteText();
  if (control == u"Label2")
    return handover::makerEmailText();
  if (control == u"List1")
    return QCoreApplication::translate("kelvo::app::LinkCaption", "The directory list");
  if (control == u"picStart")
    return QCoreApplication::translate("kelvo::app::LinkCaption", "The background of a page");
  QString caption = layoutCaption(control);
  if (caption.isEmpty())
    return control;
  // "&&" is a shown "&"; a single "&" marks the access key.
  caption.replace(QLatin1String("&&"), QStringLiteral("\x01")).remove(u'&');
  return caption.replace(u'\x01', u'&').simplified();
}

} // namespace kelvo::app
