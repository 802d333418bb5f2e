#pragma once
// The one main window: every control of the design, start-up, the handlers
// of the symbol box, the directory list and the calculator, and the bindings
// of the research buttons.

#include <navigation.h>
#include <page_display.h>
#include <row_picker.h>

#include <QHash>
#include <QWidget>
#include <functional>
#include <memory>

class QLineEdit;
class QListView;
class QPushButton;

namespace kelvo {

class Desktop;
class Dialogs;
class LinkActions;
class Panel;

// The outer top edge a window repaint puts the window at: the designed
// height, unless the window would then reach below the screen's available
// area (a small screen, a large scale factor); then just high enough for all
// of it to show, but never above the available area.
int PinnedTop(int designedTop, int frameHeight, const QRect &available);

class frmMain final : public QWidget, public WizardView {
  Q_OBJECT
public:
  frmMain(Dialogs &dialogs, Desktop &desktop, QWidget *parent = nullptr);
  ~frmMain() override;

  // A control by its design name ("cmdNext", "Label1(3)", "picStart(6)").
  QWidget *control(const QString &name) const;
  template <class T> T *control(const QString &name) const {
    return qobject_cast<T *>(control(name));
  }
  QStringList controlNames() const;

  // What ends the program after Exit is answered Yes; tests replace it.
  std::function<void()> endProgram;

  RowPicker &randomRows() { return picker_; }
  const WizardPages &pages() const { return pages_; }
  int selectedRow() const;
  // Selects a row from code (-1 clears); the row handling runs once, at once.
  void selectRowFromCode(int row);
  bool topEdgePinned() const { return pinTop_; }
  // The tooltip of a control by its design name; empty for none.
  QString toolTipFor(const QString &name) const;
  // Where a window repaint puts the outer top edge on the current screen.
  int pinnedTop() const;

  // WizardView
  int highlightedStep() const override;
  void showpage(std::int16_t n) override;
  void markstep(std::int16_t n) override;
  QString symbolText() const override;
  void setSymbolText(const QString &text) override;
  QString nameText() const override;
  void setNameText(const QString &text) override;
  void verifystock() override;
  void setBackEnabled(bool on) override;
  void setNextEnabled(bool on) override;
  void setCaption(const QString &caption) override;
  std::int32_t &cnt() override { return cnt_; }
  Dialogs &dialogs() override { return dialogs_; }

  // Handlers named after their control and event.
  void Form_Load();
  void Form_DblClick();
  void List1_Click();
  void selectsymbolrow();
  void Command16_Click();
  void Command7_Click();
  void cmdCalcValue_Click();
  void Command9_Click();
  void cmdCancel_Click();

protected:
  void mouseDoubleClickEvent(QMouseEvent *event) override;
  void showEvent(QShowEvent *event) override;
  bool eventFilter(QObject *watched, QEvent *event) override;
  bool focusNextPrevChild(bool next) override;

private:
  void buildControls();
  void bindHandlers();
  void pinTopEdge();
  void moveFocusToPage(int page);
  void repaintWholeWindow();

  Dialogs &dialogs_;
  Desktop &desktop_;
  QHash<QString, QWidget *> controls_;
  WizardPages pages_;
  QLineEdit *ssymbol_ = nullptr;
  QLineEdit *txtTitle_ = nullptr;
  QListView *list_ = nullptr;
  QPushButton *cmdBack_ = nullptr;
  QPushButton *cmdNext_ = nullptr;
  QPushButton *cmdFinished_ = nullptr;
  QList<QWidget *> focusOrder_; // the design's keyboard order
  bool programMovesFocus_ = false;
  std::unique_ptr<LinkActions> links_;
  RowPicker picker_;
  std::int32_t cnt_ = 0;
  bool codeSelecting_ = false;
  int rowBeforePress_ = -2;
  bool pinTop_ = false;
  bool centred_ = false;
};

} // namespace kelvo
