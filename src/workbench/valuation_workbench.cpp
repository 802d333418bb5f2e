// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "workbench/valuation_workbench.h"

#include "study/study_export.h"
#include "widgets/window_pattern.h"
#include "workbench/sensitivity_table.h"
#include "workbench/valuation_chart.h"
#include "workbench/workbench_reasons.h"
#include "workbench/workbench_rows.h"

#include <QApplication>
#include <QClipboard>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace kelvo::app {
namespace {

using valuation::Box;
using valuation::Figure;
using valuation::kInputCount;
using valuation::Reason;

QString moneyOrReason(const Figure &f) {
  return f.ok() ? QString::fromStdString(valuation::formatMoney(f.value)) : reasonText(f.reason);
}

QString percentOrReason(const Figure &f) {
  return f.ok() ? QString::fromStdString(valuation::formatPercent(f.value)) : reasonText(f.reason);
}

void showText(QLineEdit *box, const QString &text) {
  if (box->text() == text)
    return;
  box->setText(text);
  box->setCursorPosition(0); // a long reason shows its beginning
  box->setToolTip(text);
}

QLineEdit *resultBox(const QString &name, const QString &note, int minimumWidth) {
  auto *box = new QLineEdit;
  box->setReadOnly(true);
  box->setAccessibleName(name);
  box->setAccessibleDescription(note);
  box->setMinimumWidth(minimumWidth);
  return box;
}

} // namespace

ValuationWorkbench::ValuationWorkbench(platform::Dialogs &dialogs, QWidget *parent)
    : QWidget(parent, Qt::Window), dialogs_(dialogs) {
  setObjectName(QStringLiteral("valuationWorkbench"));
  setWindowTitle(tr("Valuation Workbench"));
  widgets::letReturnPressButtons(*this);
  widgets::addCloseKeys(*this);

  auto *top = new QHBoxLayout;
  top->addWidget(buildInputs());
  top->addWidget(buildResults(), 1);

  auto *middle = new QHBoxLayout;
  middle->addWidget(buildSensitivity());
  chart_ = new ValuationChart;
  chart_->setObjectName(QStringLiteral("chart"));
  auto *chartBox = new QGroupBox(tr("Value per share against the growth rate"));
  auto *chartLayout = new QVBoxLayout(chartBox);
  chartLayout->addWidget(chart_);
  middle->addWidget(chartBox, 1);

  copy_ = new QPushButton(tr("Copy"));
  copy_->setObjectName(QStringLiteral("copy"));
  copy_->setToolTip(tr("Puts the inputs and results on the clipboard as plain text."));
  connect(copy_, &QPushButton::clicked, this, &ValuationWorkbench::copySummary);
  QPushButton *close = widgets::closeButton(*this);
  auto *buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(copy_);
  buttons->addWidget(close);

  // The figures scroll where the screen is smaller than they are (a large
  // scale factor); the buttons stay in view.
  auto *content = new QWidget;
  auto *layout = new QVBoxLayout(content);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(top);
  layout->addLayout(middle, 1);
  auto *scroll = new QScrollArea;
  scroll->setWidget(content);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setFocusPolicy(Qt::NoFocus);
  auto *outer = new QVBoxLayout(this);
  outer->addWidget(scroll, 1);
  outer->addLayout(buttons);

  // Tab goes through the inputs, the results, the grid, then the buttons.
  QWidget *previous = inputs_[0];
  auto chain = [&](QWidget *next) {
    setTabOrder(previous, next);
    previous = next;
  };
  for (int i = 1; i < kInputCount; ++i)
    chain(inputs_[i]);
  chain(take_);
  chain(takeHistory_);
  for (const ResultRow &row : rows_)
    for (QLineEdit *box : {row.value, row.margin, row.buyBelow})
      chain(box);
  chain(grid_);
  chain(copy_);
  chain(close);

  showResultsReadOnly();
  recompute();

  // Opens wide enough for the longest reason where the screen allows.
  const QFontMetrics fm = fontMetrics();
  int longest = 0;
  for (int r = 0; r <= int(Reason::TooLarge); ++r)
    longest = std::max(longest, fm.horizontalAdvance(reasonText(Reason(r))));
  longest -= fm.horizontalAdvance(reasonText(Reason::NeedsPositiveBookValue));
  const QMargins margins = outer->contentsMargins();
  QSize wanted =
      content->sizeHint() +
      QSize(margins.left() + margins.right() + std::max(0, longest),
            margins.top() + margins.bottom() + outer->spacing() + buttons->sizeHint().height());
  widgets::fitToScreen(*this, wanted, 0.95);
  // The read-only look and the grid's shading follow a new palette.
  widgets::followPalette(*this, [this] {
    showResultsReadOnly();
    recompute();
  });
}

QWidget *ValuationWorkbench::buildInputs() {
  auto *box = new QGroupBox(tr("Inputs"));
  auto *form = new QFormLayout(box);
  for (int i = 0; i < kInputCount; ++i) {
    const QString label = tr(kInputRows[i].label);
    auto *edit = new QLineEdit(QString::fromLatin1(kInputRows[i].defaultText));
    edit->setObjectName(QLatin1String(kInputRows[i].objectName));
    edit->setAccessibleName(label);
    edit->setClearButtonEnabled(false);
    // Room for a figure however little room the screen leaves (2x scale).
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("1,000,000.00")) +
                          2 * edit->fontMetrics().averageCharWidth());
    connect(edit, &QLineEdit::textChanged, this, [this] {
      if (!filling_)
        recompute();
    });
    // A figure the user changes is no longer the one taken from elsewhere.
    connect(edit, &QLineEdit::textEdited, edit, [edit] { edit->setToolTip({}); });
    inputs_[i] = edit;
    form->addRow(label, edit);
  }
  // No example figure is shown as if it were the user's own.
  input(Box::Earnings)->setPlaceholderText(tr("e.g. 3.20"));
  take_ = new QPushButton(tr("&Take from IV Estimator"));
  take_->setObjectName(QStringLiteral("takeFromEstimator"));
  take_->setToolTip(
      tr("Takes earnings per share, growth rate and years from the IV Estimator page."));
  connect(take_, &QPushButton::clicked, this, &ValuationWorkbench::calculatorFiguresRequested);
  form->addRow(take_);
  takeHistory_ = new QPushButton(tr("Take from &Financial History"));
  takeHistory_->setObjectName(QStringLiteral("takeFromHistory"));
  takeHistory_->setToolTip(tr("Takes earnings per share and book value per share of the newest "
                              "year, and the growth rate, from the company's reported figures. "
                              "The price stays yours to type."));
  connect(takeHistory_, &QPushButton::clicked, this, &ValuationWorkbench::historyFiguresRequested);
  form->addRow(takeHistory_);
  takenNote_ = new QLabel;
  takenNote_->setObjectName(QStringLiteral("takenNote"));
  takenNote_->setWordWrap(true);
  takenNote_->setTextFormat(Qt::PlainText);
  takenNote_->hide();
  form->addRow(takenNote_);
  return box;
}

QWidget *ValuationWorkbench::buildResults() {
  auto *box = new QGroupBox(tr("Value per share by method"));
  auto *grid = new QGridLayout(box);
  const QFontMetrics fm = fontMetrics();
  const int padding = 2 * fm.averageCharWidth() + 8;
  // Wide enough for the usual reasons; a longer one still shows whole in the
  // box's tooltip and to assistive tools, and the columns grow with the window.
  const int valueWidth = fm.horizontalAdvance(reasonText(Reason::NeedsPositiveBookValue)) + padding;
  const int sideWidth = fm.horizontalAdvance(QStringLiteral("-1,000,000.0%")) + padding;
  const QStringList headers = study::resultHeadings();
  for (int c = 0; c < headers.size(); ++c) {
    auto *header = new QLabel(headers[c]);
    QFont bold = header->font();
    bold.setBold(true);
    header->setFont(bold);
    grid->addWidget(header, 0, c);
  }
  for (int m = 0; m < valuation::kMethodCount; ++m) {
    const QString name = tr(kMethodRows[m].name);
    const QString note = tr(kMethodRows[m].note);
    auto *nameLabel = new QLabel(name);
    // The value box alone carries the method's name for assistive tools.
    nameLabel->setAccessibleName(tr("Method: %1").arg(name));
    ResultRow &row = rows_[m];
    row.value = resultBox(name, note, valueWidth);
    row.margin = resultBox(tr("%1 margin of safety").arg(name), note, sideWidth);
    row.buyBelow = resultBox(tr("%1 buy below").arg(name), note, sideWidth);
    const QString objectName = QLatin1String(kMethodRows[m].objectName);
    row.value->setObjectName(objectName);
    row.margin->setObjectName(objectName + QLatin1String("Margin"));
    row.buyBelow->setObjectName(objectName + QLatin1String("BuyBelow"));
    nameLabel->setBuddy(row.value);
    auto *noteLabel = new QLabel(note);
    noteLabel->setForegroundRole(QPalette::PlaceholderText);
    noteLabel->setContentsMargins(fm.averageCharWidth() * 2, 0, 0, fm.height() / 3);
    const int r = 1 + 2 * m;
    grid->addWidget(nameLabel, r, 0);
    grid->addWidget(row.value, r, 1);
    grid->addWidget(row.margin, r, 2);
    grid->addWidget(row.buyBelow, r, 3);
    grid->addWidget(noteLabel, r + 1, 0, 1, 4);
  }
  grid->setColumnStretch(1, 2);
  grid->setColumnStretch(2, 1);
  grid->setColumnStretch(3, 1);
  grid->setRowStretch(1 + 2 * valuation::kMethodCount, 1);
  return box;
}

QWidget *ValuationWorkbench::buildSensitivity() {
  auto *box = new QGroupBox(tr("How sensitive it is"));
  auto *layout = new QVBoxLayout(box);
  auto *caption = new QLabel(tr("Discounted earnings per share: discount rate down, growth rate "
                                "across. Shaded: the price is at or below the buy-below price."));
  caption->setWordWrap(true);
  grid_ = new SensitivityTable;
  grid_->setObjectName(QStringLiteral("sensitivity"));
  layout->addWidget(caption);
  layout->addWidget(grid_);
  layout->addStretch(1);
  return box;
}

void ValuationWorkbench::fillFromCalculator(const valuation::CalculatorFields &page) {
  const valuation::CalculatorInputs taken = valuation::inputsFromCalculator(
      page, valuation::readWorkbenchInput(input(Box::Discount)->text().toStdString()));
  auto text = [](std::optional<double> v) {
    return v ? QString::fromStdString(valuation::plainNumberText(*v)) : QString();
  };
  filling_ = true;
  for (Box box : {Box::Earnings, Box::Growth, Box::Years})
    input(box)->setToolTip({});
  takenNote_->hide();
  input(Box::Earnings)->setText(text(taken.earnings));
  input(Box::Growth)->setText(text(taken.growth));
  input(Box::Years)->setText(text(taken.years));
  filling_ = false;
  recompute();
}

void ValuationWorkbench::setTaken(Box box, const QString &text, const QString &source) {
  input(box)->setText(text);
  input(box)->setCursorPosition(0);
  input(box)->setToolTip(source);
}

void ValuationWorkbench::fillFromHistory(const filings::WorkbenchFigures &figures) {
  // Per-share figures as the table shows them (two decimals), growth in
  // percent with one decimal, as the table's growth shows it.
  auto number = [](double value, double scale) {
    return QString::fromStdString(valuation::plainNumberText(std::round(value * scale) / scale));
  };
  QStringList reasons;
  filling_ = true;
  const std::pair<Box, const filings::WorkbenchFigure *> taken[] = {
      {Box::Earnings, &figures.earningsPerShare},
      {Box::BookValue, &figures.bookValuePerShare},
      {Box::Growth, &figures.growth}};
  for (const auto &[box, figure] : taken) {
    if (!figure->value) {
      reasons << tr("%1 was left as it was: %2")
                     .arg(tr(kInputRows[static_cast<int>(box)].label), figure->reason);
      continue;
    }
    const QString text =
        box == Box::Growth ? number(*figure->value * 100, 10) : number(*figure->value, 100);
    QString source = tr("From Financial History: %1").arg(figure->source);
    if (box != Box::Growth && !figures.currency.isEmpty() && figures.currency != u"USD")
      source += QLatin1Char('\n') + tr("In %1, not US dollars.").arg(figures.currency);
    setTaken(box, text, source);
  }
  filling_ = false;
  takenNote_->setText(reasons.join(QLatin1Char('\n')));
  takenNote_->setVisible(!reasons.isEmpty());
  recompute();
}

void ValuationWorkbench::setCompany(const QString &symbol, const QString &name) {
  symbol_ = symbol;
  company_ = name;
}

valuation::WorkbenchInputs ValuationWorkbench::readInputs() const {
  std::array<std::string, kInputCount> texts;
  std::array<std::string_view, kInputCount> views;
  for (int i = 0; i < kInputCount; ++i)
    views[i] = texts[i] = inputs_[i]->text().toStdString();
  return valuation::readWorkbenchInputs(views);
}

void ValuationWorkbench::recompute() {
  const valuation::WorkbenchInputs in = readInputs();

  for (int m = 0; m < valuation::kMethodCount; ++m) {
    const Figure value = valuation::methodValue(valuation::kMethods[m], in);
    showText(rows_[m].value, moneyOrReason(value));
    // Without a value the value box says why; the other two stay empty.
    showText(rows_[m].margin,
             value.ok() ? percentOrReason(valuation::marginOfSafety(value, in)) : QString());
    showText(rows_[m].buyBelow,
             value.ok() ? moneyOrReason(valuation::buyBelow(value, in)) : QString());
  }

  grid_->showGrid(valuation::sensitivityGrid(in));

  QStringList names;
  for (const MethodRow &row : kMethodRows)
    names << tr(row.name);
  valuation::ChartSeries series = valuation::chartSeries(in);
  chart_->setNote(chartNote(series.reason));
  chart_->setSeries(series, names);
}

// Results are fields to read and copy from, not to type in: they take the
// window's colour instead of the base of an input box, as read-only fields
// do on the desktop.
void ValuationWorkbench::showResultsReadOnly() {
  for (const ResultRow &row : rows_)
    for (QLineEdit *box : {row.value, row.margin, row.buyBelow}) {
      QPalette look = box->palette();
      for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        look.setBrush(group, QPalette::Base, palette().brush(group, QPalette::Window));
      box->setPalette(look);
    }
}

study::Valuation ValuationWorkbench::snapshot() const {
  study::Valuation v;
  for (int i = 0; i < kInputCount; ++i)
    v.inputs.append({tr(kInputRows[i].label), inputs_[i]->text()});
  for (int m = 0; m < valuation::kMethodCount; ++m)
    v.results.append({tr(kMethodRows[m].name), rows_[m].value->text(), rows_[m].margin->text(),
                      rows_[m].buyBelow->text()});
  return v;
}

QString ValuationWorkbench::summaryText(const QDate &today) const {
  const study::Valuation v = snapshot();
  QString company = !company_.isEmpty() && !symbol_.isEmpty()
                        ? tr("%1 (%2)", "company name (symbol)").arg(company_, symbol_)
                    : !company_.isEmpty() ? company_
                                          : symbol_;
  if (company.isEmpty())
    company = tr("none chosen");
  QStringList lines{tr("Valuation Workbench"), tr("Company: %1").arg(company),
                    tr("Date: %1").arg(today.toString(Qt::ISODate)), QString()};
  for (const study::ValuationInput &input : v.inputs)
    lines << tr("%1: %2").arg(input.label, input.value);
  lines << QString();
  for (const study::ValuationResult &result : v.results) {
    lines << tr("%1: %2").arg(result.method, result.value);
    if (!result.margin.isEmpty())
      lines << tr("    Margin of safety: %1").arg(result.margin);
    if (!result.buyBelow.isEmpty())
      lines << tr("    Buy below: %1").arg(result.buyBelow);
  }
  return lines.join(u'\n') + u'\n';
}

void ValuationWorkbench::copySummary() { QGuiApplication::clipboard()->setText(summaryText()); }

} // namespace kelvo::app
