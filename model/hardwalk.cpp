// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/hardwalk.h"

#include "model/cubecolor.h"
#include "model/walk.h"

namespace {

// Directions 1..6: +x, -x, down, up, +z, -z.
constexpr walkstep steps[] = {{1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}, {0, 0, 1}, {0, 0, -1}};

// A walk standing over a hole in both grids rises at once, unless its last step went up. The drop
// columns leave no such hole under the cubes the walk places itself; the rule guards the rest.
bool rises(const gamestate& g, const walk& w) {
  return w.welly < g.wellheight && w.welly > 1 && w.walky > 1 &&
         g.piece.at(w.walkx, w.walky + 1, w.walkz) == 0 &&
         wellcell(g, w.wellx, w.welly + 1, w.wellz) == 0 && w.wentup != 1;
}

// Fills the empty well cells under a new cube, down to the first well cube or the floor. Column
// cubes do not count towards the piece's size.
void dropcolumn(gamestate& g, const walk& w, int32_t piececolor) {
  if (w.welly >= g.wellheight || wellcell(g, w.wellx, w.welly + 1, w.wellz) != 0) return;
  // The game has always compared the piece-grid row with the well's height here.
  if (w.walky < g.wellheight && g.piece.at(w.walkx, w.walky + 1, w.walkz) != 0) return;
  for (int k = 1; w.welly + k <= g.wellheight; ++k) {
    if (wellcell(g, w.wellx, w.welly + k, w.wellz) != 0) break;
    int32_t& cell = g.piece.at(w.walkx, w.walky + k, w.walkz);
    if (cell == 0) cell = cubecolor(g, piececolor);
  }
}

}  // namespace

void hardwalk(gamestate& g, int32_t piececolor) {
  walk w;
  if (startwalk(g, w, piececolor)) {
    for (;;) {
      const int d = 1 + g.rng.R(6);
      if (++w.tries > walk::maxtries) break;
      if (rises(g, w)) {
        movewalk(w, {0, -1, 0});
      } else {
        trystep(g, w, steps[d - 1]);
      }
      raiseextents(g, w);
      int32_t& cell = g.piece.at(w.walkx, w.walky, w.walkz);
      if (cell != 0) continue;
      cell = cubecolor(g, piececolor);
      dropcolumn(g, w, piececolor);
      if (++w.squarecount > w.targetsquares) break;
    }
  }
  finishwalk(g, w);
}
