// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What guards the file of an open study: a stamp of the bytes last read or
// written, to notice that another program changed it, and a lock beside it,
// so that a second copy of the program knows the study is open.

#include <QByteArray>
#include <QString>
#include <memory>

class QLockFile;

namespace kelvo::study {

// Whether the owner may not write the file or folder: what a file manager
// shows as read-only. Such a file or folder is left alone, even by a user
// whom the system would let write there (root).
bool isMarkedReadOnly(const QString &path);

// Whether two paths name one file, through links and "..", or by their
// spelling when the file does not exist.
bool isSameFile(const QString &a, const QString &b);

// The size and a SHA-256 hash of a study file's bytes. Their time is not
// compared: the same bytes written again lose nothing, and a coarse clock of
// a file system can give other bytes the same time.
struct FileStamp {
  bool exists = false;
  qint64 size = 0;
  QByteArray hash;
  static FileStamp of(const QByteArray &bytes);
  static FileStamp ofFile(const QString &path); // exists is false when it is gone
  bool operator==(const FileStamp &) const = default;
};

// The lock ".NAME.lock" beside a study file. It says only whether the
// program holding it still runs: a lock left by a killed program is taken
// over at once, and one held for days stays held.
class StudyLock {
public:
  enum class State { None, Held, HeldElsewhere, NotPossible };
  StudyLock();
  StudyLock(StudyLock &&) noexcept;
  StudyLock &operator=(StudyLock &&) noexcept;
  ~StudyLock(); // releases the lock

  // NotPossible where no lock can be made (a read-only folder); the study is
  // then opened without one rather than not at all.
  static StudyLock take(const QString &studyPath);
  // Held by another program, or by another window of this one.
  static bool isHeldElsewhere(const QString &studyPath);
  State state() const { return state_; }

private:
  std::unique_ptr<QLockFile> lock_;
  State state_ = State::None;
};

} // namespace kelvo::study
