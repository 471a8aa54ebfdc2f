// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/probes.h"

namespace {

// True when a filled piece cell would lie on a filled well cell after moving by (dx, dy, dz).
// A well cell outside the grids counts as empty, like every cell outside the playing space.
bool collides(const gamestate& g, int dx, int dy, int dz) {
  for (int c = 1; c <= g.piecesizez; ++c) {
    for (int b = 1; b <= g.piecesizey; ++b) {
      for (int a = 1; a <= g.piecesizex + 1; ++a) {
        if (g.piece.at(a, b, c) == 0) continue;
        const int x = g.piecex + a - 1 + dx;
        const int y = g.piecey + b + dy;
        const int z = g.piecez + c + dz;
        if (grid::inrange(x, y, z) && g.well.at(x, y, z) != 0) return true;
      }
    }
  }
  return false;
}

}  // namespace

void checkdown(gamestate& g) {
  if (collides(g, 0, 0, 1)) g.blocked = 1;
}
void checkup(gamestate& g) {
  if (collides(g, 0, 0, -1)) g.blocked = 1;
}
void checkleft(gamestate& g) {
  if (collides(g, -1, 0, 0)) g.blocked = 1;
}
void checkright(gamestate& g) {
  if (collides(g, 1, 0, 0)) g.blocked = 1;
}
void checkdown2(gamestate& g) {
  if (collides(g, 0, 1, 0)) g.landed = 1;
}
