// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "filings/wizard_checks.h"

#include "filings/cell_text.h"
#include "filings/growth.h"

#include <QCoreApplication>
#include <cmath>

namespace kelvo::filings {

namespace {

class CheckTexts {
  Q_DECLARE_TR_FUNCTIONS(WizardChecks)
};

// A threshold as the user typed it: "10%", "12.5%", "3".
QString thresholdText(double value) {
  const double rounded = std::round(value * 10) / 10;
  return formatNumber(rounded, rounded == std::round(rounded) ? 0 : 1);
}
QString percentThreshold(double fraction) { return thresholdText(fraction * 100) + u'%'; }

QString spanText(const HistoryTable &table, int years) {
  const auto [from, to] = checkedColumns(table, years);
  const qsizetype count = to - from + 1;
  if (count == years)
    return CheckTexts::tr("the last %1 years").arg(years);
  return count == 1 ? CheckTexts::tr("the one year shown")
                    : CheckTexts::tr("the %1 years shown").arg(count);
}

CheckResult returnOnCapital(const HistoryTable &table, const CheckThresholds &limits) {
  CheckResult result;
  result.title =
      CheckTexts::tr("Return on capital of at least %1 in every one of %2")
          .arg(percentThreshold(limits.minReturnOnCapital), spanText(table, limits.years));
  const auto [from, to] = checkedColumns(table, limits.years);
  QStringList below, unknown;
  std::optional<std::pair<double, qsizetype>> lowest;
  for (qsizetype y = from; y <= to; ++y) {
    const Cell &cell = table.cell(Row::ReturnOnCapital, y);
    const QString year = table.years[y].name();
    result.figures.append(QStringLiteral("%1: %2").arg(year, cell.text));
    if (!cell.value)
      unknown.append(year);
    else if (*cell.value < limits.minReturnOnCapital)
      below.append(QStringLiteral("%1 (%2)").arg(year, cell.text));
    else if (!lowest || *cell.value < lowest->first)
      lowest = std::pair(*cell.value, y);
  }
  if (!below.isEmpty()) {
    result.outcome = Outcome::Failed;
    result.reason = CheckTexts::tr("below %1 in %2")
                        .arg(percentThreshold(limits.minReturnOnCapital), below.join(u", "));
  } else if (!unknown.isEmpty()) {
    result.reason = CheckTexts::tr("no figure for %1").arg(unknown.join(u", "));
  } else if (!lowest) {
    result.reason = CheckTexts::tr("no years shown");
  } else {
    result.outcome = Outcome::Passed;
    result.reason = CheckTexts::tr("lowest %1 in %2")
                        .arg(table.cell(Row::ReturnOnCapital, lowest->second).text,
                             table.years[lowest->second].name());
  }
  return result;
}

CheckResult steadyGrowth(const HistoryTable &table, const CheckThresholds &limits) {
  CheckResult result;
  const auto [from, to] = checkedColumns(table, limits.years);
  result.title =
      CheckTexts::tr("Growth of at least %1 a year in each of revenue, earnings per share, "
                     "book value per share and free cash flow over %2")
          .arg(percentThreshold(limits.minGrowth), spanText(table, limits.years));
  QStringList slow, unknown;
  for (Row row : kGrowthRows) {
    const Growth rate = growthBetween(table, row, from, to);
    const QString name = rowHeading(row);
    result.figures.append(QStringLiteral("%1: %2").arg(name, rate.rate ? rate.text : rate.toolTip));
    if (!rate.rate)
      unknown.append(name.toLower());
    else if (*rate.rate < limits.minGrowth)
      slow.append(QStringLiteral("%1 %2").arg(name.toLower(), rate.text));
  }
  if (!slow.isEmpty()) {
    result.outcome = Outcome::Failed;
    result.reason = CheckTexts::tr("below %1 a year: %2")
                        .arg(percentThreshold(limits.minGrowth), slow.join(u", "));
  } else if (!unknown.isEmpty()) {
    result.reason = CheckTexts::tr("no growth rate for %1").arg(unknown.join(u", "));
  } else {
    result.outcome = Outcome::Passed;
    result.reason =
        CheckTexts::tr("every one at least %1 a year").arg(percentThreshold(limits.minGrowth));
  }
  return result;
}

CheckResult debtRepayable(const HistoryTable &table, const CheckThresholds &limits) {
  CheckResult result;
  result.title = CheckTexts::tr("Long-term debt repayable from at most %1 years of free cash flow")
                     .arg(thresholdText(limits.maxDebtYears));
  if (table.isEmpty()) {
    result.reason = CheckTexts::tr("no years shown");
    return result;
  }
  const qsizetype newest = table.years.size() - 1;
  const QString year = table.years[newest].name();
  const Cell &debt = table.cell(Row::LongTermDebt, newest);
  const Cell &cash = table.cell(Row::FreeCashFlow, newest);
  const Cell &ratio = table.cell(Row::DebtToFreeCashFlow, newest);
  result.figures = {CheckTexts::tr("%1 long-term debt: %2").arg(year, debt.text),
                    CheckTexts::tr("%1 free cash flow: %2").arg(year, cash.text),
                    CheckTexts::tr("%1 debt / free cash flow: %2 years").arg(year, ratio.text)};
  if (debt.value && *debt.value <= 0) {
    result.outcome = Outcome::Passed;
    result.reason = CheckTexts::tr("no long-term debt in %1").arg(year);
  } else if (ratio.value) {
    const bool passed = *ratio.value <= limits.maxDebtYears;
    result.outcome = passed ? Outcome::Passed : Outcome::Failed;
    result.reason = CheckTexts::tr("%1 years of free cash flow in %2").arg(ratio.text, year);
  } else if (debt.value && cash.value) { // free cash flow not positive
    result.outcome = Outcome::Failed;
    result.reason = CheckTexts::tr("free cash flow in %1 is not positive").arg(year);
  } else if (!debt.value) {
    result.reason = CheckTexts::tr("no figure for long-term debt in %1").arg(year);
  } else {
    result.reason = CheckTexts::tr("no figure for free cash flow in %1").arg(year);
  }
  return result;
}

} // namespace

QString outcomeText(Outcome outcome) {
  switch (outcome) {
  case Outcome::Passed:
    return CheckTexts::tr("passed");
  case Outcome::Failed:
    return CheckTexts::tr("failed");
  case Outcome::CannotTell:
    break;
  }
  return CheckTexts::tr("cannot tell");
}

QString CheckResult::line() const {
  return CheckTexts::tr("%1: %2 (%3)").arg(title, outcomeText(outcome), reason);
}

std::pair<qsizetype, qsizetype> checkedColumns(const HistoryTable &table, int years) {
  const qsizetype count = table.years.size();
  const qsizetype shown = years > 0 ? std::min<qsizetype>(years, count) : count;
  return {count - shown, count - 1};
}

QList<CheckResult> wizardChecks(const HistoryTable &table, const CheckThresholds &thresholds) {
  return {returnOnCapital(table, thresholds), steadyGrowth(table, thresholds),
          debtRepayable(table, thresholds)};
}

} // namespace kelvo::filings
