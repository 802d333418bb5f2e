// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Arbitrary bytes through the directory's symbol lookup and list-prefix
// search. The lookups are binary searches over the sorted table; each must
// answer exactly what a plain scan from the top answers.
#include "directory/company_directory.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

using namespace kelvo::directory;

namespace {

void require(bool ok) {
  if (!ok)
    std::abort();
}

char foldCase(char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; }

struct FoldedRow {
  int row;
  std::string text; // the list text, upper-cased
};

// The rows' list texts upper-cased once, kept in table order and grouped by
// their first byte: a text can only begin a row whose first byte matches, so
// scanning that group from the top is the plain scan, only cheaper.
const std::vector<FoldedRow> &rowsStartingWith(char first) {
  static const std::vector<std::vector<FoldedRow>> groups = [] {
    std::vector<std::vector<FoldedRow>> out(256);
    for (std::size_t row = 0; row < kCompanyDirectory.size(); ++row) {
      std::string t = listText(kCompanyDirectory[row]);
      for (char &c : t)
        c = foldCase(c);
      const unsigned char key = static_cast<unsigned char>(t.front());
      out[key].push_back({int(row), std::move(t)});
    }
    return out;
  }();
  return groups[static_cast<unsigned char>(foldCase(first))];
}

int scanPrefix(std::string_view text) {
  if (text.empty())
    return -1;
  std::string folded(text);
  for (char &c : folded)
    c = foldCase(c);
  for (const FoldedRow &r : rowsStartingWith(folded.front()))
    if (std::string_view(r.text).starts_with(folded))
      return r.row;
  return -1;
}

int scanSymbol(std::string_view symbol) {
  if (symbol.empty())
    return -1;
  for (const FoldedRow &r : rowsStartingWith(symbol.front())) {
    const std::string_view s = kCompanyDirectory[std::size_t(r.row)].symbol;
    if (s == symbol)
      return r.row;
  }
  return -1;
}

void checkText(std::string_view text) {
  require(findListPrefix(text) == scanPrefix(text));
  require(findSymbol(text) == scanSymbol(text));

  // Case never matters to the prefix search.
  std::string upper(text);
  for (char &c : upper)
    c = foldCase(c);
  require(findListPrefix(upper) == findListPrefix(text));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char *>(data), size);
  checkText(text);

  // Random bytes rarely land on a row, so also probe near one: a prefix of a
  // row's list text in mixed case, followed by the rest of the input.
  if (size >= 3) {
    const std::size_t row = ((std::size_t(data[0]) << 8) | data[1]) % kCompanyDirectory.size();
    const std::string full = listText(kCompanyDirectory[row]);
    std::string probe = full.substr(0, std::size_t(data[2]) % (full.size() + 1));
    for (std::size_t i = 0; i < probe.size(); ++i)
      if (i + 3 < size && (data[3 + i] & 1) && probe[i] >= 'A' && probe[i] <= 'Z')
        probe[i] = char(probe[i] - 'A' + 'a');
    require(probe.empty() || scanPrefix(probe) <= int(row));
    checkText(probe);
    probe.append(text.substr(3));
    checkText(probe);
    require(findSymbol(kCompanyDirectory[row].symbol) == int(row));
  }
  return 0;
}
