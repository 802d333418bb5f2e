// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The one main window: the side menu, the bottom row of buttons and the
// seven pages, built from the layout table; the wizard's state, rendered
// into them. The pages run their own controls.

#include "wizard/navigation.h"
#include "wizard_window/control_builder.h"
#include "wizard_window/page_display.h"
#include "wizard_window/top_edge_pin.h"

#include "valuation/valuation.h"

#include <QWidget>
#include <memory>

#include "directory/row_picker.h"

class QPushButton;

namespace kelvo::platform {
class Desktop;
class Dialogs;
} // namespace kelvo::platform

namespace kelvo::handover {
class LinkActions;
} // namespace kelvo::handover

namespace kelvo::app {

class BargainPricePage;
class CalculatorPage;
class CompanyPage;
class LinkToolTips;
class WelcomePage;
class WizardPage;

class MainWindow final : public QWidget {
  Q_OBJECT
public:
  MainWindow(platform::Dialogs &dialogs, platform::Desktop &desktop, QWidget *parent = nullptr);
  ~MainWindow() override;

  // A control by its design name ("cmdNext", "Label1(3)", "picStart(6)"),
  // for tests and tools that drive the window.
  QWidget *control(const QString &name) const;
  template <class T> T *control(const QString &name) const {
    return qobject_cast<T *>(control(name));
  }
  QStringList controlNames() const;

  const wizard::State &state() const { return state_; }
  directory::RowPicker &randomRows();
  const WizardPages &pages() const { return pages_; }
  int selectedRow() const;
  // The company chosen: the symbol box's and the company-name box's texts.
  QString companySymbol() const;
  QString companyName() const;
  // The calculator page's six boxes.
  valuation::CalculatorFields calculatorFields() const;
  // Where a window repaint puts the outer top edge on the current screen.
  int pinnedTop() const;

  // The user's actions, as the controls run them.
  void goToNextStep();           // cmdNext
  void goToPreviousStep();       // cmdBack
  void goToStep(int step);       // Label1(step)
  void restartWizard();          // cmdFinished
  void askToEndProgram();        // cmdCancel
  void pickRandomCompany();      // Command16, "R"
  void clearCompany();           // Command7, the company page's "Clear"
  void estimateIntrinsicValue(); // cmdCalcValue
  void clearCalculator();        // Command9, the calculator's "Clear"
  // Selects a directory row from code (-1 clears the selection); the row
  // handling runs at once when a row is selected.
  void selectRow(int row);

signals:
  // End was answered Yes: the program is to end.
  void endRequested();
  // A right-click on the window's or a page's background, or Shift+F10 or
  // the Menu key on a control without a context menu of its own.
  void programMenuRequested(const QPoint &globalPos);
  // The symbol box, the company-name box or the list's selection changed.
  void companyChanged();
  // "Valuation Workbench…" on the bargain-price page.
  void workbenchRequested();

protected:
  bool event(QEvent *event) override;
  void mouseDoubleClickEvent(QMouseEvent *event) override;
  void contextMenuEvent(QContextMenuEvent *event) override;
  void showEvent(QShowEvent *event) override;

private:
  Panel *makePanel(const ControlRow &row, QWidget *parent);
  void buildControls();
  void setUpKeyboardOrder();
  void bindHandlers();
  void bindLinks();
  void bindShortcuts();
  void openMenuAtFocus();

  void startUp();
  void render(const wizard::State &state);
  void showPage(int page);
  void moveFocusToPage(int page);
  void pickBackgroundCompany(); // a double-click on the window's background
  void repaintWholeWindow();
  void followDesktopPalette();

  platform::Dialogs &dialogs_;
  platform::Desktop &desktop_;
  wizard::State state_;
  ControlBuilder controls_;
  WizardPages pages_;
  WelcomePage *welcomePage_ = nullptr;
  CompanyPage *companyPage_ = nullptr;
  BargainPricePage *bargainPricePage_ = nullptr;
  CalculatorPage *calculatorPage_ = nullptr;
  QPushButton *helpButton_ = nullptr;
  QPushButton *backButton_ = nullptr;
  QPushButton *nextButton_ = nullptr;
  QPushButton *restartButton_ = nullptr;
  QPushButton *endButton_ = nullptr;
  QList<QWidget *> focusOrder_; // the design's keyboard order
  std::unique_ptr<LinkToolTips> toolTips_;
  std::unique_ptr<handover::LinkActions> links_;
  std::unique_ptr<TopEdgePin> topEdge_;
  bool centred_ = false;
  bool darkColours_ = false; // the controls' colours are completed for a dark palette
};

} // namespace kelvo::app
