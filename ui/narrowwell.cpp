// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/narrowwell.h"

#include "model/layers.h"
#include "model/turns.h"

namespace {

void removeoutside(gamestate& g) {
  for (int y = 0; y <= grid::last; ++y) {
    for (int z = 0; z <= grid::last; ++z) {
      for (int x = 0; x <= grid::last; ++x) {
        const bool inside =
            x >= 1 && x <= g.wellwidth && y >= 1 && y <= g.wellheight && z >= 1 && z <= g.welldepth;
        if (!inside) g.well.at(x, y, z) = 0;
      }
    }
  }
}

}  // namespace

void narrowwell(gamestate& g) {
  removeoutside(g);
  removefulllayers(g);
  // After game over there is no falling piece.
  if (g.gameover == 1) return;
  const bool fits = g.piecesizex + 1 <= g.wellwidth && g.piecesizey <= g.wellheight &&
                    g.piecesizez <= g.welldepth;
  if (fits) {
    pushback(g);
  } else {
    g.restart = 1;
    g.shapeonly = 1;
  }
}
