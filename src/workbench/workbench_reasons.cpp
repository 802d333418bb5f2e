// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "workbench/workbench_reasons.h"

#include <QCoreApplication>

namespace kelvo::app {

using valuation::Reason;

// The workbench's words, in its context.
QString reasonText(Reason reason) {
  switch (reason) {
  case Reason::None:
  case Reason::NeedsPrice: // the margin stays empty without a price
    return {};
  case Reason::CommaForDecimals:
    return QCoreApplication::translate("kelvo::app::ValuationWorkbench",
                                       "Use a point for decimals: 3.20");
  case Reason::NeedsEarnings:
    return QCoreApplication::translate("kelvo::app::ValuationWorkbench",
                                       "needs earnings per share");
  case Reason::NeedsPositiveEarnings:
    return QCoreApplication::translate("kelvo::app::ValuationWorkbench", "needs positive earnings");
  case Reason::NeedsGrowthRate:
    return QCoreApplication::translate("kelvo::app::ValuationWorkbench", "needs a growth rate");
  case Reason::NeedsGrowthInRange:
    return QCoreApplication::translate("kelvo::app::ValuationWorkbench",
                                       "needs a growth rate from -100% to 1,000%");
  case Reason::NeedsYears:
    return QCoreApplication::translate("kelvo::app::ValuationWorkbench", "needs years of growth");
  case Reason::NeedsYearsInRange:
    return QCoreApplication::translate("kelvo::app::ValuationWorkbench",
                                       "needs years from 0 to 100");
  case Reason::NeedsWholeYears:
    return QCoreApplication::translate("kelvo::app::ValuationWorkbench",
                                       "needs whole years from 1 to 100");
  case Reason::NeedsDiscountRate:
    return QCoreApplication::translate("kelvo::app::ValuationWorkbench", "needs a discount rate");
  case Reason::NeedsDiscountInRange:
    return QCoreApplication::translate("kelvo::app::ValuationWorkbench",
                                       "needs a discount rate from 0 to 1,000%");
  case Reason::NeedsPositiveDiscountRate:
    return QCoreApplication::translate("kelvo::app::ValuationWorkbench",
                                       "needs a positive discount rate");
  case Reason::NeedsGrowthAfter:
    return QCoreApplication::translate("kelvo::app::ValuationWorkbench",
                                       "needs the growth after that");
  case Reason::NeedsGrowthAfterInRange:
    return QCoreApplication::translate("kelvo::app::ValuationWorkbench",
                                       "needs the growth after that from -100% to 1,000%");
  case Reason::NeedsDiscountAboveGrowthAfter:
    return QCoreApplication::translate("kelvo::app::ValuationWorkbench",
                                       "needs a discount rate above the growth after that");
  case Reason::NeedsPositiveBookValue:
    return QCoreApplication::translate("kelvo::app::ValuationWorkbench",
                                       "needs a positive book value");
  case Reason::NeedsPositiveBondYield:
    return QCoreApplication::translate("kelvo::app::ValuationWorkbench",
                                       "needs a positive bond yield");
  case Reason::NeedsPositivePrice:
    return QCoreApplication::translate("kelvo::app::ValuationWorkbench", "needs a positive price");
  case Reason::NeedsMargin:
    return QCoreApplication::translate("kelvo::app::ValuationWorkbench",
                                       "needs a margin of safety");
  case Reason::NeedsMarginFrom0To100:
    return QCoreApplication::translate("kelvo::app::ValuationWorkbench",
                                       "needs a margin from 0 to 100%");
  case Reason::NoPositiveValue:
    return QCoreApplication::translate("kelvo::app::ValuationWorkbench",
                                       "none: the value is $0.00 or less");
  case Reason::Undefined:
    return QCoreApplication::translate("kelvo::app::ValuationWorkbench",
                                       "not defined for these inputs");
  case Reason::TooLarge:
    return QCoreApplication::translate("kelvo::app::ValuationWorkbench", "too large to show");
  }
  return {};
}

// What the chart says instead of a plot without a growth rate to draw against.
QString chartNote(Reason reason) {
  if (reason == Reason::NeedsGrowthRate)
    return QCoreApplication::translate("kelvo::app::ValuationWorkbench",
                                       "Type a growth rate to see how the values follow it.");
  if (reason == Reason::CommaForDecimals)
    return reasonText(reason);
  //: The chart needs a growth rate from -100% to 1,000%.
  return QCoreApplication::translate("kelvo::app::ValuationWorkbench", "The chart %1.")
      .arg(reasonText(reason));
}

} // namespace kelvo::app
