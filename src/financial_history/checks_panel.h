// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The wizard's tests of a business against its history, each a line that
// says passed, failed or cannot tell, with the figures behind it; and the
// thresholds, which the user can change.

#include "filings/history_table.h"
#include "filings/wizard_checks.h"

#include <QWidget>
#include <array>

class QDoubleSpinBox;
class QLabel;
class QSpinBox;

namespace kelvo::app {

class ChecksPanel final : public QWidget {
  Q_OBJECT
public:
  explicit ChecksPanel(QWidget *parent = nullptr);

  void showChecks(const filings::HistoryTable &table);
  filings::CheckThresholds thresholds() const;
  void setThresholds(const filings::CheckThresholds &thresholds);
  // The lines as shown, for tests and tools.
  QStringList lines() const;

private:
  void recheck();

  QDoubleSpinBox *minReturn_;
  QDoubleSpinBox *minGrowth_;
  QDoubleSpinBox *maxDebt_;
  QSpinBox *years_;
  std::array<QLabel *, 3> results_{};
  std::array<QLabel *, 3> figures_{};
  filings::HistoryTable table_;
};

} // namespace kelvo::app
