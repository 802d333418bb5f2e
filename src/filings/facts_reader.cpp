// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "filings/company_facts.h"
#include "filings/concept_tags.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>

namespace kelvo::filings {

namespace {

class FactsTexts {
  Q_DECLARE_TR_FUNCTIONS(CompanyFacts)
};

CompanyFactsRead refused(const QString &why) { return {std::nullopt, why}; }

std::optional<QDate> dateField(const QJsonObject &object, QLatin1StringView key) {
  const QJsonValue value = object.value(key);
  if (!value.isString())
    return std::nullopt;
  const QString text = value.toString();
  if (text.size() != 10)
    return std::nullopt;
  const QDate date = QDate::fromString(text, Qt::ISODate);
  return date.isValid() ? std::optional(date) : std::nullopt;
}

std::optional<Fact> factFrom(const QJsonValue &value) {
  if (!value.isObject())
    return std::nullopt;
  const QJsonObject object = value.toObject();
  const QJsonValue val = object.value(QLatin1StringView("val"));
  const QJsonValue accession = object.value(QLatin1StringView("accn"));
  const QJsonValue form = object.value(QLatin1StringView("form"));
  const std::optional<QDate> end = dateField(object, QLatin1StringView("end"));
  const std::optional<QDate> filed = dateField(object, QLatin1StringView("filed"));
  if (!val.isDouble() || !std::isfinite(val.toDouble()) || !accession.isString() ||
      !form.isString() || !end || !filed)
    return std::nullopt;
  Fact fact;
  if (object.contains(QLatin1StringView("start"))) {
    const std::optional<QDate> start = dateField(object, QLatin1StringView("start"));
    if (!start || *start > *end)
      return std::nullopt;
    fact.start = *start;
  }
  fact.end = *end;
  fact.value = val.toDouble();
  fact.accession = accession.toString();
  fact.form = form.toString();
  fact.filed = *filed;
  fact.framed = object.value(QLatin1StringView("frame")).isString();
  return fact;
}

// Reads one concept's units; false when it was cut at the cap.
bool readConcept(const QJsonObject &entry, ConceptFacts &out) {
  const QJsonObject units = entry.value(QLatin1StringView("units")).toObject();
  int kept = 0;
  for (auto unit = units.begin(); unit != units.end(); ++unit) {
    const QJsonArray facts = unit.value().toArray();
    for (const QJsonValue &value : facts) {
      if (kept == kMaxFactsPerConcept)
        return false;
      if (std::optional<Fact> fact = factFrom(value)) {
        out.byUnit[unit.key()].append(*fact);
        ++kept;
      }
    }
  }
  return true;
}

qint64 cikFrom(const QJsonValue &value) {
  const double number = value.toDouble(-1);
  if (number >= 1 && number <= 9'999'999'999.0 && number == std::floor(number))
    return qint64(number);
  return 0;
}

} // namespace

CompanyFactsRead readCompanyFacts(const QByteArray &body) {
  if (body.size() > kMaxFactsBodyBytes)
    return refused(FactsTexts::tr("It is larger than 200 MB."));
  QJsonParseError error;
  const QJsonDocument document = QJsonDocument::fromJson(body, &error);
  if (error.error != QJsonParseError::NoError)
    return refused(FactsTexts::tr("It is not valid JSON text."));
  const QJsonValue taxonomies = document.object().value(QLatin1StringView("facts"));
  if (!taxonomies.isObject())
    return refused(FactsTexts::tr("It is not a company's reported figures from the SEC."));

  CompanyFacts facts;
  facts.cik = cikFrom(document.object().value(QLatin1StringView("cik")));
  facts.entityName = document.object().value(QLatin1StringView("entityName")).toString();
  const QJsonObject byTaxonomy = taxonomies.toObject();
  for (auto taxonomy = byTaxonomy.begin(); taxonomy != byTaxonomy.end(); ++taxonomy) {
    const QJsonObject concepts = taxonomy.value().toObject();
    for (auto entry = concepts.begin(); entry != concepts.end(); ++entry) {
      const QString key = taxonomy.key() + QLatin1Char(':') + entry.key();
      if (!conceptsRead().contains(key) || !entry.value().isObject())
        continue;
      ConceptFacts read;
      if (!readConcept(entry.value().toObject(), read))
        facts.cappedConcepts.append(key);
      facts.concepts.insert(key, read);
    }
  }
  return {facts, QString()};
}

} // namespace kelvo::filings
