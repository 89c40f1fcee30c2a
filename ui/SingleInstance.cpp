#include "ui/SingleInstance.h"

#include <unistd.h>

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>

#include "core/Paths.h"

namespace quenvar::ui {

namespace {

constexpr char kRaise[] = "raise\n";

}  // namespace

QString SingleInstance::KeyFor(const QString& executablePath) {
  const QByteArray hash =
      QCryptographicHash::hash(QDir(executablePath).canonicalPath().toUtf8(), QCryptographicHash::Sha1)
          .toHex();
  return QString("onlyforquenvarrandom-%1-%2").arg(getuid()).arg(QString::fromLatin1(hash.left(12)));
}

QString SingleInstance::path() const {
  const std::string folder = paths::RuntimeFolder();
  return folder.empty() ? QString() : QString::fromStdString(folder) + "/" + key_;
}

SingleInstance::SingleInstance(QString key) : key_(std::move(key)) {
  connect(&server_, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
      connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
        if (socket->readAll().contains("raise")) emit raiseRequested();
        socket->disconnectFromServer();
      });
      connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    }
  });
}

SingleInstance::~SingleInstance() { server_.close(); }

bool SingleInstance::raiseRunning() {
  // Without a folder of the user's own there is no lock: this copy runs.
  const QString at = path();
  if (at.isEmpty()) return false;
  // The lock serialises two copies starting at the same moment.
  lock_ = std::make_unique<QLockFile>(at + ".lock");
  lock_->setStaleLockTime(0);
  for (int attempt = 0; attempt < 20; ++attempt) {
    QLocalSocket socket;
    socket.connectToServer(at);
    if (socket.waitForConnected(300)) {
      socket.write(kRaise);
      socket.waitForBytesWritten(1000);
      socket.waitForDisconnected(1000);
      return true;
    }
    if (lock_->tryLock(100)) return false;
    // Only a lock held by a live copy means another copy; a lock that cannot
    // be made at all (no writable temp folder) must not keep the program out.
    if (lock_->error() != QLockFile::LockFailedError) return false;
  }
  // A copy holds the lock but does not answer (still starting): leave it be.
  return true;
}

bool SingleInstance::listen() {
  const QString at = path();
  if (at.isEmpty()) return false;
  QLocalServer::removeServer(at);  // a socket left by a copy that crashed
  server_.setSocketOptions(QLocalServer::UserAccessOption);
  return server_.listen(at);
}

}  // namespace quenvar::ui
