// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's constant texts (UTF-8 string views) as QStrings, for tests.

#include <QString>
#include <string_view>

namespace kelvo::testing {

inline QString qs(std::string_view text) {
  return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace kelvo::testing
