// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/control_builder.h"

#include "app/appearance.h"
#include "app/directory_list.h"
#include "app/page_display.h"
#include "app/text_boxes.h"
#include "app/widgets.h"

#include <QCoreApplication>
#include <algorithm>

namespace kelvo::app {

namespace {

// The table's captions and descriptions, in the user's language.
QString shownText(const char *text) {
  return text ? QCoreApplication::translate("kelvo::app::MainWindow", text) : QString();
}

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
  box->setText(shownText(row.text));
  return box;
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
