// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Arbitrary text through the calculator's number rules, dollar format and
// estimate: no crash, no undefined behaviour, and every dollar text the
// program writes reads back as the whole-dollar value it stands for.
#include "valuation/valuation.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

using namespace kelvo::valuation;

namespace {

void require(bool ok) {
  if (!ok)
    std::abort();
}

// What a finite value turns into on screen must be readable again: the
// estimate formats its own per-share text, and a later press reads the
// earnings it wrote.
void checkValue(double v) {
  if (!std::isfinite(v))
    return;
  const double rounded = std::round(v);
  const std::string dollars = formatDollars(v);
  if (std::fabs(rounded) >= 1) {
    const std::optional<double> back = readAmount(dollars);
    require(back && *back == rounded);
  } else {
    require(dollars == "$");
  }
  const std::string plain = plainNumberText(v);
  const std::optional<double> plainBack = readAmount(plain);
  require(plainBack && *plainBack == readLeadingNumber(plain));
}

bool hasNonFinite(std::string_view s) {
  for (std::string_view bad : {"inf", "nan", "INF", "NAN"})
    if (s.find(bad) != std::string_view::npos)
      return true;
  return false;
}

// A field the estimate rewrote never shows inf or NaN.
void checkRewritten(const std::string &before, const std::string &after) {
  if (before != after)
    require(!hasNonFinite(after));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char *>(data), size);

  (void)readLeadingNumber(text);
  const std::optional<double> amount = readAmount(text);
  const std::string formatted = formatDollars(text);
  if (amount) {
    require(std::isfinite(*amount));
    checkValue(*amount);
  } else {
    require(formatted == text);
  }

  for (std::size_t at = 0; at + sizeof(double) <= size; at += sizeof(double)) {
    double v;
    std::memcpy(&v, data + at, sizeof v);
    checkValue(v);
  }

  // Six fields separated by "|", top to bottom.
  std::string fields[6];
  std::size_t field = 0;
  for (char c : text) {
    if (c == '|' && field < 5)
      ++field;
    else
      fields[field] += c;
  }
  const CalculatorFields before{fields[0], fields[1], fields[2], fields[3], fields[4], fields[5]};
  const EstimateResult result = estimateIntrinsicValue(before);
  const CalculatorFields &after = result.fields;
  require(after.rate == before.rate && after.years == before.years &&
          after.shares == before.shares);
  checkRewritten(before.earnings, after.earnings);
  checkRewritten(before.futureValue, after.futureValue);
  checkRewritten(before.perShare, after.perShare);
  (void)clearCalculator(after);
  return 0;
}
