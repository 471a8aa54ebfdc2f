// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/gamestate.h"

// Visits every cell of the piece box, z outermost and x innermost: the order in which the
// generators place, colour and move cubes, so that a seeded piece is always the same.
template <typename Visit>
void forbox(const gamestate& g, Visit visit) {
  for (int z = 1; z <= g.piecesizez; ++z) {
    for (int y = 1; y <= g.piecesizey; ++y) {
      for (int x = 1; x <= g.piecesizex + 1; ++x) visit(x, y, z);
    }
  }
}
