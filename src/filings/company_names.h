// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether the directory's name for a symbol and the SEC's name for it are
// the same company. Symbols are given to other companies over the years:
// HCP was Health Care Property and is HashiCorp at the SEC today.

#include <QString>
#include <QStringList>

namespace kelvo::filings {

// The words of a company's name that tell it apart, in lower case: case,
// punctuation, a state after a slash ("/DE/"), a share class ("'B'",
// "Class A") and words such as "Inc", "Corp", "Co", "The", "Ltd" are left
// out; common abbreviations are written out.
QStringList significantWords(const QString &name);

// The two names are loosely the same: the same significant words, or the
// words of one begin the other's ("Apple Computer" and "Apple Inc."), read
// with or without the spaces between them ("Wal-Mart Stores" and "Walmart
// Inc."). Two names without significant words never match.
bool sameCompanyName(const QString &directoryName, const QString &secName);

// "The SEC lists HCP as HashiCorp, Inc., not Health Care Property"
QString otherCompanyMessage(const QString &symbol, const QString &secName,
                            const QString &directoryName);

} // namespace kelvo::filings
