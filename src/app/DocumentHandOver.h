#pragma once

#include <QObject>
#include <QString>
#include <string>

class QLocalServer;

namespace tarn::app {

// Hands a document from a second start of the program to the one running, over a local socket
// beside the instance lock: the path as UTF-8 and a line feed.
class DocumentHandOver : public QObject {
  Q_OBJECT

 public:
  // Neither listening nor connected until Listen.
  explicit DocumentHandOver(QObject* parent = nullptr);
  ~DocumentHandOver() override;

  // Listens at `socket_path`, replacing a socket that a program which died left there (only
  // the holder of the instance lock may call it). False when it cannot listen, which costs only
  // the hand-over.
  bool Listen(const QString& socket_path);

  // Sends `path` to the program listening at `socket_path`. False when none takes it within
  // `timeout_ms`.
  static bool Send(const QString& socket_path, const QString& path, int timeout_ms = 5000);

  // The socket beside the lock file `lock_path`, named after it.
  static QString SocketPathFor(const std::string& lock_path);

 Q_SIGNALS:
  // A second start handed over `path`.
  void Received(const QString& path);

 private:
  void TakeConnection();

  QLocalServer* server_;
};

}  // namespace tarn::app
