// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "financial_history/checks_panel.h"

#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace kelvo::app {

namespace {

QDoubleSpinBox *thresholdBox(const char *name, const QString &accessibleName, double low,
                             double high, double step, const QString &suffix) {
  auto *box = new QDoubleSpinBox;
  box->setObjectName(QLatin1String(name));
  box->setAccessibleName(accessibleName);
  box->setRange(low, high);
  box->setDecimals(1);
  box->setSingleStep(step);
  box->setSuffix(suffix);
  box->setKeyboardTracking(false); // checked when a number is whole, not at every digit
  return box;
}

QLabel *wrappedLabel() {
  auto *label = new QLabel;
  label->setWordWrap(true);
  label->setTextFormat(Qt::PlainText);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

} // namespace

ChecksPanel::ChecksPanel(QWidget *parent)
    : QWidget(parent), minReturn_(thresholdBox("minReturnOnCapital", tr("Lowest return on capital"),
                                               -100, 1000, 1, tr(" %"))),
      minGrowth_(thresholdBox("minGrowth", tr("Lowest growth a year"), -100, 1000, 1, tr(" %"))),
      maxDebt_(thresholdBox("maxDebtYears", tr("Most years of free cash flow to repay the debt"), 0,
                            100, 0.5, tr(" years"))),
      years_(new QSpinBox) {
  years_->setObjectName(QStringLiteral("checkedYears"));
  years_->setAccessibleName(tr("Years checked"));
  years_->setRange(1, 100);
  years_->setKeyboardTracking(false);
  years_->setToolTip(tr("The tests look at the last this many years, or at all years shown "
                        "when there are fewer."));

  auto *limits = new QFormLayout;
  limits->addRow(tr("Return on capital at &least:"), minReturn_);
  limits->addRow(tr("&Growth at least, a year:"), minGrowth_);
  limits->addRow(tr("&Debt repayable from at most:"), maxDebt_);
  limits->addRow(tr("&Years checked:"), years_);

  auto *results = new QVBoxLayout;
  for (std::size_t i = 0; i < results_.size(); ++i) {
    results_[i] = wrappedLabel();
    results_[i]->setObjectName(QStringLiteral("check%1").arg(i + 1));
    figures_[i] = wrappedLabel();
    figures_[i]->setForegroundRole(QPalette::PlaceholderText);
    figures_[i]->setIndent(fontMetrics().averageCharWidth() * 2);
    results->addWidget(results_[i]);
    results->addWidget(figures_[i]);
  }
  results->addStretch(1);

  auto *row = new QHBoxLayout(this);
  row->addLayout(limits);
  row->addLayout(results, 1);

  setThresholds({});
  for (QDoubleSpinBox *box : {minReturn_, minGrowth_, maxDebt_})
    connect(box, &QDoubleSpinBox::valueChanged, this, &ChecksPanel::recheck);
  connect(years_, &QSpinBox::valueChanged, this, &ChecksPanel::recheck);
}

filings::CheckThresholds ChecksPanel::thresholds() const {
  return {minReturn_->value() / 100, minGrowth_->value() / 100, maxDebt_->value(), years_->value()};
}

void ChecksPanel::setThresholds(const filings::CheckThresholds &thresholds) {
  minReturn_->setValue(thresholds.minReturnOnCapital * 100);
  minGrowth_->setValue(thresholds.minGrowth * 100);
  maxDebt_->setValue(thresholds.maxDebtYears);
  years_->setValue(thresholds.years);
  recheck();
}

void ChecksPanel::showChecks(const filings::HistoryTable &table) {
  table_ = table;
  recheck();
}

void ChecksPanel::recheck() {
  const QList<filings::CheckResult> checks = filings::wizardChecks(table_, thresholds());
  for (std::size_t i = 0; i < results_.size(); ++i) {
    const filings::CheckResult check = checks.value(qsizetype(i));
    results_[i]->setText(check.line());
    figures_[i]->setText(check.figures.join(QStringLiteral("   ")));
    figures_[i]->setVisible(!check.figures.isEmpty());
  }
}

QStringList ChecksPanel::lines() const {
  QStringList lines;
  for (const QLabel *label : results_)
    lines << label->text();
  return lines;
}

} // namespace kelvo::app
