// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The wizard's teaching texts, shown one message box at a time.

#include <array>
#include <span>
#include <string_view>

namespace kelvo::guidance {

using GuidanceSequence = std::span<const std::string_view>;

extern const std::array<std::string_view, 9> kHelpTexts;
extern const std::array<std::string_view, 4> kAdvantageTexts;

inline GuidanceSequence helpTexts() { return kHelpTexts; }
inline GuidanceSequence advantageTexts() { return kAdvantageTexts; }

} // namespace kelvo::guidance
