// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wizard_window/wizard_page.h"

#include "wizard_window/appearance.h"
#include "wizard_window/control_builder.h"
#include "wizard_window/layout.h"

#include "handover/link_actions.h"
#include "wizard/steps.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeySequence>

namespace kelvo::app {

namespace {

// The empty space below "Intrinsic Value Est. at Quicken" on the
// bargain-price page, in twips.
constexpr int kWorkbenchButtonLeft = 480;
constexpr int kWorkbenchButtonTop = 3900;
constexpr int kWorkbenchButtonWidth = 4035;
constexpr int kWorkbenchButtonHeight = 495;

} // namespace

WizardPage::WizardPage(int index, ControlBuilder &builder, QWidget *parent)
    : Panel(parent), index_(index) {
  setAccessibleName(
      QCoreApplication::translate("kelvo::wizard", wizard::kStepCaptions[std::size_t(index)])
          .simplified());
  builder.build(index, this);
  for (QWidget *w : builder.keyboardOrder())
    if (isAncestorOf(w)) {
      watchKeyboardEntry(w);
      lastInOrder_ = w;
    }
}

void WizardPage::addTrailingControl(QWidget *control) {
  control->setParent(this);
  trailing_.append(control);
  watchKeyboardEntry(control);
  control->show();
}

void WizardPage::orderTrailingControls() {
  QWidget *previous = lastInOrder_;
  for (QWidget *control : std::as_const(trailing_)) {
    if (previous)
      setTabOrder(previous, control);
    previous = control;
  }
}

void WizardPage::watchKeyboardEntry(QWidget *control) { control->installEventFilter(this); }

bool WizardPage::eventFilter(QObject *watched, QEvent *event) {
  if (event->type() == QEvent::FocusIn) {
    const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
    if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
        reason == Qt::ShortcutFocusReason)
      emit keyboardEntered();
  }
  return Panel::eventFilter(watched, event);
}

WelcomePage::WelcomePage(ControlBuilder &builder, QWidget *parent)
    : WizardPage(0, builder, parent), site_(builder.get<ClickLabel>("Label38")),
      email_(builder.get<ClickLabel>("Label2")) {
  auto *credit = builder.get<ClickLabel>("Label37");
  credit->setText(handover::makerCreditText());
  credit->setAccessibleName(credit->text());
  const std::pair<ClickLabel *, QString> links[] = {{site_, handover::makerWebsiteText()},
                                                    {email_, handover::makerEmailText()}};
  for (const auto &[label, text] : links) {
    label->setText(text);
    label->setAccessibleName(text);
  }
  site_->setAccessibleDescription(
      QCoreApplication::translate("kelvo::app::MainWindow", kMakerSiteDescription));
  email_->setAccessibleDescription(
      QCoreApplication::translate("kelvo::app::MainWindow", kMakerMailDescription));
}

AdvantagesPage::AdvantagesPage(ControlBuilder &builder, QWidget *parent)
    : WizardPage(2, builder, parent) {}

ManagementPage::ManagementPage(ControlBuilder &builder, QWidget *parent)
    : WizardPage(3, builder, parent) {}

BargainPricePage::BargainPricePage(ControlBuilder &builder, QWidget *parent)
    : WizardPage(4, builder, parent), workbench_(new WizardButton) {
  // Plain push buttons in the window's face, as the page's own.
  workbench_->setObjectName(QStringLiteral("cmdWorkbench"));
  workbench_->setText(tr("Valuation Workbench…"));
  workbench_->setAccessibleName(tr("Valuation Workbench"));
  // Ctrl+I is the program's shortcut for the workbench, in every window.
  workbench_->setToolTip(
      tr("Opens the Valuation Workbench with the calculator page's figures. "
         "Shortcut: %1")
          .arg(QKeySequence(Qt::CTRL | Qt::Key_I).toString(QKeySequence::NativeText)));
  workbench_->setFont(controlFont(FontRole::Normal));
  workbench_->setGeometry(pixels(kWorkbenchButtonLeft), pixels(kWorkbenchButtonTop),
                          pixels(kWorkbenchButtonWidth), pixels(kWorkbenchButtonHeight));
  addTrailingControl(workbench_);
  connect(workbench_, &QPushButton::clicked, this, &BargainPricePage::workbenchRequested);
}

ToolsPage::ToolsPage(ControlBuilder &builder, QWidget *parent) : WizardPage(5, builder, parent) {}

} // namespace kelvo::app
