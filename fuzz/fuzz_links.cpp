// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Arbitrary symbol, company name and selected row through every research
// link's address. Whatever the texts hold, the address keeps its scheme, host,
// path and query fields, and each text reads back from its field unchanged.
//
// Input layout: symbol, then "\" followed by any other byte, then the name;
// the last two bytes pick the row (-1 for none). Backslashes in the symbol
// are written twice.
#include "directory/company_directory.h"
#include "fuzz_checks.h"
#include "links/link_catalogue.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QList>
#include <QPair>
#include <QString>
#include <QUrl>
#include <QUrlQuery>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace kelvo::directory;
using namespace kelvo::links;

namespace {

void require(bool ok, const char *what, const LinkTemplate &link) {
  kelvo::fuzz::require(ok, what, link.control);
}

// Stand-ins short enough that the first seven characters of the name keep
// the whole stand-in, and unchanged by percent-encoding.
const QString kSymbolMark = QStringLiteral("ZSYMZ");
const QString kNameMark = QStringLiteral("ZNAMEZ");
const QString kListMark = QStringLiteral("ZLISTZ");

QString markOf(LinkInput input) {
  switch (input) {
  case LinkInput::SymbolBox:
  case LinkInput::YahooSymbol:
    return kSymbolMark;
  case LinkInput::NameBox:
  case LinkInput::NamePrefix:
    return kNameMark;
  case LinkInput::ListSymbol:
    return kListMark;
  }
  return {};
}

// The query's fields, each name and value percent-decoded byte for byte and
// read as UTF-8. QUrl's own decoding would leave some valid characters (the
// Unicode noncharacters) encoded, which a browser does not.
QList<QPair<QString, QString>> toFields(const QUrl &url) {
  QList<QPair<QString, QString>> fields = QUrlQuery(url).queryItems(QUrl::FullyEncoded);
  for (auto &[name, value] : fields) {
    name = QUrl::fromPercentEncoding(name.toLatin1());
    value = QUrl::fromPercentEncoding(value.toLatin1());
  }
  return fields;
}

// Each row's address with the stand-ins, parsed once.
struct Shape {
  QUrl url;
  QList<QPair<QString, QString>> fields;
};

const Shape &shapeOf(std::size_t index) {
  static const std::vector<Shape> shapes = [] {
    std::vector<Shape> out;
    for (const LinkTemplate &link : LinkCatalogue::builtIn().links()) {
      const QUrl url(composeLinkUrl(link, {kSymbolMark, kNameMark, kListMark}), QUrl::TolerantMode);
      out.push_back({url, toFields(url)});
    }
    return out;
  }();
  return shapes[index];
}

void checkLink(std::size_t index, const LinkInputs &inputs) {
  const LinkTemplate &link = LinkCatalogue::builtIn().links()[qsizetype(index)];
  const QUrl &shape = shapeOf(index).url;
  const QString composed = composeLinkUrl(link, inputs);
  const QUrl url(composed, QUrl::TolerantMode);

  require(url.isValid(), "address not valid", link);
  require(url.scheme() == shape.scheme(), "scheme changed", link);
  require(url.host() == shape.host(), "host changed", link);
  require(url.path() == shape.path(), "path changed", link);
  require(!url.hasFragment(), "fragment appeared", link);
  for (QChar c : composed)
    require(c.unicode() >= 0x20 && c.unicode() < 0x7f, "character outside printable ASCII", link);

  // Every field of the plain shape is there, in order, and a field that holds
  // a text decodes to the shape's value with each stand-in replaced by its text.
  const QList<QPair<QString, QString>> &want = shapeOf(index).fields;
  const QList<QPair<QString, QString>> got = toFields(url);
  require(want.size() == got.size(), "query fields added or lost", link);
  for (qsizetype i = 0; i < want.size(); ++i) {
    require(got[i].first == want[i].first, "query field renamed", link);
    QString expected = want[i].second;
    for (const LinkPiece &piece : link.pieces)
      if (piece.isInput)
        expected.replace(markOf(piece.input), inputText(piece.input, inputs));
    require(got[i].second == expected, "text does not decode back to itself", link);
  }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  FuzzedDataProvider provider(data, size);
  const int row = provider.ConsumeIntegralInRange<int>(-1, kDirectoryRows - 1);
  const std::string symbol = provider.ConsumeRandomLengthString();
  const std::string name = provider.ConsumeRemainingBytesAsString();

  const LinkInputs inputs{QString::fromUtf8(symbol.data(), qsizetype(symbol.size())),
                          QString::fromUtf8(name.data(), qsizetype(name.size())),
                          listSymbolOf(row)};
  for (std::size_t index = 0; index < std::size_t(LinkCatalogue::builtIn().links().size()); ++index)
    checkLink(index, inputs);
  return 0;
}
