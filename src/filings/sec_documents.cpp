// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "filings/sec_documents.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace kelvo::filings {

namespace {

class DocumentTexts {
  Q_DECLARE_TR_FUNCTIONS(kelvo::filings::SecDocuments)
};

QString notJson() { return DocumentTexts::tr("It is not valid JSON text."); }

QString symbolListProblem(const QByteArray &body) {
  QJsonParseError error;
  const QJsonDocument document = QJsonDocument::fromJson(body, &error);
  if (error.error != QJsonParseError::NoError)
    return notJson();
  const QJsonObject top = document.object();
  const QJsonArray fields = top.value(QLatin1String("fields")).toArray();
  if (!top.value(QLatin1String("data")).isArray() ||
      !fields.contains(QJsonValue(QLatin1String("cik"))) ||
      !fields.contains(QJsonValue(QLatin1String("ticker"))))
    return DocumentTexts::tr("It is not the SEC's list of symbols.");
  return {};
}

QString companyFactsProblem(const QByteArray &body, qint64 cik) {
  QJsonParseError error;
  const QJsonDocument document = QJsonDocument::fromJson(body, &error);
  if (error.error != QJsonParseError::NoError)
    return notJson();
  const QJsonObject top = document.object();
  const QJsonValue found = top.value(QLatin1String("cik"));
  // The SEC writes the CIK as a number; a string of digits is read as well.
  const qint64 foundCik = found.isString() ? found.toString().toLongLong() : found.toInteger();
  if (!isValidCik(foundCik) || !top.value(QLatin1String("facts")).isObject())
    return DocumentTexts::tr("It is not a company's figures (company facts) from the SEC.");
  if (cik != 0 && foundCik != cik)
    return DocumentTexts::tr("It holds the figures of the company with CIK %1, not of CIK %2.")
        .arg(foundCik)
        .arg(cik);
  return {};
}

} // namespace

bool isValidCik(qint64 cik) { return cik > 0 && cik <= kMaxCik; }

std::chrono::seconds freshFor(SecDocument document) {
  return document == SecDocument::SymbolList ? kSymbolListFreshFor : kCompanyFactsFreshFor;
}

QString documentFileName(SecDocument document, qint64 cik) {
  if (document == SecDocument::SymbolList)
    return QStringLiteral("company_tickers_exchange.json");
  return QStringLiteral("CIK%1.json").arg(cik, 10, 10, QLatin1Char('0'));
}

BodyCheck defaultBodyCheck(SecDocument document, qint64 cik) {
  if (document == SecDocument::SymbolList)
    return symbolListProblem;
  return [cik](const QByteArray &body) { return companyFactsProblem(body, cik); };
}

} // namespace kelvo::filings
