// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "filings/growth.h"

#include "filings/cell_text.h"

#include <QCoreApplication>
#include <cmath>

namespace kelvo::filings {

namespace {

class GrowthTexts {
  Q_DECLARE_TR_FUNCTIONS(FinancialHistory)
};

Growth noGrowth(const QString &why, qsizetype from = -1, qsizetype to = -1) {
  return {std::nullopt, kEmptyCellText.toString(), why, {}, from, to};
}

// Why a column cannot be an end of a growth rate, or nothing when it can.
std::optional<QString> endProblem(const HistoryTable &table, Row row, qsizetype column) {
  const Cell &cell = table.cell(row, column);
  const QString year = table.years[column].name();
  if (!cell.value)
    return GrowthTexts::tr("Cannot be computed: no figure for %1").arg(year);
  if (*cell.value < 0)
    return GrowthTexts::tr("Cannot be computed: the figure for %1 is negative").arg(year);
  if (*cell.value == 0)
    return GrowthTexts::tr("Cannot be computed: the figure for %1 is zero").arg(year);
  return std::nullopt;
}

QStringList splitsWithin(const HistoryTable &table, Row row, qsizetype from, qsizetype to) {
  QStringList found;
  const RowKind kind = rowKind(row);
  if (table.adjustedForSplits || (kind != RowKind::PerShare && kind != RowKind::Shares))
    return found;
  for (const PossibleSplit &split : table.splits)
    if (split.laterYear > from && split.laterYear <= to)
      found.append(split.text(false));
  return found;
}

} // namespace

QString growthSpanHeading(const HistoryTable &table, int years) {
  if (years == 0) {
    if (table.years.isEmpty())
      return GrowthTexts::tr("All years");
    return GrowthTexts::tr("All years (%1 to %2)")
        .arg(table.years.front().name(), table.years.back().name());
  }
  return years == 1 ? GrowthTexts::tr("1 year") : GrowthTexts::tr("%1 years").arg(years);
}

Growth growthBetween(const HistoryTable &table, Row row, qsizetype from, qsizetype to) {
  if (from < 0 || to >= table.years.size() || from >= to)
    return noGrowth(GrowthTexts::tr("Cannot be computed: needs two years"), from, to);
  for (qsizetype end : {from, to})
    if (const std::optional<QString> problem = endProblem(table, row, end))
      return noGrowth(*problem, from, to);
  const int span = table.years[to].year - table.years[from].year;
  const double first = *table.cell(row, from).value;
  const double last = *table.cell(row, to).value;
  const double rate = std::pow(last / first, 1.0 / span) - 1;
  if (!std::isfinite(rate))
    return noGrowth(GrowthTexts::tr("Cannot be computed: the figures are out of range"), from, to);
  const RowKind kind = rowKind(row);
  const QStringList splits = splitsWithin(table, row, from, to);
  const QString toolTip =
      GrowthTexts::tr("Compound annual growth from %1 (%2) to %3 (%4), over %5")
          .arg(table.years[from].name(), cellText(kind, first), table.years[to].name(),
               cellText(kind, last), growthSpanHeading(table, span));
  return {rate,
          cellText(RowKind::Percent, rate),
          (QStringList{toolTip} + splits).join(QLatin1Char('\n')),
          splits,
          from,
          to};
}

Growth growth(const HistoryTable &table, Row row, int years) {
  if (table.years.isEmpty())
    return noGrowth(GrowthTexts::tr("Cannot be computed: no years shown"));
  const qsizetype to = table.years.size() - 1;
  if (years <= 0)
    return growthBetween(table, row, 0, to);
  const int firstYear = table.years[to].year - years;
  for (qsizetype from = 0; from < to; ++from)
    if (table.years[from].year == firstYear)
      return growthBetween(table, row, from, to);
  if (table.years.front().year > firstYear)
    return noGrowth(GrowthTexts::tr("Cannot be computed: the years shown begin with %1")
                        .arg(table.years.front().name()),
                    -1, to);
  return noGrowth(GrowthTexts::tr("Cannot be computed: no figures for FY%1").arg(firstYear), -1,
                  to);
}

} // namespace kelvo::filings
