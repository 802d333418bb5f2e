// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Where override files are looked up, by the XDG base-directory rules through
// QStandardPaths, and the catalogue the program runs with: the built-in one,
// then today's set unless the user has switched it off, then every override
// file applied. It is read at start-up and again whenever the user's own file
// changes. QtCore only.

#include "links/link_catalogue.h"

#include <QObject>
#include <QString>
#include <QStringList>

namespace kelvo::links {

struct LinkSearchPaths {
  // Packagers' and administrators' files in the order they are applied, so
  // that a later one wins: kelvo-wizard/links/*.conf of each data folder
  // ($XDG_DATA_HOME, then $XDG_DATA_DIRS) in name order, the least important
  // folder first, then kelvo-wizard/links.conf of each $XDG_CONFIG_DIRS
  // folder, the least important first.
  QStringList sharedFiles;
  // The user's own $XDG_CONFIG_HOME/kelvo-wizard/links.conf, applied last
  // and the one file the program writes.
  QString userFile;

  // From QStandardPaths, which reads the XDG variables; relative folders are
  // ignored.
  static LinkSearchPaths fromEnvironment();

  // Every file, in the order applied.
  QStringList files() const;
};

// The [settings] of a user's links.conf, read quietly (problems are reported
// when the file is applied).
LinkSettings readLinkSettings(const QByteArray &text);

// Built in, today's set unless the user's file switches it off, the shared
// files, then the user's own rows. `settings` receives the user's settings.
LinkCatalogue loadLinkCatalogue(const LinkSearchPaths &paths, QStringList *problems,
                                LinkSettings *settings = nullptr);

// The catalogue this run uses. Loaded on first use from the environment's
// paths; reload() reads the files again and tells every listener, so a
// change takes effect at the next click. Each problem is written to standard
// error as one line when the files are read.
class ActiveLinks : public QObject {
  Q_OBJECT

public:
  static ActiveLinks &instance();

  // Stays the same object across reloads: holders of the reference see the
  // newest addresses.
  const LinkCatalogue &catalogue() const { return catalogue_; }
  // The override files' problems of the latest load, "FILE:LINE: what" each.
  const QStringList &problems() const { return problems_; }
  const LinkSettings &settings() const { return settings_; }
  const LinkSearchPaths &paths() const { return paths_; }

  // Reads the files again, from the environment's paths as they are now.
  void reload();

signals:
  void changed();

private:
  ActiveLinks();
  void load();

  LinkSearchPaths paths_;
  LinkCatalogue catalogue_;
  QStringList problems_;
  LinkSettings settings_;
};

// ActiveLinks::instance().catalogue().
const LinkCatalogue &activeLinkCatalogue();

} // namespace kelvo::links
