// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "valuation/methods.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iterator>

// Every method checks its inputs in the order the row's note names them and
// gives the first reason it meets; whatever it computes goes through
// Figure::of, so inf and NaN never leave this file as numbers.

namespace kelvo::valuation {
namespace {

bool positive(double v) { return v > 0; }
bool growthInRange(double v) { return v >= kLowestGrowth && v <= kHighestRate; }
bool discountInRange(double v) { return v >= 0 && v <= kHighestRate; }
bool yearsInRange(double v) { return v >= 0 && v <= kMostYears; }
bool wholeYears(double v) { return v >= 1 && v <= kMostYears && v == std::floor(v); }

// One input a method needs: the reason when its box is empty, and what its
// number must be, with the reason when it is not.
struct Need {
  const std::optional<double> &input;
  Box box;
  Reason whenEmpty;
  bool (*valid)(double) = nullptr;
  Reason whenInvalid = Reason::None;
};

// The first reason the inputs give, in the order given: every box first
// (a refused text says why it was refused), then every number.
Reason firstProblem(const WorkbenchInputs &in, std::initializer_list<Need> needs) {
  for (const Need &n : needs)
    if (!n.input) {
      const Reason refused = in.refused[static_cast<std::size_t>(n.box)];
      return refused != Reason::None ? refused : n.whenEmpty;
    }
  for (const Need &n : needs)
    if (n.valid && !n.valid(*n.input))
      return n.whenInvalid;
  return Reason::None;
}

// A box that is empty, or refused, as its reason.
Reason missing(const WorkbenchInputs &in, Box box, Reason whenEmpty) {
  const Reason refused = in.refused[static_cast<std::size_t>(box)];
  return refused != Reason::None ? refused : whenEmpty;
}

// Shown as "$0.00" or "-$...": nothing to measure a margin against.
bool noPositiveValue(double value) { return !(std::round(value * 100) > 0); }

// Grid rates `step` apart around `own` (kGridSize of them, `own` in the
// middle where the bounds allow): moved up by whole steps until each is at
// least `lowest` and above `above`, then down while the highest exceeds
// `highest`, as far as the lower bounds allow. None when `own` is out of
// its bounds.
std::array<std::optional<double>, kGridSize> gridRates(std::optional<double> own, double step,
                                                       double lowest, std::optional<double> above,
                                                       double highest) {
  std::array<std::optional<double>, kGridSize> rates{};
  if (!own || !(*own >= lowest && *own <= highest))
    return rates;
  double lowestValid = std::ceil((lowest - *own) / step);
  if (above && std::isfinite(*above)) {
    double aboveIt = std::floor((*above - *own) / step) + 1;
    if (*own + aboveIt * step <= *above) // a quotient rounded down by a hair
      ++aboveIt;
    lowestValid = std::max(lowestValid, aboveIt);
  }
  constexpr int kBelowOwn = kGridSize / 2;
  double first = std::max<double>(-kBelowOwn, lowestValid);
  const double highestValid = std::floor((highest - *own) / step);
  if (first + (kGridSize - 1) > highestValid)
    first = std::max(highestValid - (kGridSize - 1), lowestValid);
  for (int i = 0; i < kGridSize; ++i)
    rates[i] = *own + (first + i) * step;
  return rates;
}

// magnitude x 10^shift in `decimals` places: the whole part grouped, then
// the decimals. One multiplication, so that 0.125 is 12.5 cents exactly.
std::string fixedDigits(double magnitude, int shift, int decimals) {
  std::uint64_t scale = 1;
  for (int i = 0; i < decimals; ++i)
    scale *= 10;
  const double factor = std::pow(10.0, shift) * double(scale);
  const auto units = static_cast<std::uint64_t>(std::round(magnitude * factor));
  std::string out = groupThousands(std::to_string(units / scale));
  if (decimals > 0) {
    std::string fraction = std::to_string(units % scale);
    out += '.' + std::string(std::size_t(decimals) - fraction.size(), '0') + fraction;
  }
  return out;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Whether every comma stands between groups of three digits of the whole
// part, one to three digits before the first: "1,250.50", "(1,000)".
bool commasGroupThousands(std::string_view t) {
  const std::size_t comma = t.find(',');
  if (comma == std::string_view::npos)
    return true;
  std::size_t lead = comma;
  while (lead > 0 && isDigit(t[lead - 1]))
    --lead;
  if (comma - lead < 1 || comma - lead > 3 || (lead > 0 && t[lead - 1] == '.'))
    return false;
  std::size_t i = comma;
  while (i < t.size() && t[i] == ',') {
    std::size_t end = i + 1;
    while (end < t.size() && isDigit(t[end]))
      ++end;
    if (end - i - 1 != 3)
      return false;
    i = end;
  }
  return t.find(',', i) == std::string_view::npos;
}

} // namespace

Figure Figure::of(double v) {
  if (std::isnan(v))
    return missing(Reason::Undefined);
  if (!(std::fabs(v) <= kLargestShown))
    return missing(Reason::TooLarge);
  return {v == 0 ? 0.0 : v, Reason::None}; // no "-0"
}

std::optional<double> readWorkbenchInput(std::string_view text, Reason *refused) {
  if (refused)
    *refused = Reason::None;
  // A percentage may be typed with its sign: "4%" or "4 %".
  std::string_view t = text;
  while (!t.empty() && (t.back() == ' ' || t.back() == '\t'))
    t.remove_suffix(1);
  if (!t.empty() && t.back() == '%')
    t.remove_suffix(1);
  // The calculator page reads "3,20" as 320 by its amount rule; here, where
  // decimals matter, a comma anywhere but between thousands is refused.
  if (!commasGroupThousands(t)) {
    if (refused)
      *refused = Reason::CommaForDecimals;
    return std::nullopt;
  }
  const std::optional<double> v = readAmount(t);
  if (!v || !std::isfinite(*v))
    return std::nullopt;
  return v;
}

WorkbenchInputs readWorkbenchInputs(const std::array<std::string_view, kInputCount> &texts) {
  WorkbenchInputs in;
  std::optional<double> *boxes[] = {&in.earnings,  &in.growth,      &in.years,
                                    &in.discount,  &in.growthAfter, &in.bookValue,
                                    &in.bondYield, &in.price,       &in.margin};
  static_assert(std::size(boxes) == kInputCount);
  for (std::size_t i = 0; i < texts.size(); ++i)
    *boxes[i] = readWorkbenchInput(texts[i], &in.refused[i]);
  return in;
}

Figure wizardEstimate(const WorkbenchInputs &in) {
  // The calculator page's formula, losses too.
  if (Reason r = firstProblem(
          in, {{in.earnings, Box::Earnings, Reason::NeedsEarnings},
               {in.growth, Box::Growth, Reason::NeedsGrowthRate, growthInRange,
                Reason::NeedsGrowthInRange},
               {in.years, Box::Years, Reason::NeedsYears, yearsInRange, Reason::NeedsYearsInRange},
               {in.discount, Box::Discount, Reason::NeedsDiscountRate, discountInRange,
                Reason::NeedsDiscountInRange}});
      r != Reason::None)
    return Figure::missing(r);
  // The calculator page compounds at the growth above the discount rate;
  // subtracting in percent keeps "14 - 10" an exact 4.
  const double base = 1 + (*in.growth - *in.discount) / 100;
  return Figure::of(*in.earnings * std::pow(base, *in.years));
}

Figure grahamFormula(const WorkbenchInputs &in) {
  if (Reason r = firstProblem(in, {{in.earnings, Box::Earnings, Reason::NeedsEarnings, positive,
                                    Reason::NeedsPositiveEarnings},
                                   {in.growth, Box::Growth, Reason::NeedsGrowthRate, growthInRange,
                                    Reason::NeedsGrowthInRange},
                                   {in.bondYield, Box::BondYield, Reason::NeedsPositiveBondYield,
                                    positive, Reason::NeedsPositiveBondYield}});
      r != Reason::None)
    return Figure::missing(r);
  return Figure::of(*in.earnings * (8.5 + 2 * *in.growth) * 4.4 / *in.bondYield);
}

Figure grahamNumber(const WorkbenchInputs &in) {
  if (Reason r = firstProblem(in, {{in.earnings, Box::Earnings, Reason::NeedsEarnings, positive,
                                    Reason::NeedsPositiveEarnings},
                                   {in.bookValue, Box::BookValue, Reason::NeedsPositiveBookValue,
                                    positive, Reason::NeedsPositiveBookValue}});
      r != Reason::None)
    return Figure::missing(r);
  // Square roots apart, so that huge inputs cannot overflow the product.
  return Figure::of(std::sqrt(22.5) * std::sqrt(*in.earnings) * std::sqrt(*in.bookValue));
}

Figure discountedEarnings(const WorkbenchInputs &in) {
  if (Reason r = firstProblem(
          in, {{in.earnings, Box::Earnings, Reason::NeedsEarnings, positive,
                Reason::NeedsPositiveEarnings},
               {in.growth, Box::Growth, Reason::NeedsGrowthRate, growthInRange,
                Reason::NeedsGrowthInRange},
               {in.years, Box::Years, Reason::NeedsYears, wholeYears, Reason::NeedsWholeYears},
               {in.discount, Box::Discount, Reason::NeedsDiscountRate, discountInRange,
                Reason::NeedsDiscountInRange},
               {in.growthAfter, Box::GrowthAfter, Reason::NeedsGrowthAfter, growthInRange,
                Reason::NeedsGrowthAfterInRange}});
      r != Reason::None)
    return Figure::missing(r);
  const double g = *in.growth / 100, r = *in.discount / 100, t = *in.growthAfter / 100;
  if (!(r > t))
    return Figure::missing(Reason::NeedsDiscountAboveGrowthAfter);
  // E(1+g)^k/(1+r)^k as one ratio to the k-th power, so that neither power
  // overflows on its own.
  const double ratio = (1 + g) / (1 + r);
  double factor = 1, sum = 0;
  for (int k = 1; k <= int(*in.years); ++k) {
    factor *= ratio;
    sum += *in.earnings * factor;
  }
  const double terminal = *in.earnings * factor * (1 + t) / (r - t);
  return Figure::of(sum + terminal);
}

Figure earningsPowerValue(const WorkbenchInputs &in) {
  if (Reason r = firstProblem(in, {{in.earnings, Box::Earnings, Reason::NeedsEarnings, positive,
                                    Reason::NeedsPositiveEarnings},
                                   {in.discount, Box::Discount, Reason::NeedsDiscountRate,
                                    discountInRange, Reason::NeedsDiscountInRange},
                                   {in.discount, Box::Discount, Reason::NeedsDiscountRate, positive,
                                    Reason::NeedsPositiveDiscountRate}});
      r != Reason::None)
    return Figure::missing(r);
  return Figure::of(*in.earnings / (*in.discount / 100));
}

Figure methodValue(Method method, const WorkbenchInputs &in) {
  switch (method) {
  case Method::WizardEstimate:
    return wizardEstimate(in);
  case Method::GrahamFormula:
    return grahamFormula(in);
  case Method::GrahamNumber:
    return grahamNumber(in);
  case Method::DiscountedEarnings:
    return discountedEarnings(in);
  case Method::EarningsPower:
    return earningsPowerValue(in);
  }
  return Figure::missing(Reason::Undefined);
}

Figure marginOfSafety(const Figure &value, const WorkbenchInputs &in) {
  if (!value.ok())
    return value;
  if (noPositiveValue(value.value))
    return Figure::missing(Reason::NoPositiveValue);
  if (!in.price)
    return Figure::missing(missing(in, Box::Price, Reason::NeedsPrice));
  if (!(*in.price > 0))
    return Figure::missing(Reason::NeedsPositivePrice);
  const double fraction = (value.value - *in.price) / value.value;
  // Shown in percent, so the limit applies to a hundred times the fraction.
  if (!(std::fabs(fraction) <= kLargestShown / 100))
    return Figure::missing(Reason::TooLarge);
  return Figure::of(fraction);
}

Figure buyBelow(const Figure &value, const WorkbenchInputs &in) {
  if (!value.ok())
    return value;
  if (noPositiveValue(value.value))
    return Figure::missing(Reason::NoPositiveValue);
  if (!in.margin)
    return Figure::missing(missing(in, Box::Margin, Reason::NeedsMargin));
  if (!(*in.margin >= 0 && *in.margin <= 100))
    return Figure::missing(Reason::NeedsMarginFrom0To100);
  return Figure::of(value.value * (1 - *in.margin / 100));
}

SensitivityGrid sensitivityGrid(const WorkbenchInputs &in) {
  SensitivityGrid grid;
  const bool priced = in.price && *in.price > 0;
  grid.discountRates = gridRates(in.discount, 1, 0, in.growthAfter, kHighestRate);
  grid.growthRates = gridRates(in.growth, 2, kLowestGrowth, std::nullopt, kHighestRate);
  for (int row = 0; row < kGridSize; ++row)
    for (int col = 0; col < kGridSize; ++col) {
      WorkbenchInputs cell = in;
      // A rate out of its range stays, so that the cells give its reason.
      if (grid.discountRates[row])
        cell.discount = grid.discountRates[row];
      if (grid.growthRates[col])
        cell.growth = grid.growthRates[col];
      const Figure value = discountedEarnings(cell);
      grid.cells[row][col] = value;
      const Figure below = buyBelow(value, in);
      grid.bargain[row][col] = priced && below.ok() && *in.price <= below.value;
    }
  return grid;
}

ChartSeries chartSeries(const WorkbenchInputs &in) {
  ChartSeries chart;
  if (in.price && *in.price > 0 && *in.price <= kLargestShown)
    chart.price = in.price;
  if (!in.growth) {
    chart.reason = missing(in, Box::Growth, Reason::NeedsGrowthRate);
    return chart;
  }
  if (!growthInRange(*in.growth)) {
    chart.reason = Reason::NeedsGrowthInRange;
    return chart;
  }
  constexpr double kStep = 0.5;
  constexpr int kMiddle = kChartPoints / 2; // the point at the growth rate itself
  const double first = *in.growth - kStep * kMiddle;
  chart.growthRates.reserve(kChartPoints);
  for (auto &series : chart.values)
    series.reserve(kChartPoints);
  for (int i = 0; i < kChartPoints; ++i) {
    const double g = first + kStep * i;
    chart.growthRates.push_back(g);
    WorkbenchInputs at = in;
    at.growth = g;
    for (int m = 0; m < kMethodCount; ++m) {
      const Figure v = methodValue(kMethods[m], at);
      chart.values[m].push_back(v.ok() ? std::optional<double>(v.value) : std::nullopt);
    }
  }
  return chart;
}

CalculatorInputs inputsFromCalculator(const CalculatorFields &page,
                                      std::optional<double> discountRate) {
  CalculatorInputs out;
  const std::optional<double> earnings = readAmount(page.earnings);
  const std::optional<double> shares = readAmount(page.shares);
  if (earnings && shares && *shares != 0) {
    if (const double perShare = *earnings / *shares; std::isfinite(perShare))
      out.earnings = perShare;
  }
  if (const double years = readLeadingNumber(page.years); std::isfinite(years))
    out.years = years;
  const double aboveDiscount = readLeadingNumber(page.rate);
  if (discountRate && std::isfinite(aboveDiscount) && std::isfinite(aboveDiscount + *discountRate))
    out.growth = aboveDiscount + *discountRate;
  return out;
}

std::string formatMoney(double value, int decimals) {
  if (!(std::fabs(value) <= kLargestShown))
    return {};
  decimals = std::clamp(decimals, 0, 2);
  const std::string digits = fixedDigits(std::fabs(value), 0, decimals);
  const bool shownAsZero = digits.find_first_not_of("0.,") == std::string::npos;
  return (value < 0 && !shownAsZero ? "-$" : "$") + digits;
}

std::string formatPercent(double fraction, int decimals) {
  if (!(std::fabs(fraction) <= kLargestShown / 100))
    return {};
  decimals = std::clamp(decimals, 0, 2);
  const std::string digits = fixedDigits(std::fabs(fraction), 2, decimals);
  const bool shownAsZero = digits.find_first_not_of("0.,") == std::string::npos;
  return (fraction < 0 && !shownAsZero ? "-" : "") + digits + '%';
}

} // namespace kelvo::valuation
