// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "study/recovery.h"

#include "platform/atomic_save.h"
#include "study/study_json.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <algorithm>

namespace kelvo::study {

namespace {

class RecoveryTexts {
  Q_DECLARE_TR_FUNCTIONS(RecoveryCopy)
};

constexpr QLatin1StringView kRecoveryFormat{"kelvo-study-recovery"};
constexpr QLatin1StringView kPrefix{"recovery-"};
// A recovery copy holds notes that may be longer than a saved study may be:
// the user may have pasted a long text that saving then refused.
constexpr qint64 kMaxRecoveryBytes = 64 << 20;

QString lockPathOf(const QString &copyPath) { return copyPath + QStringLiteral(".lock"); }

// The lock says only whether its program still runs: never stale by age,
// since a program may keep a study open for days.
void neverStaleByAge(QLockFile &lock) { lock.setStaleLockTime(0); }

std::optional<RecoveryCopy::Orphan> readCopy(const QString &path) {
  QFile file(path);
  if (file.size() > kMaxRecoveryBytes || !file.open(QIODevice::ReadOnly))
    return std::nullopt;
  const QJsonObject object = QJsonDocument::fromJson(file.readAll()).object();
  if (object.value(QLatin1String("format")).toString() != kRecoveryFormat)
    return std::nullopt;
  StudyReadResult read = studyFromJsonObject(object.value(QLatin1String("study")).toObject());
  if (!read.study)
    return std::nullopt;
  return RecoveryCopy::Orphan{path, std::move(*read.study),
                              object.value(QLatin1String("sourcePath")).toString()};
}

} // namespace

RecoveryCopy::RecoveryCopy(QString folder)
    : folder_(std::move(folder)),
      // Unique to this run: a later program that happens to get the same
      // process id must not write over a copy that is waiting to be offered.
      baseName_(kPrefix + QString::number(QCoreApplication::applicationPid()) + QLatin1Char('-') +
                QString::number(QDateTime::currentMSecsSinceEpoch()) + QLatin1Char('.') +
                QLatin1String(kStudyFileSuffix)) {}

RecoveryCopy::~RecoveryCopy() = default; // the lock goes, the copy stays

QString RecoveryCopy::defaultFolder() {
  // XDG: a relative $XDG_STATE_HOME is invalid and is ignored.
  QString state = qEnvironmentVariable("XDG_STATE_HOME");
  if (state.isEmpty() || QDir::isRelativePath(state))
    state = QDir::homePath() + QStringLiteral("/.local/state");
  return state + QStringLiteral("/kelvo-wizard");
}

QString RecoveryCopy::path() const { return QDir(folder_).filePath(baseName_); }

QString RecoveryCopy::write(const Study &study, const QString &sourcePath) {
  const auto failed = [this](const QString &reason) {
    return RecoveryTexts::tr("The recovery copy of the notes could not be written to “%1”: %2.")
        .arg(QDir::toNativeSeparators(folder_), reason);
  };
  if (!lock_) {
    // The notes are private: the folder is the user's alone.
    if (!QDir().mkpath(folder_))
      return failed(RecoveryTexts::tr("the folder could not be created"));
    QFile::setPermissions(folder_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    auto lock = std::make_unique<QLockFile>(lockPathOf(path()));
    neverStaleByAge(*lock);
    if (!lock->tryLock(0))
      return failed(RecoveryTexts::tr("its lock could not be taken"));
    lock_ = std::move(lock);
  }
  const QJsonObject object{{QLatin1String("format"), kRecoveryFormat},
                           {QLatin1String("version"), kStudyFormatVersion},
                           {QLatin1String("sourcePath"), sourcePath},
                           {QLatin1String("study"), studyToJsonObject(study)}};
  const QByteArray bytes = QJsonDocument(object).toJson(QJsonDocument::Compact);
  // Notes are private: the copy is the user's alone from its first byte.
  const QString error = platform::saveAtomically(path(), [&bytes](QSaveFile &file) {
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    return file.write(bytes) == bytes.size();
  });
  return error.isEmpty() ? QString() : failed(error);
}

void RecoveryCopy::remove() {
  QFile::remove(path());
  if (lock_)
    lock_->unlock(); // removes the lock file
  lock_.reset();
}

QList<RecoveryCopy::Orphan> RecoveryCopy::findOrphans(const QString &folder) {
  const QDir dir(folder);
  const QFileInfoList copies = dir.entryInfoList(
      {kPrefix + QStringLiteral("*.") + QLatin1String(kStudyFileSuffix)}, QDir::Files, QDir::Time);
  QList<Orphan> orphans;
  for (const QFileInfo &copy : copies) {
    // A lock that can be taken is free or stale: its program no longer runs.
    // A lock held by a running program, this one included, cannot be taken.
    QLockFile probe(lockPathOf(copy.filePath()));
    neverStaleByAge(probe);
    if (!probe.tryLock(0))
      continue;
    probe.unlock();
    if (std::optional<Orphan> orphan = readCopy(copy.filePath()))
      orphans.append(std::move(*orphan));
  }
  return orphans;
}

void RecoveryCopy::discard(const Orphan &orphan) {
  QFile::remove(orphan.recoveryPath);
  QFile::remove(lockPathOf(orphan.recoveryPath));
}

} // namespace kelvo::study
