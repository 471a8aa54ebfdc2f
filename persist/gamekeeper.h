// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "persist/savedgame.h"

// Writes a file of saved games on a thread of its own, so that keeping the game after a landing
// costs the game's thread only the snapshot: turning a full well into text and writing it to the
// disk take some ten milliseconds. Only the newest request waits: a snapshot not yet written when
// a newer one comes is dropped, as the newer holds all it held. Each request names its file by
// the folder that is current when it is made.
class gamekeeper {
 public:
  gamekeeper() = default;
  gamekeeper(const gamekeeper&) = delete;
  gamekeeper& operator=(const gamekeeper&) = delete;
  // Writes what still waits, then stops.
  ~gamekeeper();

  // Replaces the file `name` with the saved game, as replacefile() does, then the file
  // `recordname` with its record, or removes that file when the game has none.
  void keep(const char* name, const char* recordname, savedgame game);
  // Removes the files `name` and `recordname`; a file that is not there is no failure.
  void remove(const char* name, const char* recordname);
  // Returns once every request so far is done, with the result of the last: 0, or its errno.
  int wait();
  // The result of the last request done: 0, or its errno.
  int lasterror();

 private:
  struct request {
    std::filesystem::path file;
    std::filesystem::path recordfile;
    std::optional<savedgame> game;  // nothing: remove the files
  };
  void post(request r);
  void work();

  std::mutex mutex_;
  std::condition_variable changed_;
  std::optional<request> waiting_;
  bool busy_ = false;
  bool stopping_ = false;
  int lasterror_ = 0;
  std::thread worker_;  // started with the first request
};
