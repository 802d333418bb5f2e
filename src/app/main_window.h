// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The one main window: every control of the design, built from the layout
// table; the wizard's state, rendered into the controls; and the handlers of
// the symbol box, the directory list, the calculator and the research links.

#include "app/page_display.h"
#include "wizard/navigation.h"

#include <QHash>
#include <QWidget>
#include <functional>
#include <memory>

#include "directory/row_picker.h"

class QLineEdit;
class QListView;
class QPushButton;

namespace kelvo::platform {
class Desktop;
class Dialogs;
} // namespace kelvo::platform

namespace kelvo::links {
class LinkActions;
} // namespace kelvo::links

namespace kelvo::app {

struct ControlRow;

// The outer top edge a window repaint puts the window at: the designed
// height, unless the window would then reach below the screen's available
// area (a small screen, a large scale factor); then just high enough for all
// of it to show, but never above the available area.
int pinnedTopEdge(int designedTop, int frameHeight, const QRect &available);

class MainWindow final : public QWidget {
  Q_OBJECT
public:
  MainWindow(platform::Dialogs &dialogs, platform::Desktop &desktop, QWidget *parent = nullptr);
  ~MainWindow() override;

  // A control by its design name ("cmdNext", "Label1(3)", "picStart(6)").
  QWidget *control(const QString &name) const;
  template <class T> T *control(const QString &name) const {
    return qobject_cast<T *>(control(name));
  }
  QStringList controlNames() const;

  // What ends the program after End is answered Yes; tests replace it.
  std::function<void()> endProgram;

  const wizard::State &state() const { return state_; }
  directory::RowPicker &randomRows() { return picker_; }
  const WizardPages &pages() const { return pages_; }
  int selectedRow() const;
  // Where a window repaint puts the outer top edge on the current screen.
  int pinnedTop() const;
  // Every control as "NAME X Y W H": its rectangle in the window's logical
  // pixels with its page in view, for tools that drive the window from
  // outside (the end-to-end tests).
  QStringList controlPlaces() const;
  // The tooltip of a control by its design name; empty for none.
  QString toolTipFor(const QString &name) const;

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

protected:
  void mouseDoubleClickEvent(QMouseEvent *event) override;
  void showEvent(QShowEvent *event) override;
  bool eventFilter(QObject *watched, QEvent *event) override;
  bool focusNextPrevChild(bool next) override;

private:
  // Building the window from its layout table, one factory per kind.
  void buildControls();
  QWidget *makeLabel(const ControlRow &row, QWidget *container);
  QWidget *makeButton(const ControlRow &row, QWidget *container);
  QWidget *makeTextBox(const ControlRow &row, QWidget *container);
  QWidget *makeList(const ControlRow &row, QWidget *container);
  QWidget *makePanel(const ControlRow &row, QWidget *container);
  QWidget *makeMarker(const ControlRow &row, QWidget *container);
  void applyRow(const ControlRow &row, QWidget *w);
  void setUpFocusOrder(QList<QPair<int, QWidget *>> tabOrder);
  void showMakerTexts();
  void bindHandlers();

  void startUp();
  void render(const wizard::State &state);
  void showPage(int page);
  void moveFocusToPage(int page);
  void showSelectedCompany();   // the directory list's row handling
  void selectRowByPrefix();     // Enter in, or leaving, the symbol box
  void pickBackgroundCompany(); // a double-click on the window's background
  void lookUpSymbol();
  void repaintWholeWindow();
  void pinTopEdge();

  QString symbolText() const;
  QString nameText() const;

  platform::Dialogs &dialogs_;
  platform::Desktop &desktop_;
  wizard::State state_;
  QHash<QString, QWidget *> controls_;
  WizardPages pages_;
  QLineEdit *symbolBox_ = nullptr; // ssymbol
  QLineEdit *nameBox_ = nullptr;   // txtTitle
  QListView *list_ = nullptr;      // List1
  QPushButton *backButton_ = nullptr;
  QPushButton *nextButton_ = nullptr;
  QPushButton *restartButton_ = nullptr;
  QList<QWidget *> focusOrder_; // the design's keyboard order
  std::unique_ptr<links::LinkActions> links_;
  directory::RowPicker picker_;
  bool selectingFromCode_ = false;
  bool programMovesFocus_ = false;
  int rowBeforePress_ = -2;
  bool pinTop_ = false;
  bool centred_ = false;
};

} // namespace kelvo::app
