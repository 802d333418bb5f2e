// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "notebook/notes_part.h"

#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>

namespace kelvo::app {

namespace {

// The notes boxes in the wizard's order: label, accessible name, question.
struct NoteBox {
  const char *label;
  const char *accessibleName;
  const char *question;
};

// clang-format off
constexpr std::array<NoteBox, study::kNoteStepCount> kNoteBoxes{{
    {QT_TRANSLATE_NOOP("kelvo::app::NotesPart", "The &company"),
     QT_TRANSLATE_NOOP("kelvo::app::NotesPart", "Company notes"),
     QT_TRANSLATE_NOOP("kelvo::app::NotesPart", "What does the company sell, to whom, and how does it make its money? Will you still understand its business in ten years?")},
    {QT_TRANSLATE_NOOP("kelvo::app::NotesPart", "Competitive &advantages"),
     QT_TRANSLATE_NOOP("kelvo::app::NotesPart", "Competitive advantages notes"),
     QT_TRANSLATE_NOOP("kelvo::app::NotesPart", "What keeps competitors from taking its customers or its margins? How long has that advantage lasted, and what could end it?")},
    {QT_TRANSLATE_NOOP("kelvo::app::NotesPart", "&Management"),
     QT_TRANSLATE_NOOP("kelvo::app::NotesPart", "Management notes"),
     QT_TRANSLATE_NOOP("kelvo::app::NotesPart", "Are the managers trustworthy and able? Do they treat shareholders as partners, and do they pay themselves fairly?")},
    {QT_TRANSLATE_NOOP("kelvo::app::NotesPart", "&Bargain price"),
     QT_TRANSLATE_NOOP("kelvo::app::NotesPart", "Bargain price notes"),
     QT_TRANSLATE_NOOP("kelvo::app::NotesPart", "What is the business worth by the methods of the Valuation Workbench? Is today's price far enough below that to leave a margin of safety?")},
}};
// clang-format on

} // namespace

NotesPart::NotesPart(QWidget *parent) : QGroupBox(tr("Notes"), parent) {
  auto *grid = new QGridLayout(this);
  for (int i = 0; i < study::kNoteStepCount; ++i) {
    auto *label = new QLabel(tr(kNoteBoxes[i].label));
    auto *edit = new QPlainTextEdit;
    edit->setAccessibleName(tr(kNoteBoxes[i].accessibleName));
    edit->setPlaceholderText(tr(kNoteBoxes[i].question));
    edit->setTabChangesFocus(true); // Tab moves on, as in every other box
    edit->setMinimumHeight(edit->fontMetrics().lineSpacing() * 4);
    label->setBuddy(edit);
    const int row = i / 2 * 2, column = i % 2;
    grid->addWidget(label, row, column);
    grid->addWidget(edit, row + 1, column);
    grid->setRowStretch(row + 1, 1);
    connect(edit, &QPlainTextEdit::textChanged, this, &NotesPart::edited);
    boxes_[i] = edit;
  }
}

NotesPart::Notes NotesPart::notes() const {
  Notes notes;
  for (int i = 0; i < study::kNoteStepCount; ++i)
    notes[i] = boxes_[i]->toPlainText();
  return notes;
}

void NotesPart::setNotes(const Notes &notes) {
  for (int i = 0; i < study::kNoteStepCount; ++i)
    boxes_[i]->setPlainText(notes[i]);
}

void NotesPart::focusNote(study::NoteStep step) {
  boxes_[std::size_t(step)]->setFocus(Qt::OtherFocusReason);
}

} // namespace kelvo::app
