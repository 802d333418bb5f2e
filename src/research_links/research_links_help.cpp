// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "research_links/research_links_help.h"

#include <QCoreApplication>
#include <QDir>

namespace kelvo::app {

QString researchLinksHelp(const QString &userFile) {
  return QCoreApplication::translate(
             "kelvo::app::ResearchLinksWindow",
             "Research Links shows every research button and link of the wizard, the address it "
             "opens now for the wizard's company, and where that address comes from: built in, "
             "today's addresses, a packager's file or your own.\n\n"
             "In a template, {symbol} stands for the symbol box, {name} for the company's name, "
             "{listsymbol} for the symbol of the row chosen in the list and {yahoosymbol} for the "
             "symbol as Yahoo writes it (BRK-B).\n\n"
             "Save writes the template of the selected link into your own file, which wins over "
             "every other; Reset takes your row out of it again. Your file is:\n%1")
      .arg(QDir::toNativeSeparators(userFile));
}

} // namespace kelvo::app
