// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the Financial History window talks to for the SEC's documents: the
// real source downloads and caches them (SecClient); a window test can stand
// in a source that answers from memory.
//
// The window's flow: on "Download from the SEC", store the contact the user
// typed (storeContact), fetch the symbol list, look the symbol up in it with
// the list's reader, then fetch the company's facts by CIK. Each fetch ends
// with one finished(); a result can carry figures and an error at once (an
// earlier copy shown because the download failed).

#include "filings/sec_documents.h"
#include "filings/sec_errors.h"

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QString>

namespace kelvo::filings {

// No body larger than this is read, downloaded or opened.
inline constexpr qint64 kMaxDownloadBytes = 200'000'000;

struct FetchRequest {
  SecDocument document = SecDocument::CompanyFacts;
  qint64 cik = 0;  // for company facts
  QString contact; // the user's e-mail, sent to the SEC in the User-Agent
  BodyCheck check; // decides whether a body is usable; empty: defaultBodyCheck()
};

enum class FetchOrigin {
  None,        // nothing to show
  Downloaded,  // the SEC sent it just now
  Revalidated, // the SEC confirmed the kept copy unchanged (HTTP 304)
  Cache,       // the kept copy, without asking: fresh, or the download failed
  File,        // a file the user opened
};

struct FetchResult {
  SecDocument document = SecDocument::CompanyFacts;
  qint64 cik = 0;
  QByteArray body; // checked; empty when there is nothing to show
  FetchOrigin origin = FetchOrigin::None;
  QDateTime downloaded;            // UTC, for "Downloaded DATE"; for a file, when it was saved
  SecError error = SecError::None; // what went wrong, if anything
  QString message;                 // the error's sentence for the user
  QString note;                    // a remark on a success, such as a cache that was not written

  bool hasBody() const { return origin != FetchOrigin::None; }
};

class FiguresSource : public QObject {
  Q_OBJECT

public:
  using QObject::QObject;

  // Gets a document: a fresh kept copy without any request, else from the
  // SEC. Emits progress() while bytes arrive and finished() once, never
  // before fetch() has returned. Returns false, and does nothing else, while
  // another fetch is running: there is one request at a time.
  virtual bool fetch(const FetchRequest &request) = 0;

  // Stops the running fetch; finished() then reports SecError::Cancelled.
  virtual void cancel() = 0;

  virtual bool isBusy() const = 0;

  // The kept copy that passes the request's check, fresh or not, without any
  // request: for opening the window offline. Origin None when there is none.
  virtual FetchResult cached(const FetchRequest &request) const = 0;

signals:
  void progress(qint64 received, qint64 total); // total is -1 while unknown
  void finished(const kelvo::filings::FetchResult &result);
};

// A document the user saved from a browser ("Open a downloaded file…"): read
// through the same check and size limit as a download, never cached.
FetchResult readDownloadedFile(const QString &path, const FetchRequest &request,
                               qint64 maxBytes = kMaxDownloadBytes);

} // namespace kelvo::filings
