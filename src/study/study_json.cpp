// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "study/study_json.h"

#include "study/verdicts.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <cmath>

namespace kelvo::study {

namespace {

class StudyJsonTexts {
  Q_DECLARE_TR_FUNCTIONS(StudyFile)
};

constexpr QLatin1StringView kFormatName{"kelvo-study"};
constexpr double kHighestKnowableVersion = 1000000;

// clang-format off
// The keys of the notes object, in the order of the checklist.
const std::array<QLatin1String, kNoteStepCount> kNoteKeys = {
    QLatin1String("company"), QLatin1String("competitiveAdvantages"),
    QLatin1String("management"), QLatin1String("bargainPrice")};
// clang-format on

QJsonValue dateToJson(const QDateTime &when) {
  if (!when.isValid())
    return QJsonValue::Null;
  return when.toOffsetFromUtc(when.offsetFromUtc()).toString(Qt::ISODate);
}

// Reads the fields of one object; the first field that does not hold what a
// study keeps there is remembered by its path for the message.
class FieldReader {
public:
  explicit FieldReader(QString &badField) : badField_(badField) {}

  QString text(const QJsonObject &object, QLatin1String key, const QString &path) {
    const QJsonValue value = object.value(key);
    if (value.isUndefined() || value.isNull())
      return {};
    if (!value.isString())
      fail(path + key);
    return value.toString();
  }

  QDateTime date(const QJsonObject &object, QLatin1String key, const QString &path) {
    const QJsonValue value = object.value(key);
    if (value.isUndefined() || value.isNull())
      return {};
    const QDateTime when = QDateTime::fromString(value.toString(), Qt::ISODate);
    if (!value.isString() || !when.isValid()) {
      fail(path + key);
      return {};
    }
    return when.toLocalTime();
  }

  QJsonObject object(const QJsonObject &parent, QLatin1String key, const QString &path) {
    const QJsonValue value = parent.value(key);
    if (!value.isUndefined() && !value.isNull() && !value.isObject())
      fail(path + key);
    return value.toObject();
  }

  QJsonArray array(const QJsonObject &parent, QLatin1String key, const QString &path) {
    const QJsonValue value = parent.value(key);
    if (!value.isUndefined() && !value.isNull() && !value.isArray())
      fail(path + key);
    return value.toArray();
  }

  QStringList texts(const QJsonObject &parent, QLatin1String key, const QString &path) {
    QStringList out;
    for (const QJsonValue value : array(parent, key, path)) {
      if (!value.isString())
        fail(path + key);
      out.append(value.toString());
    }
    return out;
  }

  // A whole number from 0 to `highest`; 0 when missing.
  qint64 count(const QJsonObject &object, QLatin1String key, const QString &path, double highest) {
    const QJsonValue value = object.value(key);
    if (value.isUndefined() || value.isNull())
      return 0;
    const double number = value.toDouble(-1);
    if (!value.isDouble() || !(number >= 0 && number <= highest) || number != std::floor(number)) {
      fail(path + key);
      return 0;
    }
    return qint64(number);
  }

  bool flag(const QJsonObject &object, QLatin1String key, const QString &path) {
    const QJsonValue value = object.value(key);
    if (!value.isUndefined() && !value.isNull() && !value.isBool())
      fail(path + key);
    return value.toBool();
  }

  void fail(const QString &field) {
    if (badField_.isEmpty())
      badField_ = field;
  }

private:
  QString &badField_;
};

// The largest company number (CIK) the SEC gives: ten digits.
constexpr double kLargestCik = 9999999999;

} // namespace

QJsonObject figuresToJsonObject(const Figures &figures) {
  QJsonArray rows;
  for (const FiguresRow &row : figures.rows) {
    QJsonObject object{{QLatin1String("heading"), row.heading},
                       {QLatin1String("cells"), QJsonArray::fromStringList(row.cells)}};
    if (!row.tags.isEmpty())
      object.insert(QLatin1String("tags"), QJsonArray::fromStringList(row.tags));
    rows.append(object);
  }
  return QJsonObject{{QLatin1String("cik"), figures.cik},
                     {QLatin1String("symbol"), figures.symbol},
                     {QLatin1String("company"), figures.company},
                     {QLatin1String("currency"), figures.currency},
                     {QLatin1String("downloaded"), figures.downloaded},
                     {QLatin1String("amounts"), figures.amounts},
                     {QLatin1String("years"), QJsonArray::fromStringList(figures.years)},
                     {QLatin1String("rows"), rows},
                     {QLatin1String("notes"), QJsonArray::fromStringList(figures.notes)},
                     {QLatin1String("adjustedForSplits"), figures.adjustedForSplits}};
}

Figures figuresFromJsonObject(const QJsonObject &object, QString *badField) {
  QString bad;
  FieldReader read(bad);
  const QString path = QStringLiteral("figures.");
  Figures figures;
  figures.cik = read.count(object, QLatin1String("cik"), path, kLargestCik);
  figures.symbol = read.text(object, QLatin1String("symbol"), path);
  figures.company = read.text(object, QLatin1String("company"), path);
  figures.currency = read.text(object, QLatin1String("currency"), path);
  figures.downloaded = read.text(object, QLatin1String("downloaded"), path);
  figures.amounts = read.text(object, QLatin1String("amounts"), path);
  figures.years = read.texts(object, QLatin1String("years"), path);
  figures.notes = read.texts(object, QLatin1String("notes"), path);
  figures.adjustedForSplits = read.flag(object, QLatin1String("adjustedForSplits"), path);
  const QString rowsPath = QStringLiteral("figures.rows");
  for (const QJsonValue value : read.array(object, QLatin1String("rows"), path)) {
    const QJsonObject row = value.toObject();
    FiguresRow shown{read.text(row, QLatin1String("heading"), rowsPath + QLatin1Char('.')),
                     read.texts(row, QLatin1String("cells"), rowsPath + QLatin1Char('.')),
                     read.texts(row, QLatin1String("tags"), rowsPath + QLatin1Char('.'))};
    // One cell, and one tag when there are tags, for each year: a row that
    // does not line up with the years would show figures under other years.
    if (!value.isObject() || shown.cells.size() != figures.years.size() ||
        (!shown.tags.isEmpty() && shown.tags.size() != figures.years.size()))
      read.fail(rowsPath);
    figures.rows.append(shown);
  }
  if (badField)
    *badField = bad;
  return bad.isEmpty() ? figures : Figures{};
}

QJsonObject studyToJsonObject(const Study &study) {
  QJsonObject notes;
  for (int step = 0; step < kNoteStepCount; ++step)
    notes.insert(kNoteKeys[step], study.notes[step]);

  QJsonArray inputs;
  for (const ValuationInput &input : study.valuation.inputs)
    inputs.append(
        QJsonObject{{QLatin1String("label"), input.label}, {QLatin1String("value"), input.value}});
  QJsonArray results;
  for (const ValuationResult &result : study.valuation.results)
    results.append(QJsonObject{{QLatin1String("method"), result.method},
                               {QLatin1String("value"), result.value},
                               {QLatin1String("margin"), result.margin},
                               {QLatin1String("buyBelow"), result.buyBelow}});

  const QJsonObject verdict{{QLatin1String("decision"), verdictKey(study.verdict)},
                            {QLatin1String("buyBelowPrice"), study.buyBelowPrice},
                            {QLatin1String("reasoning"), study.reasoning}};

  // QJsonObject keeps its keys sorted, so the same study always gives the same bytes.
  QJsonObject object{{QLatin1String("format"), kFormatName},
                     {QLatin1String("version"), kStudyFormatVersion},
                     {QLatin1String("symbol"), study.symbol},
                     {QLatin1String("companyName"), study.companyName},
                     {QLatin1String("begun"), dateToJson(study.begun)},
                     {QLatin1String("lastSaved"), dateToJson(study.lastSaved)},
                     {QLatin1String("notes"), notes},
                     {QLatin1String("valuation"), QJsonObject{{QLatin1String("inputs"), inputs},
                                                              {QLatin1String("results"), results}}},
                     {QLatin1String("verdict"), verdict}};
  // Written only when there are figures: a study without them keeps the
  // bytes it always had.
  if (!study.figures.isEmpty())
    object.insert(QLatin1String("figures"), figuresToJsonObject(study.figures));
  return object;
}

StudyReadResult studyFromJsonObject(const QJsonObject &object) {
  if (object.value(QLatin1String("format")).toString() != kFormatName)
    return {std::nullopt, StudyJsonTexts::tr("The file is not a Kelvo study."),
            ReadFailure::NotAStudy};
  // The version is a whole number; one past any this program could ever
  // have written is no version at all (and would not fit in an int).
  const QJsonValue versionValue = object.value(QLatin1String("version"));
  const double version = versionValue.toDouble(-1);
  if (!versionValue.isDouble() || !(version >= 1 && version <= kHighestKnowableVersion) ||
      version != std::floor(version))
    return {std::nullopt,
            StudyJsonTexts::tr("The study is damaged: it names no format version this program "
                               "knows."),
            ReadFailure::Damaged};
  if (version > kStudyFormatVersion)
    return {std::nullopt,
            StudyJsonTexts::tr("The study was saved by a newer version of Kelvo Training Wizard "
                               "in format version %1, and this version reads format version %2 "
                               "only. Please update the program to open it.")
                .arg(static_cast<int>(version))
                .arg(kStudyFormatVersion),
            ReadFailure::Newer};

  QString badField;
  FieldReader read(badField);
  const QString top;
  Study study;
  study.symbol = read.text(object, QLatin1String("symbol"), top);
  study.companyName = read.text(object, QLatin1String("companyName"), top);
  study.begun = read.date(object, QLatin1String("begun"), top);
  study.lastSaved = read.date(object, QLatin1String("lastSaved"), top);

  const QJsonObject notes = read.object(object, QLatin1String("notes"), top);
  for (int step = 0; step < kNoteStepCount; ++step)
    study.notes[step] = read.text(notes, kNoteKeys[step], QStringLiteral("notes."));

  const QJsonObject valuation = read.object(object, QLatin1String("valuation"), top);
  const QString inputsPath = QStringLiteral("valuation.inputs");
  const QJsonArray inputs =
      read.array(valuation, QLatin1String("inputs"), QStringLiteral("valuation."));
  for (const auto &value : inputs) {
    if (!value.isObject()) {
      read.fail(inputsPath);
      continue;
    }
    const QJsonObject input = value.toObject();
    study.valuation.inputs.append(
        {read.text(input, QLatin1String("label"), inputsPath + QLatin1Char('.')),
         read.text(input, QLatin1String("value"), inputsPath + QLatin1Char('.'))});
  }
  const QString resultsPath = QStringLiteral("valuation.results.");
  const QJsonArray results =
      read.array(valuation, QLatin1String("results"), QStringLiteral("valuation."));
  for (const auto &value : results) {
    if (!value.isObject()) {
      read.fail(QStringLiteral("valuation.results"));
      continue;
    }
    const QJsonObject result = value.toObject();
    study.valuation.results.append({read.text(result, QLatin1String("method"), resultsPath),
                                    read.text(result, QLatin1String("value"), resultsPath),
                                    read.text(result, QLatin1String("margin"), resultsPath),
                                    read.text(result, QLatin1String("buyBelow"), resultsPath)});
  }

  const QJsonObject figures = read.object(object, QLatin1String("figures"), top);
  if (!figures.isEmpty()) {
    QString badFigure;
    study.figures = figuresFromJsonObject(figures, &badFigure);
    if (!badFigure.isEmpty())
      read.fail(badFigure);
  }

  const QJsonObject verdict = read.object(object, QLatin1String("verdict"), top);
  const QString verdictPath = QStringLiteral("verdict.");
  const QString decision = read.text(verdict, QLatin1String("decision"), verdictPath);
  if (const std::optional<Verdict> known = verdictFromKey(decision))
    study.verdict = *known;
  else if (!decision.isEmpty())
    read.fail(verdictPath + QLatin1String("decision"));
  study.buyBelowPrice = read.text(verdict, QLatin1String("buyBelowPrice"), verdictPath);
  study.reasoning = read.text(verdict, QLatin1String("reasoning"), verdictPath);

  if (!badField.isEmpty())
    return {std::nullopt,
            StudyJsonTexts::tr("The study is damaged: its field “%1” does not "
                               "hold what a study keeps there.")
                .arg(badField),
            ReadFailure::Damaged};
  return {std::move(study), {}};
}

} // namespace kelvo::study
