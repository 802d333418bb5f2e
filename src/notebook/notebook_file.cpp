// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "notebook/notebook_file.h"

#include "notebook/study_notebook.h"
#include "study/study_file.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>

namespace kelvo::app {

bool NotebookFile::shows(const QString &path) const {
  return !path_.isEmpty() && study::isSameFile(path, path_);
}

bool NotebookFile::changedElsewhere() const { return study::FileStamp::ofFile(path_) != stamp_; }

void NotebookFile::adopt(const QString &path, const QByteArray &bytes) {
  study::StudyLock lock = study::StudyLock::take(path);
  readOnly_ = lock.state() == study::StudyLock::State::HeldElsewhere;
  lock_ = std::move(lock);
  path_ = QFileInfo(path).absoluteFilePath();
  stamp_ = study::FileStamp::of(bytes);
}

void NotebookFile::wrote(const QString &path, study::StudyLock lock, const QByteArray &bytes) {
  if (!shows(path)) {
    lock_ = std::move(lock);
    readOnly_ = false;
    path_ = QFileInfo(path).absoluteFilePath();
  }
  stamp_ = study::FileStamp::of(bytes);
}

void NotebookFile::forget() {
  lock_ = study::StudyLock();
  path_.clear();
  stamp_ = {};
  readOnly_ = false;
}

// The notebook's words: it shows them.
QString NotebookFile::refusal(const QString &path, bool exporting,
                              const QString &recoveryFolder) const {
  const QString name = QFileInfo(path).fileName();
  if (shows(path) ? readOnly_ : study::StudyLock::isHeldElsewhere(path))
    return StudyNotebook::tr("“%1” is open in another copy of Kelvo Wizard. Save the study "
                             "under another name, or close it there first.")
        .arg(name);
  if (study::isSameFile(QFileInfo(path).absolutePath(), recoveryFolder))
    return StudyNotebook::tr("“%1” is in the folder of the recovery copies, which the program "
                             "empties by itself. Please choose another folder.")
        .arg(name);
  if (exporting && shows(path))
    return StudyNotebook::tr("“%1” is the study shown here: an export would replace its "
                             "notes. Please choose another name.")
        .arg(name);
  return {};
}

QString NotebookFile::proposedPath(const study::Study &study, const QString &suffix,
                                   bool elsewhere) const {
  const QFileInfo base(path_.isEmpty()
                           ? QDir(study::studiesFolder())
                                 .filePath(study::proposedFileName(study, QDate::currentDate()))
                           : path_);
  QString proposed = base.dir().filePath(base.completeBaseName() + QLatin1Char('.') + suffix);
  for (int n = 2; elsewhere && QFileInfo::exists(proposed); ++n)
    proposed = base.dir().filePath(
        QStringLiteral("%1 (%2).%3").arg(base.completeBaseName()).arg(n).arg(suffix));
  return proposed;
}

} // namespace kelvo::app
