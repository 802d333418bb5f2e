// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "filings/cell_text.h"

#include <QCoreApplication>
#include <cmath>

namespace kelvo::filings {

namespace {

class CellTexts {
  Q_DECLARE_TR_FUNCTIONS(FinancialHistory)
};

QString isoDate(const QDate &date) { return date.toString(Qt::ISODate); }

} // namespace

QString formatNumber(double value, int decimals) {
  if (!std::isfinite(value))
    return kEmptyCellText.toString();
  QString digits = QString::number(std::abs(value), 'f', decimals);
  qsizetype point = digits.indexOf(QLatin1Char('.'));
  if (point < 0)
    point = digits.size();
  for (qsizetype at = point - 3; at > 0; at -= 3)
    digits.insert(at, QLatin1Char(','));
  return value < 0 ? QLatin1Char('-') + digits : digits;
}

QString cellText(RowKind kind, double value) {
  switch (kind) {
  case RowKind::Amount:
  case RowKind::Shares:
    return formatNumber(value / 1e6, 1);
  case RowKind::PerShare:
    return formatNumber(value, 2);
  case RowKind::Percent:
    return formatNumber(value * 100, 1) + QLatin1Char('%');
  case RowKind::Years:
    break;
  }
  return formatNumber(value, 1);
}

QString periodText(const Fact &fact) {
  if (fact.isInstant())
    return CellTexts::tr("at %1").arg(isoDate(fact.end));
  return CellTexts::tr("%1 to %2").arg(isoDate(fact.start), isoDate(fact.end));
}

QString filingText(const Fact &fact) {
  return CellTexts::tr("%1 filed %2, accession %3")
      .arg(fact.form, isoDate(fact.filed), fact.accession);
}

QString reportedToolTip(RowKind kind, const QString &tag, const Fact &source,
                        const QList<Fact> &earlier) {
  QStringList lines{tag, periodText(source), filingText(source)};
  if (!earlier.isEmpty()) {
    QStringList values{CellTexts::tr("%1 in this filing").arg(cellText(kind, source.value))};
    for (const Fact &fact : earlier)
      values.append(CellTexts::tr("%1 in %2").arg(cellText(kind, fact.value), filingText(fact)));
    lines.append(CellTexts::tr("Restated: %1").arg(values.join(QStringLiteral("; "))));
  }
  return lines.join(QLatin1Char('\n'));
}

} // namespace kelvo::filings
