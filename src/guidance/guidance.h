// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The wizard's teaching texts, shown one message box at a time.

#include <array>
#include <span>
#include <string_view>

// Marks a text for the translators without Qt: lupdate reads it as
// QT_TRANSLATE_NOOP (see translations/CMakeLists.txt); showGuidance translates
// each text in the context "kelvo::guidance".
#ifndef KELVO_TRANSLATE_NOOP
#define KELVO_TRANSLATE_NOOP(context, text) text
#endif

namespace kelvo::guidance {

using GuidanceSequence = std::span<const std::string_view>;

extern const std::array<std::string_view, 9> kHelpTexts;
extern const std::array<std::string_view, 4> kAdvantageTexts;

inline GuidanceSequence helpTexts() { return kHelpTexts; }
inline GuidanceSequence advantageTexts() { return kAdvantageTexts; }

} // namespace kelvo::guidance
