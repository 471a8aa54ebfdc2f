// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/qtsignals.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <utility>

namespace {

constexpr std::array<int, 3> endings{SIGTERM, SIGHUP, SIGINT};

// The write end of the watch's pipe, for the handler.
volatile std::sig_atomic_t writeend = -1;

void onending(int number) {
  const int saved = errno;
  const char byte = static_cast<char>(number);
  // A full pipe already holds an ending: nothing is lost by dropping this one.
  [[maybe_unused]] const ssize_t written = write(writeend, &byte, 1);
  errno = saved;
}

}  // namespace

signalwatch::signalwatch(std::function<void()> onsignal) : onsignal_(std::move(onsignal)) {
  if (pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0) return;
  writeend = pipe_[1];
  notifier_ = std::make_unique<QSocketNotifier>(pipe_[0], QSocketNotifier::Read);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, this, [this] {
    char bytes[64];
    while (read(pipe_[0], bytes, sizeof bytes) > 0) {
    }
    if (onsignal_) onsignal_();
  });
  for (const int number : endings) {
    struct sigaction before {};
    sigaction(number, nullptr, &before);
    if (number == SIGINT && before.sa_handler == SIG_IGN) continue;
    struct sigaction handler {};
    handler.sa_handler = &onending;
    sigemptyset(&handler.sa_mask);
    handler.sa_flags = SA_RESTART;
    sigaction(number, &handler, nullptr);
  }
  // A write beyond the file-size limit then fails, as on a full disk, instead of ending the game.
  std::signal(SIGXFSZ, SIG_IGN);
}

signalwatch::~signalwatch() {
  for (const int number : endings) {
    struct sigaction now {};
    sigaction(number, nullptr, &now);
    if (now.sa_handler == &onending) std::signal(number, SIG_DFL);
  }
  writeend = -1;
  notifier_.reset();
  for (const int end : pipe_) {
    if (end >= 0) close(end);
  }
}
