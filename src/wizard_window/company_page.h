// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Page 1: the company to study, chosen by symbol, from the directory list or
// at random, with its research links.

#include "wizard_window/wizard_page.h"

#include "directory/row_picker.h"

class QLineEdit;
class QPushButton;

namespace kelvo::app {

class DirectoryList;
class SymbolBox;
class TextBox;

class CompanyPage final : public WizardPage {
  Q_OBJECT
public:
  CompanyPage(ControlBuilder &builder, QWidget *parent);

  SymbolBox *symbolBox() const { return symbolBox_; }   // ssymbol
  TextBox *nameBox() const { return nameBox_; }         // txtTitle
  DirectoryList *list() const { return list_; }         // List1
  QPushButton *randomButton() const { return random_; } // Command16, "R"
  QPushButton *clearButton() const { return clear_; }   // Command7
  QString symbol() const;
  QString name() const;
  int selectedRow() const;
  directory::RowPicker &randomRows() { return picker_; }

  // Fills the directory list; the row handling is wired from here on.
  void fillList();
  // Selects a row from code (-1 clears the selection); the row handling runs
  // at once when a row is selected.
  void selectRow(int row);
  // "R": a row drawn from the whole directory, the generator reseeded first.
  void pickAnyRow();
  // A background double-click: a row of the background range, not reseeded.
  void pickBackgroundRow();
  // The lookup: the symbol box upper-cased and written back, and on an exact
  // match the row's title name written into the company-name box.
  void lookUpSymbol();
  // Both boxes emptied; the list keeps its selection and no lookup runs.
  void clear();
  // The answer of the box that asks for a symbol, into the symbol box.
  void setSymbol(const QString &symbol);
  void copySymbolIntoName();

signals:
  // A row was selected and its company shown in the boxes: the window shows
  // the page of its page counter afresh.
  void companyShown();
  // The symbol box or the company-name box changed, by the user or the program.
  void companyChanged();

private:
  void showSelectedCompany();
  void selectRowByPrefix();

  DirectoryList *list_;
  SymbolBox *symbolBox_;
  TextBox *nameBox_;
  QPushButton *random_;
  QPushButton *clear_;
  directory::RowPicker picker_;
};

} // namespace kelvo::app
