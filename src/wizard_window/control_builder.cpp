// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wizard_window/control_builder.h"

#include "wizard_window/appearance.h"
#include "wizard_window/directory_list.h"
#include "wizard_window/page_display.h"
#include "wizard_window/text_boxes.h"
#include "wizard_window/widgets.h"

#include <QApplication>
#include <algorithm>

namespace kelvo::app {

namespace {

QWidget *makeLabel(const ControlRow &row, QWidget *parent) {
  auto *label = new ClickLabel(parent);
  label->setText(shownText(row.text));
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(row.flags & kWrap);
  Qt::Alignment align = Qt::AlignTop;
  align |= (row.flags & kCentered)       ? Qt::AlignHCenter
           : (row.flags & kRightAligned) ? Qt::AlignRight
                                         : Qt::AlignLeft;
  label->setAlignment(align);
  label->setMargin(0);
  label->setIndent(0);
  return label;
}

QWidget *makeTextBox(const ControlRow &row, QWidget *parent) {
  TextBox *box = row.kind == ControlKind::SymbolBox ? new SymbolBox(parent) : new TextBox(parent);
  box->setText(QString::fromUtf8(row.text)); // a value, not a text to translate
  return box;
}

// The light palette's window and text, the halves a dark desktop lacks.
const QColor kLightWindow(0xEF, 0xEF, 0xEF);
const QColor kLightText(0x00, 0x00, 0x00);

// Whether the side menu or a page gives its controls a fixed background.
bool containerFixesBackground(int container) {
  for (const ControlRow &row : windowLayout())
    if (row.kind == ControlKind::Panel &&
        (container == kOnMenu ? row.index < 0 : row.index == container))
      return row.background != kNoColour;
  return false;
}

// The design fixes some colours and leaves the rest to the desktop. Under a
// light palette that is the design exactly; under a dark one a fixed colour
// would meet the desktop's colour for the other half of its pair (black text
// on dark grey, white text on a fixed light grey), so the other half is
// fixed too, to what the light palette gives it. That half is a constant:
// under a desktop theme the style's own palette is the theme's, dark too.
// The palette is built afresh each time, so that a desktop turned light
// again gets the design's colours back exactly.
void applyColours(const ControlRow &row, QWidget *w, bool dark) {
  // Lines, outlines and markers paint their fixed colours themselves.
  if (row.kind == ControlKind::Line || row.kind == ControlKind::Outline ||
      row.kind == ControlKind::Marker)
    return;
  QPalette palette; // no role of its own: each follows the desktop's palette
  const bool fixedText = row.foreground != kNoColour;
  const bool fixedBackground = row.background != kNoColour;
  if (fixedText) {
    palette.setColor(QPalette::WindowText, rgbColour(row.foreground));
    palette.setColor(QPalette::Text, rgbColour(row.foreground));
  }
  const bool panel = row.kind == ControlKind::Panel;
  if (fixedBackground)
    palette.setColor(panel ? QPalette::Window : QPalette::Base, rgbColour(row.background));
  bool fillBackground = panel && fixedBackground;
  if (dark && fixedText && !fixedBackground && row.kind == ControlKind::Label &&
      !containerFixesBackground(row.container)) {
    palette.setColor(QPalette::Window, kLightWindow);
    fillBackground = true;
  } else if (dark && fixedBackground && !fixedText &&
             (row.kind == ControlKind::TextBox || row.kind == ControlKind::List)) {
    palette.setColor(QPalette::Text, kLightText);
  }
  w->setPalette(palette);
  w->setAutoFillBackground(fillBackground);
}

// Name, place, font, flags, colours and what assistive tools are told.
void applyRow(const ControlRow &row, QWidget *w) {
  w->setObjectName(designName(row));
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
  applyColours(row, w, isDarkPalette(w->window()->palette()));

  const QString accessible = shownText(row.accessible);
  if (row.kind == ControlKind::Button || row.kind == ControlKind::Label) {
    w->setAccessibleName(shownText(row.text).remove(QLatin1Char('&')).simplified());
    w->setAccessibleDescription(accessible);
  } else if (!accessible.isEmpty()) {
    w->setAccessibleName(accessible);
  }
  if (row.tab == kNoTab)
    w->setFocusPolicy(Qt::NoFocus);
}

} // namespace

bool isDarkPalette(const QPalette &palette) {
  return palette.color(QPalette::Window).lightness() <
         palette.color(QPalette::WindowText).lightness();
}

QString designName(const ControlRow &row) {
  return row.index < 0 ? QString::fromLatin1(row.name)
                       : QStringLiteral("%1(%2)").arg(QLatin1String(row.name)).arg(row.index);
}

QWidget *ControlBuilder::make(const ControlRow &row, QWidget *parent,
                              const PanelMaker &makePanel) const {
  switch (row.kind) {
  case ControlKind::Label:
    return makeLabel(row, parent);
  case ControlKind::Button: {
    auto *button = new WizardButton(parent);
    button->setText(shownText(row.text));
    return button;
  }
  case ControlKind::TextBox:
  case ControlKind::SymbolBox:
    return makeTextBox(row, parent);
  case ControlKind::List:
    return new DirectoryList(parent);
  case ControlKind::Panel: {
    Panel *panel = makePanel ? makePanel(row, parent) : new Panel(parent);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setFocusPolicy(Qt::NoFocus);
    return panel;
  }
  case ControlKind::Marker: {
    auto *marker = new StepMarker(parent);
    marker->setFill(rgbColour(row.background));
    return marker;
  }
  case ControlKind::Line:
  case ControlKind::Outline:
    break;
  }
  return new LineShape(rgbColour(row.foreground), row.kind == ControlKind::Outline, parent);
}

void ControlBuilder::build(int container, QWidget *parent, const PanelMaker &makePanel) {
  for (const ControlRow &row : windowLayout()) {
    if (row.container != container)
      continue;
    QWidget *w = make(row, parent, makePanel);
    applyRow(row, w);
    controls_.insert(w->objectName(), w);
    if (row.tab != kNoTab)
      tabs_.append({row.tab, w});
  }
}

void ControlBuilder::applyColours(bool dark) {
  for (const ControlRow &row : windowLayout())
    if (QWidget *w = control(designName(row)))
      app::applyColours(row, w, dark);
}

QList<QWidget *> ControlBuilder::keyboardOrder() const {
  QList<QPair<int, QWidget *>> sorted = tabs_;
  std::stable_sort(sorted.begin(), sorted.end(),
                   [](const auto &a, const auto &b) { return a.first < b.first; });
  QList<QWidget *> order;
  for (const auto &entry : sorted)
    order.append(entry.second);
  return order;
}

} // namespace kelvo::app
