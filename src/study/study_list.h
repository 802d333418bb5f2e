// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The studies in a folder, as rows for the Studies window.

#include "study/study.h"

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
};

// Every *.kelvostudy in the folder (not its subfolders), in file-name order.
// Files that cannot be read as studies are left out.
QList<StudySummary> listStudies(const QString &folder);

} // namespace kelvo::study
