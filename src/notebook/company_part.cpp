// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "notebook/company_part.h"

#include "widgets/single_line.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>

namespace kelvo::app {

namespace {

QString shownMoment(const QDateTime &when) {
  return QLocale().toString(when, QLocale::ShortFormat);
}

} // namespace

CompanyPart::CompanyPart(QWidget *parent)
    : QGroupBox(tr("Company"), parent), symbol_(new QLineEdit), name_(new QLineEdit),
      begun_(new QLabel), saved_(new QLabel) {
  auto *form = new QFormLayout(this);
  symbol_->setAccessibleName(tr("Symbol"));
  name_->setAccessibleName(tr("Company name"));
  begun_->setAccessibleName(tr("Begun"));
  saved_->setAccessibleName(tr("Last saved"));
  for (QLabel *date : {begun_, saved_})
    date->setTextInteractionFlags(Qt::TextSelectableByMouse);
  form->addRow(tr("&Symbol:"), symbol_);
  form->addRow(tr("Company &name:"), name_);
  form->addRow(tr("Begun:"), begun_);
  form->addRow(tr("Last saved:"), saved_);
  for (QLineEdit *edit : {symbol_, name_}) {
    // A paste keeps its first line, without tabs, as in the wizard's own
    // boxes: the heading, the list of studies and the exports show these
    // on one line.
    edit->setValidator(new widgets::SingleLineValidator(edit));
    connect(edit, &QLineEdit::textChanged, this, &CompanyPart::edited);
  }
}

QString CompanyPart::symbol() const { return symbol_->text(); }
QString CompanyPart::name() const { return name_->text(); }

void CompanyPart::setCompany(const QString &symbol, const QString &name) {
  symbol_->setText(symbol);
  name_->setText(name);
}

void CompanyPart::showBegun(const QDateTime &when) { begun_->setText(shownMoment(when)); }

void CompanyPart::showLastSaved(const QDateTime &when) {
  saved_->setText(when.isValid() ? shownMoment(when) : tr("Not saved yet"));
}

} // namespace kelvo::app
