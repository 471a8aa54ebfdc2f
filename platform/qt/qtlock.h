// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

// One running game per folder, so that two games never overwrite each other's kept game. The
// first start holds "kubrix3d.lock" in the game's folder and listens on a local socket named
// after the folder's real path; a later start on the same folder finds the lock held, asks the
// running game through the socket to come to the front, and touches no file. A lock whose game
// is gone (a crash, a kill) is taken over.
class folderlock : public QObject {
 public:
  // The lock file's name, in the working directory.
  static constexpr const char* lockfile = "kubrix3d.lock";

  folderlock();
  ~folderlock() override;

  // Takes the lock for the working directory. False when a running game holds it; that game has
  // then been asked to come to the front.
  bool take();

  // Called when a later start on the same folder asks this game to come to the front.
  std::function<void()> onraise;

 private:
  QString socketname() const;

  QLockFile
      lock_;  // by its plain name: the working directory may be named in bytes that are no text
  std::unique_ptr<QLocalServer> server_;
};
