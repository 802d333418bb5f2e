// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wizard_window/calculator_page.h"

#include "wizard_window/control_builder.h"
#include "wizard_window/text_boxes.h"

#include "platform/dialogs.h"

#include <QCoreApplication>

namespace kelvo::app {

using namespace kelvo::valuation;

namespace {
std::array<std::string *, 6> texts(CalculatorFields &f) {
  return {&f.rate, &f.years, &f.earnings, &f.futureValue, &f.shares, &f.perShare};
}

// The estimate's messages and their title, for the translators; the estimate
// itself writes them in English.
// clang-format off
[[maybe_unused]] constexpr const char *kEstimateTexts[] = {
    QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "Present/Future Value Input Error"),
    QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "Interest Rate and Duration are Required Input Values."),
    QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "Enter a Value for the Average Earnings."),
    QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "The growth rate and number of years give no finite future value."),
};
// clang-format on

// The estimate's texts in the user's language.
QString shown(std::string_view text) {
  return QCoreApplication::translate("kelvo::app::MainWindow", std::string(text).c_str());
}
} // namespace

CalculatorPage::CalculatorPage(ControlBuilder &builder, platform::Dialogs &dialogs, QWidget *parent)
    : WizardPage(6, builder, parent), dialogs_(dialogs) {
  for (std::size_t i = 0; i < boxes_.size(); ++i) {
    boxes_[i] = builder.get<TextBox>(kCalculatorBoxNames[i]);
    connect(boxes_[i], &QLineEdit::returnPressed, this, &CalculatorPage::estimate);
  }
  connect(builder.get<WizardButton>("cmdCalcValue"), &QPushButton::clicked, this,
          &CalculatorPage::estimate);
  connect(builder.get<WizardButton>("Command9"), &QPushButton::clicked, this,
          &CalculatorPage::clear);
}

CalculatorFields CalculatorPage::fields() const {
  CalculatorFields fields;
  const auto out = texts(fields);
  for (std::size_t i = 0; i < boxes_.size(); ++i)
    *out[i] = boxes_[i]->text().toStdString();
  return fields;
}

void CalculatorPage::setFields(const CalculatorFields &fields) {
  CalculatorFields copy = fields;
  const auto in = texts(copy);
  for (std::size_t i = 0; i < boxes_.size(); ++i) {
    const QString text = QString::fromStdString(*in[i]);
    if (boxes_[i]->text() != text)
      boxes_[i]->setText(text);
  }
}

void CalculatorPage::estimate() {
  const EstimateResult result = estimateIntrinsicValue(fields());
  setFields(result.fields);
  if (result.message)
    dialogs_.message(shown(*result.message), shown(kCalculatorMessageTitle),
                     platform::MessageButtons::Ok, platform::MessageIcon::Information);
}

void CalculatorPage::clear() { setFields(clearCalculator(fields())); }

} // namespace kelvo::app
