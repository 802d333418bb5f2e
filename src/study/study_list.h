// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The studies in a folder, as rows for the Studies window.

#include "study/study.h"
#include "study/study_file.h"

#include <QDateTime>
#include <QList>
#include <QString>

namespace kelvo::study {

struct StudySummary {
  QString path;
  QString symbol;
  QString companyName;
  QDateTime lastSaved;
  Verdict verdict = Verdict::Undecided;
  QString buyBelowPrice;
  // For a file that gives no study: why, in a sentence, and what kind of
  // failure; lastSaved is then the time the file was last written.
  QString problem;
  ReadFailure failure = ReadFailure::None;
};

// Every *.kelvostudy in the folder (not its subfolders), in file-name order,
// with those that cannot be read as studies among them.
QList<StudySummary> listStudies(const QString &folder);

} // namespace kelvo::study
