// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "filings/symbol_list.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cmath>

namespace kelvo::filings {

namespace {

class SymbolListTexts {
  Q_DECLARE_TR_FUNCTIONS(SymbolList)
};

constexpr double kLargestCik = 9'999'999'999.0;

struct Columns {
  qsizetype cik = -1;
  qsizetype name = -1;
  qsizetype symbol = -1;
  qsizetype exchange = -1;
};

std::optional<Columns> columnsOf(const QJsonValue &fields) {
  if (!fields.isArray())
    return std::nullopt;
  Columns columns;
  const QJsonArray names = fields.toArray();
  for (qsizetype i = 0; i < names.size(); ++i) {
    const QString name = names[i].toString();
    qsizetype *column = name == u"cik"        ? &columns.cik
                        : name == u"name"     ? &columns.name
                        : name == u"ticker"   ? &columns.symbol
                        : name == u"exchange" ? &columns.exchange
                                              : nullptr;
    if (column && *column < 0)
      *column = i;
  }
  if (columns.cik < 0 || columns.symbol < 0)
    return std::nullopt;
  return columns;
}

// A CIK as a whole number, or as its digits in a string.
qint64 cikOf(const QJsonValue &value) {
  double number = value.toDouble(-1);
  if (value.isString()) {
    bool ok = false;
    number = double(value.toString().toLongLong(&ok));
    if (!ok)
      return 0;
  }
  if (number >= 1 && number <= kLargestCik && number == std::floor(number))
    return qint64(number);
  return 0;
}

// A text cell; null or absent is empty, anything else is no text.
std::optional<QString> textOf(const QJsonArray &row, qsizetype column) {
  if (column < 0 || column >= row.size() || row[column].isNull())
    return QString();
  if (!row[column].isString())
    return std::nullopt;
  return row[column].toString();
}

std::optional<ListedCompany> companyOf(const QJsonValue &value, const Columns &columns) {
  const QJsonArray row = value.toArray();
  if (columns.cik >= row.size() || columns.symbol >= row.size())
    return std::nullopt;
  ListedCompany company;
  company.cik = cikOf(row[columns.cik]);
  const std::optional<QString> symbol = textOf(row, columns.symbol);
  const std::optional<QString> name = textOf(row, columns.name);
  const std::optional<QString> exchange = textOf(row, columns.exchange);
  if (company.cik == 0 || !symbol || !name || !exchange)
    return std::nullopt;
  company.symbol = secSymbol(*symbol);
  if (company.symbol.isEmpty())
    return std::nullopt;
  company.name = name->trimmed();
  company.exchange = exchange->trimmed();
  return company;
}

bool bySymbol(const ListedCompany &a, const ListedCompany &b) { return a.symbol < b.symbol; }

} // namespace

struct SymbolListReader {
  static SymbolListRead read(const QJsonObject &root) {
    const std::optional<Columns> columns = columnsOf(root.value(QLatin1StringView("fields")));
    const QJsonValue data = root.value(QLatin1StringView("data"));
    if (!columns || !data.isArray())
      return {std::nullopt, SymbolListTexts::tr("It is not the SEC's list of symbols.")};
    SymbolList list;
    const QJsonArray rows = data.toArray();
    list.m_companies.reserve(std::size_t(rows.size()));
    for (const auto &row : rows) {
      if (std::optional<ListedCompany> company = companyOf(row, *columns))
        list.m_companies.push_back(std::move(*company));
      else
        ++list.m_skippedRows;
    }
    if (list.m_companies.empty())
      return {std::nullopt, SymbolListTexts::tr("The SEC's list of symbols lists no company.")};
    std::stable_sort(list.m_companies.begin(), list.m_companies.end(), bySymbol);
    const auto repeated =
        std::unique(list.m_companies.begin(), list.m_companies.end(),
                    [](const auto &a, const auto &b) { return a.symbol == b.symbol; });
    list.m_companies.erase(repeated, list.m_companies.end());
    return {std::move(list), QString()};
  }
};

QString secSymbol(QStringView symbol) {
  QString spelled = symbol.trimmed().toString().toUpper();
  spelled.replace(QLatin1Char('/'), QLatin1Char('-')).replace(QLatin1Char('.'), QLatin1Char('-'));
  return spelled;
}

const ListedCompany *SymbolList::find(QStringView symbol) const {
  ListedCompany key;
  key.symbol = secSymbol(symbol);
  const auto at = std::lower_bound(m_companies.begin(), m_companies.end(), key, bySymbol);
  return at != m_companies.end() && at->symbol == key.symbol ? &*at : nullptr;
}

SymbolListRead readSymbolList(const QByteArray &body) {
  if (body.size() > kMaxSymbolListBytes)
    return {std::nullopt, SymbolListTexts::tr("It is larger than 200 MB.")};
  QJsonParseError error;
  const QJsonDocument document = QJsonDocument::fromJson(body, &error);
  if (error.error != QJsonParseError::NoError)
    return {std::nullopt, SymbolListTexts::tr("It is not valid JSON text.")};
  return SymbolListReader::read(document.object());
}

} // namespace kelvo::filings
