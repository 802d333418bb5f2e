// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "directory/row_picker.h"

#include "directory/company_directory.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace kelvo::directory {

void RowPicker::reseedFromClock() {
  engine_.seed(std::uint64_t(std::chrono::system_clock::now().time_since_epoch().count()));
}

float RowPicker::next() {
  return float(engine_() >> 40) * (1.0f / 16777216.0f); // 24 bits / 2^24
}

// The products are taken in single precision, as the picks are defined;
// the clamps keep the index inside its range whatever the rounding.
int RowPicker::anyRowFor(float r) {
  const float scaled = r * float(kDirectoryRows);
  return std::clamp(int(std::floor(scaled)), 0, kDirectoryRows - 1);
}

int RowPicker::backgroundRowFor(float r) {
  const float scaled = r * float(kBackgroundPickLastRow) + 1.0f;
  return std::clamp(int(std::floor(scaled)), 1, kBackgroundPickLastRow);
}

int RowPicker::pickAnyRow() { return anyRowFor(next()); }
int RowPicker::pickBackgroundRow() { return backgroundRowFor(next()); }

} // namespace kelvo::directory
