// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Stock splits are not adjusted in the filings: the year before a split
// shows the old share count and per-share figures as they were filed. A
// split shows as a share count that jumps by a whole ratio from one year to
// the next while the per-share figures move the other way.

#include "filings/annual_values.h"

#include <QList>
#include <QString>

namespace kelvo::filings {

struct PossibleSplit {
  int newShares = 1; // 4-for-1: 4 and 1; 3-for-2: 3 and 2; a 1-for-10 reverse split: 1 and 10
  int oldShares = 1;
  qsizetype laterYear = 0; // index of the first fiscal year after the split
  QString before;          // "FY2019"
  QString after;           // "FY2020"
  double ratio() const { return double(newShares) / double(oldShares); }
  // "Possible 4-for-1 split between FY2019 and FY2020: earlier per-share
  // figures are as filed" (or "... are adjusted for it").
  QString text(bool adjusted) const;
  bool operator==(const PossibleSplit &) const = default;
};

// The possible splits, oldest first. Ratios looked for: 2, 3, 4, 5, 10, 20
// and 3:2, forward and reverse. The per-share figure compared is earnings per
// share where both years have it with one sign, else book value per share.
QList<PossibleSplit> possibleSplits(const AnnualFigures &figures);

// What a year's share count is multiplied by (and its per-share figures
// divided by) to be comparable with the newest year.
double splitFactor(const QList<PossibleSplit> &splits, qsizetype year);

} // namespace kelvo::filings
