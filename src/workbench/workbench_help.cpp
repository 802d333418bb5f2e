// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "workbench/workbench_help.h"

#include <QCoreApplication>

namespace kelvo::app {

QString workbenchHelp() {
  return QCoreApplication::translate(
      "kelvo::app::ValuationWorkbench",
      "The Valuation Workbench sets the wizard's estimate beside four other ways of valuing a "
      "share, from the same figures. Every result follows the boxes as you type; a method that "
      "lacks a figure says which.\n\n"
      "E is earnings per share, g the growth rate, n the years of growth, r the discount rate, "
      "t the growth after those years, B the book value per share and Y the yield of AAA "
      "bonds.\n"
      "• Wizard's estimate: E × (1 + g − r)^n, as the IV Estimator page computes it.\n"
      "• Graham formula: E × (8.5 + 2g) × 4.4 / Y.\n"
      "• Graham number: √(22.5 × E × B).\n"
      "• Discounted earnings: n years of earnings growing at g, then growing at t for ever, "
      "all discounted at r.\n"
      "• Earnings power value: E / r.\n\n"
      "Each value V has its buy-below price, V × (1 − m) for the margin of safety m, and with "
      "the current price P its own margin, (V − P) / V. The table shows the discounted "
      "earnings at discount rates around r and growth rates around g; the chart draws every "
      "method over growth rates around g.");
}

} // namespace kelvo::app
