// Arbitrary override files and inputs: every address the parser accepts
// composes to an address whose scheme and host are the ones the file wrote,
// whatever the symbol, company name and selected row hold; and every problem
// is reported as one line naming the file.
//
// Input layout: the file's text, then "\" followed by any other byte, then
// the symbol the same way, then the name; the last two bytes pick the row
// (-1 for none). Backslashes in the file and symbol are written twice.
#include "directory/company_directory.h"
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

using namespace kelvo;

namespace {

void Require(bool ok, const char *what, const QString &about) {
  if (ok)
    return;
  std::fprintf(stderr, "%s: %s\n", qUtf8Printable(about), what);
  std::abort();
}

// The scheme and host as written in the template: the text before "://",
// and the text after it up to the first "/", "?" or "#", without a port.
struct Named {
  QString scheme, host;
};

Named NamedIn(const QString &address) {
  const qsizetype colon = address.indexOf(QLatin1String("://"));
  Require(colon > 0, "accepted without a scheme", address);
  QString rest = address.mid(colon + 3);
  for (QChar end : {u'/', u'?', u'#'})
    rest = rest.section(end, 0, 0);
  return {address.left(colon).toLower(), rest.section(u':', 0, 0).toLower()};
}

} // namespace

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
    Require(problem.startsWith(file + u':'), "report does not name the file", problem);
    Require(!problem.contains(u'\n') && !problem.contains(u'\r'), "report of several lines",
            problem);
  }

  const LinkInputs inputs{QString::fromUtf8(symbol.data(), qsizetype(symbol.size())),
                          QString::fromUtf8(name.data(), qsizetype(name.size())),
                          ListSymbolOf(row)};
  for (const LinkTemplate &link : catalogue.links()) {
    if (link.origin != file)
      continue;
    Require(bytes.contains(link.address.toUtf8()), "template not taken from the file",
            link.address);
    const Named named = NamedIn(link.address);
    Require(named.scheme == u"http" || named.scheme == u"https", "scheme not http(s)",
            link.address);
    const QUrl url(ComposeLinkUrl(link, inputs), QUrl::TolerantMode);
    Require(url.isValid(), "composed address not valid", link.address);
    Require(url.scheme() == named.scheme, "scheme changed", link.address);
    Require(url.host() == named.host, "host changed", link.address);
  }
  return 0;
}
