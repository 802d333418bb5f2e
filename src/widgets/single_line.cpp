// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/single_line.h"

#include <algorithm>

namespace kelvo::widgets {

QString singleLineText(const QString &text, int &cursor) {
  cursor = std::clamp(cursor, 0, int(text.size()));
  QString kept = text;
  qsizetype lineBreak = -1;
  for (qsizetype i = 0; i < text.size() && lineBreak < 0; ++i)
    if (text.at(i) == QLatin1Char('\n') || text.at(i) == QLatin1Char('\r'))
      lineBreak = i;
  if (lineBreak >= 0) {
    // The box never holds a line break, so the first one belongs to the
    // inserted text, which ends at the caret: the rest of it goes.
    kept = text.left(lineBreak) + text.mid(std::max<qsizetype>(cursor, lineBreak));
    cursor = int(lineBreak);
  }
  QString out;
  out.reserve(kept.size());
  int caret = cursor;
  for (qsizetype i = 0; i < kept.size(); ++i) {
    if (kept.at(i).category() == QChar::Other_Control) {
      if (i < cursor)
        --caret;
      continue;
    }
    out += kept.at(i);
  }
  cursor = caret;
  return out;
}

QValidator::State SingleLineValidator::validate(QString &input, int &pos) const {
  int cursor = pos;
  QString kept = singleLineText(input, cursor);
  if (kept != input) {
    input = kept;
    pos = cursor;
  }
  return Acceptable;
}

} // namespace kelvo::widgets
