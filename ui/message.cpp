// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/message.h"

#include <cstring>
#include <utility>

#include "input/keyboard.h"

namespace {

template <class Show>
void whilepaused(gamestate& g, Show show) {
  const int before = std::exchange(g.paused, 1);
  const int hold = std::exchange(g.messagehold, 1 - before);
  show();
  g.messagehold = hold;
  g.paused = before;
}

}  // namespace

void warnplayer(gamestate& g, window& w, const std::string& text) {
  whilepaused(g, [&] { w.showmessage(text); });
}

void informplayer(gamestate& g, window& w, const std::string& text) {
  whilepaused(g, [&] { w.showinformation(text); });
}

void helpplayer(gamestate& g, window& w, const std::string& heading, const std::string& text) {
  whilepaused(g, [&] { w.showhelp(heading, text); });
}

void F1_KeyDown(gamestate& g, window& w) {
  whilepaused(g, [&] { w.showkeys(keylist()); });
}

std::string filefailure(const std::string& what, const char* file, int error) {
  return what + " \"" + file + "\": " + std::strerror(error) + ".";
}
