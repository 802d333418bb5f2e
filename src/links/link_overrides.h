// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Where override files are looked up, by the XDG base-directory rules, and
// the catalogue the program runs with: the built-in one with every override
// applied, read once at start-up. QtCore only.

#include "links/link_catalogue.h"

#include <QString>
#include <QStringList>

namespace kelvo::links {

struct LinkSearchPaths {
  QStringList dataDirs; // most important first, as in XDG_DATA_DIRS
  QString configHome;   // as XDG_CONFIG_HOME

  // From XDG_DATA_DIRS (default /usr/local/share:/usr/share) and
  // XDG_CONFIG_HOME (default ~/.config); relative paths are ignored.
  static LinkSearchPaths fromEnvironment();

  // The override files in the order they are applied, so that a later one
  // wins: each data dir's kelvo-wizard/links/*.conf in name order, the least
  // important dir first, then the user's kelvo-wizard/links.conf.
  QStringList files() const;
};

// The built-in catalogue with the override files of `paths` applied.
LinkCatalogue loadLinkCatalogue(const LinkSearchPaths &paths, QStringList *problems);

// The catalogue of this run, loaded on first use from the environment's
// paths; each problem is written to standard error as one line.
const LinkCatalogue &activeLinkCatalogue();

} // namespace kelvo::links
