// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What each verdict is called, from one table: its key in the study file,
// its name in the list of studies, its choice in the notebook and its
// sentence in the exports.

#include "study/study.h"

#include <QLatin1String>
#include <QString>
#include <optional>

namespace kelvo::study {

// "undecided", "buyBelow", "pass": the study file's keys, never translated.
QLatin1String verdictKey(Verdict verdict);
// The verdict a key names; nullopt for a key no version has written.
std::optional<Verdict> verdictFromKey(QStringView key);

// "Undecided", "Buy below", "Pass", translated.
QString verdictText(Verdict verdict);
// "&Undecided", "Buy b&elow a price", "Pa&ss": the notebook's choices.
QString verdictChoice(Verdict verdict);
// "Undecided.", "Buy below $42.50.", "Pass.": the exports' sentence, with
// the price as typed (trimmed), or the words for a price not yet set.
QString verdictSentence(Verdict verdict, const QString &buyBelowPrice);

} // namespace kelvo::study
