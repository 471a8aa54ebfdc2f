// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/flatpiece.h"

#include <algorithm>

#include "model/cubecolor.h"
#include "model/piecebox.h"

namespace {

// Marks a cube for removal; any value but 0 still counts as filled for its neighbours, so the
// outcome does not depend on the order of the visit.
constexpr int32_t hollowmark = -3;

// Away from the well's walls on one axis (and from the grid's last index, so x + 1 exists).
bool inner(int v, int size) {
  return v > 1 && v < size && v < grid::last;
}

bool surrounded(const gamestate& g, int x, int y, int z) {
  for (int dz = -1; dz <= 1; ++dz) {
    for (int dx = -1; dx <= 1; ++dx) {
      if ((dx != 0 || dz != 0) && g.piece.at(x + dx, y, z + dz) == 0) return false;
    }
  }
  return true;
}

}  // namespace

void hollowpiece(gamestate& g) {
  forbox(g, [&](int x, int y, int z) {
    if (inner(x, g.wellwidth) && inner(z, g.welldepth) && surrounded(g, x, y, z)) {
      g.piece.at(x, y, z) = hollowmark;
    }
  });
  forbox(g, [&](int x, int y, int z) {
    if (g.piece.at(x, y, z) == hollowmark) g.piece.at(x, y, z) = 0;
  });
}

void stackpiece(gamestate& g, int32_t piececolor) {
  if (g.maxlayers == 1) return;
  // The copying runs at least once; a piece taller than the well could never be placed in it.
  const int layers = std::min({std::max(g.maxlayers, 2), g.wellheight, grid::last});
  for (int y = 2; y <= layers; ++y) {
    // Only the box's first layer holds cubes, so visiting the box visits every cube to copy, in
    // the same order as a visit of the whole layer.
    for (int z = 1; z <= g.piecesizez; ++z) {
      for (int x = 1; x <= g.piecesizex + 1; ++x) {
        const bool cube = g.piece.at(x, 1, z) != 0;
        g.piece.at(x, y, z) = cube ? cubecolor(g, piececolor) : 0;
      }
    }
    ++g.piecesizey;
  }
}
