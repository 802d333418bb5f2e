// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Nanoseconds per call of the directory's symbol lookup and list-prefix
// search, over every symbol and a spread of typed prefixes, hits and misses.
#include "directory/company_directory.h"

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

using namespace kelvo::directory;

namespace {

volatile int gSink; // keeps the calls from being optimised away

template <class F> double NanosPerCall(const std::vector<std::string> &inputs, F lookup) {
  constexpr int kRounds = 400;
  int sum = 0;
  const auto start = std::chrono::steady_clock::now();
  for (int r = 0; r < kRounds; ++r)
    for (const std::string &s : inputs)
      sum += lookup(s);
  const auto end = std::chrono::steady_clock::now();
  gSink = sum;
  return std::chrono::duration<double, std::nano>(end - start).count() /
         (double(kRounds) * double(inputs.size()));
}

} // namespace

int main() {
  std::vector<std::string> symbols, prefixes;
  for (const DirectoryEntry &e : kCompanyDirectory) {
    symbols.emplace_back(e.symbol);
    symbols.push_back(std::string(e.symbol) + "Q"); // a miss next to every hit
    const std::string text = listText(e);
    for (std::size_t n : {1u, 3u, 6u, 12u}) {
      std::string p = text.substr(0, n);
      for (char &c : p)
        if (c >= 'A' && c <= 'Z')
          c = char(c - 'A' + 'a');
      prefixes.push_back(p);
    }
    prefixes.push_back(text + "x"); // longer than the row: a miss
  }
  const double symbolNs = NanosPerCall(symbols, [](const std::string &s) { return findSymbol(s); });
  const double prefixNs =
      NanosPerCall(prefixes, [](const std::string &s) { return findListPrefix(s); });
  std::printf("lookups (ns per call, %zu symbols / %zu prefixes, hits and misses)\n",
              symbols.size(), prefixes.size());
  std::printf("  %-22s %8.1f ns\n", "findSymbol", symbolNs);
  std::printf("  %-22s %8.1f ns   (target: < 1000 ns each)\n", "findListPrefix", prefixNs);
  return 0;
}
