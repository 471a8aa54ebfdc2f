// SPDX-License-Identifier: GPL-3.0-or-later
#include "loop/status.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "loop/title.h"
#include "model/numbers.h"
#include "platform/texts.h"

namespace {

// An option panel is open while its Done button is shown.
constexpr std::array<control, 4> donebuttons{control::Command1, control::Command2,
                                             control::Command3, control::Command4};

std::string statepart(const gamestate& g, const window& w) {
  if (w.visible(control::Text7)) return {};
  if (g.gameover == 1) return say("status", "Game over — Options › New Game");
  const bool panelopen =
      std::any_of(donebuttons.begin(), donebuttons.end(), [&](control c) { return w.visible(c); });
  if (g.paused == 0 || g.messagehold == 1 || panelopen) return {};
  return g.pausedbyleaving == 1 ? say("status", "Paused — press P to go on")
                                : say("status", "Paused");
}

// A game that cannot be kept goes on all the same; the player learns it here, not in a message
// at every landing.
std::string keeppart(const gamestate& g) {
  if (g.keepfailure == 0) return {};
  return fill(say("status", "The game cannot be kept right now (%1); the next landing tries again"),
              {std::strerror(g.keepfailure)});
}

// After game over gametype holds no kind of game: the one just played is in savedgametype.
std::string pointspart(const gamestate& g) {
  const std::string kind = kindword(g.gametype == gametypes::over ? g.savedgametype : g.gametype);
  return (kind.empty() ? "" : kind + " · ") +
         fill(say("status", "Difficulty %1 · %2 points"),
              {difficultyword(g.difficulty), formatnumber(g.score)});
}

}  // namespace

std::string gamestatus(const gamestate& g, const window& w) {
  std::string line;
  for (const std::string& part : {statepart(g, w), keeppart(g), pointspart(g)}) {
    if (part.empty()) continue;
    line += (line.empty() ? "" : " · ") + part;
  }
  return line;
}

void updatestatus(const gamestate& g, window& w) {
  w.setstatus(gamestatus(g, w));
}
