#include "ui/message.h"

#include <cstring>
#include <utility>

namespace {

template <class Show>
void whilepaused(gamestate& g, Show show) {
  const int before = std::exchange(g.paused, 1);
  show();
  g.paused = before;
}

}  // namespace

void warnplayer(gamestate& g, window& w, const std::string& text) {
  whilepaused(g, [&] { w.showmessage(text); });
}

void informplayer(gamestate& g, window& w, const std::string& text) {
  whilepaused(g, [&] { w.showinformation(text); });
}

std::string filefailure(const std::string& what, const char* file, int error) {
  return what + " \"" + file + "\": " + std::strerror(error) + ".";
}
