// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "notebook/valuation_part.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kelvo::app {

namespace {

QTableWidget *makeTable(const QStringList &headers, const QString &accessibleName) {
  auto *table = new QTableWidget(0, int(headers.size()));
  table->setHorizontalHeaderLabels(headers);
  table->setAccessibleName(accessibleName);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setTabKeyNavigation(false); // Tab leaves the table, arrows move in it
  table->verticalHeader()->hide();
  table->horizontalHeader()->setStretchLastSection(true);
  table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
  table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  return table;
}

void fillRow(QTableWidget *table, int row, const QStringList &texts) {
  for (int column = 0; column < texts.size(); ++column)
    table->setItem(row, column, new QTableWidgetItem(texts[column]));
}

} // namespace

ValuationPart::ValuationPart(bool hasWorkbench, QWidget *parent)
    : QGroupBox(tr("Valuation"), parent), hasWorkbench_(hasWorkbench), hint_(new QLabel),
      inputs_(makeTable({tr("Input"), tr("Value")}, tr("Valuation inputs"))),
      results_(
          makeTable({tr("Method"), tr("Value per share"), tr("Margin of safety"), tr("Buy below")},
                    tr("Valuation results"))) {
  auto *column = new QVBoxLayout(this);
  auto *take = new QPushButton(tr("&Take from Workbench"));
  take->setAccessibleDescription(
      tr("Copies the Valuation Workbench's inputs and results into this study."));
  if (!hasWorkbench_) {
    take->setEnabled(false);
    take->setToolTip(tr("There is no Valuation Workbench in this program to take from."));
  }
  connect(take, &QPushButton::clicked, this, &ValuationPart::takeRequested);
  auto *tables = new QHBoxLayout;
  tables->addWidget(inputs_, 2);
  tables->addWidget(results_, 3);
  auto *row = new QHBoxLayout;
  row->addWidget(hint_, 1);
  row->addWidget(take);
  column->addLayout(row);
  column->addLayout(tables);
}

void ValuationPart::showValuation(const study::Valuation &valuation) {
  inputs_->setRowCount(int(valuation.inputs.size()));
  for (int row = 0; row < valuation.inputs.size(); ++row) {
    const study::ValuationInput &input = valuation.inputs[row];
    fillRow(inputs_, row, {input.label, input.value});
  }
  results_->setRowCount(int(valuation.results.size()));
  for (int row = 0; row < valuation.results.size(); ++row) {
    const study::ValuationResult &result = valuation.results[row];
    fillRow(results_, row, {result.method, result.value, result.margin, result.buyBelow});
  }
  inputs_->resizeColumnsToContents();
  results_->resizeColumnsToContents();
  inputs_->setVisible(!valuation.inputs.isEmpty());
  results_->setVisible(!valuation.results.isEmpty());
  if (!valuation.isEmpty())
    hint_->setText(tr("The figures as the Valuation Workbench showed them:"));
  else if (hasWorkbench_)
    hint_->setText(tr("No figures yet: take them from the Valuation Workbench."));
  else
    hint_->setText(tr("No figures: there is no Valuation Workbench to take them from."));
}

} // namespace kelvo::app
