// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The wizard's pages: one panel each, built from the layout table. The pages
// whose controls only open research links are plain pages; the welcome, the
// company and the calculator page have controls of their own to run.

#include "wizard_window/widgets.h"

#include <QList>

class QPushButton;

namespace kelvo::app {

class ClickLabel;
class ControlBuilder;

class WizardPage : public Panel {
  Q_OBJECT
public:
  // Builds page `index` and its controls with `builder`.
  WizardPage(int index, ControlBuilder &builder, QWidget *parent);
  int index() const { return index_; }
  // Puts the controls the page added after those of the layout table in the
  // keyboard order, once the window has set the table's order.
  void orderTrailingControls();

signals:
  // The keyboard focus entered a control of this page by Tab, Shift+Tab or
  // an access key: for the page counter this is the pointer crossing the page.
  void keyboardEntered();

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;
  // Puts `control` on this page, after the page's own controls in the
  // keyboard order (and after any control added before it).
  void addTrailingControl(QWidget *control);

private:
  void watchKeyboardEntry(QWidget *control);
  int index_;
  QWidget *lastInOrder_ = nullptr; // of the layout table's controls
  QList<QWidget *> trailing_;
};

// Page 0: the program's purpose and the maker's credit, web site and e-mail
// address, which are values of the build.
class WelcomePage final : public WizardPage {
  Q_OBJECT
public:
  WelcomePage(ControlBuilder &builder, QWidget *parent);
  ClickLabel *siteLabel() const { return site_; }   // Label38
  ClickLabel *emailLabel() const { return email_; } // Label2

private:
  ClickLabel *site_;
  ClickLabel *email_;
};

// Pages 2 to 5 hold research links only; the window hands their clicks to
// the link actions.
class AdvantagesPage final : public WizardPage {
  Q_OBJECT
public:
  AdvantagesPage(ControlBuilder &builder, QWidget *parent);
};

class ManagementPage final : public WizardPage {
  Q_OBJECT
public:
  ManagementPage(ControlBuilder &builder, QWidget *parent);
};

// Page 4: below its three research buttons, in the room the layout leaves,
// "Valuation Workbench…".
class BargainPricePage final : public WizardPage {
  Q_OBJECT
public:
  BargainPricePage(ControlBuilder &builder, QWidget *parent);
  QPushButton *workbenchButton() const { return workbench_; } // cmdWorkbench

signals:
  void workbenchRequested();

private:
  QPushButton *workbench_;
};

class ToolsPage final : public WizardPage {
  Q_OBJECT
public:
  ToolsPage(ControlBuilder &builder, QWidget *parent);
};

} // namespace kelvo::app
