// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The financial history as the window shows it: one column per fiscal year,
// oldest first, and thirteen rows of reported and derived figures, each cell
// with its value, its text and its tooltip. Built from a company's facts; a
// value with no widgets, so that the window, the copy, the CSV export and
// the study all show the same thing.

#include "filings/annual_values.h"
#include "filings/company_facts.h"
#include "filings/splits.h"

#include <QList>
#include <QString>
#include <array>
#include <optional>

namespace kelvo::filings {

enum class Row {
  Revenue,
  NetIncome,
  EarningsPerShare,
  Equity,
  Shares,
  BookValuePerShare,
  OperatingCashFlow,
  CapitalSpending,
  FreeCashFlow,
  LongTermDebt,
  ReturnOnEquity,
  ReturnOnCapital,
  DebtToFreeCashFlow,
};
inline constexpr int kRowCount = 13;

// How a row's values are written.
enum class RowKind {
  Amount,   // currency, shown in millions with one decimal: "2,806.5"
  PerShare, // currency per share, two decimals: "3.28"
  Shares,   // a count, shown in millions with one decimal
  Percent,  // a fraction, shown as a percentage with one decimal: "15.3%"
  Years,    // one decimal: "2.4"
};
RowKind rowKind(Row row);

// The row's heading ("Earnings per share (diluted)") and its tooltip: the
// formula of a derived row, the tags of a reported one.
QString rowHeading(Row row);
// The heading as it reads inside a sentence ("no figure for revenue").
QString rowNameInText(Row row);
QString rowToolTip(Row row);

// "Amounts in USD millions, except per-share figures"
QString amountsLine(const QString &currency);

struct Cell {
  // Amounts and shares in units (not millions), per-share figures in the
  // currency, percentages as fractions (0.153), years as years. Empty for
  // a cell shown as "—".
  std::optional<double> value;
  QString text;    // as shown: "2,806.5", "-3.28", "15.3%", "—"
  QString toolTip; // tag, period, form, filing date and accession; or the
                   // formula with its figures; or why the cell is empty
  // Reported cells: the tag and the copy the value comes from.
  QString tag;
  std::optional<Fact> source;
  bool restated = false;
  bool adjustedForSplit = false;
};

struct HistoryOptions {
  bool adjustForSplits = false; // earlier years' shares and per-share figures made comparable
};

struct HistoryTable {
  qint64 cik = 0;
  QString companyName;     // the SEC's name for the company
  QString currency;        // "USD", "EUR"; never shown as "$" unless it is USD
  QList<FiscalYear> years; // the columns, oldest first
  std::array<QList<Cell>, kRowCount> rows;
  QList<PossibleSplit> splits;
  bool adjustedForSplits = false;
  // Sentences above the table: possible splits, share classes without a
  // total, concepts that were cut at the cap.
  QStringList notes;

  const Cell &cell(Row row, qsizetype year) const { return rows[int(row)][year]; }
  bool isEmpty() const { return years.isEmpty(); }
  // The end of the newest fiscal year, for the header's "fiscal year end".
  QDate fiscalYearEnd() const { return years.isEmpty() ? QDate() : years.back().end; }
};

// The table of a company's facts; the second form reuses figures already
// chosen, so that ticking "Adjust earlier years for splits" does not read
// the facts again.
HistoryTable historyTable(const CompanyFacts &facts, const HistoryOptions &options = {});
HistoryTable historyTable(const AnnualFigures &figures, const HistoryOptions &options = {});

} // namespace kelvo::filings
