// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "valuation/valuation.h"

#include <cmath>

// Each step of the estimate stands on its own: a step that cannot read its
// input, divides by zero or ends in inf/NaN is skipped without a word, its
// value stays 0 and its field keeps its text, and the next step runs.

namespace kelvo::valuation {
namespace {

// A finite reading, or 0 when the text overflows.
double finite(double value) { return std::isfinite(value) ? value : 0.0; }

EstimateResult stopWith(CalculatorFields fields, std::string_view message) {
  return {std::move(fields), std::string(message)};
}

} // namespace

EstimateResult estimateIntrinsicValue(const CalculatorFields &before) {
  CalculatorFields f = before;

  const double presentValue = readAmount(f.earnings).value_or(0.0);
  // An earlier result starts with "$" and so reads as 0 here: pressing again
  // recomputes the future value instead of keeping an old one.
  const double futureValue = finite(readLeadingNumber(f.futureValue));
  const double growthRate = finite(readLeadingNumber(f.rate) / 100);
  const double periods = finite(readLeadingNumber(f.years));

  // The per-share field is reset before any check, so a message never leaves
  // an earlier per-share result standing beside changed inputs.
  if (const double shown = readLeadingNumber(f.perShare); std::isfinite(shown))
    f.perShare = plainNumberText(shown);

  if (growthRate == 0 || periods == 0)
    return stopWith(std::move(f), kRateAndYearsRequired);
  if (presentValue == 0 && amountTooLarge(f.earnings))
    return stopWith(std::move(f), kEarningsTooLargeToRead);
  if (presentValue == 0 && futureValue == 0)
    return stopWith(std::move(f), kEarningsRequired);

  // A plain number typed into the future-value field, with earnings given, is
  // taken as it is; otherwise the earnings are compounded.
  if (presentValue == 0 || futureValue == 0) {
    const double compounded = presentValue * std::pow(1 + growthRate, periods);
    const bool typedFutureValue = futureValue != 0;
    if (!std::isfinite(compounded) && !typedFutureValue) {
      // Only a future value the estimate computes itself can be missing; the
      // field then holds an earlier result, which must not be divided below.
      f.futureValue.clear();
      const bool finiteGrowth = std::isfinite(std::pow(1 + growthRate, periods));
      return stopWith(std::move(f),
                      finiteGrowth ? kEarningsTooLargeToEstimate : kNoFiniteFutureValue);
    }
    // A value the user typed stays when the compounding gives nothing finite.
    if (std::isfinite(compounded))
      f.futureValue = formatDollars(compounded);
    // The earnings text as typed, so "1,000,000" and "1000000" look alike.
    f.earnings = formatDollars(std::string_view(f.earnings));
  }

  // Read back from the shown text: the per-share figure uses whole dollars.
  const std::optional<double> future = readAmount(f.futureValue);
  const std::optional<double> shares = readAmount(f.shares);
  if (!shares || *shares == 0) {
    f.perShare.clear();
    return stopWith(std::move(f), kSharesRequired);
  }
  if (future) {
    if (const double perShare = *future / *shares; std::isfinite(perShare))
      f.perShare = plainNumberText(perShare);
  }

  f.perShare = formatDollars(std::string_view(f.perShare));
  return {std::move(f), std::nullopt};
}

CalculatorFields clearCalculator(const CalculatorFields &before) {
  CalculatorFields f = before;
  f.earnings.clear();
  f.futureValue.clear();
  f.shares.clear();
  return f;
}

} // namespace kelvo::valuation
