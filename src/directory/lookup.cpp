// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "directory/company_directory.h"

#include <algorithm>

namespace kelvo::directory {

namespace {

char upper(char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; }

int fieldWidth(std::size_t symbolLength) { return symbolLength <= 4 ? 5 : 9; }

// Compares the list text of `entry`, case-folded, with `text`, case-folded,
// over the first text.size() characters only: <0, 0 (prefix) or >0.
int comparePrefix(const DirectoryEntry &entry, std::string_view text) {
  const std::size_t width = std::size_t(fieldWidth(entry.symbol.size()));
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c;
    if (i < entry.symbol.size())
      c = entry.symbol[i];
    else if (i < width)
      c = ' ';
    else if (i - width < entry.listName.size())
      c = entry.listName[i - width];
    else
      return -1; // the row's text is shorter: it sorts before the text
    const unsigned char a = static_cast<unsigned char>(upper(c));
    const unsigned char b = static_cast<unsigned char>(upper(text[i]));
    if (a != b)
      return a < b ? -1 : 1;
  }
  return 0;
}

} // namespace

std::string symbolPaddedToFive(std::string_view symbol) {
  std::string padded(symbol);
  if (padded.size() < 5)
    padded.resize(5, ' ');
  return padded;
}

std::string listText(const DirectoryEntry &entry) {
  std::string text = symbolPaddedToFive(entry.symbol);
  text.resize(std::size_t(fieldWidth(entry.symbol.size())), ' ');
  text.append(entry.listName);
  return text;
}

int findSymbol(std::string_view symbol) {
  const auto it =
      std::lower_bound(kCompanyDirectory.begin(), kCompanyDirectory.end(), symbol,
                       [](const DirectoryEntry &e, std::string_view s) { return e.symbol < s; });
  if (it == kCompanyDirectory.end() || it->symbol != symbol)
    return -1;
  return int(it - kCompanyDirectory.begin());
}

// The list texts are in strictly ascending order with or without regard to
// case, so the first row with a given prefix is the lower bound of that
// prefix: a binary search answers what a linear scan from the top would.
int findListPrefix(std::string_view text) {
  if (text.empty())
    return -1;
  const auto it =
      std::partition_point(kCompanyDirectory.begin(), kCompanyDirectory.end(),
                           [text](const DirectoryEntry &e) { return comparePrefix(e, text) < 0; });
  if (it == kCompanyDirectory.end() || comparePrefix(*it, text) != 0)
    return -1;
  return int(it - kCompanyDirectory.begin());
}

} // namespace kelvo::directory
