// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The notebook's notes: one box per step of the wizard, each with the
// question it answers.

#include "study/study.h"

#include <QGroupBox>
#include <array>

class QPlainTextEdit;

namespace kelvo::app {

class NotesPart final : public QGroupBox {
  Q_OBJECT
public:
  using Notes = std::array<QString, study::kNoteStepCount>;

  explicit NotesPart(QWidget *parent = nullptr);

  Notes notes() const;
  void setNotes(const Notes &notes);
  void focusNote(study::NoteStep step);

signals:
  void edited();

private:
  std::array<QPlainTextEdit *, study::kNoteStepCount> boxes_{};
};

} // namespace kelvo::app
