// SPDX-License-Identifier: GPL-3.0-or-later
#include "loop/status.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

// An option panel is open while its Done button is shown.
constexpr std::array<control, 4> donebuttons{control::Command1, control::Command2,
                                             control::Command3, control::Command4};

// The game's own state: over, or paused by the player.
std::string playstatus(const gamestate& g, const window& w) {
  if (w.visible(control::Text7)) return {};
  if (g.gameover == 1) return "Game over — Options › New Game starts a new one";
  const bool panelopen =
      std::any_of(donebuttons.begin(), donebuttons.end(), [&](control c) { return w.visible(c); });
  if (g.paused == 1 && g.messagehold == 0 && !panelopen) return "Paused";
  return {};
}

// A game that cannot be kept goes on all the same; the player learns it here, not in a message
// at every landing.
std::string keepstatus(const gamestate& g) {
  if (g.keepfailure == 0) return {};
  return std::string("The game cannot be kept right now (") + std::strerror(g.keepfailure) +
         "); the next landing tries again";
}

}  // namespace

std::string gamestatus(const gamestate& g, const window& w) {
  const std::string play = playstatus(g, w);
  const std::string keep = keepstatus(g);
  if (play.empty() || keep.empty()) return play + keep;
  return play + " · " + keep;
}

void updatestatus(const gamestate& g, window& w) {
  w.setstatus(gamestatus(g, w));
}
