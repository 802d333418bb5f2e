// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Compound annual growth of revenue, earnings per share, book value per
// share and free cash flow over the last 1, 5 and 10 years and all years
// shown; a cell without a rate says why in its tooltip and to assistive
// tools.

#include "filings/history_table.h"

#include <QTableWidget>

namespace kelvo::app {

class GrowthTable final : public QTableWidget {
  Q_OBJECT
public:
  explicit GrowthTable(QWidget *parent = nullptr);
  void showGrowth(const filings::HistoryTable &table);
};

} // namespace kelvo::app
