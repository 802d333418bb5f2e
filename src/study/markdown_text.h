// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Typed text as Markdown that shows it as typed. A character is escaped only
// where a reader of CommonMark, with the tables and strikethrough of GitHub's
// dialect, would take it for markup: "$3.47", "AT&T" or "snake_case" stay as
// they are.

#include <QString>

namespace kelvo::study {

// Paragraphs parted by a blank line; a single line break stays one.
QString markdownText(const QString &text);
// Text that must stay on one line (a table cell, a heading, the bold
// verdict): its lines are joined with spaces.
QString markdownSpan(const QString &text);
// A heading's text, without a closing run of "#" a reader would drop.
QString markdownHeading(const QString &text);

} // namespace kelvo::study
