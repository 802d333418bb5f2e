// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "financial_history/history_header.h"

#include <QFileInfo>
#include <QLabel>
#include <QVBoxLayout>

namespace kelvo::app {

QLabel *plainLine(const char *name) {
  auto *label = new QLabel;
  label->setObjectName(QLatin1String(name));
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

namespace {

QString dayOf(const QDateTime &when) { return when.toLocalTime().date().toString(Qt::ISODate); }

} // namespace

HistoryHeader::HistoryHeader(QWidget *parent)
    : QWidget(parent), company_(plainLine("company")), details_(plainLine("details")),
      source_(plainLine("source")) {
  QFont big = company_->font();
  big.setPointSizeF(big.pointSizeF() * 1.3);
  big.setBold(true);
  company_->setFont(big);
  auto *column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(2);
  column->addWidget(company_);
  column->addWidget(details_);
  column->addWidget(source_);
}

void HistoryHeader::showFigures(const LoadedFigures &loaded, const filings::HistoryTable &table) {
  company_->setText(table.companyName.isEmpty() ? tr("A company without a name")
                                                : table.companyName);
  QStringList parts{tr("CIK %1").arg(table.cik, 10, 10, QLatin1Char('0'))};
  if (!loaded.symbol.isEmpty())
    parts << tr("symbol %1").arg(loaded.symbol);
  if (table.fiscalYearEnd().isValid())
    parts << tr("fiscal year ending %1").arg(table.fiscalYearEnd().toString(Qt::ISODate));
  if (!table.currency.isEmpty())
    parts << tr("currency %1").arg(table.currency);
  details_->setText(parts.join(QStringLiteral(" · ")));
  details_->show();
  if (loaded.origin == filings::FetchOrigin::File)
    source_->setText(tr("Figures reported in annual reports to the SEC, from the file “%1”, "
                        "saved %2")
                         .arg(QFileInfo(loaded.file).fileName(), dayOf(loaded.downloaded)));
  else
    source_->setText(tr("Figures reported in annual reports to the SEC, downloaded %1")
                         .arg(dayOf(loaded.downloaded)));
}

void HistoryHeader::showNone(const QString &symbol) {
  company_->setText(symbol.trimmed().isEmpty() ? tr("No company chosen")
                                               : tr("No figures of %1 yet").arg(symbol.trimmed()));
  details_->hide();
  source_->setText(tr("Type your contact e-mail and press “Download from the SEC”, or open a "
                      "company's facts that you saved from the SEC's site."));
}

QString HistoryHeader::text() const {
  QStringList lines{company_->text()};
  if (!details_->isHidden())
    lines << details_->text();
  lines << source_->text();
  return lines.join(QLatin1Char('\n'));
}

} // namespace kelvo::app
