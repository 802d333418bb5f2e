// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What F1 in the Valuation Workbench tells: what it is for and how each of
// its figures is computed.

#include <QString>

namespace kelvo::app {

QString workbenchHelp();

} // namespace kelvo::app
