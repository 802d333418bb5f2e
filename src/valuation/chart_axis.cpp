// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "valuation/chart_axis.h"

#include <algorithm>
#include <cmath>

namespace kelvo::valuation {
namespace {

// Multiples within a millionth of a step of an end count as on it, so that
// 0.3 / 0.1 = 2.9999999999999996 still puts a tick at 0.3.
constexpr double kOnTheEnd = 1e-6;
// Steps finer than this share of the numbers' size would no longer move
// them by whole steps (a double holds about 16 digits).
constexpr double kFinestShare = 1e-12;
// 1 -> 2 -> 5 -> 10: a handful of tries carries any first guess past the
// step that fits, or shows that none does.
constexpr int kMostTries = 16;

// The smallest of 1, 2 and 5 times a power of ten that is at least `least`.
double roundStepAtLeast(double least) {
  const double magnitude = std::pow(10.0, std::floor(std::log10(least)));
  for (double m : {1.0, 2.0, 5.0})
    if (m * magnitude >= least * (1 - kOnTheEnd))
      return m * magnitude;
  return 10 * magnitude;
}

double nextRoundStep(double step) {
  const double magnitude = std::pow(10.0, std::floor(std::log10(step) + kOnTheEnd));
  const double lead = step / magnitude;
  return (lead < 1.5 ? 2 : lead < 3.5 ? 5 : 10) * magnitude;
}

enum class Fit { Within, Around };

AxisTicks ticks(double low, double high, int most, double finest, Fit fit) {
  if (!(std::isfinite(low) && std::isfinite(high) && low <= high && most >= 1 && finest > 0 &&
        std::isfinite(finest)))
    return {};
  // Halves first, so that the span of the largest doubles stays finite.
  const double spanPerTick = (high / 2 - low / 2) / most * 2;
  const double size = std::max(std::fabs(low), std::fabs(high));
  double step = roundStepAtLeast(std::max({finest, size * kFinestShare, spanPerTick}));
  for (int tries = 0; tries < kMostTries && std::isfinite(step);
       ++tries, step = nextRoundStep(step)) {
    const double firstMultiple =
        fit == Fit::Within ? std::ceil(low / step - kOnTheEnd) : std::floor(low / step + kOnTheEnd);
    const double lastMultiple = fit == Fit::Within ? std::floor(high / step + kOnTheEnd)
                                                   : std::ceil(high / step - kOnTheEnd);
    // Compared as doubles: the count of a step too fine for the range may be
    // far beyond an int.
    const double count = lastMultiple - firstMultiple + 1;
    if (count > most)
      continue;
    // Framing the largest doubles would need a tick beyond them.
    if (!std::isfinite(firstMultiple * step) || !std::isfinite(lastMultiple * step))
      return {};
    return {firstMultiple, step, std::max(0, static_cast<int>(count))};
  }
  return {};
}

} // namespace

int AxisTicks::decimals() const {
  if (!(step > 0 && std::isfinite(step)))
    return 0;
  return std::max(0, static_cast<int>(std::ceil(-std::log10(step) - kOnTheEnd)));
}

AxisTicks ticksWithin(double low, double high, int most, double finest) {
  return ticks(low, high, most, finest, Fit::Within);
}

AxisTicks ticksAround(double low, double high, int most, double finest) {
  return ticks(low, high, most, finest, Fit::Around);
}

} // namespace kelvo::valuation
