// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "filings/annual_values.h"

#include <QHash>
#include <QMap>
#include <QSet>
#include <algorithm>
#include <cmath>
#include <vector>

namespace kelvo::filings {

namespace {

// A 52/53-week year lasts 364 or 371 days; a quarter or a transition period
// of a few months is far outside.
constexpr int kShortestYear = 350;
constexpr int kLongestYear = 380;
// A balance dated a few days off the year's end (some filers date it the
// day after) still belongs to that year, when nothing is dated on the end.
constexpr int kBalanceSlackDays = 7;

bool isAnnualForm(const QString &form) {
  static const QStringList forms{QStringLiteral("10-K"), QStringLiteral("10-K/A"),
                                 QStringLiteral("20-F"), QStringLiteral("20-F/A"),
                                 QStringLiteral("40-F"), QStringLiteral("40-F/A")};
  return forms.contains(form);
}

bool isAnnualPeriod(const Fact &fact) {
  if (fact.isInstant())
    return false;
  const qint64 days = fact.start.daysTo(fact.end) + 1;
  return days >= kShortestYear && days <= kLongestYear;
}

bool sameValue(double a, double b) {
  return a == b || std::abs(a - b) <= 1e-12 * std::max(std::abs(a), std::abs(b));
}

bool isCurrencyCode(const QString &unit) {
  return unit.size() == 3 &&
         std::all_of(unit.begin(), unit.end(), [](QChar c) { return c >= u'A' && c <= u'Z'; });
}

QString unitOf(Figure figure, const QString &currency) {
  switch (unitKind(figure)) {
  case UnitKind::Money:
    return currency;
  case UnitKind::MoneyPerShare:
    return currency + QStringLiteral("/shares");
  case UnitKind::Shares:
    break;
  }
  return QStringLiteral("shares");
}

// One tag's facts from annual reports, in the unit read, sorted by end.
struct TagFacts {
  QString tag;
  Measure measure = Measure::Flow;
  std::vector<const Fact *> byEnd;
};

TagFacts tagFacts(const CompanyFacts &facts, const ConceptTag &tag, const QString &unit) {
  TagFacts out{tagName(tag), tag.measure, {}};
  const auto entry = facts.concepts.constFind(out.tag);
  if (entry == facts.concepts.cend())
    return out;
  const auto list = entry->byUnit.constFind(unit);
  if (list == entry->byUnit.cend())
    return out;
  for (const Fact &fact : *list)
    if (isAnnualForm(fact.form))
      out.byEnd.push_back(&fact);
  std::stable_sort(out.byEnd.begin(), out.byEnd.end(),
                   [](const Fact *a, const Fact *b) { return a->end < b->end; });
  return out;
}

using FigureTags = std::array<std::vector<TagFacts>, kFigureCount>;

FigureTags indexTags(const CompanyFacts &facts, const QString &currency) {
  FigureTags index;
  for (int f = 0; f < kFigureCount; ++f)
    for (const ConceptTag &tag : conceptTags(Figure(f)))
      index[f].push_back(tagFacts(facts, tag, unitOf(Figure(f), currency)));
  return index;
}

// The currency a unit of a figure is in: "USD" for "USD" and "USD/shares";
// empty for a unit of shares or one that names no currency.
QString currencyOf(Figure figure, const QString &unit) {
  if (unitKind(figure) == UnitKind::Shares)
    return QString();
  const QString code = unitKind(figure) == UnitKind::MoneyPerShare && unit.endsWith(u"/shares")
                           ? unit.chopped(7)
                           : unit;
  return isCurrencyCode(code) ? code : QString();
}

// The reporting currency: the one most amounts and per-share figures of
// annual reports are in; among equals, the one of the newest figure.
QString reportingCurrency(const CompanyFacts &facts) {
  QMap<QString, std::pair<int, QDate>> seen; // count, newest end
  for (int f = 0; f < kFigureCount; ++f)
    for (const ConceptTag &tag : conceptTags(Figure(f))) {
      const ConceptFacts entry = facts.concepts.value(tagName(tag));
      for (auto unit = entry.byUnit.cbegin(); unit != entry.byUnit.cend(); ++unit) {
        const QString currency = currencyOf(Figure(f), unit.key());
        if (currency.isEmpty())
          continue;
        auto &[count, newest] = seen[currency];
        for (const Fact &fact : unit.value())
          if (isAnnualForm(fact.form)) {
            ++count;
            newest = std::max(newest, fact.end);
          }
      }
    }
  QString best;
  for (auto it = seen.cbegin(); it != seen.cend(); ++it)
    if (it->first > 0 && (best.isEmpty() || *it > seen.value(best)))
      best = it.key();
  return best;
}

// The fiscal years, and for each annual report the end of the year it
// reports on (the latest end among its annual periods).
struct Calendar {
  QList<FiscalYear> years;
  QHash<QString, QDate> reportedYear; // accession -> end of its fiscal year
};

Calendar fiscalCalendar(const FigureTags &index) {
  Calendar calendar;
  QMap<QDate, int> ends; // copies of annual periods ending on each date
  for (const std::vector<TagFacts> &tags : index)
    for (const TagFacts &tag : tags)
      for (const Fact *fact : tag.byEnd) {
        if (tag.measure != Measure::Flow || !isAnnualPeriod(*fact))
          continue;
        ++ends[fact->end];
        QDate &reported = calendar.reportedYear[fact->accession];
        reported = std::max(reported, fact->end);
      }
  // Several ends named by one year (a year end that moved, a 12-month period
  // recast for comparison): the end some annual report is about wins, then
  // the most reported one, then the later one.
  QSet<QDate> reported;
  for (const QDate &end : std::as_const(calendar.reportedYear))
    reported.insert(end);
  QMap<int, std::tuple<bool, int, QDate>> chosen;
  for (auto it = ends.cbegin(); it != ends.cend(); ++it) {
    const std::tuple<bool, int, QDate> score{reported.contains(it.key()), it.value(), it.key()};
    auto &best = chosen[fiscalYearEndingOn(it.key())];
    best = std::max(best, score);
  }
  for (auto it = chosen.cbegin(); it != chosen.cend(); ++it)
    calendar.years.append({it.key(), std::get<2>(it.value())});
  return calendar;
}

struct ByEnd {
  bool operator()(const Fact *fact, const QDate &end) const { return fact->end < end; }
  bool operator()(const QDate &end, const Fact *fact) const { return end < fact->end; }
};

auto endingOn(const TagFacts &tag, const QDate &end) {
  return std::equal_range(tag.byEnd.cbegin(), tag.byEnd.cend(), end, ByEnd());
}

QList<const Fact *> balancesNear(const TagFacts &tag, const QDate &end) {
  QList<const Fact *> found;
  qint64 nearest = kBalanceSlackDays + 1;
  auto from = endingOn(tag, end.addDays(-kBalanceSlackDays)).first;
  auto to = endingOn(tag, end.addDays(kBalanceSlackDays)).second;
  for (auto it = from; it != to; ++it) {
    if (!(*it)->isInstant())
      continue;
    const qint64 off = std::abs(end.daysTo((*it)->end));
    if (off < nearest)
      found.clear();
    if (off <= nearest) {
      nearest = off;
      found.append(*it);
    }
  }
  return found;
}

QList<const Fact *> candidates(const TagFacts &tag, const FiscalYear &year,
                               const Calendar &calendar) {
  QList<const Fact *> found;
  if (tag.measure == Measure::Balance)
    return balancesNear(tag, year.end);
  if (tag.measure == Measure::Flow) {
    const auto [from, to] = endingOn(tag, year.end);
    for (auto it = from; it != to; ++it)
      if (isAnnualPeriod(**it))
        found.append(*it);
    return found;
  }
  // The cover of the annual report about this year, dated after its end.
  const auto from = endingOn(tag, year.end).first;
  const auto to = endingOn(tag, year.end.addDays(kLongestYear)).second;
  for (auto it = from; it != to; ++it)
    if ((*it)->isInstant() && calendar.reportedYear.value((*it)->accession) == year.end)
      found.append(*it);
  return found;
}

// The values filed before the last copy that differ from it, each once (its
// first filing), oldest first. A figure is restated once or twice; only the
// latest few of a longer list are kept, which would say nothing more.
QList<Fact> earlierValues(const QList<const Fact *> &copies, const Fact &last) {
  constexpr std::size_t kKept = 5;
  std::vector<const Fact *> other;
  for (const Fact *fact : copies)
    if (!sameValue(fact->value, last.value))
      other.push_back(fact);
  std::stable_sort(other.begin(), other.end(), [](const Fact *a, const Fact *b) {
    return std::pair(a->value, a->filed) < std::pair(b->value, b->filed);
  });
  other.erase(
      std::unique(other.begin(), other.end(),
                  [](const Fact *a, const Fact *b) { return sameValue(a->value, b->value); }),
      other.end());
  std::stable_sort(other.begin(), other.end(),
                   [](const Fact *a, const Fact *b) { return a->filed < b->filed; });
  QList<Fact> earlier;
  for (std::size_t i = other.size() > kKept ? other.size() - kKept : 0; i < other.size(); ++i)
    earlier.append(*other[i]);
  return earlier;
}

// The copy filed last (a framed copy wins a tie, then the later in the file)
// with the different values filed before it, or a gap when the last filing
// itself gives several values.
AnnualCell chooseValue(const QList<const Fact *> &copies, const QString &tag) {
  const Fact *last = copies.front();
  for (const Fact *fact : copies)
    if (std::pair(fact->filed, fact->framed) >= std::pair(last->filed, last->framed))
      last = fact;
  const bool several = std::any_of(copies.cbegin(), copies.cend(), [&](const Fact *fact) {
    return fact->accession == last->accession && !sameValue(fact->value, last->value);
  });
  if (several)
    return {std::nullopt, Gap::SeveralValues};
  return {AnnualValue{last->value, tag, *last, earlierValues(copies, *last)}, Gap::None};
}

AnnualCell figureCell(const std::vector<TagFacts> &tags, const FiscalYear &year,
                      const Calendar &calendar) {
  Gap gap = Gap::NotReported;
  for (const TagFacts &tag : tags) {
    const QList<const Fact *> copies = candidates(tag, year, calendar);
    if (copies.isEmpty())
      continue;
    AnnualCell cell = chooseValue(copies, tag.tag);
    if (cell.value)
      return cell;
    gap = cell.gap; // a later tag may still give one value
  }
  return {std::nullopt, gap};
}

} // namespace

QString FiscalYear::name() const { return QStringLiteral("FY%1").arg(year); }

int fiscalYearEndingOn(const QDate &end) {
  const bool firstWeekOfJanuary = end.month() == 1 && end.day() <= 7;
  return firstWeekOfJanuary ? end.year() - 1 : end.year();
}

AnnualFigures annualFigures(const CompanyFacts &facts) {
  AnnualFigures out;
  out.cik = facts.cik;
  out.companyName = facts.entityName;
  out.cappedConcepts = facts.cappedConcepts;
  out.currency = reportingCurrency(facts);
  const FigureTags index = indexTags(facts, out.currency);
  const Calendar calendar = fiscalCalendar(index);
  for (const FiscalYear &year : calendar.years) {
    std::array<AnnualCell, kFigureCount> cells;
    bool any = false;
    for (int f = 0; f < kFigureCount; ++f) {
      cells[f] = figureCell(index[f], year, calendar);
      any = any || cells[f].value.has_value();
    }
    if (!any)
      continue;
    out.years.append(year);
    for (int f = 0; f < kFigureCount; ++f)
      out.cells[f].append(cells[f]);
  }
  return out;
}

} // namespace kelvo::filings
