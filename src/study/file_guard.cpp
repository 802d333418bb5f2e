// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "study/file_guard.h"

#include "study/study_file.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

namespace kelvo::study {

bool isMarkedReadOnly(const QString &path) {
  const QFileInfo info(path);
  return info.exists() && !info.permissions().testFlag(QFileDevice::WriteOwner);
}

bool isSameFile(const QString &a, const QString &b) {
  const QFileInfo first(a), second(b);
  const QString canonicalFirst = first.canonicalFilePath();
  const QString canonicalSecond = second.canonicalFilePath();
  if (!canonicalFirst.isEmpty() && !canonicalSecond.isEmpty())
    return canonicalFirst == canonicalSecond;
  return QDir::cleanPath(first.absoluteFilePath()) == QDir::cleanPath(second.absoluteFilePath());
}

FileStamp FileStamp::of(const QByteArray &bytes) {
  return {true, bytes.size(), QCryptographicHash::hash(bytes, QCryptographicHash::Sha256)};
}

FileStamp FileStamp::ofFile(const QString &path) {
  // Put in the file's place, a folder or a pipe is no study (and a pipe
  // would not end reading).
  if (QFileInfo info(path); info.exists() && !info.isFile())
    return {true, -1, {}};
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return {};
  // A file larger than any study differs in its size already.
  return of(file.read(kMaxStudyFileBytes + 1));
}

StudyLock::StudyLock() = default;
StudyLock::StudyLock(StudyLock &&) noexcept = default;
StudyLock &StudyLock::operator=(StudyLock &&) noexcept = default;
StudyLock::~StudyLock() = default;

StudyLock StudyLock::take(const QString &studyPath) {
  StudyLock taken;
  const QFileInfo study(studyPath);
  // Nothing is written in a folder marked read-only, not even a lock.
  if (isMarkedReadOnly(study.absolutePath())) {
    taken.state_ = State::NotPossible;
    return taken;
  }
  auto lock = std::make_unique<QLockFile>(
      study.absoluteDir().filePath(QLatin1Char('.') + study.fileName() + QStringLiteral(".lock")));
  lock->setStaleLockTime(0); // never stale by age: a study may stay open for days
  if (lock->tryLock(0)) {
    taken.lock_ = std::move(lock);
    taken.state_ = State::Held;
  } else {
    taken.state_ =
        lock->error() == QLockFile::LockFailedError ? State::HeldElsewhere : State::NotPossible;
  }
  return taken;
}

bool StudyLock::isHeldElsewhere(const QString &studyPath) {
  return take(studyPath).state() == State::HeldElsewhere;
}

} // namespace kelvo::study
