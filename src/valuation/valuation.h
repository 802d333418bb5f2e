// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The offline intrinsic-value estimator: number reading, dollar format and
// the estimate itself, all pure functions in US notation whatever the locale.

#include <optional>
#include <string>
#include <string_view>

namespace kelvo::valuation {

// Leading-number rule: blanks, tabs and line feeds are skipped anywhere; an
// optional sign, digits with at most one ".", an optional exponent (E or D);
// reading stops at the first character that does not fit. Never fails: no
// digit reads as 0, a number too large for a double reads as +-infinity.
double readLeadingNumber(std::string_view text);

// Amount rule: the whole text must be one number ("$", "," grouping, signs
// before or after, parentheses for a negative amount, blanks around it).
std::optional<double> readAmount(std::string_view text);
// Whether the text has the amount rule's form but a value too large for a double.
bool amountTooLarge(std::string_view text);

// "$#,###,###,###": rounded half away from zero, every digit shown, "-$" for
// negatives, "$" alone for a value that rounds to zero; empty for inf/NaN.
std::string formatDollars(double value);
// A text is read by the amount rule first; an unreadable text comes back unchanged.
std::string formatDollars(std::string_view text);

// The digits of a whole number with a comma between groups of three, counted
// from the right: "1250000" gives "1,250,000".
std::string groupThousands(std::string_view digits);

// Up to 15 significant digits, "." decimal point, no grouping, no trailing zeros;
// "1E+20" style beyond 15 digits or below 1E-04; empty for inf/NaN.
std::string plainNumberText(double value);

// The six fields of the calculator page, top to bottom.
struct CalculatorFields {
  std::string rate;        // txtIntr
  std::string years;       // txtDuration
  std::string earnings;    // txtPresVal
  std::string futureValue; // txtFutrVal
  std::string shares;      // txtshares
  std::string perShare;    // IV
  bool operator==(const CalculatorFields &) const = default;
};

// Marks a text for the translators: lupdate reads it as QT_TRANSLATE_NOOP
// (see translations/CMakeLists.txt), and the window shows the message through
// QCoreApplication::translate("kelvo::valuation", text).
#ifndef KELVO_TRANSLATE_NOOP
#define KELVO_TRANSLATE_NOOP(context, text) text
#endif

inline constexpr std::string_view kCalculatorMessageTitle =
    KELVO_TRANSLATE_NOOP("kelvo::valuation", "Present/Future Value Input Error");
inline constexpr std::string_view kRateAndYearsRequired = KELVO_TRANSLATE_NOOP(
    "kelvo::valuation", "Interest Rate and Duration are Required Input Values.");
inline constexpr std::string_view kEarningsRequired =
    KELVO_TRANSLATE_NOOP("kelvo::valuation", "Enter a Value for the Average Earnings.");
// Earnings typed in full that no double can hold are not "no value".
inline constexpr std::string_view kEarningsTooLargeToRead =
    KELVO_TRANSLATE_NOOP("kelvo::valuation", "The Average Earnings are too large to read.");
// A power that overflows or is undefined leaves no future value to show; the
// estimate says so instead of dividing an earlier figure by the shares.
inline constexpr std::string_view kNoFiniteFutureValue = KELVO_TRANSLATE_NOOP(
    "kelvo::valuation", "The growth rate and number of years give no finite future value.");
// The growth factor is finite, so it is the earnings that carry it past the largest double.
inline constexpr std::string_view kEarningsTooLargeToEstimate = KELVO_TRANSLATE_NOOP(
    "kelvo::valuation", "The Average Earnings are too large to estimate with.");
// Without a share count there is no per-share value, which "$" would show as zero.
inline constexpr std::string_view kSharesRequired =
    KELVO_TRANSLATE_NOOP("kelvo::valuation", "Enter the Number of Shares Outstanding.");

struct EstimateResult {
  CalculatorFields fields;            // the texts after the estimate
  std::optional<std::string> message; // at most one message (information icon)
};

// "Estimate the Intrinsic Value".
EstimateResult estimateIntrinsicValue(const CalculatorFields &before);

// The calculator's "Clear": empties earnings, future value and shares.
CalculatorFields clearCalculator(const CalculatorFields &before);

} // namespace kelvo::valuation
