// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <functional>
#include <memory>

// The signals that end a desktop program, turned into a call on the toolkit's thread: SIGTERM (a
// logout, a shutdown, kill), SIGHUP (the terminal closed) and SIGINT (Ctrl+C), unless the program
// started with SIGINT ignored, as a background job does. The handler only writes to a pipe; the
// event loop reads it and calls `onsignal`, where the game can end as a close does. One watch
// at a time.
class signalwatch : public QObject {
 public:
  explicit signalwatch(std::function<void()> onsignal);
  ~signalwatch() override;

 private:
  std::function<void()> onsignal_;
  int pipe_[2] = {-1, -1};
  std::unique_ptr<QSocketNotifier> notifier_;
};
