// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "filings/company_names.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

namespace kelvo::filings {

namespace {

class NameTexts {
  Q_DECLARE_TR_FUNCTIONS(FinancialHistory)
};

// Words that say what kind of company it is, not which.
const QSet<QString> &legalWords() {
  static const QSet<QString> words{
      QStringLiteral("the"),     QStringLiteral("inc"),         QStringLiteral("incorporated"),
      QStringLiteral("corp"),    QStringLiteral("corporation"), QStringLiteral("co"),
      QStringLiteral("cos"),     QStringLiteral("company"),     QStringLiteral("companies"),
      QStringLiteral("ltd"),     QStringLiteral("limited"),     QStringLiteral("plc"),
      QStringLiteral("llc"),     QStringLiteral("lp"),          QStringLiteral("llp"),
      QStringLiteral("sa"),      QStringLiteral("ag"),          QStringLiteral("nv"),
      QStringLiteral("se"),      QStringLiteral("and"),         QStringLiteral("of"),
      QStringLiteral("holding"), QStringLiteral("holdings"),    QStringLiteral("group"),
      QStringLiteral("class"),
  };
  return words;
}

const QHash<QString, QString> &abbreviations() {
  static const QHash<QString, QString> words{
      {QStringLiteral("intl"), QStringLiteral("international")},
      {QStringLiteral("natl"), QStringLiteral("national")},
      {QStringLiteral("amer"), QStringLiteral("american")},
      {QStringLiteral("mfg"), QStringLiteral("manufacturing")},
      {QStringLiteral("svcs"), QStringLiteral("services")},
      {QStringLiteral("tech"), QStringLiteral("technologies")},
      {QStringLiteral("technology"), QStringLiteral("technologies")},
      {QStringLiteral("labs"), QStringLiteral("laboratories")},
      {QStringLiteral("bancorporation"), QStringLiteral("bancorp")},
  };
  return words;
}

QString spaced(const QStringList &words) { return words.join(QString()); }

// Whether the words of `longer` begin with `shorter`, read without spaces
// at the joins of whole words.
bool beginsWith(const QStringList &longer, const QStringList &shorter) {
  const QString target = spaced(shorter);
  QString joined;
  for (const QString &word : longer) {
    joined += word;
    if (joined == target)
      return true;
    if (joined.size() >= target.size())
      return false;
  }
  return false;
}

} // namespace

QStringList significantWords(const QString &name) {
  static const QRegularExpression state(QStringLiteral("/[A-Za-z]{2,3}/?\\s*$"));
  static const QRegularExpression quotedClass(QStringLiteral("'[A-Za-z]'"));
  static const QRegularExpression classWord(QStringLiteral("\\bclass\\s+[a-z]\\b"));
  static const QRegularExpression apostrophe(QStringLiteral("['’]"));
  static const QRegularExpression separator(QStringLiteral("[^\\p{L}\\p{N}]+"));
  QString text = name;
  text.remove(state).remove(quotedClass);
  text = text.toLower();
  text.remove(classWord).remove(apostrophe);
  QStringList words;
  for (QString word : text.split(separator, Qt::SkipEmptyParts)) {
    word = abbreviations().value(word, word);
    if (!legalWords().contains(word))
      words.append(word);
  }
  return words;
}

bool sameCompanyName(const QString &directoryName, const QString &secName) {
  const QStringList a = significantWords(directoryName);
  const QStringList b = significantWords(secName);
  if (a.isEmpty() || b.isEmpty())
    return false;
  return beginsWith(a, b) || beginsWith(b, a);
}

QString otherCompanyMessage(const QString &symbol, const QString &secName,
                            const QString &directoryName) {
  return NameTexts::tr("The SEC lists %1 as %2, not %3").arg(symbol, secName, directoryName);
}

} // namespace kelvo::filings
