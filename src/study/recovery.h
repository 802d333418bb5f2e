// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The recovery copy of the open study: written while it has unsaved changes,
// removed when it is saved or discarded, and offered back at the next start
// when the program that wrote it no longer runs.

#include "study/study.h"

#include <QList>
#include <QString>
#include <memory>

class QLockFile;

namespace kelvo::study {

// This run's recovery copy. Each running program holds a QLockFile on its
// own copy, so another program never offers that copy back while it runs.
class RecoveryCopy {
public:
  explicit RecoveryCopy(QString folder = defaultFolder());
  // Leaves the copy where it is, so that a crash or a kill leaves it behind
  // for the next start; call remove() when the study is saved or discarded.
  ~RecoveryCopy();
  RecoveryCopy(const RecoveryCopy &) = delete;
  RecoveryCopy &operator=(const RecoveryCopy &) = delete;

  // $XDG_STATE_HOME/kelvo-wizard, by default ~/.local/state/kelvo-wizard.
  static QString defaultFolder();

  // Writes the copy atomically, taking the lock on the first write. Returns
  // an empty string on success, else a whole sentence for the user.
  QString write(const Study &study, const QString &sourcePath);
  // Removes the copy and releases the lock. Nothing happens if none exists.
  void remove();
  // Where this run's copy is (or would be) written, and the folder of the copies.
  QString path() const;
  QString folder() const { return folder_; }

  struct Orphan {
    QString recoveryPath;
    Study study;
    QString sourcePath; // the file the study came from; empty if never saved
  };
  // Copies left by programs that no longer run (their lock is stale), the
  // newest first. A copy whose lock is held by a running program is never
  // listed; an unreadable copy is skipped and left alone.
  static QList<Orphan> findOrphans(const QString &folder = defaultFolder());
  // Removes an orphan and its lock file.
  static void discard(const Orphan &orphan);

private:
  QString folder_;
  QString baseName_;
  std::unique_ptr<QLockFile> lock_;
};

} // namespace kelvo::study
