// SPDX-License-Identifier: GPL-3.0-or-later
#include "persist/gamekeeper.h"

#include <cerrno>
#include <cstdio>
#include <utility>

#include "persist/replacefile.h"
#include "persist/replayfile.h"

gamekeeper::~gamekeeper() {
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  if (worker_.joinable()) worker_.join();
}

void gamekeeper::keep(const char* name, const char* recordname, savedgame game) {
  post({std::filesystem::absolute(name), std::filesystem::absolute(recordname), std::move(game)});
}

void gamekeeper::remove(const char* name, const char* recordname) {
  post({std::filesystem::absolute(name), std::filesystem::absolute(recordname), std::nullopt});
}

void gamekeeper::post(request r) {
  {
    const std::lock_guard lock(mutex_);
    waiting_ = std::move(r);
    if (!worker_.joinable()) worker_ = std::thread(&gamekeeper::work, this);
  }
  changed_.notify_all();
}

int gamekeeper::wait() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return !waiting_ && !busy_; });
  return lasterror_;
}

int gamekeeper::lasterror() {
  const std::lock_guard lock(mutex_);
  return lasterror_;
}

void gamekeeper::work() {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return waiting_ || stopping_; });
    if (!waiting_) return;
    const request r = std::move(*waiting_);
    waiting_.reset();
    busy_ = true;
    lock.unlock();
    int error = 0;
    if (r.game) {
      const std::string text = savedgametext(*r.game);
      error = replacefile(r.file.string(), text);
      // Only the game's own file is reported: a record not written leaves one that goes with
      // another game, which the next start does not take.
      if (error == 0 && r.game->record.state == recording::running) {
        replacefile(r.recordfile.string(), keptrecordtext(text, r.game->record));
      } else if (error == 0) {
        std::remove(r.recordfile.c_str());
      }
    } else {
      if (std::remove(r.file.c_str()) != 0 && errno != ENOENT) error = errno;
      std::remove(r.recordfile.c_str());
    }
    lock.lock();
    busy_ = false;
    lasterror_ = error;
    changed_.notify_all();
  }
}
