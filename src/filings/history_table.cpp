// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "filings/history_table.h"

#include "filings/cell_text.h"

#include <QCoreApplication>

namespace kelvo::filings {

namespace {

class HistoryTexts {
  Q_DECLARE_TR_FUNCTIONS(FinancialHistory)
};

constexpr std::array<std::pair<Row, Figure>, kFigureCount> kReportedRows{{
    {Row::Revenue, Figure::Revenue},
    {Row::NetIncome, Figure::NetIncome},
    {Row::EarningsPerShare, Figure::EarningsPerShare},
    {Row::Equity, Figure::Equity},
    {Row::Shares, Figure::Shares},
    {Row::OperatingCashFlow, Figure::OperatingCashFlow},
    {Row::CapitalSpending, Figure::CapitalSpending},
    {Row::LongTermDebt, Figure::LongTermDebt},
}};

Cell emptyCell(const QString &why) {
  Cell cell;
  cell.text = kEmptyCellText.toString();
  cell.toolTip = why;
  return cell;
}

QString perClassReason() {
  return HistoryTexts::tr("Reported per share class, with no total for all classes");
}

Cell gapCell(Figure figure, Gap gap) {
  if (gap != Gap::SeveralValues)
    return emptyCell(HistoryTexts::tr("Not reported"));
  if (figure == Figure::Shares || figure == Figure::EarningsPerShare)
    return emptyCell(perClassReason());
  return emptyCell(HistoryTexts::tr("Not shown: one filing reports several values for this year"));
}

Cell reportedCell(Row row, Figure figure, const AnnualCell &annual, double splitFactor) {
  if (!annual.value)
    return gapCell(figure, annual.gap);
  const AnnualValue &reported = *annual.value;
  Cell cell;
  cell.value = reported.value;
  cell.tag = reported.tag;
  cell.source = reported.source;
  cell.restated = reported.restated();
  cell.toolTip = reportedToolTip(rowKind(row), reported.tag, reported.source, reported.earlier);
  if (splitFactor != 1 && (row == Row::Shares || row == Row::EarningsPerShare)) {
    cell.value = row == Row::Shares ? reported.value * splitFactor : reported.value / splitFactor;
    cell.adjustedForSplit = true;
    cell.toolTip += QLatin1Char('\n') + HistoryTexts::tr("Adjusted for splits; as filed: %1")
                                            .arg(cellText(rowKind(row), reported.value));
  }
  cell.text = cellText(rowKind(row), *cell.value);
  return cell;
}

// Works out the derived rows of one year from the reported cells.
class Derivation {
public:
  Derivation(const HistoryTable &table, qsizetype year) : m_table(table), m_year(year) {}

  Cell bookValuePerShare() const {
    if (const auto missing = firstMissing({Row::Equity, Row::Shares}))
      return *missing;
    if (value(Row::Shares) <= 0)
      return emptyCell(HistoryTexts::tr("Cannot be computed: the share count is not positive"));
    return derived(Row::BookValuePerShare, value(Row::Equity) / value(Row::Shares),
                   QStringLiteral("%1 ÷ %2").arg(text(Row::Equity), text(Row::Shares)));
  }

  Cell freeCashFlow() const {
    if (const auto missing = firstMissing({Row::OperatingCashFlow, Row::CapitalSpending}))
      return *missing;
    return derived(
        Row::FreeCashFlow, value(Row::OperatingCashFlow) - value(Row::CapitalSpending),
        QStringLiteral("%1 − %2").arg(text(Row::OperatingCashFlow), text(Row::CapitalSpending)));
  }

  Cell returnOnEquity() const {
    if (const auto missing = firstMissing({Row::NetIncome, Row::Equity}))
      return *missing;
    if (value(Row::Equity) <= 0)
      return emptyCell(
          HistoryTexts::tr("Cannot be computed: shareholders' equity is not positive"));
    return derived(Row::ReturnOnEquity, value(Row::NetIncome) / value(Row::Equity),
                   QStringLiteral("%1 ÷ %2").arg(text(Row::NetIncome), text(Row::Equity)));
  }

  Cell returnOnCapital() const {
    if (const auto missing = firstMissing({Row::NetIncome, Row::Equity, Row::LongTermDebt}))
      return *missing;
    const double capital = value(Row::Equity) + value(Row::LongTermDebt);
    if (capital <= 0)
      return emptyCell(HistoryTexts::tr(
          "Cannot be computed: shareholders' equity plus long-term debt is not positive"));
    return derived(Row::ReturnOnCapital, value(Row::NetIncome) / capital,
                   QStringLiteral("%1 ÷ (%2 + %3)")
                       .arg(text(Row::NetIncome), text(Row::Equity), text(Row::LongTermDebt)));
  }

  Cell debtToFreeCashFlow() const {
    if (const auto missing = firstMissing({Row::LongTermDebt, Row::FreeCashFlow}))
      return *missing;
    if (value(Row::FreeCashFlow) <= 0)
      return emptyCell(HistoryTexts::tr("Cannot be computed: free cash flow is not positive"));
    return derived(Row::DebtToFreeCashFlow, value(Row::LongTermDebt) / value(Row::FreeCashFlow),
                   QStringLiteral("%1 ÷ %2").arg(text(Row::LongTermDebt), text(Row::FreeCashFlow)));
  }

private:
  const Cell &at(Row row) const { return m_table.cell(row, m_year); }
  double value(Row row) const { return at(row).value.value_or(0); }
  QString text(Row row) const { return at(row).text; }

  std::optional<Cell> firstMissing(std::initializer_list<Row> rows) const {
    for (Row row : rows) {
      if (at(row).value)
        continue;
      if (row == Row::Shares && at(row).toolTip == perClassReason())
        return emptyCell(
            HistoryTexts::tr("Cannot be computed: the shares are reported per share class, "
                             "with no total for all classes"));
      const QString name =
          row == Row::Shares ? HistoryTexts::tr("shares") : rowHeading(row).toLower();
      return emptyCell(HistoryTexts::tr("Cannot be computed: no figure for %1").arg(name));
    }
    return std::nullopt;
  }

  static Cell derived(Row row, double value, const QString &figures) {
    Cell cell;
    cell.value = value;
    cell.text = cellText(rowKind(row), value);
    cell.toolTip = rowToolTip(row) + QLatin1Char('\n') + QStringLiteral("= %1").arg(figures);
    return cell;
  }

  const HistoryTable &m_table;
  qsizetype m_year;
};

QStringList perClassNote(const HistoryTable &table) {
  QStringList years;
  for (qsizetype y = 0; y < table.years.size(); ++y)
    if (table.cell(Row::Shares, y).toolTip == perClassReason())
      years.append(table.years[y].name());
  if (years.isEmpty())
    return {};
  return {
      HistoryTexts::tr("Shares are reported per share class, with no total for all classes, in %1: "
                       "book value per share is not computed for those years")
          .arg(years.join(QStringLiteral(", ")))};
}

QStringList notesOf(const HistoryTable &table, const QStringList &capped) {
  QStringList notes;
  if (table.years.isEmpty())
    notes.append(
        HistoryTexts::tr("The company's annual reports give none of the figures of this table"));
  for (const PossibleSplit &split : table.splits)
    notes.append(split.text(table.adjustedForSplits));
  notes += perClassNote(table);
  for (const QString &tag : capped)
    notes.append(HistoryTexts::tr("Only the first %1 facts of %2 were read")
                     .arg(formatNumber(kMaxFactsPerConcept, 0), tag));
  return notes;
}

} // namespace

HistoryTable historyTable(const CompanyFacts &facts, const HistoryOptions &options) {
  return historyTable(annualFigures(facts), options);
}

HistoryTable historyTable(const AnnualFigures &figures, const HistoryOptions &options) {
  HistoryTable table;
  table.cik = figures.cik;
  table.companyName = figures.companyName;
  table.currency = figures.currency;
  table.years = figures.years;
  table.splits = possibleSplits(figures);
  table.adjustedForSplits = options.adjustForSplits && !table.splits.isEmpty();
  for (qsizetype y = 0; y < table.years.size(); ++y) {
    const double factor = table.adjustedForSplits ? splitFactor(table.splits, y) : 1.0;
    for (const auto &[row, figure] : kReportedRows)
      table.rows[int(row)].append(reportedCell(row, figure, figures.cell(figure, y), factor));
  }
  for (qsizetype y = 0; y < table.years.size(); ++y) {
    const Derivation derive(table, y);
    table.rows[int(Row::BookValuePerShare)].append(derive.bookValuePerShare());
    table.rows[int(Row::FreeCashFlow)].append(derive.freeCashFlow());
  }
  // These read free cash flow, so come once it is in place.
  for (qsizetype y = 0; y < table.years.size(); ++y) {
    const Derivation derive(table, y);
    table.rows[int(Row::ReturnOnEquity)].append(derive.returnOnEquity());
    table.rows[int(Row::ReturnOnCapital)].append(derive.returnOnCapital());
    table.rows[int(Row::DebtToFreeCashFlow)].append(derive.debtToFreeCashFlow());
  }
  table.notes = notesOf(table, figures.cappedConcepts);
  return table;
}

} // namespace kelvo::filings
