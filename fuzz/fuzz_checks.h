// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the fuzz targets of addresses check with: a failed check names what
// it was about and ends the run, and the scheme and host an address names.

#include <QString>
#include <cstdio>
#include <cstdlib>

namespace kelvo::fuzz {

inline void require(bool ok, const char *what, const QString &about) {
  if (ok)
    return;
  std::fprintf(stderr, "%s: %s\n", qUtf8Printable(about), what);
  std::abort();
}

// The scheme and host as written in an address: the text before "://", and
// the text after it up to the first "/", "?" or "#", without a port; both
// lower case.
struct Named {
  QString scheme, host;
};

inline Named namedIn(const QString &address) {
  const qsizetype colon = address.indexOf(QLatin1String("://"));
  require(colon > 0, "accepted without a scheme", address);
  QString rest = address.mid(colon + 3);
  for (QChar end : {u'/', u'?', u'#'})
    rest = rest.section(end, 0, 0);
  return {address.left(colon).toLower(), rest.section(u':', 0, 0).toLower()};
}

} // namespace kelvo::fuzz
