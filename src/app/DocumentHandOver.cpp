#include "app/DocumentHandOver.h"

#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>

namespace tarn::app {

namespace {

// No path is longer; a sender that goes on is not a second start of this program.
constexpr qsizetype kMaxMessageBytes = 64 * 1024;

}  // namespace

DocumentHandOver::DocumentHandOver(QObject* parent)
    : QObject(parent), server_(new QLocalServer(this)) {
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  connect(server_, &QLocalServer::newConnection, this, &DocumentHandOver::TakeConnection);
}

DocumentHandOver::~DocumentHandOver() = default;

bool DocumentHandOver::Listen(const QString& socket_path) {
  if (socket_path.isEmpty()) return false;
  QLocalServer::removeServer(socket_path);
  return server_->listen(socket_path);
}

void DocumentHandOver::TakeConnection() {
  while (QLocalSocket* socket = server_->nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
      if (!socket->canReadLine()) {
        if (socket->bytesAvailable() > kMaxMessageBytes) socket->abort();
        return;
      }
      const QByteArray line = socket->readLine();
      socket->disconnectFromServer();
      if (line.size() > 1 && line.size() <= kMaxMessageBytes) {
        Q_EMIT Received(QString::fromUtf8(line.chopped(1)));
      }
    });
  }
}

bool DocumentHandOver::Send(const QString& socket_path, const QString& path, int timeout_ms) {
  QLocalSocket socket;
  socket.connectToServer(socket_path);
  if (!socket.waitForConnected(timeout_ms)) return false;
  socket.write(path.toUtf8() + '\n');
  if (!socket.waitForBytesWritten(timeout_ms)) return false;
  // The program closes the connection once it has the whole line.
  return socket.state() == QLocalSocket::UnconnectedState || socket.waitForDisconnected(timeout_ms);
}

QString DocumentHandOver::SocketPathFor(const std::string& lock_path) {
  if (lock_path.empty()) return {};
  QString path = QFile::decodeName(QByteArray::fromStdString(lock_path));
  if (path.endsWith(QStringLiteral(".lock"))) path.chop(5);
  return path + QStringLiteral(".socket");
}

}  // namespace tarn::app
