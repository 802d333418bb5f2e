// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "notebook/verdict_part.h"

#include "widgets/single_line.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <array>

namespace kelvo::app {

using study::Verdict;

VerdictPart::VerdictPart(QWidget *parent)
    : QGroupBox(tr("Verdict"), parent), verdicts_(new QButtonGroup(this)) {
  auto *form = new QFormLayout(this);
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
      emit edited();
    }
  });
  for (QLineEdit *edit : {buyBelow_, reasoning_}) {
    // One line, as the list of studies and the exports show them.
    edit->setValidator(new widgets::SingleLineValidator(edit));
    connect(edit, &QLineEdit::textChanged, this, &VerdictPart::edited);
  }
}

Verdict VerdictPart::verdict() const { return Verdict(verdicts_->checkedId()); }
QString VerdictPart::buyBelowPrice() const { return buyBelow_->text(); }
QString VerdictPart::reasoning() const { return reasoning_->text(); }

void VerdictPart::setVerdict(Verdict verdict, const QString &buyBelowPrice,
                             const QString &reasoning) {
  verdicts_->button(int(verdict))->setChecked(true);
  buyBelow_->setText(buyBelowPrice);
  reasoning_->setText(reasoning);
  showVerdictState();
}

void VerdictPart::showVerdictState() {
  buyBelow_->setEnabled(verdicts_->checkedId() == int(Verdict::BuyBelow));
}

} // namespace kelvo::app
