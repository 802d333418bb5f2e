// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A company's fiscal years and, for each, the one value of each figure that
// its annual reports give: the rules that keep a reader of the SEC's facts
// from showing a figure under the wrong year.
//
// - Only annual reports count: 10-K, 20-F and 40-F and their amendments.
// - A flow (revenue, income, cash flow, the diluted weighted average of
//   shares) is a period of 350 to 380 days ending on the fiscal year's end;
//   a balance is an instant at that end; the cover's share count is the one
//   on the annual report of that year.
// - The year comes from the period's end, never from the filing's "fy" and
//   "fp": an annual report carries the two years before it under its own
//   "fy", and some quarterly reports say "FY".
// - A figure repeats in later reports; the copy filed last is kept, and a
//   copy filed earlier with another value makes the figure "restated".

#include "filings/company_facts.h"
#include "filings/concept_tags.h"

#include <QDate>
#include <QList>
#include <QString>
#include <array>
#include <optional>

namespace kelvo::filings {

// A fiscal year is named by the calendar year in which it ends: one ending on
// 2024-01-31 is FY2024. A year ending in the first week of January is a
// 52/53-week year meant to end on 31 December, named by the year before.
struct FiscalYear {
  int year = 0;
  QDate end;
  QString name() const; // "FY2024"
  bool operator==(const FiscalYear &) const = default;
};
int fiscalYearEndingOn(const QDate &end);

// One fiscal year's figure as reported.
struct AnnualValue {
  double value = 0;
  QString tag; // "us-gaap:Revenues"
  Fact source; // the copy filed last
  // Earlier values: each value other than this one that a filing before it
  // gave, once (its first filing), oldest first; the latest five at most.
  QList<Fact> earlier;
  bool restated() const { return !earlier.isEmpty(); }
};

// Why a fiscal year has no value for a figure.
enum class Gap {
  None,
  NotReported,
  SeveralValues, // one filing gives several values for the same period
                 // (share counts and per-share figures reported per class)
};

struct AnnualCell {
  std::optional<AnnualValue> value;
  Gap gap = Gap::NotReported;
};

struct AnnualFigures {
  qint64 cik = 0;
  QString companyName;
  QStringList cappedConcepts; // as CompanyFacts says
  QString currency;           // "USD", "EUR", ...; empty when no amount was found
  QList<FiscalYear> years;    // oldest first; every year has at least one value
  std::array<QList<AnnualCell>, kFigureCount> cells; // [figure][index into years]
  const AnnualCell &cell(Figure figure, qsizetype year) const { return cells[int(figure)][year]; }
};

// The annual figures in the company's reporting currency (the currency most
// of its amounts are in; amounts in any other currency are left out).
AnnualFigures annualFigures(const CompanyFacts &facts);

} // namespace kelvo::filings
