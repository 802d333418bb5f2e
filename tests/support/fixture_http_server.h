// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A local HTTP/1.1 server on 127.0.0.1 that answers each path with a canned
// answer and records what each request carried. One request per connection.

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QPair>
#include <QTcpServer>
#include <QUrl>

namespace kelvo::test {

struct FixtureAnswer {
  int status = 200;
  QList<QPair<QByteArray, QByteArray>> headers;
  QByteArray body;
  bool announceLength = true; // send Content-Length (else the end of the body is the close)
  qint64 bodyBytesSent = -1;  // send only this much of the body (-1: all of it)
  bool stall = false;         // then keep the connection open and send nothing more
};

struct RecordedRequest {
  QByteArray method;
  QByteArray path;
  QHash<QByteArray, QByteArray> headers; // names in lower case
};

class FixtureHttpServer : public QObject {
  Q_OBJECT

public:
  explicit FixtureHttpServer(QObject *parent = nullptr);
  bool listen();        // on the port of the last listen(), or any port the first time
  void close();         // connections are refused until the next listen()
  QUrl baseUrl() const; // http://127.0.0.1:PORT

  // Every later request for path gets this answer; other paths get a 404.
  void serve(const QByteArray &path, const FixtureAnswer &answer);
  const QList<RecordedRequest> &requests() const { return m_requests; }
  void clearRequests() { m_requests.clear(); }

private:
  void answer(QTcpSocket *socket, const QByteArray &head);

  QTcpServer m_server;
  quint16 m_port = 0;
  QHash<QByteArray, FixtureAnswer> m_answers;
  QList<RecordedRequest> m_requests;
};

} // namespace kelvo::test
