// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The SEC's documents over the network, through QNetworkAccessManager, kept
// in FiguresCache. One request at a time, each naming the program and the
// user's contact; a fresh kept copy is used without asking, a stale one is
// asked about with If-None-Match/If-Modified-Since, and a copy is replaced
// only by a whole body that passed the request's check. When a download
// fails, the kept copy (if any) comes with the error.

#include "filings/figures_source.h"
#include "filings/filings_cache.h"
#include "filings/sec_endpoints.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <chrono>
#include <functional>
#include <optional>

class QNetworkAccessManager;
class QNetworkReply;

namespace kelvo::filings {

class SecClient final : public FiguresSource {
  Q_OBJECT

public:
  explicit SecClient(QObject *parent = nullptr);
  explicit SecClient(FiguresCache cache, QObject *parent = nullptr);
  ~SecClient() override;

  bool fetch(const FetchRequest &request) override;
  void cancel() override;
  bool isBusy() const override { return m_busy; }
  FetchResult cached(const FetchRequest &request) const override;

  const FiguresCache &cache() const { return m_cache; }

  // A download is stopped after this long without data (30 s).
  void setStallTimeout(std::chrono::milliseconds timeout) { m_stallTimeout = timeout; }
  // No body larger than this is accepted (kMaxDownloadBytes).
  void setBodyLimit(qint64 bytes) { m_bodyLimit = bytes; }
  // The time that decides whether a kept copy is fresh (the system clock, UTC).
  void setClock(std::function<QDateTime()> now) { m_now = std::move(now); }

private:
  struct Abort {
    SecError error;
    QString detail;
  };

  std::optional<CachedCopy> keptCopy(const FetchRequest &request, const QUrl &url) const;
  void startRequest();
  void readArrived();
  void headersArrived();
  void followOrRefuse(const QUrl &target);
  void abortWith(SecError error, const QString &detail);
  void replyFinished();
  void takeBody(QNetworkReply *reply);
  void takeRevalidation(QNetworkReply *reply);
  FetchResult failureOf(QNetworkReply *reply, int status) const;
  FetchResult failure(SecError error, const QString &detail) const;
  void finish(const FetchResult &result);
  void finishLater(FetchResult result);
  QString stallSeconds() const;
  FetchResult resultFor(const FetchRequest &request) const;

  FiguresCache m_cache;
  QNetworkAccessManager *m_network;
  QTimer m_stallTimer;
  QTimer m_startTimer; // keeps requests apart, well under the SEC's ten a second
  QElapsedTimer m_sinceLastStart;
  std::chrono::milliseconds m_stallTimeout{30'000};
  qint64 m_bodyLimit = kMaxDownloadBytes;
  std::function<QDateTime()> m_now;

  bool m_busy = false;
  FetchRequest m_request;
  SecEndpoints m_endpoints;
  QUrl m_url;
  QUrl m_lastAsked; // m_url, or where a redirect sent it
  std::optional<CachedCopy> m_kept;
  QPointer<QNetworkReply> m_reply;
  QByteArray m_body;
  qint64 m_announced = -1; // the body's length, when the headers say it
  std::optional<Abort> m_abort;
};

} // namespace kelvo::filings
