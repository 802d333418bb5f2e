// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the wizard's window shows on a link control, for the Research Links
// window and --list-links alike.

#include <QString>

namespace kelvo::app {

// The control's caption as the window shows it, on one line and without
// access-key marks; the maker's address for the labels the window fills in;
// words naming the list and the page background, which show none; the
// control's name for any other control without a caption.
QString linkCaption(const QString &control);

} // namespace kelvo::app
