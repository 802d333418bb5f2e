// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "study/study_list.h"

#include "study/study_file.h"

#include <QDir>

namespace kelvo::study {

QList<StudySummary> listStudies(const QString &folder) {
  const QDir dir(folder);
  const QStringList names = dir.entryList({QStringLiteral("*.") + QLatin1String(kStudyFileSuffix)},
                                          QDir::Files | QDir::Readable | QDir::Hidden, QDir::Name);
  QList<StudySummary> summaries;
  summaries.reserve(names.size());
  for (const QString &name : names) {
    const QString path = dir.filePath(name);
    const StudyReadResult read = readStudyFile(path);
    if (!read.study)
      continue;
    const Study &study = *read.study;
    summaries.append({path, study.symbol, study.companyName, study.lastSaved, study.verdict,
                      study.buyBelowPrice});
  }
  return summaries;
}

} // namespace kelvo::study
