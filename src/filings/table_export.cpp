// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "filings/table_export.h"

#include "filings/cell_text.h"

#include <QCoreApplication>
#include <QJsonArray>

namespace kelvo::filings {

namespace {

class ExportTexts {
  Q_DECLARE_TR_FUNCTIONS(FinancialHistory)
};

QString unitOf(Row row, const QString &currency) {
  switch (rowKind(row)) {
  case RowKind::Amount:
    return ExportTexts::tr("%1 millions").arg(currency);
  case RowKind::PerShare:
    return ExportTexts::tr("%1 per share").arg(currency);
  case RowKind::Shares:
    return ExportTexts::tr("millions");
  case RowKind::Percent:
    return QStringLiteral("%");
  case RowKind::Years:
    break;
  }
  return ExportTexts::tr("years");
}

// The cell's number in the row's unit, as written but without separators.
QString plainNumber(const Cell &cell) {
  if (!cell.value)
    return QString();
  QString text = cell.text;
  text.remove(QLatin1Char(',')).remove(QLatin1Char('%'));
  return text;
}

QByteArray csvField(const QString &text) {
  QByteArray field = text.toUtf8();
  if (field.contains(',') || field.contains('"') || field.contains('\n') || field.contains('\r'))
    field = '"' + field.replace("\"", "\"\"") + '"';
  return field;
}

QByteArray csvLine(const QStringList &fields) {
  QByteArrayList line;
  for (const QString &field : fields)
    line.append(csvField(field));
  return line.join(',') + "\r\n";
}

QStringList yearNames(const HistoryTable &table) {
  QStringList names;
  for (const FiscalYear &year : table.years)
    names.append(year.name());
  return names;
}

} // namespace

QByteArray historyCsv(const HistoryTable &table) {
  QByteArray csv =
      csvLine(QStringList{ExportTexts::tr("Figure"), ExportTexts::tr("Unit")} + yearNames(table));
  for (int r = 0; r < kRowCount; ++r) {
    QStringList fields{rowHeading(Row(r)), unitOf(Row(r), table.currency)};
    for (const Cell &cell : table.rows[r])
      fields.append(plainNumber(cell));
    csv += csvLine(fields);
  }
  return csv;
}

QString historyText(const HistoryTable &table) {
  QStringList lines{ExportTexts::tr("%1 (CIK %2)").arg(table.companyName).arg(table.cik),
                    amountsLine(table.currency),
                    (QStringList{QString()} + yearNames(table)).join(u'\t')};
  for (int r = 0; r < kRowCount; ++r) {
    QStringList fields{rowHeading(Row(r))};
    for (const Cell &cell : table.rows[r])
      fields.append(cell.text);
    lines.append(fields.join(u'\t'));
  }
  lines += table.notes;
  return lines.join(u'\n') + u'\n';
}

QJsonObject historyJson(const HistoryTable &table, const QDate &downloaded) {
  QJsonArray rows;
  for (int r = 0; r < kRowCount; ++r) {
    QJsonArray cells, tags;
    bool reported = false;
    for (const Cell &cell : table.rows[r]) {
      cells.append(cell.text);
      tags.append(cell.tag);
      reported = reported || !cell.tag.isEmpty();
    }
    QJsonObject row{{QStringLiteral("heading"), rowHeading(Row(r))},
                    {QStringLiteral("cells"), cells}};
    if (reported)
      row.insert(QStringLiteral("tags"), tags);
    rows.append(row);
  }
  return {{QStringLiteral("cik"), table.cik},
          {QStringLiteral("company"), table.companyName},
          {QStringLiteral("currency"), table.currency},
          {QStringLiteral("downloaded"), downloaded.toString(Qt::ISODate)},
          {QStringLiteral("amounts"), amountsLine(table.currency)},
          {QStringLiteral("years"), QJsonArray::fromStringList(yearNames(table))},
          {QStringLiteral("rows"), rows},
          {QStringLiteral("notes"), QJsonArray::fromStringList(table.notes)},
          {QStringLiteral("adjustedForSplits"), table.adjustedForSplits}};
}

} // namespace kelvo::filings
