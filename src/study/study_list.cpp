// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "study/study_list.h"

#include "study/study_file.h"

#include <QDir>
#include <QFileInfo>

namespace kelvo::study {

QList<StudySummary> listStudies(const QString &folder) {
  const QDir dir(folder);
  // Files the user may not read are listed too, with the reason.
  const QStringList names = dir.entryList({QStringLiteral("*.") + QLatin1String(kStudyFileSuffix)},
                                          QDir::Files | QDir::Hidden, QDir::Name);
  QList<StudySummary> summaries;
  summaries.reserve(names.size());
  for (const QString &name : names) {
    const QString path = dir.filePath(name);
    const StudyReadResult read = readStudyFile(path);
    StudySummary summary;
    summary.path = path;
    if (read.study) {
      summary.symbol = read.study->symbol;
      summary.companyName = read.study->companyName;
      summary.lastSaved = read.study->lastSaved;
      summary.verdict = read.study->verdict;
      summary.buyBelowPrice = read.study->buyBelowPrice;
    } else {
      summary.lastSaved = QFileInfo(path).lastModified();
      summary.problem = read.error;
      summary.failure = read.failure;
    }
    summaries.append(summary);
  }
  return summaries;
}

} // namespace kelvo::study
