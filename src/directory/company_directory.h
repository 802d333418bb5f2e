// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The built-in directory of listed companies and market indexes: a constant
// table in ascending symbol order, and the two lookups over it.

#include <array>
#include <string>
#include <string_view>

namespace kelvo::directory {

struct DirectoryEntry {
  std::string_view symbol;    // 1 to 7 of A-Z . /
  std::string_view listName;  // as shown in the list, trailing space kept
  std::string_view titleName; // as written into the company-name box
};

inline constexpr int kDirectoryRows = 1681;

// The company chosen at start-up, found by its symbol.
inline constexpr std::string_view kStartUpSymbol = "HRL";

// The table itself (companies.cpp). Index = row of the directory list.
extern const std::array<DirectoryEntry, kDirectoryRows> kCompanyDirectory;

// A symbol of one to four characters filled with spaces to five; a longer
// one whole. The list's symbol field, and the symbol the list gives links.
std::string symbolPaddedToFive(std::string_view symbol);

// The row as the list shows it: the symbol filled with spaces to 5 characters
// (symbols of 1-4 characters) or 9 (5-7 characters), then listName unchanged.
std::string listText(const DirectoryEntry &entry);

// The row whose symbol is exactly `symbol` (no trimming, case-sensitive), or -1.
int findSymbol(std::string_view symbol);

// The first row, from the top, whose list text begins with `text` compared
// without regard to ASCII case; -1 for no row or an empty text.
int findListPrefix(std::string_view text);

} // namespace kelvo::directory
