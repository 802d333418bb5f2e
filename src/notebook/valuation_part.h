// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The notebook's valuation: the workbench's inputs and results as they
// were taken, and the button that takes them.

#include "study/study.h"

#include <QGroupBox>

class QLabel;
class QPushButton;
class QTableWidget;

namespace kelvo::app {

class ValuationPart final : public QGroupBox {
  Q_OBJECT
public:
  // Without a workbench there is nothing to take, and the part says so.
  explicit ValuationPart(bool hasWorkbench, QWidget *parent = nullptr);

  void showValuation(const study::Valuation &valuation);

signals:
  // "Take from Workbench".
  void takeRequested();

private:
  bool hasWorkbench_;
  QLabel *hint_;
  QTableWidget *inputs_;
  QTableWidget *results_;
};

} // namespace kelvo::app
