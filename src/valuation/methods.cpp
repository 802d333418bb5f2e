// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "valuation/methods.h"

#include <cmath>
#include <cstdint>

// Every method checks its inputs in the order the row's note names them and
// gives the first reason it meets; whatever it computes goes through
// Figure::of, so inf and NaN never leave this file as numbers.

namespace kelvo::valuation {
namespace {

constexpr int kMostYears = 100;

std::optional<double> plus(std::optional<double> a, double b) {
  return a ? std::optional<double>(*a + b) : std::nullopt;
}

// The first reason an input is missing, in the order given.
struct Need {
  const std::optional<double> &input;
  Reason reason;
};
Reason firstMissing(std::initializer_list<Need> needs) {
  for (const Need &n : needs)
    if (!n.input)
      return n.reason;
  return Reason::None;
}

std::string groupedDigits(std::uint64_t whole) {
  std::string digits = std::to_string(whole);
  std::string out;
  const std::size_t lead = digits.size() % 3;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i != 0 && (i + 3 - lead) % 3 == 0)
      out += ',';
    out += digits[i];
  }
  return out;
}

std::string twoDigits(std::uint64_t n) {
  return std::string(1, char('0' + n / 10)) + char('0' + n % 10);
}

} // namespace

Figure Figure::of(double v) {
  if (std::isnan(v))
    return missing(Reason::Undefined);
  if (!(std::fabs(v) <= kLargestShown))
    return missing(Reason::TooLarge);
  return {v == 0 ? 0.0 : v, Reason::None}; // no "-0"
}

std::optional<double> readWorkbenchInput(std::string_view text) {
  // A percentage may be typed with its sign: "4%" or "4 %".
  std::string_view t = text;
  while (!t.empty() && (t.back() == ' ' || t.back() == '\t'))
    t.remove_suffix(1);
  if (!t.empty() && t.back() == '%')
    t.remove_suffix(1);
  const std::optional<double> v = readAmount(t);
  if (!v || !std::isfinite(*v))
    return std::nullopt;
  return v;
}

Figure wizardEstimate(const WorkbenchInputs &in) {
  if (Reason r = firstMissing({{in.earnings, Reason::NeedsEarnings},
                               {in.growth, Reason::NeedsGrowthRate},
                               {in.years, Reason::NeedsYears},
                               {in.discount, Reason::NeedsDiscountRate}});
      r != Reason::None)
    return Figure::missing(r);
  // The calculator page compounds at the growth above the discount rate;
  // subtracting in percent keeps "14 - 10" an exact 4.
  const double base = 1 + (*in.growth - *in.discount) / 100;
  return Figure::of(*in.earnings * std::pow(base, *in.years));
}

Figure grahamFormula(const WorkbenchInputs &in) {
  if (Reason r = firstMissing({{in.earnings, Reason::NeedsEarnings},
                               {in.growth, Reason::NeedsGrowthRate},
                               {in.bondYield, Reason::NeedsPositiveBondYield}});
      r != Reason::None)
    return Figure::missing(r);
  if (!(*in.bondYield > 0))
    return Figure::missing(Reason::NeedsPositiveBondYield);
  return Figure::of(*in.earnings * (8.5 + 2 * *in.growth) * 4.4 / *in.bondYield);
}

Figure grahamNumber(const WorkbenchInputs &in) {
  if (!in.earnings)
    return Figure::missing(Reason::NeedsEarnings);
  if (!(*in.earnings > 0))
    return Figure::missing(Reason::NeedsPositiveEarnings);
  if (!in.bookValue || !(*in.bookValue > 0))
    return Figure::missing(Reason::NeedsPositiveBookValue);
  // Square roots apart, so that huge inputs cannot overflow the product.
  return Figure::of(std::sqrt(22.5) * std::sqrt(*in.earnings) * std::sqrt(*in.bookValue));
}

Figure discountedEarnings(const WorkbenchInputs &in) {
  if (Reason r = firstMissing({{in.earnings, Reason::NeedsEarnings},
                               {in.growth, Reason::NeedsGrowthRate},
                               {in.years, Reason::NeedsYears},
                               {in.discount, Reason::NeedsDiscountRate},
                               {in.growthAfter, Reason::NeedsGrowthAfter}});
      r != Reason::None)
    return Figure::missing(r);
  const double years = *in.years;
  if (!(years >= 1 && years <= kMostYears && years == std::floor(years)))
    return Figure::missing(Reason::NeedsWholeYears);
  const double g = *in.growth / 100, r = *in.discount / 100, t = *in.growthAfter / 100;
  if (!(1 + r > 0))
    return Figure::missing(Reason::NeedsDiscountAboveMinus100);
  if (!(r > t))
    return Figure::missing(Reason::NeedsDiscountAboveGrowthAfter);
  // E(1+g)^k/(1+r)^k as one ratio to the k-th power, so that neither power
  // overflows on its own.
  const double ratio = (1 + g) / (1 + r);
  double factor = 1, sum = 0;
  for (int k = 1; k <= int(years); ++k) {
    factor *= ratio;
    sum += *in.earnings * factor;
  }
  const double terminal = *in.earnings * factor * (1 + t) / (r - t);
  return Figure::of(sum + terminal);
}

Figure earningsPowerValue(const WorkbenchInputs &in) {
  if (Reason r = firstMissing(
          {{in.earnings, Reason::NeedsEarnings}, {in.discount, Reason::NeedsDiscountRate}});
      r != Reason::None)
    return Figure::missing(r);
  if (!(*in.discount > 0))
    return Figure::missing(Reason::NeedsPositiveDiscountRate);
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
  if (!(value.value > 0))
    return Figure::missing(Reason::NoPositiveValue);
  if (!in.price)
    return Figure::missing(Reason::NeedsPrice);
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
  if (!(value.value > 0))
    return Figure::missing(Reason::NoPositiveValue);
  if (!in.margin)
    return Figure::missing(Reason::NeedsMargin);
  if (!(*in.margin >= 0 && *in.margin <= 100))
    return Figure::missing(Reason::NeedsMarginFrom0To100);
  return Figure::of(value.value * (1 - *in.margin / 100));
}

SensitivityGrid sensitivityGrid(const WorkbenchInputs &in) {
  SensitivityGrid grid;
  const bool priced = in.price && *in.price > 0;
  for (int row = 0; row < kGridSize; ++row) {
    const double dr = row - kGridSize / 2;
    grid.discountRates[row] = plus(in.discount, dr);
    for (int col = 0; col < kGridSize; ++col) {
      const double dg = 2.0 * (col - kGridSize / 2);
      if (row == 0)
        grid.growthRates[col] = plus(in.growth, dg);
      WorkbenchInputs cell = in;
      cell.discount = grid.discountRates[row];
      cell.growth = plus(in.growth, dg);
      const Figure value = discountedEarnings(cell);
      grid.cells[row][col] = value;
      const Figure below = buyBelow(value, in);
      grid.bargain[row][col] = priced && below.ok() && *in.price <= below.value;
    }
  }
  return grid;
}

ChartSeries chartSeries(const WorkbenchInputs &in) {
  ChartSeries chart;
  if (in.price && *in.price > 0 && *in.price <= kLargestShown)
    chart.price = in.price;
  if (!in.growth || !std::isfinite(*in.growth))
    return chart;
  constexpr double kStep = 0.5;
  const double first = *in.growth - kStep * (kChartPoints / 2);
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

std::string formatMoney(double value) {
  if (!(std::fabs(value) <= kLargestShown))
    return {};
  const auto cents = static_cast<std::uint64_t>(std::round(std::fabs(value) * 100));
  std::string out = cents != 0 && value < 0 ? "-$" : "$";
  out += groupedDigits(cents / 100);
  out += '.';
  out += twoDigits(cents % 100);
  return out;
}

std::string formatPercent(double fraction) {
  if (!(std::fabs(fraction) <= kLargestShown / 100))
    return {};
  const auto tenths = static_cast<std::uint64_t>(std::round(std::fabs(fraction) * 1000));
  std::string out = tenths != 0 && fraction < 0 ? "-" : "";
  out += groupedDigits(tenths / 10);
  out += '.';
  out += char('0' + tenths % 10);
  out += '%';
  return out;
}

} // namespace kelvo::valuation
