// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wizard_window/main_window.h"

#include "wizard_window/appearance.h"
#include "wizard_window/calculator_page.h"
#include "wizard_window/company_page.h"
#include "wizard_window/directory_list.h"
#include "wizard_window/link_tool_tips.h"
#include "wizard_window/text_boxes.h"
#include "wizard_window/text_fit.h"
#include "wizard_window/top_edge_pin.h"
#include "wizard_window/widgets.h"
#include "wizard_window/wizard_page.h"

#include "directory/company_directory.h"
#include "handover/link_actions.h"
#include "platform/desktop.h"
#include "platform/dialogs.h"
#include "widgets/window_pattern.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QItemSelectionModel>
#include <QMouseEvent>

namespace kelvo::app {

using namespace kelvo::handover;
using namespace kelvo::platform;

MainWindow::MainWindow(Dialogs &dialogs, Desktop &desktop, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      dialogs_(dialogs), desktop_(desktop) {
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(state_.caption);
  setFont(windowFont());
  setFixedSize(pixels(kWindowWidthTwips), pixels(kWindowHeightTwips));
  darkColours_ = isDarkPalette(palette());
  topEdge_ = std::make_unique<TopEdgePin>(*this);

  buildControls();
  LinkContext context{[this] { return companySymbol(); }, [this] { return companyName(); },
                      [this] { return selectedRow(); }};
  links_ = std::make_unique<LinkActions>(dialogs_, desktop_, std::move(context));
  // With the face the layout was drawn for every English text fits and the
  // pass changes nothing; a stand-in face or a longer translation needs it.
  const QList<QLabel *> steps(pages_.labels.begin(), pages_.labels.end());
  fitTextsToBoxes(this, {steps, calculatorPage_->findChildren<QLabel *>()});
  bindHandlers();
  bindLinks();
  startUp();
}

MainWindow::~MainWindow() = default;

// --- Building the window from its layout table ---

Panel *MainWindow::makePanel(const ControlRow &row, QWidget *parent) {
  switch (row.index) {
  case 0:
    return welcomePage_ = new WelcomePage(controls_, parent);
  case 1:
    return companyPage_ = new CompanyPage(controls_, parent);
  case 2:
    return new AdvantagesPage(controls_, parent);
  case 3:
    return new ManagementPage(controls_, parent);
  case 4:
    return bargainPricePage_ = new BargainPricePage(controls_, parent);
  case 5:
    return new ToolsPage(controls_, parent);
  case 6:
    return calculatorPage_ = new CalculatorPage(controls_, dialogs_, parent);
  default:
    return new Panel(parent); // the side menu
  }
}

void MainWindow::buildControls() {
  controls_.build(kOnWindow, this, [this](const ControlRow &row, QWidget *parent) {
    Panel *panel = makePanel(row, parent);
    if (row.index >= 0)
      pages_.panels[std::size_t(row.index)] = panel;
    else
      pages_.menu = panel;
    return panel;
  });
  controls_.build(kOnMenu, pages_.menu);
  for (int i = 0; i < wizard::kSteps; ++i) {
    pages_.labels[std::size_t(i)] =
        controls_.get<ClickLabel>(qPrintable(QStringLiteral("Label1(%1)").arg(i)));
    pages_.markers[std::size_t(i)] =
        controls_.get<StepMarker>(qPrintable(QStringLiteral("shpStart(%1)").arg(i)));
  }
  helpButton_ = controls_.get<QPushButton>("Command13");
  backButton_ = controls_.get<QPushButton>("cmdBack");
  nextButton_ = controls_.get<QPushButton>("cmdNext");
  restartButton_ = controls_.get<QPushButton>("cmdFinished");
  endButton_ = controls_.get<QPushButton>("cmdCancel");
  setUpKeyboardOrder();
}

// The design's order, then the welcome page's two link labels; a control a
// page adds follows the page's own.
void MainWindow::setUpKeyboardOrder() {
  focusOrder_ = controls_.keyboardOrder();
  for (qsizetype i = 1; i < focusOrder_.size(); ++i)
    setTabOrder(focusOrder_[i - 1], focusOrder_[i]);
  QWidget *last = focusOrder_.isEmpty() ? nullptr : focusOrder_.last();
  for (ClickLabel *link : {welcomePage_->siteLabel(), welcomePage_->emailLabel()}) {
    link->setFocusPolicy(Qt::TabFocus);
    if (last)
      setTabOrder(last, link);
    last = link;
  }
  for (QWidget *page : pages_.panels)
    static_cast<WizardPage *>(page)->orderTrailingControls();
  if (!focusOrder_.isEmpty())
    focusOrder_.first()->setFocus(Qt::OtherFocusReason);
}

void MainWindow::bindHandlers() {
  connect(nextButton_, &QPushButton::clicked, this, &MainWindow::goToNextStep);
  connect(backButton_, &QPushButton::clicked, this, &MainWindow::goToPreviousStep);
  connect(restartButton_, &QPushButton::clicked, this, &MainWindow::restartWizard);
  connect(endButton_, &QPushButton::clicked, this, &MainWindow::askToEndProgram);
  connect(helpButton_, &QPushButton::clicked, this, [this] { links_->showHelp(); });
  connect(companyPage_->randomButton(), &QPushButton::clicked, this,
          &MainWindow::pickRandomCompany);
  connect(companyPage_->clearButton(), &QPushButton::clicked, this, &MainWindow::clearCompany);
  connect(companyPage_, &CompanyPage::companyShown, this,
          [this] { render(wizard::showCounterPage(state_)); });
  connect(companyPage_, &CompanyPage::companyChanged, this, &MainWindow::companyChanged);
  connect(bargainPricePage_, &BargainPricePage::workbenchRequested, this,
          &MainWindow::workbenchRequested);

  for (int i = 0; i < wizard::kSteps; ++i) {
    connect(static_cast<ClickLabel *>(pages_.labels[std::size_t(i)]), &ClickLabel::clicked, this,
            [this, i] { goToStep(i); });
    auto *page = static_cast<WizardPage *>(pages_.panels[std::size_t(i)]);
    connect(page, &Panel::pointerMoved, this, [this] { state_ = wizard::pointerOverPage(state_); });
    connect(page, &WizardPage::keyboardEntered, this,
            [this] { state_ = wizard::pointerOverPage(state_); });
  }

  for (QWidget *panel : pages_.panels)
    connect(static_cast<Panel *>(panel), &Panel::backgroundMenuRequested, this,
            &MainWindow::programMenuRequested);
  connect(static_cast<Panel *>(pages_.menu), &Panel::backgroundMenuRequested, this,
          &MainWindow::programMenuRequested);

  bindShortcuts();
}

// F1 presses Help and Ctrl+1 to Ctrl+7 click the side menu's steps from top
// to bottom, wherever the focus is, a text box included. Shift+F10 and the
// Menu key open the context menu of the control in focus. They are actions
// of the window, named, so that the list of shortcuts can show them.
void MainWindow::bindShortcuts() {
  const auto addKeys = [this](const QString &text, const QList<QKeySequence> &keys) {
    return widgets::addWindowKeys(*this, text, keys);
  };
  connect(addKeys(tr("Help"), {QKeySequence(Qt::Key_F1)}), &QAction::triggered, helpButton_,
          &QPushButton::click);
  for (int i = 0; i < wizard::kSteps; ++i) {
    const QKeySequence keys(QKeyCombination(Qt::ControlModifier, Qt::Key(Qt::Key_1 + i)));
    const QString caption = pages_.labels[std::size_t(i)]->text().simplified();
    connect(addKeys(tr("Go to step %1, “%2”").arg(i + 1).arg(caption), {keys}), &QAction::triggered,
            this, [this, i] { goToStep(i); });
    pages_.labels[std::size_t(i)]->setToolTip(
        tr("Goes to this step. Shortcut: %1").arg(keys.toString(QKeySequence::NativeText)));
  }
  connect(addKeys(tr("Context menu"),
                  {QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)}),
          &QAction::triggered, this, &MainWindow::openMenuAtFocus);
  helpButton_->setToolTip(tr("Shows how to use the wizard. Shortcut: %1")
                              .arg(QKeySequence(Qt::Key_F1).toString(QKeySequence::NativeText)));
}

// Every link control hands its click to the link actions, which know it by
// its design name. The buttons and labels among them, and "R", name what
// they do in their tooltips; the list and the page backgrounds do not,
// since their tooltips would cover what the user reads.
void MainWindow::bindLinks() {
  toolTips_ = std::make_unique<LinkToolTips>(*links_);
  companyPage_->randomButton()->installEventFilter(toolTips_.get());
  for (const QString &name : LinkActions::controls()) {
    if (name == QLatin1String("picStart")) {
      for (QWidget *p : pages_.panels)
        connect(static_cast<Panel *>(p), &Panel::doubleClicked, this,
                [this] { links_->trigger(QStringLiteral("picStart")); });
    } else if (name == QLatin1String("List1")) {
      connect(companyPage_->list(), &QListView::doubleClicked, this,
              [this] { links_->trigger(QStringLiteral("List1")); });
    } else if (auto *label = control<ClickLabel>(name)) {
      connect(label, &ClickLabel::clicked, this, [this, name] { links_->trigger(name); });
      label->installEventFilter(toolTips_.get());
    } else if (auto *b = control<QPushButton>(name)) {
      connect(b, &QPushButton::clicked, this, [this, name] { links_->trigger(name); });
      b->installEventFilter(toolTips_.get());
    }
  }
}

// --- The wizard's state and what the window shows of it ---

// Start-up: the side-menu click on step 0, the list filled, the default
// company selected (its row handling runs at once), then the company page
// brought into view while step 0 stays highlighted.
void MainWindow::startUp() {
  render(wizard::goToStep(state_, wizard::kWelcomeStep));
  companyPage_->fillList();
  // The list's own links read its selection, so it is part of the company chosen.
  connect(companyPage_->list()->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &MainWindow::companyChanged);
  selectRow(directory::findSymbol(directory::kStartUpSymbol));
  render(wizard::startUp());
}

void MainWindow::render(const wizard::State &state) {
  state_ = state;
  showPage(state.page);
  highlightStep(pages_, state.step);
  backButton_->setEnabled(state.backEnabled);
  nextButton_->setEnabled(state.nextEnabled);
  setWindowTitle(state.caption);
}

// Besides moving the panels, a page out of view is hidden from assistive
// tools and from the keyboard: the focus never stays on a control nobody
// can see.
void MainWindow::showPage(int page) {
  bringPageIntoView(pages_, page);
  if (page < 0 || page >= wizard::kSteps)
    return;
  QWidget *inView = pages_.panels[std::size_t(page)];
  QWidget *focus = focusWidget();
  for (QWidget *panel : pages_.panels)
    if (panel != inView && focus && panel->isAncestorOf(focus)) {
      moveFocusToPage(page);
      break;
    }
  for (QWidget *panel : pages_.panels)
    panel->setVisible(panel == inView);
}

// The first control of the page in the keyboard order, or Next when the page
// has none. The program moves the focus here, not the user, so the symbol
// box does not take this as being left.
void MainWindow::moveFocusToPage(int page) {
  QWidget *target = nullptr;
  for (QWidget *w : focusOrder_)
    if (pages_.panels[std::size_t(page)]->isAncestorOf(w) && w->isEnabled()) {
      target = w;
      break;
    }
  if (!target)
    target = nextButton_->isEnabled() ? nextButton_ : restartButton_;
  companyPage_->symbolBox()->setLookUpOnLeaving(false);
  target->setFocus(Qt::OtherFocusReason);
  companyPage_->symbolBox()->setLookUpOnLeaving(true);
}

void MainWindow::goToNextStep() {
  const wizard::NextStart start = wizard::beginNext(state_, companySymbol());
  if (start.ignored)
    return;
  state_ = start.state; // the page counter moves even when the wizard stays
  if (start.askForSymbol)
    companyPage_->setSymbol(
        dialogs_.input(wizard::translated(wizard::kAskSymbolPrompt), wizard::kAskSymbolDefault));
  companyPage_->lookUpSymbol();
  const wizard::NextEnd end = wizard::finishNext(state_, companySymbol(), companyName());
  for (const QString &message : end.messages)
    dialogs_.message(wizard::translated(message));
  if (end.copySymbolIntoName)
    companyPage_->copySymbolIntoName();
  render(end.state);
}

void MainWindow::goToPreviousStep() { render(wizard::goBack(state_)); }
void MainWindow::goToStep(int step) { render(wizard::goToStep(state_, step)); }
void MainWindow::restartWizard() { render(wizard::restart(state_)); }

void MainWindow::askToEndProgram() {
  const MessageAnswer answer =
      dialogs_.message(wizard::translated(wizard::kExitQuestion),
                       wizard::translated(wizard::kExitTitle), MessageButtons::YesNo);
  if (answer == MessageAnswer::Yes)
    emit endRequested();
}

// --- What the window tells tests, tools and the rest of the program ---

QWidget *MainWindow::control(const QString &name) const { return controls_.control(name); }

QStringList MainWindow::controlNames() const { return controls_.names(); }

directory::RowPicker &MainWindow::randomRows() { return companyPage_->randomRows(); }
int MainWindow::selectedRow() const { return companyPage_->selectedRow(); }
QString MainWindow::companySymbol() const { return companyPage_->symbol(); }
QString MainWindow::companyName() const { return companyPage_->name(); }
valuation::CalculatorFields MainWindow::calculatorFields() const {
  return calculatorPage_->fields();
}

// --- The company page's and the calculator's buttons ---

void MainWindow::selectRow(int row) { companyPage_->selectRow(row); }

void MainWindow::pickRandomCompany() {
  companyPage_->pickAnyRow();
  repaintWholeWindow();
}

void MainWindow::pickBackgroundCompany() {
  companyPage_->pickBackgroundRow();
  repaintWholeWindow();
}

// The company page's Clear: both boxes emptied and the caption reset.
void MainWindow::clearCompany() {
  companyPage_->clear();
  render(wizard::clearCaption(state_));
}

void MainWindow::estimateIntrinsicValue() { calculatorPage_->estimate(); }
void MainWindow::clearCalculator() { calculatorPage_->clear(); }

// --- Window behaviour: placement, the pinned top edge, the background ---

void MainWindow::showEvent(QShowEvent *event) {
  if (!centred_ && !event->spontaneous()) {
    centred_ = true;
    topEdge_->placeAtFirstShow();
  }
  QWidget::showEvent(event);
}

int MainWindow::pinnedTop() const { return topEdge_->pinnedTop(); }

// The program's own repaint of the whole window is a window repaint too,
// and so pins the top edge; a control repainting itself (a caret blinking,
// a button lit by the pointer) is not one and leaves a dragged window alone.
void MainWindow::repaintWholeWindow() {
  topEdge_->pin();
  repaint();
}

// A desktop theme may deliver its palette after the window is built, and
// the user may switch themes while the program runs: the fixed colour pairs
// follow every palette.
bool MainWindow::event(QEvent *event) {
  const bool handled = QWidget::event(event);
  const QEvent::Type type = event->type();
  if (type == QEvent::PaletteChange || type == QEvent::ApplicationPaletteChange ||
      type == QEvent::ThemeChange)
    followDesktopPalette();
  return handled;
}

void MainWindow::followDesktopPalette() {
  const bool dark = isDarkPalette(palette());
  if (dark == darkColours_)
    return;
  darkColours_ = dark;
  controls_.applyColours(dark);
}

void MainWindow::mouseDoubleClickEvent(QMouseEvent *event) {
  // Only the window's own background gets here: every control keeps its
  // mouse events to itself.
  if (event->button() == Qt::LeftButton)
    pickBackgroundCompany();
  event->accept();
}

// The keyboard's context menu: the one of the control in focus, as a
// right-click there opens it (a text box's editing menu); where the control
// has none, the program's menu, at the control. The X server itself sends
// the Menu key's event to the control first; if that opened a menu, the key
// reaches that menu and not this window's action.
void MainWindow::openMenuAtFocus() {
  QPoint at;
  if (!widgets::openContextMenuByKey(focusWidget() ? *focusWidget() : *this, at))
    emit programMenuRequested(at);
}

// Only the window's own background gets here too; the panels report their
// own background, and the controls keep the right button to themselves.
void MainWindow::contextMenuEvent(QContextMenuEvent *event) {
  emit programMenuRequested(event->globalPos());
  event->accept();
}

} // namespace kelvo::app
