// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as a company's facts: the reader never crashes or hangs,
// says why it refuses, refuses as JSON only what is not JSON, keeps only
// facts it can place in time, and everything built on them (the table, its
// growth, the tests, the workbench's figures, the exports) holds together.
#include "filings/company_facts.h"
#include "filings/concept_tags.h"
#include "filings/growth.h"
#include "filings/history_table.h"
#include "filings/table_export.h"
#include "filings/wizard_checks.h"
#include "filings/workbench_figures.h"

#include <QByteArray>
#include <QJsonDocument>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace kelvo::filings;

namespace {

void check(bool ok, const char *what) {
  if (!ok) {
    std::fprintf(stderr, "%s\n", what);
    std::abort();
  }
}

void checkFacts(const CompanyFacts &facts) {
  for (auto concept_ = facts.concepts.cbegin(); concept_ != facts.concepts.cend(); ++concept_) {
    check(conceptsRead().contains(concept_.key()), "a concept the history does not read was kept");
    qsizetype count = 0;
    for (const QList<Fact> &unit : concept_->byUnit) {
      count += unit.size();
      for (const Fact &fact : unit)
        check(fact.end.isValid() && fact.filed.isValid() && std::isfinite(fact.value) &&
                  (!fact.start.isValid() || fact.start <= fact.end),
              "a fact that cannot be placed in time was kept");
    }
    check(count <= kMaxFactsPerConcept, "more facts than the cap were kept");
  }
}

void checkTable(const HistoryTable &table) {
  for (qsizetype y = 1; y < table.years.size(); ++y)
    check(table.years[y - 1].year < table.years[y].year, "fiscal years out of order");
  for (const QList<Cell> &row : table.rows) {
    check(row.size() == table.years.size(), "a row without one cell per year");
    for (const Cell &cell : row)
      check(!cell.text.isEmpty() && !cell.toolTip.isEmpty() &&
                (!cell.value || std::isfinite(*cell.value)),
            "a cell without text, tooltip or a finite value");
  }
  for (Row row : kGrowthRows)
    for (int span : kGrowthSpans) {
      const Growth rate = growth(table, row, span);
      check(!rate.rate || std::isfinite(*rate.rate), "a growth rate that is not finite");
    }
  for (const CheckResult &result : wizardChecks(table))
    check(!result.reason.isEmpty(), "a test without its reason");
  const WorkbenchFigures figures = workbenchFigures(table);
  for (const WorkbenchFigure *figure :
       {&figures.earningsPerShare, &figures.bookValuePerShare, &figures.growth})
    check(figure->value ? !figure->source.isEmpty() : !figure->reason.isEmpty(),
          "a workbench figure without its source or reason");
  check(!historyCsv(table).isEmpty() && !historyText(table).isEmpty() &&
            !historyJson(table, QDate(2026, 1, 2)).isEmpty(),
        "an empty export");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  const QByteArray body(reinterpret_cast<const char *>(data), qsizetype(size));
  const CompanyFactsRead read = readCompanyFacts(body);
  check(read.facts.has_value() == read.error.isEmpty(), "a refusal without a message");
  // Qt's parser is lenient ("5." is a number to it), so what it reads is
  // written out again as strict JSON, which must not be refused as JSON.
  QJsonParseError json;
  const QJsonDocument document = QJsonDocument::fromJson(body, &json);
  if (json.error == QJsonParseError::NoError)
    check(readCompanyFacts(document.toJson(QJsonDocument::Compact)).error !=
              QStringLiteral("It is not valid JSON text."),
          "JSON refused as not JSON");
  if (!read.facts)
    return 0;
  checkFacts(*read.facts);
  const AnnualFigures figures = annualFigures(*read.facts);
  checkTable(historyTable(figures));
  checkTable(historyTable(figures, {.adjustForSplits = true}));
  return 0;
}
