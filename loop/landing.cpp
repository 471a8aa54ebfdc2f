// SPDX-License-Identifier: GPL-3.0-or-later
#include "loop/landing.h"

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

}  // namespace

void landing(gamestate& g, window& w) {
  fixpiece(g);
  g.landed = 0;
  clearlayers(g);
  if (g.piecey < 1 && g.gameover == 0 && g.gametype != gametypes::over) {
    gameoversteps(g, w);
    highscorecheck(g, w);
  }
}

void gameoversteps(gamestate& g, window& w) {
  g.gameover = 1;
  w.settitle(gameovertitle(g));
  g.savedgametype = g.gametype;
  g.gametype = gametypes::over;
  w.setenabled(menuitem::newshape, false);
}
