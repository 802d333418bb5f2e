// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wizard_window/layout.h"

#include "wizard/steps.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <cstring>

namespace kelvo::app {

using namespace kelvo::wizard;

namespace {

using K = ControlKind;
using F = FontRole;
constexpr int W = kOnWindow;
constexpr int M = kOnMenu;
constexpr int N = kNoColour;
constexpr int T = kNoTab;
constexpr auto &kCaption = wizard::kStepCaptions;
constexpr int kOn = wizard::kMarkerOnRgb;
constexpr int kOff = wizard::kMarkerOffRgb;

// Everything is as designed except the step labels 1 to 6, widened so that
// each caption still fits when it turns bold on its step (designed widths
// 2115, 2355, 2415, 2295, 375 and 885 twips; the menu has room to the right),
// and the maker's two address labels, widened from 1815 and 1710 twips to
// hold the addresses this build shows.
// clang-format off
constexpr std::array kRows = std::to_array<ControlRow>({
    // name, index, kind, container, text, left, top, width, height, tab, font, fg, bg, flags, accessible
    {"Label3", -1, K::Label, W, QT_TRANSLATE_NOOP("kelvo::app::MainWindow", " Kelvo Training Wizard"), 0, 120, 9135, 315, T, F::Title, N, N, kCentered | kBold | kHelpCursor, kMakerPageDescription},
    {"Label8", -1, K::Label, W, QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "Some features of this program require a connection to the internet."), 0, 420, 9135, 195, T, F::Normal, N, N, kCentered, nullptr},
    {"picMenu", -1, K::Panel, W, nullptr, 180, 1020, 3735, 4575, T, F::Normal, N, 0x404040, kNoFlags, QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "Steps")},
    {"picStart", 0, K::Panel, W, nullptr, 3960, 1020, 4875, 4455, T, F::Normal, N, N, kNoFlags, nullptr},
    {"picStart", 1, K::Panel, W, nullptr, 3960, 1020, 4935, 4515, T, F::Normal, N, N, kNoFlags, nullptr},
    {"picStart", 2, K::Panel, W, nullptr, 4080, 1020, 4815, 4515, T, F::Normal, N, N, kNoFlags, nullptr},
    {"picStart", 3, K::Panel, W, nullptr, 3960, 1020, 4875, 4455, T, F::Normal, N, N, kNoFlags, nullptr},
    {"picStart", 4, K::Panel, W, nullptr, 4020, 1020, 4875, 4515, T, F::Normal, N, N, kNoFlags, nullptr},
    {"picStart", 5, K::Panel, W, nullptr, 3960, 1020, 4875, 4455, T, F::Normal, N, N, kNoFlags, nullptr},
    {"picStart", 6, K::Panel, W, nullptr, 4020, 1020, 4875, 4515, T, F::Normal, N, N, kNoFlags, nullptr},
    {"Command13", -1, K::Button, W, QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "Help"), 300, 5820, 1635, 525, 49, F::Normal, N, N, kNoFlags, nullptr},
    {"cmdBack", -1, K::Button, W, QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "< &Back"), 2025, 5820, 1635, 525, 11, F::Normal, N, N, kDisabled, nullptr},
    {"cmdNext", -1, K::Button, W, QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "&Next >"), 3750, 5820, 1635, 525, 10, F::Normal, N, N, kNoFlags, nullptr},
    {"cmdFinished", -1, K::Button, W, QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "&Restart"), 5475, 5820, 1635, 525, 9, F::Normal, N, N, kNoFlags, nullptr},
    {"cmdCancel", -1, K::Button, W, QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "End"), 7200, 5820, 1635, 525, 12, F::Normal, N, N, kNoFlags, QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "Ends the program after asking")},

    // The side menu: connector lines first so the markers are drawn over them.
    {"Line1", -1, K::Line, M, nullptr, 465, 420, 30, 3480, T, F::Normal, 0xE0E0E0, N, kNoFlags, nullptr},
    {"Line2", 0, K::Line, M, nullptr, 360, 405, 120, 30, T, F::Normal, 0xC0C0C0, N, kNoFlags, nullptr},
    {"shpStart", 0, K::Marker, M, nullptr, 120, 300, 255, 255, T, F::Normal, N, kOn, kNoFlags, nullptr},
    {"shpStart", 1, K::Marker, M, nullptr, 240, 900, 435, 255, T, F::Normal, N, kOff, kNoFlags, nullptr},
    {"shpStart", 2, K::Marker, M, nullptr, 240, 1500, 435, 255, T, F::Normal, N, kOff, kNoFlags, nullptr},
    {"shpStart", 3, K::Marker, M, nullptr, 240, 2100, 435, 255, T, F::Normal, N, kOff, kNoFlags, nullptr},
    {"shpStart", 4, K::Marker, M, nullptr, 240, 2700, 435, 255, T, F::Normal, N, kOff, kNoFlags, nullptr},
    {"shpStart", 5, K::Marker, M, nullptr, 360, 3360, 255, 255, T, F::Normal, N, kOff, kNoFlags, nullptr},
    {"shpStart", 6, K::Marker, M, nullptr, 360, 3780, 255, 255, T, F::Normal, N, kOff, kNoFlags, nullptr},
    {"Label1", 0, K::Label, M, kCaption[0], 795, 300, 1425, 195, T, F::Normal, 0xFFFFFF, N, kBold | kHandCursor, nullptr},
    {"Label1", 1, K::Label, M, kCaption[1], 780, 900, 2400, 195, T, F::Normal, 0xFFFFFF, N, kHandCursor, nullptr},
    {"Label1", 2, K::Label, M, kCaption[2], 780, 1500, 2715, 195, T, F::Normal, 0xFFFFFF, N, kHandCursor, nullptr},
    {"Label1", 3, K::Label, M, kCaption[3], 780, 2100, 2790, 195, T, F::Normal, 0xFFFFFF, N, kHandCursor, nullptr},
    {"Label1", 4, K::Label, M, kCaption[4], 780, 2700, 2520, 195, T, F::Normal, 0xFFFFFF, N, kHandCursor, nullptr},
    {"Label1", 5, K::Label, M, kCaption[5], 780, 3360, 435, 195, T, F::Normal, 0xFFFFFF, N, kHandCursor, nullptr},
    {"Label1", 6, K::Label, M, kCaption[6], 795, 3780, 1050, 195, T, F::Normal, 0xFFFFFF, N, kHandCursor, nullptr},

    // Page 0, welcome.
    {"Label4", -1, K::Label, 0, QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "This wizard-based program will help you become a better long term \"Intrinsic Value Investor.\"  It is based upon the filter ideas of Elmont Corvin and Brennic Pradley.  In my view, we can optimize our \"investment decision making\" by studying their rational and focused approach."), 240, 600, 4335, 1455, T, F::Normal, N, N, kWrap, nullptr},
    {"Label37", -1, K::Label, 0, nullptr, 240, 2670, 3270, 195, T, F::Normal, N, N, kNoFlags, nullptr},
    {"Label38", -1, K::Label, 0, nullptr, 240, 2940, 2520, 195, T, F::Link, 0x0000FF, N, kHandCursor, nullptr},
    {"Label2", -1, K::Label, 0, nullptr, 240, 3180, 2520, 195, T, F::Link, 0x0000FF, N, kHandCursor, nullptr},

    // Page 1, company.
    {"Command28", -1, K::Button, 1, QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "o n l i n e   t o o l s  "), 300, 0, 4455, 495, 69, F::Normal, N, N, kNoFlags, QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "Opens the maker's online tools page in full screen")},
    {"List1", -1, K::List, 1, nullptr, 300, 540, 3495, 1020, 52, F::List, 0x404040, 0xC4F6F8, kNoFlags, QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "Company directory")},
    {"Command16", -1, K::Button, 1, QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "R"), 3840, 540, 915, 615, 55, F::Normal, N, N, kNoFlags, QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "Picks a random company")},
    {"Command17", -1, K::Button, 1, QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "G"), 3840, 1200, 435, 375, 56, F::Normal, N, N, kNoFlags, QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "Google Finance page of the company selected in the list")},
    {"Command19", -1, K::Button, 1, QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "Y"), 4320, 1200, 435, 375, 58, F::Normal, N, N, kNoFlags, QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "Yahoo! Finance profile of the company selected in the list")},
    {"Command6", -1, K::Button, 1, QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "Look up symbol"), 300, 1620, 1395, 375, 31, F::Normal, N, N, kNoFlags, nullptr},
    {"ssymbol", -1, K::SymbolBox, 1, "", 1740, 1620, 1095, 345, 28, F::Box, N, N, kNoFlags, QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "Stock symbol")},
    {"Command7", -1, K::Button, 1, QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "Clear"), 2880, 1620, 915, 375, 32, F::Normal, N, N, kNoFlags, QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "Empties the symbol and company name")},
    {"Command23", -1, K::Button, 1, QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "N"), 3840, 1620, 435, 375, 61, F::Normal, N, N, kNoFlags, QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "Headlines for the symbol")},
    {"Command24", -1, K::Button, 1, QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "BW"), 4320, 1620, 435, 375, 62, F::Normal, N, N, kNoFlags, QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "BusinessWeek search for the symbol")},
    {"txtTitle", -1, K::TextBox, 1, "", 300, 2040, 4455, 345, 15, F::Box, N, N, kNoFlags, QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "Company name")},
    {"Command10", -1, K::Button, 1, QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "S.E.C. Filings"), 300, 2460, 4455, 615, 46, F::Normal, N, N, kNoFlags, nullptr},
    {"Command11", -1, K::Button, 1, QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "Competitors"), 300, 3120, 4455, 615, 47, F::Normal, N, N, kNoFlags, nullptr},
    {"Command5", -1, K::Button, 1, QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "Financial Report"), 300, 3780, 4455, 615, 30, F::Normal, N, N, kNoFlags, nullptr},

    // Page 2, competitive advantages.
    {"cmdBrowseImg", -1, K::Button, 2, QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "Search the web for discussions on the firm's \"Enduring Competitive Advantages.\""), 540, 1020, 3795, 1005, 18, F::Normal, N, N, kNoFlags, nullptr},
    {"Command21", -1, K::Button, 2, QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "What are Competitive Advantages?"), 540, 2160, 3795, 1005, 59, F::Normal, N, N, kNoFlags, nullptr},

    // Page 3, management.
    {"Command2", -1, K::Button, 3, QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "Trustworthy and Able Managers ?"), 840, 900, 3375, 795, 26, F::Normal, N, N, kNoFlags, nullptr},
    {"Command8", -1, K::Button, 3, QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "R.O.E. and R.O.A. Data"), 840, 1800, 3375, 795, 50, F::Normal, N, N, kNoFlags, nullptr},
    {"Command22", -1, K::Button, 3, QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "Corvin letters and ideas on management in general."), 840, 2700, 3375, 795, 60, F::Normal, N, N, kNoFlags, nullptr},

    // Page 4, bargain price.
    {"Command3", -1, K::Button, 4, QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "Bargain Price gives us a \"Margin of Safety.\"  View Tessel-Corvin Resources"), 480, 780, 4035, 1035, 27, F::Normal, N, N, kNoFlags, nullptr},
    {"Command4", -1, K::Button, 4, QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "Intrinsic Value Estimator"), 480, 1980, 4035, 795, 29, F::Normal, N, N, kNoFlags, nullptr},
    {"Command26", -1, K::Button, 4, QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "Intrinsic Value Est. at Quicken"), 480, 2940, 4035, 795, 64, F::Normal, N, N, kNoFlags, nullptr},

    // Page 5, tools.
    {"Command14", -1, K::Button, 5, QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "Marvane Partners, LLC"), 900, 300, 3255, 615, 51, F::Normal, N, N, kNoFlags, nullptr},
    {"Command1", -1, K::Button, 5, QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "Online Tools"), 900, 1080, 3255, 615, 25, F::Normal, N, N, kNoFlags, nullptr},
    {"Command12", -1, K::Button, 5, QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "Markets and News"), 900, 1860, 3255, 615, 48, F::Normal, N, N, kNoFlags, nullptr},
    {"Command18", -1, K::Button, 5, QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "NYT DealBook"), 900, 2640, 3255, 615, 57, F::Normal, N, N, kNoFlags, nullptr},
    {"Command20", -1, K::Button, 5, QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "BRK Discussion Group"), 900, 3420, 3255, 615, 68, F::Normal, N, N, kNoFlags, nullptr},

    // Page 6, IV estimator.
    {"Shape1", -1, K::Outline, 6, nullptr, 120, 60, 4695, 3555, T, F::Normal, 0x000000, N, kNoFlags, nullptr},
    {"Label6", -1, K::Label, 6, QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "Est. Growth Rate Above Discount Rate in Yearly %"), 540, 240, 2295, 375, T, F::Normal, 0xFF0000, N, kRightAligned | kWrap, nullptr},
    {"txtIntr", -1, K::TextBox, 6, "4", 3000, 300, 615, 285, 35, F::Normal, N, N, kNoFlags, QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "Est. Growth Rate Above Discount Rate in Yearly %")},
    {"Command9", -1, K::Button, 6, QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "Clear"), 3720, 240, 855, 375, 45, F::Normal, N, N, kNoFlags, QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "Empties the earnings, future value and shares")},
    {"Label5", -1, K::Label, 6, QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "Number of Periods Years"), 180, 780, 2655, 255, T, F::Normal, 0x000000, N, kRightAligned, nullptr},
    {"txtDuration", -1, K::TextBox, 6, "20", 3000, 720, 1575, 285, 33, F::Normal, N, 0xE0E0E0, kNoFlags, QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "Number of Periods Years")},
    {"Label11", -1, K::Label, 6, QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "Avg. Earnings (3-yr.)"), 300, 1140, 2535, 255, T, F::Normal, N, N, kRightAligned, nullptr},
    {"txtPresVal", -1, K::TextBox, 6, "1,000,000", 3000, 1080, 1575, 285, 37, F::Normal, N, N, kNoFlags, QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "Avg. Earnings (3-yr.)")},
    {"Label10", -1, K::Label, 6, QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "Est. Future Value"), 480, 1500, 2355, 255, T, F::Normal, N, N, kRightAligned, nullptr},
    {"txtFutrVal", -1, K::TextBox, 6, "", 3000, 1440, 1575, 285, 36, F::Normal, N, N, kNoFlags, QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "Est. Future Value")},
    {"Label12", -1, K::Label, 6, QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "Number of Shares Outstanding"), 300, 1860, 2535, 255, T, F::Normal, N, N, kRightAligned, nullptr},
    {"txtshares", -1, K::TextBox, 6, "100", 3000, 1800, 1575, 285, 42, F::Normal, N, N, kNoFlags, QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "Number of Shares Outstanding")},
    {"cmdCalcValue", -1, K::Button, 6, QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "Estimate the Intrinsic Value"), 420, 2280, 2475, 435, 34, F::Normal, N, N, kNoFlags, nullptr},
    {"IV", -1, K::TextBox, 6, "", 3000, 2340, 1575, 345, 44, F::Normal, N, N, kNoFlags, QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "Estimated intrinsic value per share")},
    {"Command27", -1, K::Button, 6, QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "Launch Calculator and Financials Page"), 420, 2820, 4155, 615, 67, F::Normal, N, N, kNoFlags, nullptr},
    {"Command15", -1, K::Button, 6, QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "Tessel's 10th Lecture: Intelligent Speculation"), 120, 3840, 4695, 495, 54, F::Normal, N, N, kNoFlags, nullptr},
});
// clang-format on

} // namespace

std::span<const ControlRow> windowLayout() { return kRows; }

QString shownText(const char *text) {
  if (!text)
    return {};
  const auto &steps = wizard::kStepCaptions;
  // By the text, not the pointer: the same literal in two files is one
  // object only where the compiler merges constants.
  const bool step = std::any_of(steps.begin(), steps.end(), [text](const char *caption) {
    return std::strcmp(caption, text) == 0;
  });
  return QCoreApplication::translate(step ? "kelvo::wizard" : "kelvo::app::MainWindow", text);
}

QString layoutCaption(const QString &control) {
  for (const ControlRow &row : kRows)
    if (control == QLatin1String(row.name) && row.text)
      return shownText(row.text).replace(u'\n', u' ');
  return {};
}

} // namespace kelvo::app
