// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The Study Notebook's four parts: the company, the notes per step, the
// valuation taken from the workbench and the verdict.

#include "app/study_notebook.h"

#include "widgets/single_line.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kelvo::app {

using study::Verdict;

namespace {

// The notes boxes in the wizard's order: label, accessible name, question.
struct NoteBox {
  const char *label;
  const char *accessibleName;
  const char *question;
};

// clang-format off
constexpr std::array<NoteBox, study::kNoteStepCount> kNoteBoxes{{
    {QT_TRANSLATE_NOOP("kelvo::app::StudyNotebook", "The &company"),
     QT_TRANSLATE_NOOP("kelvo::app::StudyNotebook", "Company notes"),
     QT_TRANSLATE_NOOP("kelvo::app::StudyNotebook", "What does the company sell, to whom, and how does it make its money? Will you still understand its business in ten years?")},
    {QT_TRANSLATE_NOOP("kelvo::app::StudyNotebook", "Competitive &advantages"),
     QT_TRANSLATE_NOOP("kelvo::app::StudyNotebook", "Competitive advantages notes"),
     QT_TRANSLATE_NOOP("kelvo::app::StudyNotebook", "What keeps competitors from taking its customers or its margins? How long has that advantage lasted, and what could end it?")},
    {QT_TRANSLATE_NOOP("kelvo::app::StudyNotebook", "&Management"),
     QT_TRANSLATE_NOOP("kelvo::app::StudyNotebook", "Management notes"),
     QT_TRANSLATE_NOOP("kelvo::app::StudyNotebook", "Are the managers trustworthy and able? Do they treat shareholders as partners, and do they pay themselves fairly?")},
    {QT_TRANSLATE_NOOP("kelvo::app::StudyNotebook", "&Bargain price"),
     QT_TRANSLATE_NOOP("kelvo::app::StudyNotebook", "Bargain price notes"),
     QT_TRANSLATE_NOOP("kelvo::app::StudyNotebook", "What is the business worth by the methods of the Valuation Workbench? Is today's price far enough below that to leave a margin of safety?")},
}};
// clang-format on

QTableWidget *makeTable(const QStringList &headers, const QString &accessibleName) {
  auto *table = new QTableWidget(0, int(headers.size()));
  table->setHorizontalHeaderLabels(headers);
  table->setAccessibleName(accessibleName);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setTabKeyNavigation(false); // Tab leaves the table, arrows move in it
  table->verticalHeader()->hide();
  table->horizontalHeader()->setStretchLastSection(true);
  table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
  table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  return table;
}

// A paste keeps its first line, without tabs, as in the wizard's own boxes:
// the heading, the list of studies and the exports show these on one line.
void keepSingleLine(QLineEdit *edit) { edit->setValidator(new widgets::SingleLineValidator(edit)); }

} // namespace

QWidget *StudyNotebook::buildCompanyPart() {
  auto *box = new QGroupBox(tr("Company"));
  auto *form = new QFormLayout(box);
  symbol_ = new QLineEdit;
  symbol_->setAccessibleName(tr("Symbol"));
  companyName_ = new QLineEdit;
  companyName_->setAccessibleName(tr("Company name"));
  begunLabel_ = new QLabel;
  savedLabel_ = new QLabel;
  begunLabel_->setAccessibleName(tr("Begun"));
  savedLabel_->setAccessibleName(tr("Last saved"));
  for (QLabel *date : {begunLabel_, savedLabel_})
    date->setTextInteractionFlags(Qt::TextSelectableByMouse);
  form->addRow(tr("&Symbol:"), symbol_);
  form->addRow(tr("Company &name:"), companyName_);
  form->addRow(tr("Begun:"), begunLabel_);
  form->addRow(tr("Last saved:"), savedLabel_);
  for (QLineEdit *edit : {symbol_, companyName_}) {
    keepSingleLine(edit);
    connect(edit, &QLineEdit::textChanged, this, &StudyNotebook::edited);
  }
  return box;
}

QWidget *StudyNotebook::buildNotesPart() {
  auto *box = new QGroupBox(tr("Notes"));
  auto *grid = new QGridLayout(box);
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
    connect(edit, &QPlainTextEdit::textChanged, this, &StudyNotebook::edited);
    notes_[i] = edit;
  }
  return box;
}

QWidget *StudyNotebook::buildValuationPart() {
  auto *box = new QGroupBox(tr("Valuation"));
  auto *column = new QVBoxLayout(box);
  valuationHint_ = new QLabel;
  inputsTable_ = makeTable({tr("Input"), tr("Value")}, tr("Valuation inputs"));
  resultsTable_ =
      makeTable({tr("Method"), tr("Value per share"), tr("Margin of safety"), tr("Buy below")},
                tr("Valuation results"));
  takeButton_ = new QPushButton(tr("&Take from Workbench"));
  takeButton_->setAccessibleDescription(
      tr("Copies the Valuation Workbench's inputs and results into this study."));
  if (!workbench_) {
    takeButton_->setEnabled(false);
    takeButton_->setToolTip(tr("There is no Valuation Workbench in this program to take from."));
  }
  connect(takeButton_, &QPushButton::clicked, this, &StudyNotebook::takeFromWorkbench);
  auto *tables = new QHBoxLayout;
  tables->addWidget(inputsTable_, 2);
  tables->addWidget(resultsTable_, 3);
  auto *row = new QHBoxLayout;
  row->addWidget(valuationHint_, 1);
  row->addWidget(takeButton_);
  column->addLayout(row);
  column->addLayout(tables);
  return box;
}

QWidget *StudyNotebook::buildVerdictPart() {
  auto *box = new QGroupBox(tr("Verdict"));
  auto *form = new QFormLayout(box);
  verdicts_ = new QButtonGroup(this);
  auto *choices = new QHBoxLayout;
  const std::array<std::pair<Verdict, QString>, 3> options{{
      {Verdict::Undecided, tr("&Undecided")},
      {Verdict::BuyBelow, tr("Buy b&elow a price")},
      {Verdict::Pass, tr("Pa&ss")},
  }};
  for (const auto &[verdict, text] : options) {
    auto *button = new QRadioButton(text);
    verdicts_->addButton(button, int(verdict));
    choices->addWidget(button);
  }
  choices->addStretch();
  buyBelow_ = new QLineEdit;
  buyBelow_->setAccessibleName(tr("Buy-below price"));
  buyBelow_->setPlaceholderText(tr("For example $42.50"));
  reasoning_ = new QLineEdit;
  reasoning_->setAccessibleName(tr("Reasoning"));
  reasoning_->setPlaceholderText(tr("Why, in one line"));
  form->addRow(choices);
  form->addRow(tr("Bu&y-below price:"), buyBelow_);
  form->addRow(tr("&Reasoning:"), reasoning_);
  connect(verdicts_, &QButtonGroup::idToggled, this, [this](int, bool checked) {
    if (checked) {
      showVerdictState();
      edited();
    }
  });
  for (QLineEdit *edit : {buyBelow_, reasoning_}) {
    keepSingleLine(edit);
    connect(edit, &QLineEdit::textChanged, this, &StudyNotebook::edited);
  }
  return box;
}

} // namespace kelvo::app
