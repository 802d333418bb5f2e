// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "study/study_moves.h"

#include "study/file_guard.h"
#include "study/study_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace kelvo::study {

namespace {

class StudyMoveTexts {
  Q_DECLARE_TR_FUNCTIONS(StudyFile)
};

// Empty when the study may move: no notebook has it open. The lock taken
// here holds until `lock` goes, so that none opens it meanwhile.
QString refusalInUse(const QString &path, StudyLock &lock) {
  lock = StudyLock::take(path);
  if (lock.state() != StudyLock::State::HeldElsewhere)
    return {};
  return StudyMoveTexts::tr("“%1” is open in the Study Notebook, here or in another copy of Kelvo "
                            "Wizard. Close it there first.")
      .arg(QFileInfo(path).fileName());
}

QString reasonOf(const QFile &file) {
  QString reason = file.errorString();
  if (reason.endsWith(QLatin1Char('.')))
    reason.chop(1);
  return reason;
}

} // namespace

QString renameStudyFile(const QString &path, const QString &typed, QString *renamed) {
  const QFileInfo from(path);
  const QString suffix = QLatin1Char('.') + QLatin1String(kStudyFileSuffix);
  QString name = typed.trimmed();
  if (name.isEmpty())
    return StudyMoveTexts::tr("Please type a name for the study's file.");
  if (name.contains(QLatin1Char('/')))
    return StudyMoveTexts::tr("A file name cannot contain “/”. Please choose another name.");
  // A leading dot hides the file, from the list of studies too.
  if (name.startsWith(QLatin1Char('.')))
    return StudyMoveTexts::tr("A file name that begins with “.” is hidden. Please choose another "
                              "name.");
  if (!name.endsWith(suffix))
    name += suffix;
  const QString to = from.dir().filePath(name);
  if (renamed)
    *renamed = to;
  if (name == from.fileName())
    return {};
  // A link that leads nowhere is a file of that name too.
  if (QFileInfo(to).exists() || QFileInfo(to).isSymLink())
    return StudyMoveTexts::tr("“%1” already exists in this folder. Please choose another name.")
        .arg(name);
  StudyLock lock;
  if (QString inUse = refusalInUse(path, lock); !inUse.isEmpty())
    return inUse;
  QFile file(path);
  if (!file.rename(to))
    return StudyMoveTexts::tr("“%1” could not be renamed: %2.")
        .arg(from.fileName(), reasonOf(file));
  return {};
}

// Qt makes the trash in the data folder ($XDG_DATA_HOME, ~/.local/share)
// but not the folder itself; without it, it moves the file into a "files"
// folder of the working directory instead and calls that a success. So the
// data folder is made first, and a move that did not land in a trash is
// taken back.
QString trashStudyFile(const QString &path) {
  StudyLock lock;
  if (QString inUse = refusalInUse(path, lock); !inUse.isEmpty())
    return inUse;
  const QString name = QFileInfo(path).fileName();
  QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
  QFile file(path);
  if (!file.moveToTrash())
    return StudyMoveTexts::tr("“%1” could not be moved to the trash: %2.")
        .arg(name, reasonOf(file));
  const QFileInfo moved(file.fileName());
  if (moved.isRelative() || !moved.absolutePath().contains(QLatin1String("Trash"))) {
    QFile::rename(moved.absoluteFilePath(), path);
    QFile::remove(moved.absolutePath() + QLatin1String("/../info/") + moved.fileName() +
                  QLatin1String(".trashinfo"));
    return StudyMoveTexts::tr("“%1” could not be moved to the trash: the desktop has no trash "
                              "folder here.")
        .arg(name);
  }
  return {};
}

} // namespace kelvo::study
