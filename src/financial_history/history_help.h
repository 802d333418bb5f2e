// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The short help of the Financial History window (F1): where the figures
// come from and what is sent, how to read a cell, and where the files go.

#include <QString>

namespace kelvo::app {

// Rich text (a few paragraphs and a list), translated; the folders are
// this user's own.
QString financialHistoryHelp();

} // namespace kelvo::app
