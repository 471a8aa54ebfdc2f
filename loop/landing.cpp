// SPDX-License-Identifier: GPL-3.0-or-later
#include "loop/landing.h"

#include <algorithm>

#include "loop/highscore.h"
#include "loop/title.h"
#include "model/layers.h"

namespace {

// Copies the piece's filled cells into the well; empty cells of the piece leave the well alone.
void fixpiece(gamestate& g) {
  for (int c = 1; c <= g.piecesizez; ++c) {
    for (int b = 1; b <= g.piecesizey; ++b) {
      for (int a = 1; a <= g.piecesizex + 1; ++a) {
        int32_t& cube = g.piece.at(a, b, c);
        if (cube == 0) continue;
        g.well.at(g.piecex + a - 1, g.piecey + b, g.piecez + c) = cube;
        cube = 0;
      }
    }
  }
}

// Every sound waits on the player's "Sound" check mark.
void play(window& w, soundeffect effect) {
  if (w.checked(menuitem::sound)) w.playsound(effect);
}

// A piece that cleared no layer just lands; more layers at once sound stronger, up to four.
soundeffect landingsound(int layers) {
  constexpr soundeffect bylayers[] = {soundeffect::landing, soundeffect::layers1,
                                      soundeffect::layers2, soundeffect::layers3,
                                      soundeffect::layers4};
  return bylayers[std::clamp(layers, 0, 4)];
}

}  // namespace

void landing(gamestate& g, window& w) {
  fixpiece(g);
  g.landed = 0;
  const int layers = clearlayers(g);
  if (g.piecey < 1 && g.gameover == 0 && g.gametype != gametypes::over) {
    gameoversteps(g, w);
    highscorecheck(g, w);
    // One sound for the end: the high score's, when its panel asks for a name.
    play(w, w.visible(control::Text7) ? soundeffect::highscore : soundeffect::gameover);
  } else {
    play(w, landingsound(layers));
  }
}

void gameoversteps(gamestate& g, window& w) {
  g.gameover = 1;
  w.settitle(gameovertitle(g));
  g.savedgametype = g.gametype;
  g.gametype = gametypes::over;
  w.setenabled(menuitem::newshape, false);
}
