// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The copies of the SEC's documents kept between runs, in
// $XDG_CACHE_HOME/kelvo-wizard/sec/. Each body is kept exactly as it was
// downloaded, with a small sidecar ("<name>.meta", JSON) beside it holding
// where it came from, when, and the SEC's Last-Modified and ETag.

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QUrl>
#include <optional>

namespace kelvo::filings {

struct CachedCopy {
  QByteArray body;
  QUrl url;                // the address it was downloaded from
  QDateTime downloaded;    // UTC: when the SEC last sent or confirmed it
  QByteArray lastModified; // the SEC's validators, sent back to ask whether it changed
  QByteArray etag;
};

class FiguresCache {
public:
  // $XDG_CACHE_HOME/kelvo-wizard/sec (~/.cache/kelvo-wizard/sec by default),
  // whatever the application's or organisation's name.
  static QString defaultFolder();

  explicit FiguresCache(QString folder = defaultFolder());
  const QString &folder() const { return m_folder; }
  QString bodyPath(const QString &name) const;
  QString sidecarPath(const QString &name) const;

  // The copy kept under name that was downloaded from url. Nothing when
  // there is none, it is larger than maxBytes, its sidecar is missing or
  // damaged or disagrees with the body's size, or it came from another
  // address (a test server's copy is never taken for the SEC's). Whether the
  // body is valid is for the caller's check to say.
  std::optional<CachedCopy> read(const QString &name, const QUrl &url, qint64 maxBytes) const;

  // Replaces the copy. The new body is written out in full before the old
  // sidecar is removed and the body put in place, and the sidecar comes last:
  // an interruption leaves the old pair, or a body without a sidecar (which
  // read() ignores), never a body with another body's dates. Returns an empty
  // string, or the system's words for what failed.
  QString write(const QString &name, const CachedCopy &copy) const;

  // Rewrites the sidecar alone, as after the SEC confirmed the copy unchanged.
  QString writeSidecar(const QString &name, const CachedCopy &copy) const;

private:
  QString m_folder;
};

} // namespace kelvo::filings
