// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The program's one pseudo-random generator and the two random row picks.

#include <cstdint>
#include <random>

namespace kelvo::directory {

// The background double-click picks among rows 1 to this one only: row 0 and
// the rows after it are never picked that way, though the directory has more.
inline constexpr int kBackgroundPickLastRow = 1600;

class RowPicker {
public:
  explicit RowPicker(std::uint64_t seed = 0x4b656c766fULL) : engine_(seed) {}

  void reseed(std::uint64_t seed) { engine_.seed(seed); }
  void reseedFromClock();

  // A single-precision value uniform in [0, 1): 24 random bits, so it can
  // never round up to 1.
  float next();

  // "R": floor(r x 1681), any row of the directory.
  int pickAnyRow();
  // The background double-click: floor(r x 1600 + 1), rows 1 to
  // kBackgroundPickLastRow.
  int pickBackgroundRow();

  static int anyRowFor(float r);
  static int backgroundRowFor(float r);

private:
  std::mt19937_64 engine_;
};

} // namespace kelvo::directory
