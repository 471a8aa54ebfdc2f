// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/flatpiece.h"

#include "model/cubecolor.h"
#include "model/walk.h"

namespace {

// Directions 1..4: +x, -x, +z, -z; the walk never leaves the bottom layer.
constexpr walkstep steps[] = {{1, 0, 0}, {-1, 0, 0}, {0, 0, 1}, {0, 0, -1}};

}  // namespace

void flatwalk(gamestate& g, int32_t piececolor) {
  walk w;
  if (startwalk(g, w, piececolor)) {
    while (++w.tries <= walk::maxtries) {
      trystep(g, w, steps[g.rng.R(4)]);
      raiseextents(g, w);
      int32_t& cell = g.piece.at(w.walkx, w.walky, w.walkz);
      if (cell != 0) continue;
      cell = cubecolor(g, piececolor);
      if (++w.squarecount > w.targetsquares) break;
    }
  }
  finishwalk(g, w);
}
