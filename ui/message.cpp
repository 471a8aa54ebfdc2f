// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/message.h"

#include <cstdio>
#include <cstring>
#include <utility>

#include "input/keyboard.h"
#include "platform/texts.h"

namespace {

template <class Show>
void whilepaused(gamestate& g, Show show) {
  if (g.ending == 1) return;
  const int before = std::exchange(g.paused, 1);
  const int hold = std::exchange(g.messagehold, 1 - before);
  show();
  g.messagehold = hold;
  g.paused = before;
}

}  // namespace

void warnplayer(gamestate& g, window& w, const std::string& text) {
  if (g.ending == 1) std::fprintf(stderr, "kubrix3d: %s\n", text.c_str());
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

std::optional<size_t> choosescore(gamestate& g, window& w, const std::string& heading,
                                  const std::vector<std::string>& entries,
                                  const std::vector<bool>& watchable) {
  std::optional<size_t> chosen;
  whilepaused(g, [&] { chosen = w.showscores(heading, entries, watchable); });
  return chosen;
}

std::string filefailure(const std::string& pattern, const char* file, int error) {
  return fill(pattern, {file, std::strerror(error)});
}
