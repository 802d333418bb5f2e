// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What F1 in the Study Notebook and in Studies tells: what they are for and
// where their files go.

#include <QString>

namespace kelvo::app {

// `studies`: the studies folder; `recovery`: the folder of recovery copies.
QString notebookHelp(const QString &studies, const QString &recovery);
QString studiesHelp(const QString &studies);

} // namespace kelvo::app
