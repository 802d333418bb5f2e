// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A study as the notebook shows it, in the order of the printed study: a
// heading, the company and the verdict side by side, the notes of the four
// steps, then the valuation; they scroll below a notice that stays in view
// while the study is read-only.

#include "study/study.h"

#include <QWidget>

class QLabel;

namespace kelvo::app {

class CompanyPart;
class NotesPart;
class ValuationPart;
class VerdictPart;

class StudyPage final : public QWidget {
  Q_OBJECT
public:
  // Without a workbench there is no valuation to take.
  explicit StudyPage(bool hasWorkbench, QWidget *parent = nullptr);

  study::Study study() const;
  // Shows `study` without taking it for an edit.
  void showStudy(const study::Study &study);
  void showLastSaved(const QDateTime &when);
  // The valuation "Take from Workbench" brought: an edit.
  void takeValuation(const study::Valuation &valuation);
  // The figures "Take into Study" brought from Financial History: an edit.
  void takeFigures(const study::Figures &figures);
  void focusNote(study::NoteStep step);
  // Why Save goes to Save As: another copy of the program has the study open.
  void showReadOnlyNotice(bool shown);

signals:
  // The user changed the study.
  void edited();
  // "Take from Workbench".
  void takeRequested();

private:
  void showHeading();
  void showFigures();

  QLabel *readOnlyNotice_ = nullptr;
  QLabel *heading_;
  CompanyPart *company_;
  VerdictPart *verdict_;
  NotesPart *notes_;
  ValuationPart *valuationPart_;
  study::Valuation valuation_; // shown in the tables
  study::Figures figures_;     // kept whole; one line says what they are
  QLabel *figuresLine_ = nullptr;
  QDateTime begun_;
  QDateTime lastSaved_;
  bool showing_ = false; // filling the controls, not the user typing
};

} // namespace kelvo::app
