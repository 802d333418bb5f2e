// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What a single-line box keeps of what is typed, pasted or dropped into it:
// everything up to the first line break of the inserted text, and no
// control characters, as a native single-line field does.

#include <QValidator>

namespace kelvo::widgets {

// `text` is the box's text after an edit and `cursor` the caret after the
// inserted part. A line break (CR or LF) cuts the inserted part there; the
// text behind the caret, the box's own from before the edit, is kept. Other
// control characters are dropped. The caret is moved to match.
QString singleLineText(const QString &text, int &cursor);

class SingleLineValidator final : public QValidator {
public:
  using QValidator::QValidator;
  State validate(QString &input, int &pos) const override;
};

} // namespace kelvo::widgets
