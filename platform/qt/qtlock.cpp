// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/qtlock.h"

#include <unistd.h>

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <cstdlib>
#include <memory>

namespace {

// How long a later start waits for the running game to answer.
constexpr int requestwait = 1000;

}  // namespace

folderlock::folderlock() : lock_(lockfile) {
  // A game runs for hours: only a lock whose process is gone is stale, never an old one.
  lock_.setStaleLockTime(0);
}

folderlock::~folderlock() {
  server_.reset();
  if (lock_.isLocked()) lock_.unlock();
}

QString folderlock::socketname() const {
  // The real path, bytes as the file system has them (a name that is no text stays itself): a
  // folder reached through a link or by another name is the same folder.
  const std::unique_ptr<char, void (*)(void*)> real(realpath(".", nullptr), &std::free);
  const QByteArray folder(real ? real.get() : "");
  const QByteArray hash = QCryptographicHash::hash(folder, QCryptographicHash::Sha256).toHex();
  const QString name = "kubrix3d-" + QString::number(getuid()) + "-" + hash.left(24);
  // In the player's own runtime folder where there is one; Qt's temporary folder otherwise.
  const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
  if (runtime.startsWith('/') && QFileInfo(QFile::decodeName(runtime)).isDir())
    return QFile::decodeName(runtime) + "/" + name;
  return name;
}

bool folderlock::take() {
  if (!lock_.tryLock(0)) {
    // A folder where no lock can be made at all (a read-only file system) is played unguarded.
    if (lock_.error() != QLockFile::LockFailedError) return true;
    // The connection itself is the request.
    QLocalSocket running;
    running.connectToServer(socketname());
    running.waitForConnected(requestwait);
    return false;
  }
  server_ = std::make_unique<QLocalServer>();
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  // A socket left by a game that is gone would refuse the name.
  QLocalServer::removeServer(socketname());
  server_->listen(socketname());
  QObject::connect(server_.get(), &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* later = server_->nextPendingConnection()) {
      QObject::connect(later, &QLocalSocket::disconnected, later, &QObject::deleteLater);
      later->disconnectFromServer();
      if (onraise) onraise();
    }
  });
  return true;
}
