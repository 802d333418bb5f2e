// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "study/study_file.h"

#include "platform/atomic_save.h"
#include "study/file_guard.h"
#include "study/study_json.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace kelvo::study {

namespace {

class StudyFileTexts {
  Q_DECLARE_TR_FUNCTIONS(StudyFile)
};

QString displayName(const QString &path) { return QDir::toNativeSeparators(path); }

} // namespace

QByteArray studyToJson(const Study &study) {
  return QJsonDocument(studyToJsonObject(study)).toJson(QJsonDocument::Indented);
}

StudyReadResult studyFromJson(const QByteArray &bytes) {
  QJsonParseError parseError;
  const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
  if (parseError.error != QJsonParseError::NoError) {
    // A study begins as JSON, so a file that is not JSON is a study broken
    // (cut short by a full disk, say), not some other kind of file.
    QString why = StudyFileTexts::tr("The study is damaged: its contents are not valid JSON text.");
    if (bytes.trimmed().isEmpty())
      why = StudyFileTexts::tr("The study is damaged: the file is empty.");
    else if (parseError.offset >= bytes.trimmed().size() ||
             parseError.error == QJsonParseError::UnterminatedString)
      why = StudyFileTexts::tr("The study is damaged: the file ends too early, as if it was cut "
                               "short.");
    return {std::nullopt, why, ReadFailure::Damaged};
  }
  if (!document.isObject())
    return {std::nullopt, StudyFileTexts::tr("The file is not a Kelvo study."),
            ReadFailure::NotAStudy};
  return studyFromJsonObject(document.object());
}

StudyReadResult readStudyFile(const QString &path, QByteArray *bytesRead) {
  const auto failed = [&path](const QString &reason, ReadFailure failure) {
    return StudyReadResult{
        std::nullopt,
        StudyFileTexts::tr("“%1” could not be opened. %2").arg(displayName(path), reason), failure};
  };
  const QString tooLarge = StudyFileTexts::tr("The file is larger than %1 KiB, far more than any "
                                              "study needs, so it is not a study.")
                               .arg(kMaxStudyFileBytes / 1024);
  const QFileInfo info(path);
  if (!info.exists())
    return failed(StudyFileTexts::tr("The file does not exist."), ReadFailure::NotRead);
  // Checked before opening: a named pipe would wait for a writer for ever.
  if (!info.isFile())
    return failed(StudyFileTexts::tr("It is not a regular file."), ReadFailure::NotRead);
  if (info.size() > kMaxStudyFileBytes)
    return failed(tooLarge, ReadFailure::NotAStudy);
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return failed(StudyFileTexts::tr("The file could not be read: %1.").arg(file.errorString()),
                  ReadFailure::NotRead);
  // Read one byte more than the limit: the file may have grown since it was measured.
  const QByteArray bytes = file.read(kMaxStudyFileBytes + 1);
  if (bytes.size() > kMaxStudyFileBytes)
    return failed(tooLarge, ReadFailure::NotAStudy);
  StudyReadResult result = studyFromJson(bytes);
  if (!result.study)
    return failed(result.error, result.failure);
  if (bytesRead)
    *bytesRead = bytes;
  return result;
}

QString writeStudyFile(const Study &study, const QString &path,
                       const StudyBytesWriter &writeBytes) {
  const QByteArray bytes = studyToJson(study);
  // A file the program would refuse to open again must not be written.
  if (bytes.size() > kMaxStudyFileBytes)
    return StudyFileTexts::tr("The study could not be saved as “%1”: its notes are longer than "
                              "a study file may be (%2 KiB). Please shorten them.")
        .arg(displayName(path))
        .arg(kMaxStudyFileBytes / 1024);
  const QString folder = QFileInfo(path).absolutePath();
  if (!QDir().mkpath(folder))
    return StudyFileTexts::tr("The study could not be saved as “%1”: the folder “%2” could not "
                              "be created.")
        .arg(displayName(path), displayName(folder));
  // Left alone even where the system would let the user write (root).
  if (isMarkedReadOnly(path))
    return StudyFileTexts::tr("The study could not be saved as “%1”: the file is read-only.")
        .arg(displayName(path));
  if (isMarkedReadOnly(folder))
    return StudyFileTexts::tr("The study could not be saved as “%1”: the folder “%2” cannot be "
                              "written in.")
        .arg(displayName(path), displayName(folder));
  const QString error = platform::saveAtomically(path, [&](QSaveFile &file) {
    return (writeBytes ? writeBytes(file, bytes) : file.write(bytes)) == bytes.size();
  });
  if (!error.isEmpty())
    return StudyFileTexts::tr("The study could not be saved as “%1”: %2.")
        .arg(displayName(path), writeFailureReason(path, error));
  return {};
}

QString writeFailureReason(const QString &path, const QString &error) {
  // QSaveFile's own words name the path again, or name only its temporary
  // file, so the usual causes are told in words of our own.
  const QFileInfo target(path);
  if (target.exists() && !target.isWritable())
    return StudyFileTexts::tr("the file is read-only");
  // A safe save writes a new file beside the old one, so the folder must take it.
  const QFileInfo folder(target.absolutePath());
  if (folder.isDir() && !folder.isWritable())
    return StudyFileTexts::tr("the folder “%1” cannot be written in")
        .arg(displayName(folder.absoluteFilePath()));
  QString reason = error;
  if (reason.endsWith(QLatin1Char('.')))
    reason.chop(1);
  return reason;
}

QString studiesFolder() {
  // The folder's name stays the same in every language, so that the list of
  // studies finds them after the desktop's language changes.
  return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
         QStringLiteral("/Kelvo Studies");
}

QString proposedFileName(const Study &study, const QDate &today) {
  QString name;
  name.reserve(study.symbol.size());
  for (const QChar c : study.symbol.simplified()) {
    // "/" cannot be in a file name; the others trouble other file systems,
    // shells or file managers.
    static const QString kUnsafe = QStringLiteral("/\\:*?\"<>|");
    if (kUnsafe.contains(c) || c.category() == QChar::Other_Control ||
        c.category() == QChar::Other_Format)
      name += QLatin1Char('-');
    else
      name += c;
  }
  // A leading dot would hide the file; a leading dash reads as an option.
  while (name.startsWith(QLatin1Char('.')) || name.startsWith(QLatin1Char('-')))
    name.remove(0, 1);
  name = name.left(64).trimmed();
  if (name.isEmpty())
    name = StudyFileTexts::tr("Untitled");
  return QStringLiteral("%1 %2.%3")
      .arg(name, today.toString(Qt::ISODate), QLatin1String(kStudyFileSuffix));
}

QDateTime nowToTheSecond() {
  QDateTime now = QDateTime::currentDateTime();
  return now.addMSecs(-now.time().msec());
}

} // namespace kelvo::study
