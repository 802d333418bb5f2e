// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "filings/splits.h"

#include <QCoreApplication>
#include <array>
#include <cmath>
#include <optional>

namespace kelvo::filings {

namespace {

class SplitTexts {
  Q_DECLARE_TR_FUNCTIONS(Splits)
};

struct Ratio {
  int newShares;
  int oldShares;
};
constexpr std::array kRatios{Ratio{2, 1},  Ratio{3, 1},  Ratio{4, 1}, Ratio{5, 1},
                             Ratio{10, 1}, Ratio{20, 1}, Ratio{3, 2}};
// Buy-backs and issues move a share count by a few percent a year.
constexpr double kShareSlack = 0.08;
// After the split the per-share figure, made comparable, changed by less
// than this factor either way.
constexpr double kPerShareSpread = 2.0;

std::optional<double> valueOf(const AnnualFigures &figures, Figure figure, qsizetype year) {
  const AnnualCell &cell = figures.cell(figure, year);
  return cell.value ? std::optional(cell.value->value) : std::nullopt;
}

// The later year's per-share figure over the earlier's, when it says something.
std::optional<double> perShareChange(const AnnualFigures &figures, qsizetype later) {
  const auto eps0 = valueOf(figures, Figure::EarningsPerShare, later - 1);
  const auto eps1 = valueOf(figures, Figure::EarningsPerShare, later);
  if (eps0 && eps1 && *eps0 != 0 && (*eps0 > 0) == (*eps1 > 0))
    return *eps1 / *eps0;
  const auto equity0 = valueOf(figures, Figure::Equity, later - 1);
  const auto equity1 = valueOf(figures, Figure::Equity, later);
  const auto shares0 = valueOf(figures, Figure::Shares, later - 1);
  const auto shares1 = valueOf(figures, Figure::Shares, later);
  if (equity0 && equity1 && *equity0 > 0 && *equity1 > 0 && shares0 && shares1)
    return (*equity1 / *shares1) / (*equity0 / *shares0);
  return std::nullopt;
}

bool near(double value, double target) { return std::abs(value / target - 1) <= kShareSlack; }

bool comparable(double adjustedChange) {
  return adjustedChange >= 1 / kPerShareSpread && adjustedChange <= kPerShareSpread;
}

std::optional<PossibleSplit> splitAt(const AnnualFigures &figures, qsizetype later) {
  const auto shares0 = valueOf(figures, Figure::Shares, later - 1);
  const auto shares1 = valueOf(figures, Figure::Shares, later);
  if (!shares0 || !shares1 || *shares0 <= 0 || *shares1 <= 0)
    return std::nullopt;
  const std::optional<double> perShare = perShareChange(figures, later);
  if (!perShare)
    return std::nullopt;
  const double shareChange = *shares1 / *shares0;
  for (const Ratio &r : kRatios) {
    const double ratio = double(r.newShares) / double(r.oldShares);
    PossibleSplit split{r.newShares, r.oldShares, later, figures.years[later - 1].name(),
                        figures.years[later].name()};
    if (near(shareChange, ratio) && *perShare < 1 && comparable(*perShare * ratio))
      return split;
    std::swap(split.newShares, split.oldShares); // a reverse split
    if (near(shareChange, 1 / ratio) && *perShare > 1 && comparable(*perShare / ratio))
      return split;
  }
  return std::nullopt;
}

} // namespace

QString PossibleSplit::text(bool adjusted) const {
  const QString kind = newShares >= oldShares
                           ? SplitTexts::tr("Possible %1-for-%2 split between %3 and %4")
                           : SplitTexts::tr("Possible %1-for-%2 reverse split between %3 and %4");
  const QString head = kind.arg(newShares).arg(oldShares).arg(before, after);
  return adjusted ? SplitTexts::tr("%1: earlier per-share figures are adjusted for it").arg(head)
                  : SplitTexts::tr("%1: earlier per-share figures are as filed").arg(head);
}

QList<PossibleSplit> possibleSplits(const AnnualFigures &figures) {
  QList<PossibleSplit> found;
  for (qsizetype later = 1; later < figures.years.size(); ++later)
    if (const std::optional<PossibleSplit> split = splitAt(figures, later))
      found.append(*split);
  return found;
}

double splitFactor(const QList<PossibleSplit> &splits, qsizetype year) {
  double factor = 1;
  for (const PossibleSplit &split : splits)
    if (year < split.laterYear)
      factor *= split.ratio();
  return factor;
}

} // namespace kelvo::filings
