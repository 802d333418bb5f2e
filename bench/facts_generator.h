// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Company facts and a list of symbols of the size the SEC serves for a
// large company, made up at run time: fifteen years of annual and quarterly
// reports, each repeating the figures of the years before it, over a few
// hundred concepts of which the history reads only some.

#include <QByteArray>
#include <cstdint>

namespace kelvo::bench {

// A company-facts document of at least `bytes` bytes.
QByteArray generatedCompanyFacts(qsizetype bytes);

// A list of `rows` symbols in the shape of company_tickers_exchange.json.
QByteArray generatedSymbolList(int rows);

// The symbol of row `row` of that list.
QByteArray generatedSymbol(int row);

} // namespace kelvo::bench
