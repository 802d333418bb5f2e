// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The workbench's sensitivity grid: the discounted earnings per share for
// discount rates down and growth rates across, the cells at a bargain
// shaded and bold.

#include "valuation/methods.h"

#include <QTableWidget>

namespace kelvo::app {

class SensitivityTable final : public QTableWidget {
  Q_OBJECT
public:
  explicit SensitivityTable(QWidget *parent = nullptr);

  // Sets only what changed: every change of an item repaints its cell.
  void showGrid(const valuation::SensitivityGrid &grid);
};

} // namespace kelvo::app
