// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Research Links": every link control with the address it would open now
// and where that address comes from, the problems of the override files,
// the switch for today's set, and per link an editor, a test and a reset.
// Every change is written at once to the user's links.conf and reloads the
// catalogue the whole program uses.

#include "handover/link_actions.h"

#include <QWidget>
#include <functional>
#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTreeWidget;

namespace kelvo::platform {
class Desktop;
class Dialogs;
} // namespace kelvo::platform

namespace kelvo::app {

class ResearchLinksWindow : public QWidget {
  Q_OBJECT

public:
  // What the main window shows on a control, by its design name; empty for
  // none.
  using ControlCaption = std::function<QString(const QString &control)>;

  // `context` reads the chosen company from the main window at each use;
  // without `caption`, links are listed by their controls' names.
  ResearchLinksWindow(platform::Dialogs &dialogs, platform::Desktop &desktop,
                      handover::LinkContext context, ControlCaption caption = {},
                      QWidget *parent = nullptr);
  ~ResearchLinksWindow() override;

  // Fills the lists again from the active catalogue and the chosen company.
  void refresh();
  // Shows the addresses for the company chosen now; what is being edited
  // stays as it is.
  void followCompany();

private:
  void buildControls();
  void showSelectedLink();
  void checkTemplate();
  void saveTemplate();
  void resetLink();
  void openLink();
  void switchTodaySet(bool on);
  // Writes one change into the user's file and reloads; false, after
  // telling the user why, when it could not be written.
  bool write(const QString &group, const QString &key, const std::optional<QString> &value);
  QString selectedControl() const;

  QString captionOf(const QString &control) const;

  platform::Dialogs &dialogs_;
  std::unique_ptr<handover::LinkActions> actions_;
  ControlCaption caption_;
  QCheckBox *today_ = nullptr;
  QTreeWidget *links_ = nullptr;
  QLineEdit *template_ = nullptr;
  QLabel *verdict_ = nullptr;
  QPushButton *save_ = nullptr;
  QPushButton *open_ = nullptr;
  QPushButton *reset_ = nullptr;
  QListWidget *problems_ = nullptr;
};

} // namespace kelvo::app
