// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Why the workbench shows no figure, in words: in a result's box, a grid
// cell's tooltip and the chart.

#include "valuation/methods.h"

#include <QString>

namespace kelvo::app {

// Empty where nothing needs saying (no reason, or only a missing price).
QString reasonText(valuation::Reason reason);
// What the chart says instead of a plot without a growth rate to draw against.
QString chartNote(valuation::Reason reason);

} // namespace kelvo::app
