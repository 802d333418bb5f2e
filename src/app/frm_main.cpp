#include "frm_main.h"

#include "appearance.h"
#include "directory_model.h"
#include "layout.h"
#include "single_line.h"
#include "text_fit.h"
#include "widgets.h"

#include <company_directory.h>
#include <desktop.h>
#include <dialogs.h>
#include <link_actions.h>
#include <step_marker.h>
#include <valuation.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QScreen>
#include <QToolTip>
#include <QWindow>
#include <algorithm>

namespace kelvo {

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
constexpr ToolTip kToolTips[] = {
    {"Command16", QT_TRANSLATE_NOOP("kelvo::frmMain", "Picks a company at random from the directory list."), false},
    {"Command17", QT_TRANSLATE_NOOP("kelvo::frmMain", "Opens a quote page for the company selected in the list:"), true},
    {"Command19", QT_TRANSLATE_NOOP("kelvo::frmMain", "Opens the profile of the company selected in the list:"), true},
    {"Command23", QT_TRANSLATE_NOOP("kelvo::frmMain", "Opens the news headlines for the symbol in the symbol box:"), true},
    {"Command24", QT_TRANSLATE_NOOP("kelvo::frmMain", "Searches business news for the symbol in the symbol box:"), true},
    {"Label38", QT_TRANSLATE_NOOP("kelvo::frmMain", "Opens the maker's web site in your browser:"), true},
    {"Label2", QT_TRANSLATE_NOOP("kelvo::frmMain", "Writes to the maker with your mail program:"), true},
    {"Label3", QT_TRANSLATE_NOOP("kelvo::frmMain", "Opens the maker's page in your browser:"), true},
};

QColor rgb(int value) { return QColor::fromRgb(QRgb(0xFF000000u | unsigned(value))); }

std::string utf8(const QString &text) { return text.toStdString(); }

} // namespace

frmMain::frmMain(Dialogs &dialogs, Desktop &desktop, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      dialogs_(dialogs), desktop_(desktop) {
  endProgram = [] { QCoreApplication::exit(0); };
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(kPlainCaption);
  setFont(WindowFont());
  setFixedSize(Pixels(kWindowWidthTwips), Pixels(kWindowHeightTwips));
  // The top edge is pinned where the platform lets a client place its
  // window; Wayland does not, so there the window stays where it is put.
  pinTop_ = !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));

  LinkContext context{[this] { return symbolText(); }, [this] { return nameText(); },
                      [this] { return selectedRow(); }};
  links_ = std::make_unique<LinkActions>(dialogs_, desktop_, std::move(context), this);

  buildControls();
  FitTextsToBoxes(this);
  bindHandlers();
  Form_Load();
}

frmMain::~frmMain() = default;

void frmMain::buildControls() {
  QList<QPair<int, QWidget *>> tabOrder;
  for (const ControlRow &row : WindowLayout()) {
    QWidget *container = this;
    if (row.container == kOnMenu)
      container = pages_.menu;
    else if (row.container >= 0)
      container = pages_.panels[std::size_t(row.container)];
    const QString text = row.text ? QString::fromLatin1(row.text) : QString();

    QWidget *w = nullptr;
    switch (row.kind) {
    case ControlKind::Label: {
      auto *label = new ClickLabel(container);
      label->setText(text);
      label->setTextFormat(Qt::PlainText);
      label->setWordWrap(row.flags & kWrap);
      Qt::Alignment align = Qt::AlignTop;
      align |= (row.flags & kCentered)       ? Qt::AlignHCenter
               : (row.flags & kRightAligned) ? Qt::AlignRight
                                             : Qt::AlignLeft;
      label->setAlignment(align);
      label->setMargin(0);
      label->setIndent(0);
      w = label;
      if (row.index >= 0 && QLatin1String(row.name) == QLatin1String("Label1"))
        pages_.labels[std::size_t(row.index)] = label;
      break;
    }
    case ControlKind::Button: {
      auto *button = new WizardButton(container);
      button->setText(text);
      w = button;
      break;
    }
    case ControlKind::TextBox: {
      auto *box = new QLineEdit(container);
      box->setValidator(new SingleLineValidator(box));
      box->setText(text);
      box->setAttribute(Qt::WA_NoMousePropagation);
      w = box;
      break;
    }
    case ControlKind::List: {
      auto *list = new QListView(container);
      list->setUniformItemSizes(true);
      list->setSelectionMode(QAbstractItemView::SingleSelection);
      list->setEditTriggers(QAbstractItemView::NoEditTriggers);
      list->setAttribute(Qt::WA_NoMousePropagation);
      list_ = list;
      w = list;
      break;
    }
    case ControlKind::Panel: {
      auto *panel = new Panel(container);
      panel->setFrameShape(QFrame::Panel);
      panel->setFrameShadow(QFrame::Sunken);
      if (row.index >= 0) {
        pages_.panels[std::size_t(row.index)] = panel;
        panel->setAccessibleName(kStepCaptions[std::size_t(row.index)].simplified());
      } else {
        pages_.menu = panel;
      }
      w = panel;
      break;
    }
    case ControlKind::Marker: {
      auto *marker = new StepMarker(container);
      marker->setFill(rgb(row.background));
      pages_.markers[std::size_t(row.index)] = marker;
      w = marker;
      break;
    }
    case ControlKind::Line:
    case ControlKind::Outline:
      w = new LineShape(rgb(row.foreground), row.kind == ControlKind::Outline, container);
      break;
    }

    const QString name = designName(row);
    w->setObjectName(name);
    controls_.insert(name, w);
    w->setGeometry(Pixels(row.left), Pixels(row.top), Pixels(row.width), Pixels(row.height));
    QFont font = ControlFont(row.font);
    if (row.flags & kBold)
      font.setBold(true);
    w->setFont(font);
    if (row.flags & kDisabled)
      w->setEnabled(false);
    if (row.flags & kHandCursor)
      w->setCursor(Qt::PointingHandCursor);
    if (row.flags & kHelpCursor)
      w->setCursor(Qt::WhatsThisCursor);

    QPalette palette = w->palette();
    if (row.foreground != kNoColour && row.kind != ControlKind::Line && row.kind != ControlKind::Outline) {
      palette.setColor(QPalette::WindowText, rgb(row.foreground));
      palette.setColor(QPalette::Text, rgb(row.foreground));
    }
    if (row.background != kNoColour && row.kind != ControlKind::Marker) {
      palette.setColor(row.kind == ControlKind::Panel ? QPalette::Window : QPalette::Base, rgb(row.background));
      w->setAutoFillBackground(row.kind == ControlKind::Panel);
    }
    w->setPalette(palette);

    const QString accessible = row.accessible ? QString::fromLatin1(row.accessible) : QString();
    if (row.kind == ControlKind::Button || row.kind == ControlKind::Label) {
      w->setAccessibleName(QString(text).remove(QLatin1Char('&')).simplified());
      w->setAccessibleDescription(accessible);
    } else if (!accessible.isEmpty()) {
      w->setAccessibleName(accessible);
    }

    if (row.tab != kNoTab)
      tabOrder.append({row.tab, w});
    else if (row.kind != ControlKind::Panel)
      w->setFocusPolicy(Qt::NoFocus);
    if (row.kind == ControlKind::Panel)
      w->setFocusPolicy(Qt::NoFocus);
  }

  std::stable_sort(tabOrder.begin(), tabOrder.end(),
                   [](const auto &a, const auto &b) { return a.first < b.first; });
  for (qsizetype i = 1; i < tabOrder.size(); ++i)
    setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
  for (const auto &entry : tabOrder)
    focusOrder_.append(entry.second);
  if (!tabOrder.isEmpty())
    tabOrder.first().second->setFocus(Qt::OtherFocusReason);

  ssymbol_ = control<QLineEdit>(QStringLiteral("ssymbol"));
  txtTitle_ = control<QLineEdit>(QStringLiteral("txtTitle"));
  cmdBack_ = control<QPushButton>(QStringLiteral("cmdBack"));
  cmdNext_ = control<QPushButton>(QStringLiteral("cmdNext"));
  cmdFinished_ = control<QPushButton>(QStringLiteral("cmdFinished"));

  const std::pair<const char *, QString> makerTexts[] = {
      {"Label37", MakerCreditText()}, {"Label38", MakerWebsiteText()}, {"Label2", MakerEmailText()}};
  for (const auto &[name, text] : makerTexts) {
    auto *label = control<QLabel>(QString::fromLatin1(name));
    label->setText(text);
    label->setAccessibleName(text);
  }
  control(QStringLiteral("Label38"))->setAccessibleDescription(tr("Opens the maker's web site in your browser"));
  control(QStringLiteral("Label2"))->setAccessibleDescription(tr("Writes to the maker with your mail program"));
}

void frmMain::bindHandlers() {
  auto button = [this](const char *name) { return control<QPushButton>(QString::fromLatin1(name)); };
  connect(button("cmdNext"), &QPushButton::clicked, this, [this] { cmdNext_Click(*this); });
  connect(button("cmdBack"), &QPushButton::clicked, this, [this] { cmdBack_Click(*this); });
  connect(button("cmdFinished"), &QPushButton::clicked, this, [this] { cmdFinished_Click(*this); });
  connect(button("cmdCancel"), &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
  connect(button("Command16"), &QPushButton::clicked, this, [this] { Command16_Click(); });
  connect(button("Command7"), &QPushButton::clicked, this, [this] { Command7_Click(); });
  connect(button("cmdCalcValue"), &QPushButton::clicked, this, [this] { cmdCalcValue_Click(); });
  connect(button("Command9"), &QPushButton::clicked, this, [this] { Command9_Click(); });
  connect(button("Command13"), &QPushButton::clicked, this, [this] { links_->showHelp(); });

  for (int i = 0; i < kSteps; ++i) {
    connect(static_cast<ClickLabel *>(pages_.labels[std::size_t(i)]), &ClickLabel::clicked, this,
            [this, i] { Label1_Click(*this, std::int16_t(i)); });
    auto *panel = static_cast<Panel *>(pages_.panels[std::size_t(i)]);
    connect(panel, &Panel::pointerMoved, this, [this] { cnt_ = 1; });
  }

  for (const QString &name : LinkActions::controls()) {
    if (name == QLatin1String("picStart")) {
      for (QWidget *p : pages_.panels)
        connect(static_cast<Panel *>(p), &Panel::doubleClicked, this, [this] { links_->trigger(QStringLiteral("picStart")); });
    } else if (name == QLatin1String("List1")) {
      connect(list_, &QListView::doubleClicked, this, [this] { links_->trigger(QStringLiteral("List1")); });
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

// Start-up: the side-menu click on step 0, the list filled, the default
// company selected (its row handling runs at once), then the company page
// brought into view while step 0 stays highlighted.
void frmMain::Form_Load() {
  Label1_Click(*this, 0);
  list_->setModel(new DirectoryModel(list_));
  // The selection, not the current row: a mouse press moves the current row
  // before it selects it.
  connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          [this](const QItemSelection &selected) {
            if (!codeSelecting_ && !selected.isEmpty())
              List1_Click();
          });
  connect(list_, &QListView::clicked, this, [this](const QModelIndex &index) {
    // A click on the row that was already selected is a selection too.
    if (!codeSelecting_ && index.isValid() && index.row() == rowBeforePress_)
      List1_Click();
  });
  selectRowFromCode(736);
  showpage(1);
}

QString frmMain::toolTipFor(const QString &name) const {
  for (const ToolTip &tip : kToolTips) {
    if (name != QLatin1String(tip.control))
      continue;
    QString text = tr(tip.text);
    if (tip.showsAddress)
      text += QLatin1Char('\n') + links_->addressNow(name);
    return text;
  }
  return {};
}

QWidget *frmMain::control(const QString &name) const { return controls_.value(name); }

QStringList frmMain::controlNames() const { return controls_.keys(); }

int frmMain::selectedRow() const {
  if (!list_ || !list_->selectionModel())
    return -1;
  const QModelIndexList selected = list_->selectionModel()->selectedIndexes();
  return selected.isEmpty() ? -1 : selected.first().row();
}

void frmMain::selectRowFromCode(int row) {
  codeSelecting_ = true;
  if (row >= 0 && row < kDirectoryRows) {
    const QModelIndex index = list_->model()->index(row, 0);
    list_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    list_->scrollTo(index);
  } else {
    list_->selectionModel()->clear();
  }
  codeSelecting_ = false;
  if (row >= 0 && row < kDirectoryRows)
    List1_Click();
}

// Row handling: the row's symbol into the symbol box, the lookup, and the
// current page shown afresh. The caption and the buttons stay as they are.
void frmMain::List1_Click() {
  const int row = selectedRow();
  if (row < 0)
    return;
  setSymbolText(QString::fromLatin1(kCompanyDirectory[std::size_t(row)].symbol.data(),
                                    qsizetype(kCompanyDirectory[std::size_t(row)].symbol.size())));
  verifystock();
  showpage(std::int16_t(cnt_));
  markstep(std::int16_t(cnt_));
}

// Enter in the symbol box, or the focus leaving it: the first row whose text
// begins with what was typed. When no row matches the selection is cleared
// and the row handling does not run, so the typed text stays in the box for
// the user to correct (the lookup on Next still upper-cases it).
void frmMain::selectsymbolrow() {
  selectRowFromCode(FindListPrefix(utf8(ssymbol_->text())));
}

void frmMain::Command16_Click() {
  picker_.reseedFromClock();
  selectRowFromCode(picker_.pickAnyRow());
  repaintWholeWindow();
}

void frmMain::Command7_Click() {
  txtTitle_->setText(QString());
  ssymbol_->setText(QString());
  setCaption(kClearedCaption);
}

void frmMain::Form_DblClick() {
  selectRowFromCode(picker_.pickBackgroundRow());
  repaintWholeWindow();
}

void frmMain::cmdCancel_Click() {
  if (kelvo::cmdCancel_Click(*this) && endProgram)
    endProgram();
}

void frmMain::cmdCalcValue_Click() {
  auto box = [this](const char *name) { return control<QLineEdit>(QString::fromLatin1(name)); };
  QLineEdit *fields[] = {box("txtIntr"), box("txtDuration"), box("txtPresVal"),
                         box("txtFutrVal"), box("txtshares"), box("IV")};
  const CalculatorFields before{utf8(fields[0]->text()), utf8(fields[1]->text()),
                                utf8(fields[2]->text()), utf8(fields[3]->text()),
                                utf8(fields[4]->text()), utf8(fields[5]->text())};
  const EstimateResult result = EstimateIntrinsicValue(before);
  const std::string *after[] = {&result.fields.rate, &result.fields.years,
                                &result.fields.earnings, &result.fields.futureValue,
                                &result.fields.shares, &result.fields.perShare};
  for (int i = 0; i < 6; ++i) {
    const QString text = QString::fromStdString(*after[i]);
    if (fields[i]->text() != text)
      fields[i]->setText(text);
  }
  if (result.message)
    dialogs_.message(QString::fromStdString(*result.message),
                     QString::fromLatin1(kCalculatorMessageTitle.data(),
                                         qsizetype(kCalculatorMessageTitle.size())),
                     MessageButtons::Ok, MessageIcon::Information);
}

void frmMain::Command9_Click() {
  for (const char *name : {"txtPresVal", "txtFutrVal", "txtshares"})
    control<QLineEdit>(QString::fromLatin1(name))->setText(QString());
}

int frmMain::highlightedStep() const { return modGUI::highlightedStep(pages_); }
// Besides moving the panels, a page out of view is hidden from assistive
// tools and from the keyboard: the focus never stays on a control nobody
// can see.
void frmMain::showpage(std::int16_t n) {
  modGUI::showpage(pages_, n);
  if (n < 0 || n >= kSteps)
    return;
  QWidget *inView = pages_.panels[std::size_t(n)];
  QWidget *focus = focusWidget();
  for (QWidget *panel : pages_.panels)
    if (panel != inView && focus && panel->isAncestorOf(focus)) {
      moveFocusToPage(n);
      break;
    }
  for (QWidget *panel : pages_.panels)
    panel->setVisible(panel == inView);
}

// The first control of the page in the keyboard order, or Next when the page
// has none. The program moves the focus here, not the user, so the symbol
// box does not take this as being left.
void frmMain::moveFocusToPage(int page) {
  QWidget *target = nullptr;
  for (QWidget *w : focusOrder_)
    if (pages_.panels[std::size_t(page)]->isAncestorOf(w) && w->isEnabled()) {
      target = w;
      break;
    }
  if (!target)
    target = cmdNext_->isEnabled() ? static_cast<QWidget *>(cmdNext_) : cmdFinished_;
  programMovesFocus_ = true;
  target->setFocus(Qt::OtherFocusReason);
  programMovesFocus_ = false;
}
void frmMain::markstep(std::int16_t n) { modGUI::markstep(pages_, n); }
QString frmMain::symbolText() const { return ssymbol_->text(); }
void frmMain::setSymbolText(const QString &text) { ssymbol_->setText(text); }
QString frmMain::nameText() const { return txtTitle_->text(); }
void frmMain::setNameText(const QString &text) { txtTitle_->setText(text); }
void frmMain::setBackEnabled(bool on) { cmdBack_->setEnabled(on); }
void frmMain::setNextEnabled(bool on) { cmdNext_->setEnabled(on); }
void frmMain::setCaption(const QString &caption) { setWindowTitle(caption); }

// The lookup: the symbol box upper-cased and written back, and on an exact
// match the row's title name written into the company-name box.
void frmMain::verifystock() {
  ssymbol_->setText(ssymbol_->text().toUpper());
  const int row = FindSymbol(utf8(ssymbol_->text()));
  if (row >= 0) {
    const auto &name = kCompanyDirectory[std::size_t(row)].titleName;
    txtTitle_->setText(QString::fromLatin1(name.data(), qsizetype(name.size())));
  }
}

void frmMain::showEvent(QShowEvent *event) {
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
void frmMain::repaintWholeWindow() {
  pinTopEdge();
  repaint();
}

int PinnedTop(int designedTop, int frameHeight, const QRect &available) {
  const int fitting = available.bottom() + 1 - frameHeight;
  return std::max(available.top(), std::min(designedTop, fitting));
}

int frmMain::pinnedTop() const {
  const QScreen *screen = this->screen();
  if (!screen)
    return Pixels(kPinnedTopTwips);
  return PinnedTop(Pixels(kPinnedTopTwips), frameGeometry().height(), screen->availableGeometry());
}

// A window repaint (first display, uncovering, restoring, the program's own
// full repaint) puts the outer top edge back at its pinned height, keeping
// the left edge. Moving a window does not repaint it, so this cannot loop.
void frmMain::pinTopEdge() {
  if (!pinTop_ || !isWindow())
    return;
  const QRect frame = frameGeometry();
  const int top = pinnedTop();
  if (frame.top() != top)
    move(frame.left(), top);
}

void frmMain::mouseDoubleClickEvent(QMouseEvent *event) {
  // Only the window's own background gets here: every control keeps its
  // mouse events to itself.
  if (event->button() == Qt::LeftButton)
    Form_DblClick();
  event->accept();
}

// Tab and Shift+Tab follow the design's order but pass over the controls of
// the pages out of view: a keyboard user never lands on a control that
// cannot be seen.
bool frmMain::focusNextPrevChild(bool next) {
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

bool frmMain::eventFilter(QObject *watched, QEvent *event) {
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
  if (watched == ssymbol_) {
    if (event->type() == QEvent::KeyPress) {
      const int key = static_cast<QKeyEvent *>(event)->key();
      if (key == Qt::Key_Return || key == Qt::Key_Enter)
        selectsymbolrow();
    } else if (event->type() == QEvent::FocusOut) {
      // Only focus moving to another control of this window counts as
      // leaving the box, not the window losing activation to a dialog.
      const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
      if (!programMovesFocus_ && reason != Qt::ActiveWindowFocusReason &&
          reason != Qt::PopupFocusReason && reason != Qt::MenuBarFocusReason)
        selectsymbolrow();
    }
  } else if (list_ && watched == list_->viewport()) {
    if (event->type() == QEvent::MouseButtonPress)
      rowBeforePress_ = selectedRow();
    else if (event->type() == QEvent::MouseButtonDblClick)
      rowBeforePress_ = -2; // the second press of a double-click is no new click
  }
  return QWidget::eventFilter(watched, event);
}

} // namespace kelvo
