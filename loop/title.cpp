// SPDX-License-Identifier: GPL-3.0-or-later
#include "loop/title.h"

#include "model/numbers.h"
#include "platform/texts.h"

std::string kindword(int gametype) {
  switch (gametype) {
    case gametypes::regular:
      return say("title", "Regular");
    case gametypes::easy:
      return say("title", "Easy");
    case gametypes::hard:
      return say("title", "Hard");
    case gametypes::holeinone:
      return say("title", "Hole-In-One");
    case gametypes::allsizes:
      return say("title", "All-Sizes");
    default:
      return {};
  }
}

namespace {

// "Game-Type: ... / Difficulty: ... [/ Shape-Size: ...]", shared by both forms of the title.
std::string gamedescription(const gamestate& g) {
  std::string text = fill(say("title", "Game-Type: %1"), {kindword(g.gametype)}) + " / " +
                     fill(say("title", "Difficulty: %1"), {difficultyword(g.difficulty)});
  if (g.gametype == gametypes::allsizes)
    text += " / " + fill(say("title", "Shape-Size: %1"), {formatnumber(g.maxsquares)});
  return text;
}

std::string points(const gamestate& g) {
  return fill(say("title", "Total Points: %1"), {formatnumber(g.score)});
}

std::string caption() {
  return say("title", windowcaption);
}

}  // namespace

std::string difficultyword(int difficulty) {
  if (difficulty == 1) return say("title", "Two");
  if (difficulty == 2) return say("title", "Three");
  return say("title", "One");
}

std::string playtitle(const gamestate& g) {
  if (kindword(g.gametype).empty()) return {};
  return caption() + " / " + gamedescription(g) + " / " + points(g);
}

std::string gameovertitle(const gamestate& g) {
  const std::string over = " / " + say("title", "(Game Over)") + " / " + points(g);
  if (kindword(g.gametype).empty()) return caption() + over;
  return say("title", "Vovov Kubrix 3d") + " / " + gamedescription(g) + over;
}

void updatetitle(gamestate& g, window& w) {
  if (g.gameover == 0 && g.score != g.shownscore) {
    const std::string title = playtitle(g);
    if (!title.empty()) w.settitle(title);
  }
  g.shownscore = g.score;
}
