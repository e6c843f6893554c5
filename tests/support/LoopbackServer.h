#pragma once
// A tiny HTTP server on the loopback address for the tests of the network code: it answers every
// request with one raw response, or never answers when the response is empty.
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

namespace velomare::test {

class LoopbackServer {
 public:
  explicit LoopbackServer(QByteArray response = {}) : response_(std::move(response)) {
    server_.listen(QHostAddress::LocalHost, 0);
    QObject::connect(&server_, &QTcpServer::newConnection, [this] {
      QTcpSocket* socket = server_.nextPendingConnection();
      QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
        socket->readAll();
        ++requests_;
        if (response_.isEmpty()) return;
        socket->write(response_);
        socket->disconnectFromHost();
      });
    });
  }
  QString Url(const char* path = "/version.txt") const {
    return QString("http://127.0.0.1:%1%2").arg(server_.serverPort()).arg(QString::fromLatin1(path));
  }
  int Requests() const { return requests_; }

  // A whole HTTP/1.1 response with the status line's text ("200 OK") and the body.
  static QByteArray Response(const char* status, const QByteArray& body) {
    return QByteArray("HTTP/1.1 ") + status + "\r\nContent-Type: text/plain\r\nContent-Length: " +
           QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
  }

 private:
  QTcpServer server_;
  QByteArray response_;
  int requests_ = 0;
};

// Starts a 200 answer that promises a long body, sends `first`, then one byte of `drip` every
// 50 ms: a connection that stays alive without ever ending.
struct TricklingServer {
  TricklingServer(QByteArray first, char drip) {
    server.listen(QHostAddress::LocalHost, 0);
    QObject::connect(&server, &QTcpServer::newConnection, [this, first = std::move(first), drip] {
      QTcpSocket* socket = server.nextPendingConnection();
      socket->write("HTTP/1.1 200 OK\r\nContent-Length: 100000\r\n\r\n" + first);
      QObject::connect(&trickle, &QTimer::timeout, socket, [socket, drip] { socket->write(&drip, 1); });
      trickle.start(50);
    });
  }
  QString Url() const { return QString("http://127.0.0.1:%1/v.txt").arg(server.serverPort()); }
  QTcpServer server;
  QTimer trickle;
};

}  // namespace velomare::test
