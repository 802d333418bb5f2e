// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The rows' headings, kinds and tooltips.
#include "filings/concept_tags.h"
#include "filings/history_table.h"

#include <QCoreApplication>

namespace kelvo::filings {

namespace {

class RowTexts {
  Q_DECLARE_TR_FUNCTIONS(FinancialHistory)
};

// The tags of a reported row, as its tooltip lists them.
QString tagsLine(Figure figure) {
  QStringList tags;
  for (const ConceptTag &tag : conceptTags(figure))
    tags.append(tagName(tag));
  return RowTexts::tr("Reported; each year from the first of these tags that has it: %1")
      .arg(tags.join(QStringLiteral(", ")));
}

} // namespace

RowKind rowKind(Row row) {
  switch (row) {
  case Row::EarningsPerShare:
  case Row::BookValuePerShare:
    return RowKind::PerShare;
  case Row::Shares:
    return RowKind::Shares;
  case Row::ReturnOnEquity:
  case Row::ReturnOnCapital:
    return RowKind::Percent;
  case Row::DebtToFreeCashFlow:
    return RowKind::Years;
  default:
    return RowKind::Amount;
  }
}

QString rowHeading(Row row) {
  switch (row) {
  case Row::Revenue:
    return RowTexts::tr("Revenue");
  case Row::NetIncome:
    return RowTexts::tr("Net income");
  case Row::EarningsPerShare:
    return RowTexts::tr("Earnings per share (diluted)");
  case Row::Equity:
    return RowTexts::tr("Shareholders' equity");
  case Row::Shares:
    return RowTexts::tr("Shares (diluted, millions)");
  case Row::BookValuePerShare:
    return RowTexts::tr("Book value per share");
  case Row::OperatingCashFlow:
    return RowTexts::tr("Operating cash flow");
  case Row::CapitalSpending:
    return RowTexts::tr("Capital spending");
  case Row::FreeCashFlow:
    return RowTexts::tr("Free cash flow");
  case Row::LongTermDebt:
    return RowTexts::tr("Long-term debt");
  case Row::ReturnOnEquity:
    return RowTexts::tr("Return on equity");
  case Row::ReturnOnCapital:
    return RowTexts::tr("Return on capital");
  case Row::DebtToFreeCashFlow:
    return RowTexts::tr("Debt / free cash flow (years)");
  }
  return {};
}

QString rowNameInText(Row row) {
  switch (row) {
  case Row::Revenue:
    return RowTexts::tr("revenue");
  case Row::NetIncome:
    return RowTexts::tr("net income");
  case Row::EarningsPerShare:
    return RowTexts::tr("earnings per share (diluted)");
  case Row::Equity:
    return RowTexts::tr("shareholders' equity");
  case Row::Shares:
    return RowTexts::tr("shares (diluted, millions)");
  case Row::BookValuePerShare:
    return RowTexts::tr("book value per share");
  case Row::OperatingCashFlow:
    return RowTexts::tr("operating cash flow");
  case Row::CapitalSpending:
    return RowTexts::tr("capital spending");
  case Row::FreeCashFlow:
    return RowTexts::tr("free cash flow");
  case Row::LongTermDebt:
    return RowTexts::tr("long-term debt");
  case Row::ReturnOnEquity:
    return RowTexts::tr("return on equity");
  case Row::ReturnOnCapital:
    return RowTexts::tr("return on capital");
  case Row::DebtToFreeCashFlow:
    return RowTexts::tr("debt / free cash flow (years)");
  }
  return {};
}

QString rowToolTip(Row row) {
  switch (row) {
  case Row::Revenue:
    return tagsLine(Figure::Revenue);
  case Row::NetIncome:
    return tagsLine(Figure::NetIncome);
  case Row::EarningsPerShare:
    return tagsLine(Figure::EarningsPerShare);
  case Row::Equity:
    return tagsLine(Figure::Equity);
  case Row::Shares:
    return RowTexts::tr("The diluted weighted average of shares over the year; failing that, the "
                        "shares outstanding on the cover of that year's annual report. %1")
        .arg(tagsLine(Figure::Shares));
  case Row::BookValuePerShare:
    return RowTexts::tr("Book value per share = shareholders' equity ÷ shares");
  case Row::OperatingCashFlow:
    return tagsLine(Figure::OperatingCashFlow);
  case Row::CapitalSpending:
    return tagsLine(Figure::CapitalSpending);
  case Row::FreeCashFlow:
    return RowTexts::tr("Free cash flow = operating cash flow − capital spending");
  case Row::LongTermDebt:
    return tagsLine(Figure::LongTermDebt);
  case Row::ReturnOnEquity:
    return RowTexts::tr("Return on equity = net income ÷ shareholders' equity at the year's end");
  case Row::ReturnOnCapital:
    return RowTexts::tr("Return on capital = net income ÷ (shareholders' equity + long-term debt) "
                        "at the year's end");
  case Row::DebtToFreeCashFlow:
    return RowTexts::tr("Debt / free cash flow = long-term debt ÷ free cash flow, only when free "
                        "cash flow is positive");
  }
  return {};
}

QString amountsLine(const QString &currency) {
  if (currency.isEmpty())
    return RowTexts::tr("Amounts in millions, except per-share figures");
  return RowTexts::tr("Amounts in %1 millions, except per-share figures").arg(currency);
}

} // namespace kelvo::filings
