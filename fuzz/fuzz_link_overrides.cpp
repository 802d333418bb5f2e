// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Arbitrary override files and inputs: every address the parser accepts
// composes to an address whose scheme and host are the ones the file wrote,
// whatever the symbol, company name and selected row hold; and every problem
// is reported as one line naming the file.
//
// Input layout: the file's text, then "\" followed by any other byte, then
// the symbol the same way, then the name; the last two bytes pick the row
// (-1 for none). Backslashes in the file and symbol are written twice.
#include "directory/company_directory.h"
#include "fuzz_checks.h"
#include "links/link_catalogue.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

using namespace kelvo::directory;
using namespace kelvo::links;
using kelvo::fuzz::Named;
using kelvo::fuzz::namedIn;
using kelvo::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  FuzzedDataProvider provider(data, size);
  const int row = provider.ConsumeIntegralInRange<int>(-1, kDirectoryRows - 1);
  const std::string text = provider.ConsumeRandomLengthString();
  const std::string symbol = provider.ConsumeRandomLengthString();
  const std::string name = provider.ConsumeRemainingBytesAsString();

  const QString file = QStringLiteral("fuzz.conf");
  const QByteArray bytes(text.data(), qsizetype(text.size()));
  LinkCatalogue catalogue = LinkCatalogue::builtIn();
  QStringList problems;
  catalogue.applyOverrides(bytes, file, &problems);

  for (const QString &problem : problems) {
    require(problem.startsWith(file + u':'), "report does not name the file", problem);
    require(!problem.contains(u'\n') && !problem.contains(u'\r'), "report of several lines",
            problem);
  }

  const LinkInputs inputs{QString::fromUtf8(symbol.data(), qsizetype(symbol.size())),
                          QString::fromUtf8(name.data(), qsizetype(name.size())),
                          listSymbolOf(row)};
  for (const LinkTemplate &link : catalogue.links()) {
    if (link.origin != file)
      continue;
    require(bytes.contains(link.address.toUtf8()), "template not taken from the file",
            link.address);
    const Named named = namedIn(link.address);
    require(named.scheme == u"http" || named.scheme == u"https", "scheme not http(s)",
            link.address);
    const QUrl url(composeLinkUrl(link, inputs), QUrl::TolerantMode);
    require(url.isValid(), "composed address not valid", link.address);
    require(url.scheme() == named.scheme, "scheme changed", link.address);
    require(url.host() == named.host, "host changed", link.address);
  }
  return 0;
}
