// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wizard/navigation.h"

#include <QCoreApplication>

namespace kelvo::wizard {

namespace {

QString stepCaption(int step) {
  return QCoreApplication::translate("kelvo::wizard", kStepCaptions[std::size_t(step)]);
}

// The caption of the window on a step, and with the symbol studied.
QString captionOf(int step) {
  return QCoreApplication::translate("kelvo::wizard", "Kelvo Training Wizard - %1")
      .arg(stepCaption(step));
}

State show(State state, int step) {
  state.page = step;
  state.step = step;
  return state;
}

} // namespace

State goToStep(State state, int step) {
  if (step < 0 || step > kLastStep)
    return state;
  state = show(state, step);
  state.caption = captionOf(step);
  state.backEnabled = step != kWelcomeStep;
  state.nextEnabled = step != kLastStep;
  return state;
}

State goBack(State state) {
  // Back can stay enabled on the first step after a directory selection
  // showed it; there is no step before it, so the press is ignored.
  if (state.step <= kWelcomeStep)
    return state;
  const int target = state.step - 1;
  state = show(state, target);
  state.caption = captionOf(target);
  if (target == kWelcomeStep)
    state.backEnabled = false;
  state.nextEnabled = true;
  return state;
}

State restart(State state) {
  state = show(state, kWelcomeStep);
  state.backEnabled = false;
  state.nextEnabled = true;
  return state;
}

State showCounterPage(State state) {
  if (state.pageCounter < 0 || state.pageCounter > kLastStep)
    return state;
  return show(state, int(state.pageCounter));
}

State pointerOverPage(State state) {
  state.pageCounter = kCompanyStep;
  return state;
}

State clearCaption(State state) {
  state.caption = kClearedCaption;
  return state;
}

State startUp() {
  State state = showCounterPage(goToStep(State{}, kWelcomeStep));
  state.page = kCompanyStep; // the company page in view, the welcome step highlighted
  return state;
}

NextStart beginNext(State state, const QString &symbol) {
  // Next can stay enabled on the last step after a directory selection
  // showed it; there is no step after it, so the press is ignored.
  if (state.step >= kLastStep)
    return {state, true, false};
  state.pageCounter = state.step + 1;
  const bool leavingCompanyPage = state.pageCounter == kCompanyStep + 1;
  return {state, false, leavingCompanyPage && symbol.isEmpty()};
}

NextEnd finishNext(State state, const QString &symbol, const QString &name) {
  const int target = int(state.pageCounter);
  if (target == kCompanyStep + 1 && (symbol.isEmpty() || name.isEmpty())) {
    NextEnd end{state, {}, false};
    if (symbol.isEmpty())
      end.messages << kSymbolMissing;
    if (name.isEmpty()) {
      end.messages << kNameMissing;
      end.copySymbolIntoName = true;
    }
    return end;
  }
  state = show(state, target);
  if (target == kLastStep)
    state.nextEnabled = false;
  state.backEnabled = true;
  state.caption = QCoreApplication::translate("kelvo::wizard", "Kelvo Training Wizard - %1 of  %2")
                      .arg(stepCaption(target), symbol);
  return {state, {}, false};
}

} // namespace kelvo::wizard
