// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "notebook/study_page.h"

#include "notebook/company_part.h"
#include "notebook/notes_part.h"
#include "notebook/valuation_part.h"
#include "notebook/verdict_part.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

namespace kelvo::app {

StudyPage::StudyPage(bool hasWorkbench, QWidget *parent)
    : QWidget(parent), heading_(new QLabel), company_(new CompanyPart), verdict_(new VerdictPart),
      notes_(new NotesPart), valuationPart_(new ValuationPart(hasWorkbench)) {
  QFont big = heading_->font();
  big.setPointSizeF(big.pointSizeF() * 1.4);
  big.setBold(true);
  heading_->setFont(big);
  heading_->setObjectName(QStringLiteral("heading"));
  heading_->setTextInteractionFlags(Qt::TextSelectableByMouse);

  auto userEdit = [this] {
    if (showing_)
      return;
    showHeading();
    emit edited();
  };
  connect(company_, &CompanyPart::edited, this, userEdit);
  connect(verdict_, &VerdictPart::edited, this, userEdit);
  connect(notes_, &NotesPart::edited, this, userEdit);
  connect(valuationPart_, &ValuationPart::takeRequested, this, &StudyPage::takeRequested);

  auto *top = new QHBoxLayout;
  top->addWidget(company_, 1);
  top->addWidget(verdict_, 1);
  auto *form = new QWidget;
  auto *outer = new QVBoxLayout(form);
  outer->addWidget(heading_);
  outer->addLayout(top);
  outer->addWidget(notes_, 1);
  outer->addWidget(valuationPart_);
  figuresLine_ = new QLabel;
  figuresLine_->setObjectName(QStringLiteral("figuresLine"));
  figuresLine_->setWordWrap(true);
  figuresLine_->setTextFormat(Qt::PlainText);
  figuresLine_->hide();
  outer->addWidget(figuresLine_);
  auto *scroll = new QScrollArea;
  scroll->setWidget(form);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);

  readOnlyNotice_ = new QLabel(tr("Another copy of Kelvo Wizard has this study open, so it is "
                                  "read-only here: Save keeps your changes in another file."));
  readOnlyNotice_->setObjectName(QStringLiteral("readOnlyBar"));
  readOnlyNotice_->setAccessibleName(tr("Read-only notice"));
  readOnlyNotice_->setWordWrap(true);
  readOnlyNotice_->setMargin(8);
  readOnlyNotice_->setFrameShape(QFrame::StyledPanel);
  readOnlyNotice_->setAutoFillBackground(true); // the palette's tooltip pair, light or dark
  readOnlyNotice_->setBackgroundRole(QPalette::ToolTipBase);
  readOnlyNotice_->setForegroundRole(QPalette::ToolTipText);
  readOnlyNotice_->hide();
  auto *column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  column->addWidget(readOnlyNotice_);
  column->addWidget(scroll, 1);
}

void StudyPage::showReadOnlyNotice(bool shown) { readOnlyNotice_->setVisible(shown); }

study::Study StudyPage::study() const {
  study::Study s;
  s.symbol = company_->symbol();
  s.companyName = company_->name();
  s.begun = begun_;
  s.lastSaved = lastSaved_;
  s.notes = notes_->notes();
  s.valuation = valuation_;
  s.figures = figures_;
  s.verdict = verdict_->verdict();
  s.buyBelowPrice = verdict_->buyBelowPrice();
  s.reasoning = verdict_->reasoning();
  return s;
}

void StudyPage::showStudy(const study::Study &s) {
  showing_ = true;
  company_->setCompany(s.symbol, s.companyName);
  begun_ = s.begun;
  notes_->setNotes(s.notes);
  valuation_ = s.valuation;
  valuationPart_->showValuation(valuation_);
  figures_ = s.figures;
  showFigures();
  verdict_->setVerdict(s.verdict, s.buyBelowPrice, s.reasoning);
  showing_ = false;
  company_->showBegun(begun_);
  showLastSaved(s.lastSaved);
  showHeading();
}

void StudyPage::showLastSaved(const QDateTime &when) {
  lastSaved_ = when;
  company_->showLastSaved(when);
}

void StudyPage::takeValuation(const study::Valuation &valuation) {
  valuation_ = valuation;
  valuationPart_->showValuation(valuation_);
  emit edited();
}

void StudyPage::takeFigures(const study::Figures &figures) {
  figures_ = figures;
  showFigures();
  emit edited();
}

void StudyPage::showFigures() {
  if (!figures_.isEmpty())
    figuresLine_->setText(
        tr("Reported figures of %1 (CIK %2), %3 to %4, downloaded %5: printed with the study.")
            .arg(figures_.company, QString::number(figures_.cik), figures_.years.value(0),
                 figures_.years.value(figures_.years.size() - 1), figures_.downloaded));
  figuresLine_->setVisible(!figures_.isEmpty());
}

void StudyPage::focusNote(study::NoteStep step) { notes_->focusNote(step); }

void StudyPage::showHeading() {
  const QString symbol = company_->symbol().trimmed();
  const QString name = company_->name().trimmed();
  if (!symbol.isEmpty() && !name.isEmpty())
    heading_->setText(tr("Study of %1 (%2)").arg(name, symbol));
  else if (!symbol.isEmpty() || !name.isEmpty())
    heading_->setText(tr("Study of %1").arg(name.isEmpty() ? symbol : name));
  else
    heading_->setText(tr("Study of a company not named yet"));
}

} // namespace kelvo::app
