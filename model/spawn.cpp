// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/spawn.h"

#include "model/turns.h"

namespace {

// Turn kind by difficulty; turns 1 and 2 always fit, so the drawing at difficulty 2 ends.
int chooseturn(gamestate& g) {
  if (g.difficulty == 1) return 1 + g.rng.R(2);
  int turnkind = 0;
  do {
    turnkind = 1 + g.rng.R(6);
  } while (!turnfits(g, turnkind));
  return turnkind;
}

}  // namespace

void spawnpiece(gamestate& g) {
  for (int turncount = 1 + g.rng.R(3); turncount > 0; --turncount) {
    if (g.difficulty == 1 || g.difficulty == 2) turn(g, chooseturn(g));
  }
  // Both places are drawn whatever the room, so a seeded game stays the same. A piece as deep as
  // the well goes to piecez 0, filling z 1..welldepth. A piece wider or deeper than the well (the
  // stale extents after game over, once the cell-size panel has narrowed the well) goes against
  // the low walls, so every index of its box stays inside the grids.
  const int roomx = g.wellwidth - g.piecesizex;
  const int drawnx = 1 + g.rng.R(roomx);
  g.piecex = roomx >= 1 ? drawnx : 1;
  g.piecey = 0;
  const int roomz = g.welldepth - g.piecesizez;
  const int drawnz = 1 + g.rng.R(roomz);
  g.piecez = roomz >= 1 ? drawnz : 0;
  g.redraw = 1;
}
