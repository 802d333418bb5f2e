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

#include <QDate>
#include <QWidget>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace kelvo::app {

class SensitivityTable;
class ValuationChart;

class ValuationWorkbench final : public QWidget {
  Q_OBJECT
public:
  explicit ValuationWorkbench(QWidget *parent = nullptr);

  // Earnings per share, growth rate and years from the calculator page; the
  // other inputs keep their texts. The workbench keeps its inputs otherwise.
  void fillFromCalculator(const valuation::CalculatorFields &page);
  // The wizard's company, which the summary names.
  void setCompany(const QString &symbol, const QString &name);

  // The inputs and results as they are shown.
  study::Valuation snapshot() const;

  // The summary "Copy" puts on the clipboard: the company, the date, the
  // inputs and the results.
  QString summaryText(const QDate &today = QDate::currentDate()) const;

signals:
  // "Take from IV Estimator": the calculator page's figures are wanted,
  // through fillFromCalculator.
  void calculatorFiguresRequested();

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
  void showResultsReadOnly();
  void copySummary();

  std::array<QLineEdit *, kInputCount> inputs_{};
  std::array<ResultRow, valuation::kMethodCount> rows_{};
  SensitivityTable *grid_ = nullptr;
  ValuationChart *chart_ = nullptr;
  QPushButton *copy_ = nullptr;
  QPushButton *take_ = nullptr;
  QString symbol_;
  QString company_;
  bool filling_ = false;
};

} // namespace kelvo::app
