// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "study/study_export.h"

#include <QCoreApplication>
#include <QPagedPaintDevice>

namespace kelvo::study {

namespace {
class StudyExportTexts {
  Q_DECLARE_TR_FUNCTIONS(StudyExport)
};
} // namespace

QString noteStepTitle(NoteStep step) {
  switch (step) {
  case NoteStep::Company:
    return StudyExportTexts::tr("The Company");
  case NoteStep::Advantages:
    return StudyExportTexts::tr("Competitive Advantages");
  case NoteStep::Management:
    return StudyExportTexts::tr("Management");
  case NoteStep::BargainPrice:
    break;
  }
  return StudyExportTexts::tr("Bargain Price");
}

QString studyToMarkdown(const Study &) { return {}; }
QString studyToHtml(const Study &) { return {}; }
void printStudy(const Study &, QPagedPaintDevice &) {}
QString exportStudyPdf(const Study &, const QString &) { return {}; }
QString exportStudyMarkdown(const Study &, const QString &) { return {}; }

} // namespace kelvo::study
