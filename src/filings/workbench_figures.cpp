// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "filings/workbench_figures.h"

#include "filings/growth.h"

#include <QCoreApplication>
#include <algorithm>

namespace kelvo::filings {

namespace {

class WorkbenchTexts {
  Q_DECLARE_TR_FUNCTIONS(FinancialHistory)
};

// "FY2024 10-K, filed 2024-03-26"
QString sourceOf(const HistoryTable &table, qsizetype year, const Cell &cell) {
  return WorkbenchTexts::tr("%1 %2, filed %3")
      .arg(table.years[year].name(), cell.source->form, cell.source->filed.toString(Qt::ISODate));
}

WorkbenchFigure newestPerShare(const HistoryTable &table, Row row) {
  WorkbenchFigure figure;
  if (table.isEmpty()) {
    figure.reason = WorkbenchTexts::tr("No annual figures");
    return figure;
  }
  const qsizetype newest = table.years.size() - 1;
  const Cell &cell = table.cell(row, newest);
  if (!cell.value) {
    figure.reason = WorkbenchTexts::tr("%1, %2: %3")
                        .arg(rowHeading(row), table.years[newest].name(), cell.toolTip);
    return figure;
  }
  figure.value = cell.value;
  figure.text = cell.text;
  if (row == Row::BookValuePerShare) // worked out from the balance sheet
    figure.source = WorkbenchTexts::tr("%1: shareholders' equity ÷ shares")
                        .arg(sourceOf(table, newest, table.cell(Row::Equity, newest)));
  else
    figure.source = sourceOf(table, newest, cell);
  return figure;
}

// The longest span up to ten years, ending with the newest year, over which
// every one of `rows` grows from a positive figure to a positive figure.
std::optional<qsizetype> longestSpanStart(const HistoryTable &table, const QList<Row> &rows) {
  const qsizetype newest = table.years.size() - 1;
  for (qsizetype from = 0; from < newest; ++from) {
    if (table.years[newest].year - table.years[from].year > kWorkbenchGrowthYears)
      continue;
    const bool all = std::all_of(rows.cbegin(), rows.cend(), [&](Row row) {
      return growthBetween(table, row, from, newest).rate.has_value();
    });
    if (all)
      return from;
  }
  return std::nullopt;
}

// The lower growth of `rows` from the column `from` to the newest, and
// where it came from.
WorkbenchFigure lowerGrowth(const HistoryTable &table, const QList<Row> &rows, qsizetype from) {
  const qsizetype newest = table.years.size() - 1;
  const QString first = table.years[from].name(), last = table.years[newest].name();
  QList<Growth> rates;
  QStringList parts, splits;
  for (Row row : rows) {
    rates.append(growthBetween(table, row, from, newest));
    parts.append(QStringLiteral("%1 %2").arg(rowHeading(row).toLower(), rates.constLast().text));
    splits += rates.constLast().splitsWithin;
  }
  const Growth lowest =
      *std::min_element(rates.cbegin(), rates.cend(), [](const Growth &a, const Growth &b) {
        return a.rate.value_or(0) < b.rate.value_or(0);
      });
  const QString source =
      rows.size() == 1
          ? WorkbenchTexts::tr("Compound annual growth of %1 from %2 to %3")
                .arg(rowHeading(rows.constFirst()).toLower(), first, last)
          : WorkbenchTexts::tr("Lower of the compound annual growth rates from %1 to %2: %3")
                .arg(first, last, parts.join(u", "));
  splits.removeDuplicates();
  return {lowest.rate, lowest.text, (QStringList{source} + splits).join(QLatin1Char('\n')), {}};
}

WorkbenchFigure growthFigure(const HistoryTable &table) {
  for (const QList<Row> &rows :
       {QList<Row>{Row::EarningsPerShare, Row::BookValuePerShare},
        QList<Row>{Row::EarningsPerShare}, QList<Row>{Row::BookValuePerShare}})
    if (const std::optional<qsizetype> from = longestSpanStart(table, rows))
      return lowerGrowth(table, rows, *from);
  WorkbenchFigure figure;
  figure.reason =
      WorkbenchTexts::tr(
          "Neither earnings per share nor book value per share is positive at both ends "
          "of any span of up to %1 years ending with the newest year")
          .arg(kWorkbenchGrowthYears);
  return figure;
}

} // namespace

WorkbenchFigures workbenchFigures(const HistoryTable &table) {
  WorkbenchFigures figures;
  figures.currency = table.currency;
  figures.earningsPerShare = newestPerShare(table, Row::EarningsPerShare);
  figures.bookValuePerShare = newestPerShare(table, Row::BookValuePerShare);
  if (table.years.size() < 2)
    figures.growth.reason = WorkbenchTexts::tr("Needs at least two years of figures");
  else
    figures.growth = growthFigure(table);
  return figures;
}

} // namespace kelvo::filings
