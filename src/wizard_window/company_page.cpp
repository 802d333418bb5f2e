// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wizard_window/company_page.h"

#include "wizard_window/control_builder.h"
#include "wizard_window/directory_list.h"
#include "wizard_window/text_boxes.h"

#include "directory/company_directory.h"

namespace kelvo::app {

using namespace kelvo::directory;

CompanyPage::CompanyPage(ControlBuilder &builder, QWidget *parent)
    : WizardPage(1, builder, parent), list_(builder.get<DirectoryList>("List1")),
      symbolBox_(builder.get<SymbolBox>("ssymbol")), nameBox_(builder.get<TextBox>("txtTitle")),
      random_(builder.get<QPushButton>("Command16")), clear_(builder.get<QPushButton>("Command7")) {
  connect(symbolBox_, &SymbolBox::prefixLookUpRequested, this, &CompanyPage::selectRowByPrefix);
  connect(symbolBox_, &QLineEdit::textChanged, this, &CompanyPage::companyChanged);
  connect(nameBox_, &QLineEdit::textChanged, this, &CompanyPage::companyChanged);
}

QString CompanyPage::symbol() const { return symbolBox_->text(); }
QString CompanyPage::name() const { return nameBox_->text(); }
int CompanyPage::selectedRow() const { return list_->selectedRow(); }

void CompanyPage::fillList() {
  list_->fill();
  connect(list_, &DirectoryList::rowChosen, this, &CompanyPage::showSelectedCompany);
}

void CompanyPage::selectRow(int row) { list_->selectRow(row); }

void CompanyPage::pickAnyRow() {
  picker_.reseedFromClock();
  selectRow(picker_.pickAnyRow());
}

void CompanyPage::pickBackgroundRow() { selectRow(picker_.pickBackgroundRow()); }

// Row handling: the row's symbol into the symbol box, the lookup, and then
// the window shows the page of its page counter afresh.
void CompanyPage::showSelectedCompany() {
  const int row = selectedRow();
  if (row < 0)
    return;
  symbolBox_->setText(QString::fromUtf8(kCompanyDirectory[std::size_t(row)].symbol));
  lookUpSymbol();
  emit companyShown();
}

// Enter in the symbol box, or the focus leaving it: the first row whose text
// begins with what was typed. When no row matches the selection is cleared
// and the row handling does not run, so the typed text stays in the box for
// the user to correct (the lookup on Next still upper-cases it).
void CompanyPage::selectRowByPrefix() {
  selectRow(findListPrefix(symbolBox_->text().toStdString()));
}

void CompanyPage::lookUpSymbol() {
  symbolBox_->setText(symbolBox_->text().toUpper());
  const int row = findSymbol(symbolBox_->text().toStdString());
  if (row >= 0)
    nameBox_->setText(QString::fromUtf8(kCompanyDirectory[std::size_t(row)].titleName));
}

void CompanyPage::clear() {
  nameBox_->setText(QString());
  symbolBox_->setText(QString());
}

void CompanyPage::setSymbol(const QString &symbol) { symbolBox_->setText(symbol); }
void CompanyPage::copySymbolIntoName() { nameBox_->setText(symbolBox_->text()); }

} // namespace kelvo::app
