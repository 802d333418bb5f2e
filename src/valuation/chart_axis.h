// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Round ticks along a chart's axis. The ticks are counted with an integer and
// their step is never finer than the numbers can tell apart, so that no range
// (growth rates near 1e17, where adding 10 changes nothing) can keep a loop
// going or give more ticks than asked for. No Qt here.

namespace kelvo::valuation {

struct AxisTicks {
  double firstMultiple = 0; // the first tick is this many steps from 0
  double step = 0;
  int count = 0; // never more than was asked for
  double at(int i) const { return (firstMultiple + i) * step; }
  double last() const { return at(count - 1); }
  // Decimals a label needs to tell two ticks apart.
  int decimals() const;
};

// Ticks at multiples of the roundest step (1, 2 or 5 times a power of ten,
// no finer than `finest`) that gives at most `most` of them: those from low
// to high, or those that frame low and high between them. No ticks for a
// reversed or not finite range, or when none fit.
AxisTicks ticksWithin(double low, double high, int most, double finest);
AxisTicks ticksAround(double low, double high, int most, double finest);

} // namespace kelvo::valuation
