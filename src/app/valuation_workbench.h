// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Valuation Workbench: the wizard's estimate beside the methods value
// investors are taught, each with its margin of safety and buy-below price,
// how the discounted earnings move with the rates, and a chart. Results
// follow the inputs as they are typed; the arithmetic lives in
// valuation/methods.h.

#include "study/study.h"
#include "valuation/methods.h"

#include <QWidget>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace kelvo::app {

class ValuationChart;

class ValuationWorkbench final : public QWidget {
  Q_OBJECT
public:
  explicit ValuationWorkbench(QWidget *parent = nullptr);

  // Earnings per share, growth rate and years from the calculator page, for
  // a workbench opened from closed; the other inputs keep their texts.
  void fillFromCalculator(const valuation::CalculatorFields &page);

  // The inputs and results as they are shown.
  study::Valuation snapshot() const;

  // The summary "Copy" puts on the clipboard.
  QString summaryText() const;

protected:
  void changeEvent(QEvent *event) override;

private:
  enum Input {
    Earnings,
    Growth,
    Years,
    Discount,
    GrowthAfter,
    BookValue,
    BondYield,
    Price,
    Margin,
    kInputCount
  };
  struct ResultRow {
    QLineEdit *value = nullptr;
    QLineEdit *margin = nullptr;
    QLineEdit *buyBelow = nullptr;
  };

  QWidget *buildInputs();
  QWidget *buildResults();
  QWidget *buildSensitivity();
  valuation::WorkbenchInputs readInputs() const;
  void recompute();
  void copySummary();

  std::array<QLineEdit *, kInputCount> inputs_{};
  std::array<ResultRow, valuation::kMethodCount> rows_{};
  QTableWidget *grid_ = nullptr;
  ValuationChart *chart_ = nullptr;
  QPushButton *copy_ = nullptr;
  bool filling_ = false;
};

} // namespace kelvo::app
