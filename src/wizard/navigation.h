// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// How the wizard moves between its steps, as pure functions of its state:
// the window holds one State, hands it with an event to these functions and
// renders what comes back. Next needs the user's answers and the symbol
// lookup half-way, so it comes in two halves around them.

#include "wizard/steps.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <cstdint>

namespace kelvo::wizard {

inline constexpr QLatin1StringView kCaptionPrefix{
    QT_TRANSLATE_NOOP("kelvo::wizard", "Kelvo Training Wizard - ")};
inline constexpr QLatin1StringView kPlainCaption{
    QT_TRANSLATE_NOOP("kelvo::wizard", "Kelvo Training Wizard")};
inline constexpr QLatin1StringView kClearedCaption{
    QT_TRANSLATE_NOOP("kelvo::wizard", "Kelvo Training Wizard ")};

// The boxes Next and Exit may show.
inline constexpr QLatin1StringView kAskSymbolPrompt{
    QT_TRANSLATE_NOOP("kelvo::wizard", "Enter a Stock Symbol to study: ")};
inline constexpr QLatin1StringView kAskSymbolDefault{"KO"};
inline constexpr QLatin1StringView kSymbolMissing{
    QT_TRANSLATE_NOOP("kelvo::wizard", "Enter a Stock Symbol")};
inline constexpr QLatin1StringView kNameMissing{
    QT_TRANSLATE_NOOP("kelvo::wizard", "Enter the Company Name")};
inline constexpr QLatin1StringView kExitQuestion{
    QT_TRANSLATE_NOOP("kelvo::wizard", "Exit Program?")};
inline constexpr QLatin1StringView kExitTitle{QT_TRANSLATE_NOOP("kelvo::wizard", "End Program")};

// One of the texts above in the user's language, when shown.
inline QString translated(const QString &text) {
  return QCoreApplication::translate("kelvo::wizard", text.toUtf8().constData());
}

struct State {
  int step = kWelcomeStep;      // highlighted in the side menu; Next and Back count from it
  int page = kWelcomeStep;      // the page in view
  std::int32_t pageCounter = 0; // the step Next last aimed at, 1 once the pointer crosses a page
  bool backEnabled = false;
  bool nextEnabled = true;
  QString caption = kPlainCaption;
  bool operator==(const State &) const = default;
};

// A step of the side menu clicked: that page and step, any step from any.
State goToStep(State state, int step);
// Back: the step before the highlighted one; ignored on the first step.
State goBack(State state);
// Restart: the welcome page, with the caption and the page counter kept.
State restart(State state);
// A directory row selected: the page of the page counter shown and
// highlighted, the buttons and the caption left alone.
State showCounterPage(State state);
// The pointer crossed a page: the next directory selection shows step 1.
State pointerOverPage(State state);
// The company page's Clear: the caption without a step.
State clearCaption(State state);
// Start-up: the welcome step highlighted, the company page in view.
State startUp();

// Next, first half: the target step goes into the page counter, and on
// leaving the company page with an empty symbol box the user is asked for
// a symbol. The window then runs the symbol lookup.
struct NextStart {
  State state;
  bool ignored = false;      // no step after the highlighted one
  bool askForSymbol = false; // show the input box, its answer into the symbol box
};
NextStart beginNext(State state, const QString &symbol);

// Next, second half, with the boxes as the lookup left them: leaving the
// company page needs a symbol and a company name, or the wizard stays.
struct NextEnd {
  State state;
  QStringList messages;            // shown one after the other
  bool copySymbolIntoName = false; // after the messages
};
NextEnd finishNext(State state, const QString &symbol, const QString &name);

} // namespace kelvo::wizard
