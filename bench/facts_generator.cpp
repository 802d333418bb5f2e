// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "facts_generator.h"

#include <QDate>
#include <array>

namespace kelvo::bench {

namespace {

constexpr int kFirstYear = 2009;
constexpr int kLastYear = 2024;

struct Concept {
  const char *name;
  const char *unit;
  bool instant;
};

// The concepts the history reads, among the filler.
constexpr std::array kRead{
    Concept{"RevenueFromContractWithCustomerExcludingAssessedTax", "USD", false},
    Concept{"NetIncomeLoss", "USD", false},
    Concept{"EarningsPerShareDiluted", "USD/shares", false},
    Concept{"WeightedAverageNumberOfDilutedSharesOutstanding", "shares", false},
    Concept{"StockholdersEquity", "USD", true},
    Concept{"NetCashProvidedByUsedInOperatingActivities", "USD", false},
    Concept{"PaymentsToAcquirePropertyPlantAndEquipment", "USD", false},
    Concept{"LongTermDebtNoncurrent", "USD", true},
};

// A small deterministic generator, so that every run reads the same file.
struct Numbers {
  std::uint64_t state = 0x9E3779B97F4A7C15u;
  std::uint64_t next() {
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    return state;
  }
};

struct Filing {
  QByteArray accession;
  QByteArray form;
  QByteArray fp;
  int fy;
  QDate filed;
  QDate end; // of the period it reports on
};

QList<Filing> filings() {
  QList<Filing> list;
  int serial = 1;
  for (int year = kFirstYear; year <= kLastYear; ++year)
    for (int quarter = 1; quarter <= 4; ++quarter) {
      const QDate end = QDate(year, quarter * 3, 1).addMonths(1).addDays(-1);
      const bool annual = quarter == 4;
      list.append(
          {QByteArray("0000999999-") + QByteArray::number(year % 100).rightJustified(2, '0') + '-' +
               QByteArray::number(serial++).rightJustified(6, '0'),
           annual ? "10-K" : "10-Q", annual ? "FY" : QByteArray("Q") + QByteArray::number(quarter),
           year, end.addDays(annual ? 60 : 40), end});
    }
  return list;
}

void appendFact(QByteArray &out, const Filing &filing, const QDate &start, const QDate &end,
                std::uint64_t value, bool framed) {
  out += "{";
  if (start.isValid())
    out += "\"start\":\"" + start.toString(Qt::ISODate).toLatin1() + "\",";
  out += "\"end\":\"" + end.toString(Qt::ISODate).toLatin1() +
         "\",\"val\":" + QByteArray::number(value) + ",\"accn\":\"" + filing.accession +
         "\",\"fy\":" + QByteArray::number(filing.fy) + ",\"fp\":\"" + filing.fp +
         "\",\"form\":\"" + filing.form + "\",\"filed\":\"" +
         filing.filed.toString(Qt::ISODate).toLatin1() + "\"";
  if (framed)
    out += ",\"frame\":\"CY" + QByteArray::number(end.year()) + "\"";
  out += "},";
}

// The facts of one filing for one concept: an annual report carries three
// years (two balances), a quarterly one the quarter and the year to date,
// each with the same period a year before.
void appendFiling(QByteArray &out, const Filing &filing, const Concept &c, Numbers &numbers) {
  const int periods = filing.form == "10-K" ? (c.instant ? 2 : 3) : 2;
  for (int back = 0; back < periods; ++back) {
    const QDate end = filing.end.addYears(-back);
    const std::uint64_t value = 1'000'000 + numbers.next() % 90'000'000'000u;
    if (c.instant) {
      appendFact(out, filing, QDate(), end, value, back == periods - 1);
    } else if (filing.form == "10-K") {
      appendFact(out, filing, end.addYears(-1).addDays(1), end, value, back == periods - 1);
    } else {
      appendFact(out, filing, end.addMonths(-3).addDays(1), end, value, back == 1);
      appendFact(out, filing, QDate(end.year(), 1, 1), end, value / 2, false);
    }
  }
}

void appendConcept(QByteArray &out, const QByteArray &name, const Concept &c,
                   const QList<Filing> &list, Numbers &numbers) {
  out +=
      "\"" + name + "\":{\"label\":\"" + name + "\",\"description\":\"" +
      QByteArray("The amount of the item, as described in the filer's statements. ").repeated(4) +
      "\",\"units\":{\"" + c.unit + "\":[";
  for (const Filing &filing : list)
    appendFiling(out, filing, c, numbers);
  out.chop(1);
  out += "]}},";
}

} // namespace

QByteArray generatedCompanyFacts(qsizetype bytes) {
  const QList<Filing> list = filings();
  Numbers numbers;
  QByteArray out;
  out.reserve(bytes + bytes / 10);
  out += "{\"cik\":999999,\"entityName\":\"Generated Holdings Inc.\",\"facts\":{\"dei\":{";
  appendConcept(out, "EntityCommonStockSharesOutstanding", {"", "shares", true}, list, numbers);
  out.chop(1);
  out += "},\"us-gaap\":{";
  for (const Concept &c : kRead)
    appendConcept(out, c.name, c, list, numbers);
  for (int filler = 0; out.size() < bytes; ++filler) {
    const Concept c{"", filler % 5 == 0 ? "shares" : "USD", filler % 3 == 0};
    appendConcept(out, "FillerConcept" + QByteArray::number(filler), c, list, numbers);
  }
  out.chop(1);
  out += "}}}";
  return out;
}

QByteArray generatedSymbol(int row) {
  QByteArray symbol;
  for (int n = row + 1; n > 0; n /= 26) {
    --n;
    symbol.prepend(char('A' + n % 26));
  }
  return row % 50 == 0 ? symbol + "-B" : symbol;
}

QByteArray generatedSymbolList(int rows) {
  QByteArray out = "{\"fields\":[\"cik\",\"name\",\"ticker\",\"exchange\"],\"data\":[";
  for (int row = 0; row < rows; ++row)
    out += "[" + QByteArray::number(1000000 + row * 7) + ",\"Generated Company Number " +
           QByteArray::number(row) + " of America, Incorporated\",\"" + generatedSymbol(row) +
           "\",\"" + (row % 3 ? "NYSE" : "Nasdaq") + "\"],";
  out.chop(1);
  return out + "]}";
}

} // namespace kelvo::bench
