// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The study file a notebook shows: its path, the lock that tells other
// copies of the program it is open here, and the stamp of the bytes last
// read from or written to it.

#include "study/file_guard.h"
#include "study/study.h"

#include <QString>

namespace kelvo::app {

class NotebookFile {
public:
  // Empty before the first save.
  const QString &path() const { return path_; }
  // Another copy of the program has the file open: it is saved only as
  // another file.
  bool isReadOnly() const { return readOnly_; }
  bool shows(const QString &path) const;
  // Another program changed the file since it was read or written here.
  bool changedElsewhere() const;

  // The file becomes `path`, read as `bytes`: its lock is taken (read-only
  // when another copy holds it) and the old one released.
  void adopt(const QString &path, const QByteArray &bytes);
  // `bytes` were written to `path`, which is this file or a new one whose
  // `lock` was taken for the writing.
  void wrote(const QString &path, study::StudyLock lock, const QByteArray &bytes);
  void forget();

  // Why a save or an export must not write `path`, or nothing when it may:
  // another copy of the program has it open, the recovery copies are kept
  // in `recoveryFolder` there, or (for an export) it is the very study shown.
  QString refusal(const QString &path, bool exporting, const QString &recoveryFolder) const;
  // Beside the file, or in the studies folder named for `study`, with
  // `suffix`; `elsewhere` names a file that does not exist yet.
  QString proposedPath(const study::Study &study, const QString &suffix,
                       bool elsewhere = false) const;

private:
  QString path_;
  study::StudyLock lock_;  // beside path_, when one could be made
  study::FileStamp stamp_; // of the bytes last read from or written to path_
  bool readOnly_ = false;
};

} // namespace kelvo::app
