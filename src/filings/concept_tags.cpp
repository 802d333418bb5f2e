// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "filings/concept_tags.h"

#include <array>

namespace kelvo::filings {

namespace {

using enum Measure;

// Many companies moved from SalesRevenueNet to the newer revenue tags around
// 2018, so a row often takes its years from two tags.
constexpr std::array kRevenue{
    ConceptTag{"us-gaap:RevenueFromContractWithCustomerExcludingAssessedTax", Flow},
    ConceptTag{"us-gaap:Revenues", Flow},
    ConceptTag{"us-gaap:SalesRevenueNet", Flow},
    ConceptTag{"us-gaap:RevenueFromContractWithCustomerIncludingAssessedTax", Flow},
    ConceptTag{"ifrs-full:Revenue", Flow},
};
constexpr std::array kNetIncome{
    ConceptTag{"us-gaap:NetIncomeLoss", Flow},
    ConceptTag{"us-gaap:ProfitLoss", Flow},
    ConceptTag{"ifrs-full:ProfitLossAttributableToOwnersOfParent", Flow},
    ConceptTag{"ifrs-full:ProfitLoss", Flow},
};
constexpr std::array kEarningsPerShare{
    ConceptTag{"us-gaap:EarningsPerShareDiluted", Flow},
    ConceptTag{"us-gaap:EarningsPerShareBasicAndDiluted", Flow},
    ConceptTag{"us-gaap:EarningsPerShareBasic", Flow},
    ConceptTag{"ifrs-full:DilutedEarningsLossPerShare", Flow},
    ConceptTag{"ifrs-full:BasicAndDilutedEarningsLossPerShare", Flow},
    ConceptTag{"ifrs-full:BasicEarningsLossPerShare", Flow},
};
constexpr std::array kEquity{
    ConceptTag{"us-gaap:StockholdersEquity", Balance},
    ConceptTag{"us-gaap:StockholdersEquityIncludingPortionAttributableToNoncontrollingInterest",
               Balance},
    ConceptTag{"ifrs-full:EquityAttributableToOwnersOfParent", Balance},
    ConceptTag{"ifrs-full:Equity", Balance},
};
// The diluted weighted average over the year; failing that, the count on the
// cover of that year's annual report.
constexpr std::array kShares{
    ConceptTag{"us-gaap:WeightedAverageNumberOfDilutedSharesOutstanding", Flow},
    ConceptTag{"ifrs-full:AdjustedWeightedAverageShares", Flow},
    ConceptTag{"dei:EntityCommonStockSharesOutstanding", Cover},
};
constexpr std::array kOperatingCashFlow{
    ConceptTag{"us-gaap:NetCashProvidedByUsedInOperatingActivities", Flow},
    ConceptTag{"ifrs-full:CashFlowsFromUsedInOperatingActivities", Flow},
};
constexpr std::array kCapitalSpending{
    ConceptTag{"us-gaap:PaymentsToAcquirePropertyPlantAndEquipment", Flow},
    ConceptTag{"us-gaap:PaymentsToAcquireProductiveAssets", Flow},
    ConceptTag{"ifrs-full:PurchaseOfPropertyPlantAndEquipmentClassifiedAsInvestingActivities",
               Flow},
};
constexpr std::array kLongTermDebt{
    ConceptTag{"us-gaap:LongTermDebtNoncurrent", Balance},
    ConceptTag{"us-gaap:LongTermDebt", Balance},
    ConceptTag{"ifrs-full:NoncurrentPortionOfNoncurrentBorrowings", Balance},
    ConceptTag{"ifrs-full:LongtermBorrowings", Balance},
};

} // namespace

std::span<const ConceptTag> conceptTags(Figure figure) {
  switch (figure) {
  case Figure::Revenue:
    return kRevenue;
  case Figure::NetIncome:
    return kNetIncome;
  case Figure::EarningsPerShare:
    return kEarningsPerShare;
  case Figure::Equity:
    return kEquity;
  case Figure::Shares:
    return kShares;
  case Figure::OperatingCashFlow:
    return kOperatingCashFlow;
  case Figure::CapitalSpending:
    return kCapitalSpending;
  case Figure::LongTermDebt:
    return kLongTermDebt;
  }
  return {};
}

UnitKind unitKind(Figure figure) {
  switch (figure) {
  case Figure::EarningsPerShare:
    return UnitKind::MoneyPerShare;
  case Figure::Shares:
    return UnitKind::Shares;
  default:
    return UnitKind::Money;
  }
}

QString tagName(const ConceptTag &tag) {
  return QString::fromLatin1(tag.name.data(), qsizetype(tag.name.size()));
}

const QSet<QString> &conceptsRead() {
  static const QSet<QString> concepts = [] {
    QSet<QString> all;
    for (int f = 0; f < kFigureCount; ++f)
      for (const ConceptTag &tag : conceptTags(Figure(f)))
        all.insert(tagName(tag));
    return all;
  }();
  return concepts;
}

} // namespace kelvo::filings
