// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "study/verdicts.h"

#include <QCoreApplication>
#include <array>

namespace kelvo::study {

namespace {

constexpr char kContext[] = "Verdict";

struct VerdictNames {
  const char *key;
  const char *text;
  const char *choice;
  const char *sentence;
};

// clang-format off
// In the order of Verdict.
constexpr std::array<VerdictNames, 3> kVerdicts{{
    {"undecided", QT_TRANSLATE_NOOP("Verdict", "Undecided"), QT_TRANSLATE_NOOP("Verdict", "&Undecided"), QT_TRANSLATE_NOOP("Verdict", "Undecided.")},
    {"buyBelow", QT_TRANSLATE_NOOP("Verdict", "Buy below"), QT_TRANSLATE_NOOP("Verdict", "Buy b&elow a price"), QT_TRANSLATE_NOOP("Verdict", "Buy below %1.")},
    {"pass", QT_TRANSLATE_NOOP("Verdict", "Pass"), QT_TRANSLATE_NOOP("Verdict", "Pa&ss"), QT_TRANSLATE_NOOP("Verdict", "Pass.")},
}};
// clang-format on

const VerdictNames &names(Verdict verdict) {
  const auto index = std::size_t(verdict);
  return kVerdicts[index < kVerdicts.size() ? index : 0];
}

QString translated(const char *text) { return QCoreApplication::translate(kContext, text); }

} // namespace

QLatin1String verdictKey(Verdict verdict) { return QLatin1String(names(verdict).key); }

std::optional<Verdict> verdictFromKey(QStringView key) {
  for (std::size_t i = 0; i < kVerdicts.size(); ++i)
    if (key == QLatin1String(kVerdicts[i].key))
      return Verdict(i);
  return std::nullopt;
}

QString verdictText(Verdict verdict) { return translated(names(verdict).text); }

QString verdictChoice(Verdict verdict) { return translated(names(verdict).choice); }

QString verdictSentence(Verdict verdict, const QString &buyBelowPrice) {
  if (verdict != Verdict::BuyBelow)
    return translated(names(verdict).sentence);
  const QString price = buyBelowPrice.trimmed();
  return price.isEmpty()
             ? translated(QT_TRANSLATE_NOOP("Verdict", "Buy below a price not yet set."))
             : translated(names(verdict).sentence).arg(price);
}

} // namespace kelvo::study
