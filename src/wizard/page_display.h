#pragma once
// The module routines that change what the window shows: one page panel in
// view, one step highlighted in the side menu.

#include <QColor>
#include <QString>
#include <array>
#include <cstdint>

class QLabel;
class QWidget;

namespace kelvo {

class StepMarker;

inline constexpr int kSteps = 7;

// The side menu's step captions, double and trailing spaces included; they
// also appear verbatim in the window caption.
inline const std::array<QString, kSteps> kStepCaptions = {
    QStringLiteral("Click to Navigate"),
    QStringLiteral("Company  ( Understanding ) "),
    QStringLiteral("Sustainable Comp Advantages ? "),
    QStringLiteral("Management  ( Trust and Ability )"),
    QStringLiteral("Bargain Price / Intrinsic Value"),
    QStringLiteral("Tools"),
    QStringLiteral("IV Estimator"),
};

inline const QColor kMarkerOn(0, 255, 0);
inline const QColor kMarkerOff(192, 192, 192);

// Page panels out of view sit at this top edge, below the client area.
inline constexpr int kOutOfViewTopTwips = 9000;

// The widgets the two routines work on, owned by the main window.
struct WizardPages {
  QWidget *menu = nullptr; // picMenu
  std::array<QWidget *, kSteps> panels{};
  std::array<QLabel *, kSteps> labels{};
  std::array<StepMarker *, kSteps> markers{};
};

namespace modGUI {

// Brings panel n to the side menu's top edge and moves the six others out
// of view; nothing is hidden or destroyed, so what was typed survives.
void showpage(WizardPages &pages, std::int16_t n);

// Step n bold with a green marker, the others plain with grey markers.
void markstep(WizardPages &pages, std::int16_t n);

// The highlighted step (the bold label), -1 if none.
int highlightedStep(const WizardPages &pages);
// The page panel in view, -1 if none.
int visiblePage(const WizardPages &pages);

} // namespace modGUI
} // namespace kelvo
