// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/main_window.h"

#include "app/appearance.h"
#include "app/directory_model.h"
#include "app/layout.h"
#include "app/single_line.h"
#include "app/text_fit.h"
#include "app/widgets.h"

#include "directory/company_directory.h"
#include "links/link_actions.h"
#include "platform/desktop.h"
#include "platform/dialogs.h"
#include "valuation/valuation.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QScreen>
#include <QToolTip>
#include <QWindow>
#include <algorithm>

namespace kelvo::app {

using namespace kelvo::directory;
using namespace kelvo::valuation;
using namespace kelvo::links;
using namespace kelvo::platform;

namespace {

QString designName(const ControlRow &row) {
  return row.index < 0 ? QString::fromLatin1(row.name)
                       : QStringLiteral("%1(%2)").arg(QLatin1String(row.name)).arg(row.index);
}

// What the small and the link controls do, shown when the pointer rests on
// them; the research ones also show the address a click opens now.
struct ToolTip {
  const char *control;
  const char *text;
  bool showsAddress;
};
// clang-format off
constexpr ToolTip kToolTips[] = {
    {"Command16", QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "Picks a company at random from the directory list."), false},
    {"Command17", QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "Opens a quote page for the company selected in the list:"), true},
    {"Command19", QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "Opens the profile of the company selected in the list:"), true},
    {"Command23", QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "Opens the news headlines for the symbol in the symbol box:"), true},
    {"Command24", QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "Searches business news for the symbol in the symbol box:"), true},
    {"Label38", QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "Opens the maker's web site in your browser:"), true},
    {"Label2", QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "Writes to the maker with your mail program:"), true},
    {"Label3", QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "Opens the maker's page in your browser:"), true},
};
// clang-format on

std::string utf8(const QString &text) { return text.toStdString(); }

} // namespace

MainWindow::MainWindow(Dialogs &dialogs, Desktop &desktop, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      dialogs_(dialogs), desktop_(desktop) {
  endProgram = [] { QCoreApplication::exit(0); };
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(state_.caption);
  setFont(windowFont());
  setFixedSize(pixels(kWindowWidthTwips), pixels(kWindowHeightTwips));
  // The top edge is pinned where the platform lets a client place its
  // window; Wayland does not, so there the window stays where it is put.
  pinTop_ = !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));

  LinkContext context{[this] { return symbolText(); }, [this] { return nameText(); },
                      [this] { return selectedRow(); }};
  links_ = std::make_unique<LinkActions>(dialogs_, desktop_, std::move(context));

  buildControls();
  // With the face the layout was drawn for every text fits; only a stand-in
  // face needs the fitting pass.
  if (!usesDesignFace())
    fitTextsToBoxes(this);
  bindHandlers();
  startUp();
}

MainWindow::~MainWindow() = default;

// --- Building the window from its layout table ---

QWidget *MainWindow::makeLabel(const ControlRow &row, QWidget *container) {
  auto *label = new ClickLabel(container);
  label->setText(row.text ? QString::fromLatin1(row.text) : QString());
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(row.flags & kWrap);
  Qt::Alignment align = Qt::AlignTop;
  align |= (row.flags & kCentered)       ? Qt::AlignHCenter
           : (row.flags & kRightAligned) ? Qt::AlignRight
                                         : Qt::AlignLeft;
  label->setAlignment(align);
  label->setMargin(0);
  label->setIndent(0);
  if (row.index >= 0 && QLatin1String(row.name) == QLatin1String("Label1"))
    pages_.labels[std::size_t(row.index)] = label;
  return label;
}

QWidget *MainWindow::makeButton(const ControlRow &row, QWidget *container) {
  auto *button = new WizardButton(container);
  button->setText(QString::fromLatin1(row.text));
  return button;
}

QWidget *MainWindow::makeTextBox(const ControlRow &row, QWidget *container) {
  auto *box = new QLineEdit(container);
  box->setValidator(new SingleLineValidator(box));
  box->setText(QString::fromLatin1(row.text));
  box->setAttribute(Qt::WA_NoMousePropagation);
  return box;
}

QWidget *MainWindow::makeList(const ControlRow &, QWidget *container) {
  list_ = new QListView(container);
  list_->setUniformItemSizes(true);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->setAttribute(Qt::WA_NoMousePropagation);
  return list_;
}

QWidget *MainWindow::makePanel(const ControlRow &row, QWidget *container) {
  auto *panel = new Panel(container);
  panel->setFrameShape(QFrame::Panel);
  panel->setFrameShadow(QFrame::Sunken);
  panel->setFocusPolicy(Qt::NoFocus);
  if (row.index >= 0) {
    pages_.panels[std::size_t(row.index)] = panel;
    panel->setAccessibleName(
        QString::fromLatin1(wizard::kStepCaptions[std::size_t(row.index)]).simplified());
  } else {
    pages_.menu = panel;
  }
  return panel;
}

QWidget *MainWindow::makeMarker(const ControlRow &row, QWidget *container) {
  auto *marker = new StepMarker(container);
  marker->setFill(rgbColour(row.background));
  pages_.markers[std::size_t(row.index)] = marker;
  return marker;
}

// What every kind has in common: name, place, font, flags, colours and what
// assistive tools are told.
void MainWindow::applyRow(const ControlRow &row, QWidget *w) {
  const QString name = designName(row);
  w->setObjectName(name);
  controls_.insert(name, w);
  w->setGeometry(pixels(row.left), pixels(row.top), pixels(row.width), pixels(row.height));
  QFont font = controlFont(row.font);
  if (row.flags & kBold)
    font.setBold(true);
  w->setFont(font);
  if (row.flags & kDisabled)
    w->setEnabled(false);
  if (row.flags & kHandCursor)
    w->setCursor(Qt::PointingHandCursor);
  if (row.flags & kHelpCursor)
    w->setCursor(Qt::WhatsThisCursor);

  const bool shape = row.kind == ControlKind::Line || row.kind == ControlKind::Outline;
  QPalette palette = w->palette();
  if (row.foreground != kNoColour && !shape) {
    palette.setColor(QPalette::WindowText, rgbColour(row.foreground));
    palette.setColor(QPalette::Text, rgbColour(row.foreground));
  }
  if (row.background != kNoColour && row.kind != ControlKind::Marker) {
    const bool panel = row.kind == ControlKind::Panel;
    palette.setColor(panel ? QPalette::Window : QPalette::Base, rgbColour(row.background));
    w->setAutoFillBackground(panel);
  }
  w->setPalette(palette);

  const QString accessible = row.accessible ? QString::fromLatin1(row.accessible) : QString();
  if (row.kind == ControlKind::Button || row.kind == ControlKind::Label) {
    const QString caption = row.text ? QString::fromLatin1(row.text) : QString();
    w->setAccessibleName(QString(caption).remove(QLatin1Char('&')).simplified());
    w->setAccessibleDescription(accessible);
  } else if (!accessible.isEmpty()) {
    w->setAccessibleName(accessible);
  }
  if (row.tab == kNoTab)
    w->setFocusPolicy(Qt::NoFocus);
}

void MainWindow::buildControls() {
  QList<QPair<int, QWidget *>> tabOrder;
  for (const ControlRow &row : windowLayout()) {
    QWidget *container = this;
    if (row.container == kOnMenu)
      container = pages_.menu;
    else if (row.container >= 0)
      container = pages_.panels[std::size_t(row.container)];

    QWidget *w = nullptr;
    switch (row.kind) {
    case ControlKind::Label:
      w = makeLabel(row, container);
      break;
    case ControlKind::Button:
      w = makeButton(row, container);
      break;
    case ControlKind::TextBox:
      w = makeTextBox(row, container);
      break;
    case ControlKind::List:
      w = makeList(row, container);
      break;
    case ControlKind::Panel:
      w = makePanel(row, container);
      break;
    case ControlKind::Marker:
      w = makeMarker(row, container);
      break;
    case ControlKind::Line:
    case ControlKind::Outline:
      w = new LineShape(rgbColour(row.foreground), row.kind == ControlKind::Outline, container);
      break;
    }
    applyRow(row, w);
    if (row.tab != kNoTab)
      tabOrder.append({row.tab, w});
  }
  setUpFocusOrder(std::move(tabOrder));

  symbolBox_ = control<QLineEdit>(QStringLiteral("ssymbol"));
  nameBox_ = control<QLineEdit>(QStringLiteral("txtTitle"));
  backButton_ = control<QPushButton>(QStringLiteral("cmdBack"));
  nextButton_ = control<QPushButton>(QStringLiteral("cmdNext"));
  restartButton_ = control<QPushButton>(QStringLiteral("cmdFinished"));
  showMakerTexts();
}

void MainWindow::setUpFocusOrder(QList<QPair<int, QWidget *>> tabOrder) {
  std::stable_sort(tabOrder.begin(), tabOrder.end(),
                   [](const auto &a, const auto &b) { return a.first < b.first; });
  for (qsizetype i = 1; i < tabOrder.size(); ++i)
    setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
  for (const auto &entry : tabOrder)
    focusOrder_.append(entry.second);
  if (!tabOrder.isEmpty())
    tabOrder.first().second->setFocus(Qt::OtherFocusReason);
}

// The welcome page's labels show the maker's credit, web site and e-mail
// address, which are values of the build.
void MainWindow::showMakerTexts() {
  const std::pair<const char *, QString> makerTexts[] = {{"Label37", makerCreditText()},
                                                         {"Label38", makerWebsiteText()},
                                                         {"Label2", makerEmailText()}};
  for (const auto &[name, text] : makerTexts) {
    auto *label = control<QLabel>(QString::fromLatin1(name));
    label->setText(text);
    label->setAccessibleName(text);
  }
  control(QStringLiteral("Label38"))
      ->setAccessibleDescription(tr("Opens the maker's web site in your browser"));
  control(QStringLiteral("Label2"))
      ->setAccessibleDescription(tr("Writes to the maker with your mail program"));
}

void MainWindow::bindHandlers() {
  auto button = [this](const char *name) {
    return control<QPushButton>(QString::fromLatin1(name));
  };
  connect(button("cmdNext"), &QPushButton::clicked, this, &MainWindow::goToNextStep);
  connect(button("cmdBack"), &QPushButton::clicked, this, &MainWindow::goToPreviousStep);
  connect(button("cmdFinished"), &QPushButton::clicked, this, &MainWindow::restartWizard);
  connect(button("cmdCancel"), &QPushButton::clicked, this, &MainWindow::askToEndProgram);
  connect(button("Command16"), &QPushButton::clicked, this, &MainWindow::pickRandomCompany);
  connect(button("Command7"), &QPushButton::clicked, this, &MainWindow::clearCompany);
  connect(button("cmdCalcValue"), &QPushButton::clicked, this, &MainWindow::estimateIntrinsicValue);
  connect(button("Command9"), &QPushButton::clicked, this, &MainWindow::clearCalculator);
  connect(button("Command13"), &QPushButton::clicked, this, [this] { links_->showHelp(); });

  for (int i = 0; i < wizard::kSteps; ++i) {
    connect(static_cast<ClickLabel *>(pages_.labels[std::size_t(i)]), &ClickLabel::clicked, this,
            [this, i] { goToStep(i); });
    connect(static_cast<Panel *>(pages_.panels[std::size_t(i)]), &Panel::pointerMoved, this,
            [this] { state_ = wizard::pointerOverPage(state_); });
  }

  for (const QString &name : LinkActions::controls()) {
    if (name == QLatin1String("picStart")) {
      for (QWidget *p : pages_.panels)
        connect(static_cast<Panel *>(p), &Panel::doubleClicked, this,
                [this] { links_->trigger(QStringLiteral("picStart")); });
    } else if (name == QLatin1String("List1")) {
      connect(list_, &QListView::doubleClicked, this,
              [this] { links_->trigger(QStringLiteral("List1")); });
    } else if (auto *label = control<ClickLabel>(name)) {
      connect(label, &ClickLabel::clicked, this, [this, name] { links_->trigger(name); });
    } else if (auto *b = control<QPushButton>(name)) {
      connect(b, &QPushButton::clicked, this, [this, name] { links_->trigger(name); });
    }
  }

  for (QLineEdit *box : findChildren<QLineEdit *>())
    box->installEventFilter(this);
  for (const ToolTip &tip : kToolTips)
    control(QString::fromLatin1(tip.control))->installEventFilter(this);
  list_->viewport()->installEventFilter(this);
}

// --- The wizard's state and what the window shows of it ---

// Start-up: the side-menu click on step 0, the list filled, the default
// company selected (its row handling runs at once), then the company page
// brought into view while step 0 stays highlighted.
void MainWindow::startUp() {
  render(wizard::goToStep(state_, wizard::kWelcomeStep));
  list_->setModel(new DirectoryModel(list_));
  // The selection, not the current row: a mouse press moves the current row
  // before it selects it.
  connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          [this](const QItemSelection &selected) {
            if (!selectingFromCode_ && !selected.isEmpty())
              showSelectedCompany();
          });
  connect(list_, &QListView::clicked, this, [this](const QModelIndex &index) {
    // A click on the row that was already selected is a selection too.
    if (!selectingFromCode_ && index.isValid() && index.row() == rowBeforePress_)
      showSelectedCompany();
  });
  selectRow(findSymbol(kStartUpSymbol));
  wizard::State state = state_;
  state.page = wizard::kCompanyStep;
  render(state);
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
    target = nextButton_->isEnabled() ? static_cast<QWidget *>(nextButton_) : restartButton_;
  programMovesFocus_ = true;
  target->setFocus(Qt::OtherFocusReason);
  programMovesFocus_ = false;
}

void MainWindow::goToNextStep() {
  const wizard::NextStart start = wizard::beginNext(state_, symbolText());
  if (start.ignored)
    return;
  state_ = start.state; // the page counter moves even when the wizard stays
  if (start.askForSymbol)
    symbolBox_->setText(dialogs_.input(wizard::kAskSymbolPrompt, wizard::kAskSymbolDefault));
  lookUpSymbol();
  const wizard::NextEnd end = wizard::finishNext(state_, symbolText(), nameText());
  for (const QString &message : end.messages)
    dialogs_.message(message);
  if (end.copySymbolIntoName)
    nameBox_->setText(symbolText());
  render(end.state);
}

void MainWindow::goToPreviousStep() { render(wizard::goBack(state_)); }
void MainWindow::goToStep(int step) { render(wizard::goToStep(state_, step)); }
void MainWindow::restartWizard() { render(wizard::restart(state_)); }

void MainWindow::askToEndProgram() {
  const MessageAnswer answer =
      dialogs_.message(wizard::kExitQuestion, wizard::kExitTitle, MessageButtons::YesNo);
  if (answer == MessageAnswer::Yes && endProgram)
    endProgram();
}

// --- The company: symbol box, directory list, random picks ---

QWidget *MainWindow::control(const QString &name) const { return controls_.value(name); }

QStringList MainWindow::controlNames() const { return controls_.keys(); }

QStringList MainWindow::controlPlaces() const {
  QStringList lines;
  for (const ControlRow &row : windowLayout()) {
    const QString name = designName(row);
    const QWidget *w = control(name);
    QPoint origin;
    for (const QWidget *p = w; p && p != this; p = p->parentWidget()) {
      // A page panel counts where it sits in view: at the side menu's top.
      const bool page =
          std::find(pages_.panels.begin(), pages_.panels.end(), p) != pages_.panels.end();
      origin += QPoint(p->x(), page ? pages_.menu->y() : p->y());
    }
    lines << QStringLiteral("%1 %2 %3 %4 %5")
                 .arg(name)
                 .arg(origin.x())
                 .arg(origin.y())
                 .arg(w->width())
                 .arg(w->height());
  }
  return lines;
}

QString MainWindow::symbolText() const { return symbolBox_->text(); }
QString MainWindow::nameText() const { return nameBox_->text(); }

int MainWindow::selectedRow() const {
  if (!list_ || !list_->selectionModel())
    return -1;
  const QModelIndexList selected = list_->selectionModel()->selectedIndexes();
  return selected.isEmpty() ? -1 : selected.first().row();
}

void MainWindow::selectRow(int row) {
  const bool valid = row >= 0 && row < kDirectoryRows;
  selectingFromCode_ = true;
  if (valid) {
    const QModelIndex index = list_->model()->index(row, 0);
    list_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    list_->scrollTo(index);
  } else {
    list_->selectionModel()->clear();
  }
  selectingFromCode_ = false;
  if (valid)
    showSelectedCompany();
}

// Row handling: the row's symbol into the symbol box, the lookup, and the
// page of the page counter shown afresh. The caption and the buttons stay.
void MainWindow::showSelectedCompany() {
  const int row = selectedRow();
  if (row < 0)
    return;
  symbolBox_->setText(QString::fromUtf8(kCompanyDirectory[std::size_t(row)].symbol));
  lookUpSymbol();
  render(wizard::showCounterPage(state_));
}

// Enter in the symbol box, or the focus leaving it: the first row whose text
// begins with what was typed. When no row matches the selection is cleared
// and the row handling does not run, so the typed text stays in the box for
// the user to correct (the lookup on Next still upper-cases it).
void MainWindow::selectRowByPrefix() { selectRow(findListPrefix(utf8(symbolBox_->text()))); }

// The lookup: the symbol box upper-cased and written back, and on an exact
// match the row's title name written into the company-name box.
void MainWindow::lookUpSymbol() {
  symbolBox_->setText(symbolBox_->text().toUpper());
  const int row = findSymbol(utf8(symbolBox_->text()));
  if (row >= 0)
    nameBox_->setText(QString::fromUtf8(kCompanyDirectory[std::size_t(row)].titleName));
}

void MainWindow::pickRandomCompany() {
  picker_.reseedFromClock();
  selectRow(picker_.pickAnyRow());
  repaintWholeWindow();
}

void MainWindow::pickBackgroundCompany() {
  selectRow(picker_.pickBackgroundRow());
  repaintWholeWindow();
}

// The company page's Clear: both boxes emptied and the caption reset; the
// list keeps its selection, and no lookup runs.
void MainWindow::clearCompany() {
  nameBox_->setText(QString());
  symbolBox_->setText(QString());
  render(wizard::clearCaption(state_));
}

// --- The calculator ---

namespace {
const char *const kCalculatorFields[] = {"txtIntr",    "txtDuration", "txtPresVal",
                                         "txtFutrVal", "txtshares",   "IV"};

CalculatorFields readCalculator(const MainWindow &window) {
  std::string texts[6];
  for (int i = 0; i < 6; ++i)
    texts[i] = utf8(window.control<QLineEdit>(QString::fromLatin1(kCalculatorFields[i]))->text());
  return {texts[0], texts[1], texts[2], texts[3], texts[4], texts[5]};
}

void writeCalculator(const MainWindow &window, const CalculatorFields &fields) {
  const std::string *texts[] = {&fields.rate,        &fields.years,  &fields.earnings,
                                &fields.futureValue, &fields.shares, &fields.perShare};
  for (int i = 0; i < 6; ++i) {
    auto *box = window.control<QLineEdit>(QString::fromLatin1(kCalculatorFields[i]));
    const QString text = QString::fromStdString(*texts[i]);
    if (box->text() != text)
      box->setText(text);
  }
}
} // namespace

void MainWindow::estimateIntrinsicValue() {
  const EstimateResult result = valuation::estimateIntrinsicValue(readCalculator(*this));
  writeCalculator(*this, result.fields);
  if (result.message)
    dialogs_.message(QString::fromStdString(*result.message),
                     QString::fromUtf8(kCalculatorMessageTitle), MessageButtons::Ok,
                     MessageIcon::Information);
}

void MainWindow::clearCalculator() {
  writeCalculator(*this, valuation::clearCalculator(readCalculator(*this)));
}

// --- Window behaviour: placement, the pinned top edge, the background ---

void MainWindow::showEvent(QShowEvent *event) {
  if (!centred_ && !event->spontaneous()) {
    centred_ = true;
    // Widgets repaint from a backing store when the window is uncovered,
    // without a paint event; the window's expose is that repaint.
    if (QWindow *handle = windowHandle())
      handle->installEventFilter(this);
    if (QScreen *screen = this->screen()) {
      const QRect area = screen->availableGeometry();
      QRect frame = frameGeometry();
      frame.moveCenter(area.center());
      move(frame.left(), pinTop_ ? pinnedTop() : frame.top());
    }
  }
  QWidget::showEvent(event);
}

// The program's own repaint of the whole window is a window repaint too,
// and so pins the top edge; a control repainting itself (a caret blinking,
// a button lit by the pointer) is not one and leaves a dragged window alone.
void MainWindow::repaintWholeWindow() {
  pinTopEdge();
  repaint();
}

int pinnedTopEdge(int designedTop, int frameHeight, const QRect &available) {
  const int fitting = available.bottom() + 1 - frameHeight;
  return std::max(available.top(), std::min(designedTop, fitting));
}

int MainWindow::pinnedTop() const {
  const QScreen *screen = this->screen();
  if (!screen)
    return pixels(kPinnedTopTwips);
  return pinnedTopEdge(pixels(kPinnedTopTwips), frameGeometry().height(),
                       screen->availableGeometry());
}

// A window repaint (first display, uncovering, restoring, the program's own
// full repaint) puts the outer top edge back at its pinned height, keeping
// the left edge. Moving a window does not repaint it, so this cannot loop.
void MainWindow::pinTopEdge() {
  if (!pinTop_ || !isWindow())
    return;
  const QRect frame = frameGeometry();
  const int top = pinnedTop();
  if (frame.top() != top)
    move(frame.left(), top);
}

void MainWindow::mouseDoubleClickEvent(QMouseEvent *event) {
  // Only the window's own background gets here: every control keeps its
  // mouse events to itself.
  if (event->button() == Qt::LeftButton)
    pickBackgroundCompany();
  event->accept();
}

QString MainWindow::toolTipFor(const QString &name) const {
  for (const ToolTip &tip : kToolTips) {
    if (name != QLatin1String(tip.control))
      continue;
    QString text = tr(tip.text);
    if (tip.showsAddress)
      text += QLatin1Char('\n') + links_->preview(name).target;
    return text;
  }
  return {};
}

// Tab and Shift+Tab follow the design's order but pass over the controls of
// the pages out of view: a keyboard user never lands on a control that
// cannot be seen.
bool MainWindow::focusNextPrevChild(bool next) {
  QWidget *start = focusWidget() ? focusWidget() : this;
  QWidget *w = start;
  for (int guard = 0; guard < 1000; ++guard) {
    w = next ? w->nextInFocusChain() : w->previousInFocusChain();
    if (!w || w == start)
      break;
    const bool takesTab = (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
    const QRect area(w->mapTo(this, QPoint(0, 0)), w->size());
    if (w != this && w->window() == this && takesTab && w->isEnabled() && w->isVisibleTo(this) &&
        area.intersects(rect())) {
      w->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
      return true;
    }
  }
  return false;
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event) {
  if (event->type() == QEvent::ToolTip) {
    // Composed when it shows, so it names the address a click opens now.
    const QString text = toolTipFor(watched->objectName());
    if (!text.isEmpty()) {
      QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), text,
                         static_cast<QWidget *>(watched));
      return true;
    }
  }
  if (watched == windowHandle()) {
    if (event->type() == QEvent::Expose && windowHandle()->isExposed())
      pinTopEdge();
    return QWidget::eventFilter(watched, event);
  }
  // An access key whose button is disabled is no shortcut, and a text box
  // would type its letter ("HRL" becoming "HRLb"); a disabled button's key
  // does nothing, as a click on it does.
  if (event->type() == QEvent::KeyPress && qobject_cast<QLineEdit *>(watched)) {
    const auto *key = static_cast<QKeyEvent *>(event);
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    if (mods == Qt::AltModifier || mods == (Qt::AltModifier | Qt::ShiftModifier))
      if (!key->text().isEmpty() && key->text().at(0).isPrint())
        return true;
  }
  if (watched == symbolBox_) {
    if (event->type() == QEvent::KeyPress) {
      const int key = static_cast<QKeyEvent *>(event)->key();
      if (key == Qt::Key_Return || key == Qt::Key_Enter)
        selectRowByPrefix();
    } else if (event->type() == QEvent::FocusOut) {
      // Only focus moving to another control of this window counts as
      // leaving the box, not the window losing activation to a dialog.
      const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
      if (!programMovesFocus_ && reason != Qt::ActiveWindowFocusReason &&
          reason != Qt::PopupFocusReason && reason != Qt::MenuBarFocusReason)
        selectRowByPrefix();
    }
  } else if (list_ && watched == list_->viewport()) {
    if (event->type() == QEvent::MouseButtonPress)
      rowBeforePress_ = selectedRow();
    else if (event->type() == QEvent::MouseButtonDblClick)
      rowBeforePress_ = -2; // the second press of a double-click is no new click
  }
  return QWidget::eventFilter(watched, event);
}

} // namespace kelvo::app
