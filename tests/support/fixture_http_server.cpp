// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fixture_http_server.h"

#include <QTcpSocket>

namespace kelvo::test {

FixtureHttpServer::FixtureHttpServer(QObject *parent) : QObject(parent) {
  connect(&m_server, &QTcpServer::newConnection, this, [this] {
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
      connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
      connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
        const QByteArray seen = socket->peek(socket->bytesAvailable());
        if (const qsizetype end = seen.indexOf("\r\n\r\n");
            end >= 0 && !socket->property("answered").toBool()) {
          socket->setProperty("answered", true);
          answer(socket, socket->read(end + 4));
        }
      });
    }
  });
}

bool FixtureHttpServer::listen() {
  if (!m_server.listen(QHostAddress::LocalHost, m_port))
    return false;
  m_port = m_server.serverPort();
  return true;
}

void FixtureHttpServer::close() { m_server.close(); }

QUrl FixtureHttpServer::baseUrl() const {
  return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(m_port));
}

void FixtureHttpServer::serve(const QByteArray &path, const FixtureAnswer &answer) {
  m_answers.insert(path, answer);
}

void FixtureHttpServer::answer(QTcpSocket *socket, const QByteArray &head) {
  const QList<QByteArray> lines = head.trimmed().split('\n');
  const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
  RecordedRequest request{requestLine.value(0), requestLine.value(1), {}};
  for (const QByteArray &line : lines.mid(1)) {
    const qsizetype colon = line.indexOf(':');
    request.headers.insert(line.left(colon).trimmed().toLower(), line.mid(colon + 1).trimmed());
  }
  m_requests.append(request);

  const FixtureAnswer answer = m_answers.value(request.path, FixtureAnswer{404, {}, "{}"});
  QByteArray reply = "HTTP/1.1 " + QByteArray::number(answer.status) + " Fixture\r\n";
  for (const auto &[name, value] : answer.headers)
    reply += name + ": " + value + "\r\n";
  if (answer.announceLength)
    reply += "Content-Length: " + QByteArray::number(answer.body.size()) + "\r\n";
  reply += "Connection: close\r\n\r\n";
  reply += answer.bodyBytesSent < 0 ? answer.body : answer.body.left(answer.bodyBytesSent);
  socket->write(reply);
  if (!answer.stall)
    socket->disconnectFromHost();
}

} // namespace kelvo::test
