// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The workbench's rows: its inputs, with their first texts and the names
// tests and assistive tools find them by, and its methods, each with the
// line that says how it is computed. The texts are translated where shown.

#include "valuation/methods.h"

#include <QtGlobal>
#include <iterator>

namespace kelvo::app {

struct InputRow {
  const char *label;
  const char *defaultText;
  const char *objectName;
};
// clang-format off
inline constexpr InputRow kInputRows[] = {
    {QT_TRANSLATE_NOOP("kelvo::app::ValuationWorkbench", "Earnings per share"), "", "earnings"},
    {QT_TRANSLATE_NOOP("kelvo::app::ValuationWorkbench", "Growth rate (% a year)"), "", "growth"},
    {QT_TRANSLATE_NOOP("kelvo::app::ValuationWorkbench", "Years of growth"), "", "years"},
    {QT_TRANSLATE_NOOP("kelvo::app::ValuationWorkbench", "Discount rate (% a year)"), "10", "discountRate"},
    {QT_TRANSLATE_NOOP("kelvo::app::ValuationWorkbench", "Growth after that (% a year)"), "2.5", "growthAfter"},
    {QT_TRANSLATE_NOOP("kelvo::app::ValuationWorkbench", "Book value per share"), "", "bookValue"},
    {QT_TRANSLATE_NOOP("kelvo::app::ValuationWorkbench", "AAA bond yield (%)"), "4.4", "bondYield"},
    {QT_TRANSLATE_NOOP("kelvo::app::ValuationWorkbench", "Current price"), "", "price"},
    {QT_TRANSLATE_NOOP("kelvo::app::ValuationWorkbench", "Margin of safety (%)"), "25", "margin"},
};

struct MethodRow {
  const char *name;
  const char *note; // how it is computed, one line
  const char *objectName; // of its value box; "Margin" and "BuyBelow" added for the others
};
// In valuation::kMethods order.
inline constexpr MethodRow kMethodRows[] = {
    {QT_TRANSLATE_NOOP("kelvo::app::ValuationWorkbench", "Wizard's estimate"),
     QT_TRANSLATE_NOOP("kelvo::app::ValuationWorkbench", "E × (1 + g − r)^n: the IV Estimator page compounds at the growth above the discount rate."), "estimate"},
    {QT_TRANSLATE_NOOP("kelvo::app::ValuationWorkbench", "Graham formula"),
     QT_TRANSLATE_NOOP("kelvo::app::ValuationWorkbench", "E × (8.5 + 2g) × 4.4 / Y: Graham's price for growth, scaled by today's bond yield."), "grahamFormula"},
    {QT_TRANSLATE_NOOP("kelvo::app::ValuationWorkbench", "Graham number"),
     QT_TRANSLATE_NOOP("kelvo::app::ValuationWorkbench", "√(22.5 × E × B): at most 15 times earnings and 1.5 times book value."), "grahamNumber"},
    {QT_TRANSLATE_NOOP("kelvo::app::ValuationWorkbench", "Discounted earnings"),
     QT_TRANSLATE_NOOP("kelvo::app::ValuationWorkbench", "n years of earnings growing at g, then at t for ever, all discounted at r."), "discountedEarnings"},
    {QT_TRANSLATE_NOOP("kelvo::app::ValuationWorkbench", "Earnings power value"),
     QT_TRANSLATE_NOOP("kelvo::app::ValuationWorkbench", "E / r: today's earnings for ever, with no growth, discounted at r."), "earningsPower"},
};
// clang-format on
static_assert(std::size(kMethodRows) == valuation::kMethodCount);
static_assert(std::size(kInputRows) == 9);

} // namespace kelvo::app
