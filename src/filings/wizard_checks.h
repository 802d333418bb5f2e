// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The wizard's tests of a business, checked against its history: high
// returns on capital year after year, steady growth of the four figures, and
// debt that a few years of free cash flow could repay. Each says passed,
// failed or cannot tell, with the figures behind it.

#include "filings/history_table.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace kelvo::filings {

// The thresholds the user can change.
struct CheckThresholds {
  double minReturnOnCapital = 0.10; // a fraction
  double minGrowth = 0.10;          // a fraction a year
  double maxDebtYears = 3.0;        // years of free cash flow
  int years = 10;                   // the last this many years, or all shown when fewer
  bool operator==(const CheckThresholds &) const = default;
};

enum class Outcome { Passed, Failed, CannotTell };

struct CheckResult {
  Outcome outcome = Outcome::CannotTell;
  // "Return on capital of at least 10% in every one of the last 10 years"
  QString title;
  // Why it passed, failed or cannot tell: "lowest 18.2% in FY2016",
  // "below 10% in FY2019 (8.1%)", "no figure for FY2017"
  QString reason;
  // The figures behind it, one per line: "FY2015: 26.8%"
  QStringList figures;
  // "Return on capital of at least 10% in every one of the last 10 years: passed (lowest ...)"
  QString line() const;
};

// "passed", "failed", "cannot tell"
QString outcomeText(Outcome outcome);

// The three tests, in this order: return on capital, growth, debt.
QList<CheckResult> wizardChecks(const HistoryTable &table, const CheckThresholds &thresholds = {});

// The columns the tests look at: the last `years` of them, or all.
std::pair<qsizetype, qsizetype> checkedColumns(const HistoryTable &table, int years);

} // namespace kelvo::filings
