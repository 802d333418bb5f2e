// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as the SEC's list of symbols: the reader never crashes,
// says why it refuses, and a list it accepts finds every company it holds
// by its symbol in either spelling; the loose comparison of names treats
// both names alike.
#include "filings/company_names.h"
#include "filings/symbol_list.h"

#include <QByteArray>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace kelvo::filings;

namespace {

void check(bool ok, const char *what) {
  if (!ok) {
    std::fprintf(stderr, "%s\n", what);
    std::abort();
  }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  const QByteArray body(reinterpret_cast<const char *>(data), qsizetype(size));
  const SymbolListRead read = readSymbolList(body);
  check(read.list.has_value() == read.error.isEmpty(), "a refusal without a message");
  if (!read.list)
    return 0;
  const std::vector<ListedCompany> &companies = read.list->companies();
  const ListedCompany *previous = nullptr;
  for (const ListedCompany &company : companies) {
    check(company.cik >= 1 && company.cik <= 9'999'999'999, "a CIK out of range");
    check(!company.symbol.isEmpty() && secSymbol(company.symbol) == company.symbol,
          "a symbol not in the SEC's spelling");
    check(read.list->find(company.symbol) == &company, "a company not found by its symbol");
    check(read.list->find(company.symbol.toLower().replace(u'-', u'/')) == &company,
          "a company not found by the directory's spelling");
    check(!previous || previous->symbol < company.symbol, "symbols out of order or repeated");
    if (previous)
      check(sameCompanyName(previous->name, company.name) ==
                sameCompanyName(company.name, previous->name),
            "the name comparison depends on the order of the names");
    check(sameCompanyName(company.name, company.name) == !significantWords(company.name).isEmpty(),
          "a name is not the same as itself");
    previous = &company;
  }
  return 0;
}
