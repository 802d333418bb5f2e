// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Hostile numbers through every method of the workbench: NaN, infinities,
// huge, tiny, negative and zero inputs, empty boxes. No crash, no undefined
// behaviour, and every figure that claims to be computed is finite, within
// what can be shown, and shown without "inf" or "nan". The grid's rates stay
// where discounting is defined, and the chart's ticks along both axes are
// finite, rising and never more than asked for.
#include "valuation/chart_axis.h"
#include "valuation/methods.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

using namespace kelvo::valuation;

namespace {

void require(bool ok) {
  if (!ok)
    std::abort();
}

bool clean(const std::string &s) {
  for (char c : s)
    if (c == 'i' || c == 'n' || c == 'a' || c == 'I' || c == 'N' || c == 'A')
      return false;
  return true;
}

void checkMoney(const Figure &f) {
  if (!f.ok())
    return;
  require(std::isfinite(f.value) && std::fabs(f.value) <= kLargestShown);
  const std::string text = formatMoney(f.value);
  require(!text.empty() && clean(text));
}

// Ticks along an axis, for every number of ticks a chart may ask for.
void checkTicks(double low, double high, double finest) {
  for (int most = 0; most <= 30; ++most)
    for (const AxisTicks &t :
         {ticksWithin(low, high, most, finest), ticksAround(low, high, most, finest)}) {
      require(t.count >= 0 && t.count <= most);
      for (int i = 0; i < t.count; ++i)
        require(std::isfinite(t.at(i)) && (i == 0 || t.at(i) > t.at(i - 1)));
      const std::string label = formatPercent(t.count > 0 ? t.at(0) / 100 : 0, t.decimals());
      require(clean(label));
    }
}

// One byte picks a hostile class; the class may take eight more bytes.
std::optional<double> nextInput(const std::uint8_t *&data, std::size_t &size) {
  constexpr double kInf = std::numeric_limits<double>::infinity();
  static const double kHostile[] = {std::numeric_limits<double>::quiet_NaN(),
                                    kInf,
                                    -kInf,
                                    0.0,
                                    -0.0,
                                    1e308,
                                    -1e308,
                                    std::numeric_limits<double>::denorm_min(),
                                    kLargestShown,
                                    -kLargestShown,
                                    1.0,
                                    -1.0,
                                    2.5,
                                    10.0,
                                    100.0,
                                    -100.0,
                                    101.0,
                                    1e-300};
  constexpr std::size_t kClasses = sizeof kHostile / sizeof kHostile[0];
  if (size == 0)
    return std::nullopt;
  const std::uint8_t pick = *data++;
  --size;
  if (pick == 0xFF)
    return std::nullopt; // an empty box
  if (pick >= 0x80 && size >= sizeof(double)) {
    double v;
    std::memcpy(&v, data, sizeof v);
    data += sizeof v;
    size -= sizeof v;
    return v;
  }
  if (pick >= 0x40)
    return double(int(pick) - 0x60); // small whole numbers, -32..31
  return kHostile[pick % kClasses];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  WorkbenchInputs in;
  for (std::optional<double> *box :
       {&in.earnings, &in.growth, &in.years, &in.discount, &in.growthAfter, &in.bookValue,
        &in.bondYield, &in.price, &in.margin})
    *box = nextInput(data, size);

  for (Method m : kMethods) {
    const Figure value = methodValue(m, in);
    checkMoney(value);
    const Figure margin = marginOfSafety(value, in);
    if (margin.ok()) {
      require(value.ok() && value.value > 0);
      const std::string text = formatPercent(margin.value);
      require(!text.empty() && clean(text));
    }
    const Figure below = buyBelow(value, in);
    checkMoney(below);
    if (below.ok())
      require(below.value <= value.value);
  }

  const SensitivityGrid grid = sensitivityGrid(in);
  const Figure own = discountedEarnings(in);
  for (int r = 0; r < kGridSize; ++r)
    for (int c = 0; c < kGridSize; ++c) {
      checkMoney(grid.cells[r][c]);
      // The user's own rates, where the grid shows them, give the method's value.
      if (grid.discountRates[r] == in.discount && grid.growthRates[c] == in.growth) {
        require(grid.cells[r][c].reason == own.reason);
        require(!own.ok() || grid.cells[r][c].value == own.value);
      }
    }
  for (const std::optional<double> &rate : grid.discountRates)
    require(!rate || (*rate >= 0 && std::isfinite(*rate) &&
                      (!in.growthAfter || !std::isfinite(*in.growthAfter) ||
                       *rate > *in.growthAfter || !(*in.growthAfter < kHighestRate))));
  for (const std::optional<double> &rate : grid.growthRates)
    require(!rate || (*rate >= kLowestGrowth && *rate <= kHighestRate));

  const ChartSeries chart = chartSeries(in);
  for (const auto &series : chart.values)
    for (const std::optional<double> &v : series)
      require(!v || (std::isfinite(*v) && std::fabs(*v) <= kLargestShown));
  for (double g : chart.growthRates)
    require(std::isfinite(g));
  require(!chart.price || std::isfinite(*chart.price));
  if (!chart.growthRates.empty()) {
    checkTicks(chart.growthRates.front(), chart.growthRates.back(), 0.1);
    double low = INFINITY, high = -INFINITY;
    for (const auto &series : chart.values)
      for (const std::optional<double> &v : series)
        if (v) {
          low = std::min(low, *v);
          high = std::max(high, *v);
        }
    checkTicks(low, high, 0.01);
  }
  // Any two numbers as an axis's ends.
  checkTicks(in.earnings.value_or(0), in.growth.value_or(0), 0.01);

  // The calculator page's fields as text from whatever bytes are left.
  const std::string rest(reinterpret_cast<const char *>(data), size);
  const CalculatorInputs taken =
      inputsFromCalculator({rest, rest, rest, "", rest, ""}, in.discount);
  for (const std::optional<double> &v : {taken.earnings, taken.growth, taken.years})
    require(!v || std::isfinite(*v));
  Reason refused = Reason::None;
  const std::optional<double> read = readWorkbenchInput(rest, &refused);
  require(!(read && refused != Reason::None));
  const WorkbenchInputs typed =
      readWorkbenchInputs({rest, rest, rest, rest, rest, rest, rest, rest, rest});
  for (Method m : kMethods)
    checkMoney(methodValue(m, typed));
  return 0;
}
