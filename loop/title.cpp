// SPDX-License-Identifier: GPL-3.0-or-later
#include "loop/title.h"

#include "model/numbers.h"

std::string kindword(int gametype) {
  switch (gametype) {
    case gametypes::regular: return "Regular";
    case gametypes::easy: return "Easy";
    case gametypes::hard: return "Hard";
    case gametypes::holeinone: return "Hole-In-One";
    case gametypes::allsizes: return "All-Sizes";
    default: return {};
  }
}

namespace {

// "Game-Type: ... / Difficulty: ... [/ Shape-Size: ...]", shared by both forms of the title.
std::string gamedescription(const gamestate& g) {
  std::string text = "Game-Type: " + kindword(g.gametype) +
                     " / Difficulty: " + difficultyword(g.difficulty);
  if (g.gametype == gametypes::allsizes) text += " / Shape-Size: " + formatnumber(g.maxsquares);
  return text;
}

std::string points(const gamestate& g) { return "Total Points: " + formatnumber(g.score); }

}  // namespace

std::string difficultyword(int difficulty) {
  if (difficulty == 1) return "Two";
  if (difficulty == 2) return "Three";
  return "One";
}

std::string playtitle(const gamestate& g) {
  if (kindword(g.gametype).empty()) return {};
  return std::string(windowcaption) + " / " + gamedescription(g) + " / " + points(g);
}

std::string gameovertitle(const gamestate& g) {
  if (kindword(g.gametype).empty()) return std::string(windowcaption) + " / (Game Over) / " + points(g);
  return "Vovov Kubrix 3d / " + gamedescription(g) + " / (Game Over) / " + points(g);
}

void updatetitle(gamestate& g, window& w) {
  if (g.gameover == 0 && g.score != g.shownscore) {
    const std::string title = playtitle(g);
    if (!title.empty()) w.settitle(title);
  }
  g.shownscore = g.score;
}
