// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Reads a company-facts document in one pass with JsonCursor, keeping the
// facts of the concepts the history reads and checking the rest as JSON
// only: a large company's document is tens of megabytes.
#include "filings/company_facts.h"
#include "filings/concept_tags.h"
#include "filings/json_cursor.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace kelvo::filings {

namespace {

class FactsTexts {
  Q_DECLARE_TR_FUNCTIONS(CompanyFacts)
};

using Type = JsonCursor::Type;

// "2023-09-30" and nothing else.
std::optional<QDate> dateOf(const QByteArray &text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-')
    return std::nullopt;
  bool year = false, month = false, day = false;
  const QDate date(text.left(4).toInt(&year), text.mid(5, 2).toInt(&month),
                   text.mid(8, 2).toInt(&day));
  const bool digits = std::all_of(text.begin(), text.end(),
                                  [](char c) { return c == '-' || (c >= '0' && c <= '9'); });
  return year && month && day && digits && date.isValid() ? std::optional(date) : std::nullopt;
}

// One fact's fields as read; a field missing or of the wrong type leaves it unusable.
struct FactFields {
  Fact fact;
  bool hasStart = false;
  bool badStart = false;
  bool hasEnd = false;
  bool hasValue = false;
  bool hasAccession = false;
  bool hasForm = false;
  bool hasFiled = false;

  std::optional<Fact> usable() const {
    const bool complete = hasEnd && hasValue && hasAccession && hasForm && hasFiled;
    if (!complete || badStart || (hasStart && fact.start > fact.end))
      return std::nullopt;
    return fact;
  }
};

class Reader {
public:
  explicit Reader(const QByteArray &body) : m_json(body) {}

  CompanyFactsRead read() {
    bool sawFacts = false;
    const bool object = m_json.peek() == Type::Object;
    if (object && m_json.enterObject()) {
      while (m_json.nextKey(&m_key))
        sawFacts = readTopMember() || sawFacts;
    } else {
      m_json.skipValue();
    }
    if (!m_json.atCleanEnd())
      return {std::nullopt, FactsTexts::tr("It is not valid JSON text.")};
    if (!sawFacts)
      return {std::nullopt, FactsTexts::tr("It is not a company's reported figures from the SEC.")};
    return {std::move(m_facts), QString()};
  }

private:
  // A member of the document's object; true for the "facts" object.
  bool readTopMember() {
    const Type type = m_json.peek();
    if (m_key == "facts" && type == Type::Object) {
      m_facts.concepts.clear();
      m_facts.cappedConcepts.clear();
      readTaxonomies();
      return true;
    }
    double number = 0;
    if (m_key == "cik" && type == Type::Number) {
      const bool whole = m_json.readNumber(number) && number >= 1 && number <= 9'999'999'999.0 &&
                         number == std::floor(number);
      m_facts.cik = whole ? qint64(number) : 0;
    } else if (m_key == "entityName" && type == Type::String) {
      m_json.readString(m_text);
      m_facts.entityName = QString::fromUtf8(m_text);
    } else {
      m_json.skipValue();
    }
    return false;
  }

  void readTaxonomies() {
    m_json.enterObject();
    while (m_json.nextKey(&m_key)) {
      if (m_json.peek() != Type::Object) {
        m_json.skipValue();
        continue;
      }
      const QByteArray taxonomy = m_key;
      m_json.enterObject();
      while (m_json.nextKey(&m_key)) {
        const QString tag = QString::fromUtf8(taxonomy + ':' + m_key);
        if (m_json.peek() == Type::Object && conceptsRead().contains(tag))
          readConcept(tag);
        else
          m_json.skipValue();
      }
    }
  }

  void readConcept(const QString &tag) {
    ConceptFacts facts;
    int kept = 0;
    bool capped = false;
    m_json.enterObject();
    while (m_json.nextKey(&m_key)) {
      if (m_key != "units" || m_json.peek() != Type::Object) {
        m_json.skipValue();
        continue;
      }
      m_json.enterObject();
      while (m_json.nextKey(&m_key)) {
        if (m_json.peek() == Type::Array)
          readUnit(facts.byUnit[QString::fromUtf8(m_key)], kept, capped);
        else
          m_json.skipValue();
      }
    }
    if (capped && !m_facts.cappedConcepts.contains(tag))
      m_facts.cappedConcepts.append(tag);
    m_facts.concepts.insert(tag, facts);
  }

  // The facts of one unit; `kept` counts those of the whole concept.
  void readUnit(QList<Fact> &facts, int &kept, bool &capped) {
    m_json.enterArray();
    while (m_json.nextElement()) {
      const bool isObject = m_json.peek() == Type::Object;
      capped = capped || (isObject && kept == kMaxFactsPerConcept);
      if (!isObject || kept == kMaxFactsPerConcept) {
        m_json.skipValue();
        continue;
      }
      if (const std::optional<Fact> fact = readFact()) {
        facts.append(*fact);
        ++kept;
      }
    }
  }

  std::optional<Fact> readFact() {
    FactFields fields;
    m_json.enterObject();
    while (m_json.nextKey(&m_key))
      readFactField(fields);
    return fields.usable();
  }

  void readFactField(FactFields &f) {
    const Type type = m_json.peek();
    if (m_key == "val") {
      f.hasValue =
          type == Type::Number && m_json.readNumber(f.fact.value) && std::isfinite(f.fact.value);
      if (type != Type::Number)
        m_json.skipValue();
      return;
    }
    if (type != Type::String) {
      f.badStart = f.badStart || m_key == "start";
      m_json.skipValue();
      return;
    }
    m_json.readString(m_text);
    if (m_key == "start" || m_key == "end" || m_key == "filed")
      readDateField(f, dateOf(m_text));
    else if (m_key == "accn")
      readText(f.fact.accession, f.hasAccession);
    else if (m_key == "form")
      readText(f.fact.form, f.hasForm);
    else if (m_key == "frame")
      f.fact.framed = true;
  }

  void readText(QString &field, bool &has) {
    field = QString::fromUtf8(m_text);
    has = true;
  }

  void readDateField(FactFields &f, const std::optional<QDate> &date) {
    if (m_key == "start") {
      f.hasStart = true;
      f.badStart = !date;
      f.fact.start = date.value_or(QDate());
    } else if (m_key == "end") {
      f.hasEnd = date.has_value();
      f.fact.end = date.value_or(QDate());
    } else {
      f.hasFiled = date.has_value();
      f.fact.filed = date.value_or(QDate());
    }
  }

  JsonCursor m_json;
  CompanyFacts m_facts;
  QByteArray m_key;  // reused: most keys are read and compared only
  QByteArray m_text; // likewise for strings
};

} // namespace

CompanyFactsRead readCompanyFacts(const QByteArray &body) {
  if (body.size() > kMaxFactsBodyBytes)
    return {std::nullopt, FactsTexts::tr("It is larger than 200 MB.")};
  return Reader(body).read();
}

} // namespace kelvo::filings
