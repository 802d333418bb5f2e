// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the history writes its numbers and says where a figure comes from.
// The numbers are written the same way whatever the desktop's language, so
// that a copied table reads the same everywhere: "2,806.5", "-3.28", "15.3%".

#include "filings/company_facts.h"
#include "filings/history_table.h"

#include <QString>

namespace kelvo::filings {

// An empty cell.
inline constexpr QStringView kEmptyCellText = u"\u2014";

// A number with the given decimals, thousands separated by commas and a
// minus sign when negative: formatNumber(-2806512345.0 / 1e6, 1) == "-2,806.5".
QString formatNumber(double value, int decimals);

// A value of a row as its cell shows it (amounts and shares in millions).
QString cellText(RowKind kind, double value);

// "2022-09-25 to 2023-09-30" for a period, "at 2023-09-30" for an instant.
QString periodText(const Fact &fact);

// "10-K filed 2023-11-03, accession 0000320193-23-000106"
QString filingText(const Fact &fact);

// The tooltip of a reported cell: the tag, the period, the filing; and for a
// restated figure, the value of each earlier filing.
QString reportedToolTip(RowKind kind, const QString &tag, const Fact &source,
                        const QList<Fact> &earlier);

} // namespace kelvo::filings
