// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Valuation Workbench's methods as pure functions: five values per share,
// margin of safety and buy-below price, the sensitivity grid and the chart's
// series. A value that cannot be computed carries the reason as a value; the
// window turns it into words. Nothing here knows about Qt.

#include "valuation/valuation.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace kelvo::valuation {

enum class Reason;

// The input boxes, top to bottom.
enum class Box {
  Earnings,
  Growth,
  Years,
  Discount,
  GrowthAfter,
  BookValue,
  BondYield,
  Price,
  Margin
};
inline constexpr int kInputCount = 9;

// The workbench's inputs as read from their boxes; empty when a box is empty
// or cannot be read. Rates are in percent as typed (4 means 4% a year).
struct WorkbenchInputs {
  std::optional<double> earnings;    // E, earnings per share in dollars
  std::optional<double> growth;      // g, % a year
  std::optional<double> years;       // n
  std::optional<double> discount;    // r, % a year
  std::optional<double> growthAfter; // t, % a year after the n years
  std::optional<double> bookValue;   // B, book value per share in dollars
  std::optional<double> bondYield;   // Y, AAA bond yield in %
  std::optional<double> price;       // P, current price in dollars
  std::optional<double> margin;      // m, margin of safety in %
  // Why a box that is not empty gave no number, by Box; a method that needs
  // that box gives this reason rather than asking for the number.
  std::array<Reason, kInputCount> refused{};
};

// An input box's text: the amount rule, with a "%" after the number allowed,
// and a comma only between groups of three digits ("1,250.50"): "3,20" is
// refused, with the reason in `refused`, rather than read as 320.
std::optional<double> readWorkbenchInput(std::string_view text, Reason *refused = nullptr);
// Every box's text, in Box order.
WorkbenchInputs readWorkbenchInputs(const std::array<std::string_view, kInputCount> &texts);

enum class Method {
  WizardEstimate,
  GrahamFormula,
  GrahamNumber,
  DiscountedEarnings,
  EarningsPower
};
inline constexpr int kMethodCount = 5;
inline constexpr std::array<Method, kMethodCount> kMethods = {
    Method::WizardEstimate, Method::GrahamFormula, Method::GrahamNumber, Method::DiscountedEarnings,
    Method::EarningsPower};

// Why a figure cannot be shown.
enum class Reason {
  None,
  CommaForDecimals, // "3,20": a comma that does not group thousands
  NeedsEarnings,
  NeedsPositiveEarnings,
  NeedsGrowthRate,
  NeedsGrowthInRange, // kLowestGrowth to kHighestRate
  NeedsYears,
  NeedsYearsInRange, // 0 to kMostYears
  NeedsWholeYears,   // 1 to kMostYears
  NeedsDiscountRate,
  NeedsDiscountInRange, // 0 to kHighestRate
  NeedsPositiveDiscountRate,
  NeedsGrowthAfter,
  NeedsGrowthAfterInRange, // kLowestGrowth to kHighestRate
  NeedsDiscountAboveGrowthAfter,
  NeedsPositiveBookValue,
  NeedsPositiveBondYield,
  NeedsPrice, // shown as an empty box
  NeedsPositivePrice,
  NeedsMargin,
  NeedsMarginFrom0To100,
  NoPositiveValue, // the value shows as $0.00 or less
  Undefined,       // e.g. a negative base raised to a fractional power
  TooLarge,
};

// What a valuation can need: no business grows or is discounted at more than
// 1,000% a year, earnings cannot shrink by more than all of them, and a
// century of growth is the longest horizon.
inline constexpr double kLowestGrowth = -100;
inline constexpr double kHighestRate = 1000;
inline constexpr double kMostYears = 100;

// A figure or the reason there is none.
struct Figure {
  double value = 0;
  Reason reason = Reason::None;
  bool ok() const { return reason == Reason::None; }
  static Figure of(double v);
  static Figure missing(Reason r) { return {0, r}; }
};

// Figures beyond this many dollars (or percent) are "too large to show":
// their cents would no longer be exact in a double.
inline constexpr double kLargestShown = 1e13;

Figure wizardEstimate(const WorkbenchInputs &in);     // E(1+g-r)^n, the page's formula
Figure grahamFormula(const WorkbenchInputs &in);      // E(8.5+2g)4.4/Y
Figure grahamNumber(const WorkbenchInputs &in);       // sqrt(22.5 E B)
Figure discountedEarnings(const WorkbenchInputs &in); // n years at g, then t for ever, at r
Figure earningsPowerValue(const WorkbenchInputs &in); // E/r
Figure methodValue(Method method, const WorkbenchInputs &in);

// (V-P)/V as a fraction; NeedsPrice without a price. A value of $0.00 or
// less has none (NoPositiveValue).
Figure marginOfSafety(const Figure &value, const WorkbenchInputs &in);
// V(1-m).
Figure buyBelow(const Figure &value, const WorkbenchInputs &in);

// Discount rates r-2..r+2 (rows) by growth rates g-4..g+4 (columns), each
// cell the discounted-earnings value. The rates stay where the method is
// defined, moved by whole steps where they must: discount rates never
// negative and above the growth after that, growth rates in range. The
// user's own rates stay in the grid where they are valid; a rate out of its
// range leaves its headers empty.
inline constexpr int kGridSize = 5;
struct SensitivityGrid {
  std::array<std::optional<double>, kGridSize> discountRates; // row headers, %
  std::array<std::optional<double>, kGridSize> growthRates;   // column headers, %
  std::array<std::array<Figure, kGridSize>, kGridSize> cells; // [row][column]
  // Cells where the price is at or below the buy-below price of that value.
  std::array<std::array<bool, kGridSize>, kGridSize> bargain{};
};
SensitivityGrid sensitivityGrid(const WorkbenchInputs &in);

// Each method's value per share over growth rates g-10..g+10 points (every
// method is drawn, also those that do not depend on g), and the price.
inline constexpr int kChartPoints = 41;
struct ChartSeries {
  std::vector<double> growthRates; // x, %; empty without a valid growth rate
  std::array<std::vector<std::optional<double>>, kMethodCount> values;
  std::optional<double> price;
  Reason reason{}; // why there are no growth rates
};
ChartSeries chartSeries(const WorkbenchInputs &in);

// What the workbench takes from the calculator page: earnings per share by
// the amount rule (empty when unreadable or the shares are 0), years by the
// leading-number rule, growth = the page's growth above discount + r.
struct CalculatorInputs {
  std::optional<double> earnings;
  std::optional<double> growth;
  std::optional<double> years;
};
CalculatorInputs inputsFromCalculator(const CalculatorFields &page,
                                      std::optional<double> discountRate);

// "$1,234.56", "-$1,234.56", in US notation whatever the locale; empty for a
// value that is not finite or beyond kLargestShown. `decimals` (0 to 2) for
// a chart's axis.
std::string formatMoney(double value, int decimals = 2);
// A fraction as a percentage with one decimal: 0.356 gives "35.6%";
// `decimals` from 0 to 2.
std::string formatPercent(double fraction, int decimals = 1);

} // namespace kelvo::valuation
