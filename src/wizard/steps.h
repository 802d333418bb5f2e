// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The wizard's seven steps as the side menu shows them: one page each.

#include <QtGlobal>
#include <array>

namespace kelvo::wizard {

inline constexpr int kSteps = 7;
inline constexpr int kWelcomeStep = 0;
inline constexpr int kCompanyStep = 1;
inline constexpr int kLastStep = kSteps - 1;

// The side menu's captions, double and trailing spaces included; they also
// appear verbatim in the window caption.
inline constexpr std::array<const char *, kSteps> kStepCaptions = {
    QT_TRANSLATE_NOOP("kelvo::wizard", "Click to Navigate"),
    QT_TRANSLATE_NOOP("kelvo::wizard", "Company  ( Understanding ) "),
    QT_TRANSLATE_NOOP("kelvo::wizard", "Sustainable Comp Advantages ? "),
    QT_TRANSLATE_NOOP("kelvo::wizard", "Management  ( Trust and Ability )"),
    QT_TRANSLATE_NOOP("kelvo::wizard", "Bargain Price / Intrinsic Value"),
    QT_TRANSLATE_NOOP("kelvo::wizard", "Tools"),
    QT_TRANSLATE_NOOP("kelvo::wizard", "IV Estimator"),
};

// A highlighted step's marker is green, the others light grey (0xRRGGBB).
inline constexpr int kMarkerOnRgb = 0x00FF00;
inline constexpr int kMarkerOffRgb = 0xC0C0C0;

} // namespace kelvo::wizard
