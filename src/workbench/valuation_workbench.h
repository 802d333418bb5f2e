// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Valuation Workbench: the wizard's estimate beside the methods value
// investors are taught, each with its margin of safety and buy-below price,
// how the discounted earnings move with the rates, and a chart. Results
// follow the inputs as they are typed; the arithmetic lives in
// valuation/methods.h.

#include "filings/workbench_figures.h"
#include "study/study.h"
#include "valuation/methods.h"

#include <QDate>
#include <QWidget>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace kelvo::platform {
class Dialogs;
} // namespace kelvo::platform

namespace kelvo::app {

class SensitivityTable;
class ValuationChart;

class ValuationWorkbench final : public QWidget {
  Q_OBJECT
public:
  // Every question and warning goes through `dialogs`.
  explicit ValuationWorkbench(platform::Dialogs &dialogs, QWidget *parent = nullptr);

  // Earnings per share, growth rate and years from the calculator page; the
  // other inputs keep their texts. The workbench keeps its inputs otherwise.
  void fillFromCalculator(const valuation::CalculatorFields &page);
  // Earnings per share and book value per share of the newest year and the
  // growth rate from a company's reported figures, each input saying in its
  // tooltip where it came from; a figure that could not be worked out leaves
  // its input as it is and says why. The price stays the user's.
  void fillFromHistory(const filings::WorkbenchFigures &figures);
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
  // "Take from Financial History": the figures are wanted, through
  // fillFromHistory.
  void historyFiguresRequested();

private:
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
  // The box of one input, in valuation::Box order.
  QLineEdit *input(valuation::Box box) const { return inputs_[static_cast<int>(box)]; }
  void setTaken(valuation::Box box, const QString &text, const QString &source);

  platform::Dialogs &dialogs_;
  std::array<QLineEdit *, valuation::kInputCount> inputs_{};
  std::array<ResultRow, valuation::kMethodCount> rows_{};
  SensitivityTable *grid_ = nullptr;
  ValuationChart *chart_ = nullptr;
  QPushButton *copy_ = nullptr;
  QPushButton *take_ = nullptr;
  QPushButton *takeHistory_ = nullptr;
  QLabel *takenNote_ = nullptr; // why a figure from the history was not taken
  QString symbol_;
  QString company_;
  bool filling_ = false;
};

} // namespace kelvo::app
