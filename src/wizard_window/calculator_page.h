// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Page 6: the intrinsic-value estimator.

#include "wizard_window/wizard_page.h"

#include "valuation/valuation.h"

#include <array>

namespace kelvo::platform {
class Dialogs;
}

namespace kelvo::app {

class TextBox;

// The calculator's boxes by their design names, top to bottom, in the order
// of valuation::CalculatorFields.
inline constexpr std::array<const char *, 6> kCalculatorBoxNames = {
    "txtIntr", "txtDuration", "txtPresVal", "txtFutrVal", "txtshares", "IV"};

class CalculatorPage final : public WizardPage {
  Q_OBJECT
public:
  CalculatorPage(ControlBuilder &builder, platform::Dialogs &dialogs, QWidget *parent);

  valuation::CalculatorFields fields() const;
  // Writes the texts that differ from what the boxes show.
  void setFields(const valuation::CalculatorFields &fields);

  // "Estimate the Intrinsic Value", and Return or Enter in any of the boxes.
  void estimate();
  // The calculator's "Clear".
  void clear();

private:
  platform::Dialogs &dialogs_;
  std::array<TextBox *, 6> boxes_{};
};

} // namespace kelvo::app
