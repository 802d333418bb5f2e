// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The window's controls as one table in the units of the design (twips,
// 15 to a logical pixel), converted in one place.

#include <QColor>
#include <QString>
#include <QtGlobal>
#include <span>

namespace kelvo::app {

enum class ControlKind { Label, Button, TextBox, SymbolBox, List, Panel, Marker, Line, Outline };
enum class FontRole { Normal, Title, Link, Box, List };

enum ControlFlag : unsigned {
  kNoFlags = 0,
  kCentered = 1u << 0,
  kRightAligned = 1u << 1,
  kWrap = 1u << 2,
  kDisabled = 1u << 3,
  kHandCursor = 1u << 4,
  kHelpCursor = 1u << 5,
  kBold = 1u << 6,
};

// Containers: the window itself, the side menu, or page panel 0-6.
inline constexpr int kOnWindow = -1;
inline constexpr int kOnMenu = 100;

inline constexpr int kNoColour = -1;
inline constexpr int kNoTab = -1;

struct ControlRow {
  const char *name; // design name, also the Qt object name ("Label1" rows get "(i)")
  int index;        // index within a control array, -1 for plain controls
  ControlKind kind;
  int container;                // kOnWindow, kOnMenu or a page number
  const char *text;             // caption or initial text; nullptr: filled in by the window
  int left, top, width, height; // twips
  int tab;                      // keyboard order, kNoTab when the control takes no focus
  FontRole font;
  int foreground; // 0xRRGGBB or kNoColour
  int background; // 0xRRGGBB or kNoColour
  unsigned flags;
  // For assistive tools. Buttons and labels are named by their caption (without
  // the "&"), and this text becomes their description; boxes, the list and
  // the panels have no caption, so this is their name.
  const char *accessible;
};

// What the maker's labels do: their description for assistive tools and the
// first line of their tooltips.
// clang-format off
inline constexpr const char *kMakerSiteDescription = QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "Opens the maker's web site in your browser");
inline constexpr const char *kMakerMailDescription = QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "Writes to the maker with your mail program");
inline constexpr const char *kMakerPageDescription = QT_TRANSLATE_NOOP("kelvo::app::MainWindow", "Opens the maker's page in your browser");
// clang-format on

inline constexpr int kWindowWidthTwips = 9135;
inline constexpr int kWindowHeightTwips = 6570;
inline constexpr int kPinnedTopTwips = 2000;
// Page panels out of view sit at this top edge, below the client area.
inline constexpr int kOutOfViewTopTwips = 9000;

// The one conversion of the design's twips into logical pixels (15 to one
// pixel at 96 dpi), rounded to the nearest pixel.
constexpr int pixels(int twips) { return (twips + 7) / 15; }

// A colour of the table (0xRRGGBB).
inline QColor rgbColour(int rgb) { return QColor::fromRgb(QRgb(0xFF000000u | unsigned(rgb))); }

std::span<const ControlRow> windowLayout();

// A text of the table in the user's language. The side menu's captions are
// the wizard's steps, marked as the wizard's texts; the others are the window's.
QString shownText(const char *text);

// The caption the table gives a control, in the user's language (access-key
// marks and all) on one line; empty for a control without one.
QString layoutCaption(const QString &control);

} // namespace kelvo::app
