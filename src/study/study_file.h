// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The .kelvostudy file: a versioned UTF-8 JSON document holding one Study.
// Reading never crashes and never changes the file; writing is atomic.

#include "study/study.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <functional>
#include <optional>

class QIODevice;

namespace kelvo::study {

inline constexpr qint64 kMaxStudyFileBytes = 1 << 20; // larger files are refused
inline constexpr int kStudyFormatVersion = 1;
inline constexpr char kStudyFileSuffix[] = "kelvostudy";
inline constexpr char kStudyMimeType[] = "application/x-kelvostudy";

// UTF-8 JSON, versioned, with its keys in a stable order.
QByteArray studyToJson(const Study &study);

// Why a file gave no study, for the list of studies to mark it.
enum class ReadFailure {
  None,
  NotRead,   // missing, not a regular file, or the system refused to read it
  Damaged,   // empty, cut short, not JSON, or a study with a field it cannot hold
  NotAStudy, // JSON, or a file far too large, that is not a study at all
  Newer,     // a study in a format version newer than this program reads
};

struct StudyReadResult {
  std::optional<Study> study;
  QString error; // a whole sentence for the user, translated; empty when study is set
  ReadFailure failure = ReadFailure::None;
};

// Never crashes, whatever the bytes.
StudyReadResult studyFromJson(const QByteArray &bytes);

// Refuses, each with its own message: a path that is not a regular file, a
// file larger than kMaxStudyFileBytes, one that cannot be read, is not JSON,
// is not a study, or was written by a newer version of the program. The bytes
// read go to `bytesRead`, so that a later change of the file can be told.
StudyReadResult readStudyFile(const QString &path, QByteArray *bytesRead = nullptr);

// Puts the bytes into the open file, returning how many it wrote (the file's
// own write by default); a test stands a full disk in here.
using StudyBytesWriter = std::function<qint64(QIODevice &file, const QByteArray &bytes)>;

// Atomic (QSaveFile), creating the folder if needed. Returns an empty string
// on success, else a whole sentence for the user.
QString writeStudyFile(const Study &study, const QString &path,
                       const StudyBytesWriter &writeBytes = {});

// Why `path` could not be written, where the system said `error`: the end of a sentence
// that names the path already ("the file is read-only", "the folder “…”
// cannot be written in", or the system's own words).
QString writeFailureReason(const QString &path, const QString &error);

// The "Kelvo Studies" folder in the user's documents folder.
QString studiesFolder();

// This moment to the second, as a study file keeps its times.
QDateTime nowToTheSecond();

// "<SYMBOL> yyyy-MM-dd.kelvostudy" for the first save: a "/" in the symbol
// becomes "-", other characters that file systems or file managers dislike
// are replaced, and "Untitled" stands in for an empty symbol.
QString proposedFileName(const Study &study, const QDate &today);

} // namespace kelvo::study
