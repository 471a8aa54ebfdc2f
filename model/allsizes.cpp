// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/allsizes.h"

#include <algorithm>
#include <array>

#include "model/cubecolor.h"

namespace {

// The last coordinate the walk may reach on an axis of the well: three short of the wall, at
// least the start cell, never past the grid.
int regionlimit(int size) {
  return std::clamp(size - 3, 1, grid::last);
}

}  // namespace

void allsizes(gamestate& g, int32_t piececolor) {
  const std::array<int, 3> limit = {regionlimit(g.wellwidth), regionlimit(g.wellheight),
                                    regionlimit(g.welldepth)};
  const int regioncells = limit[0] * limit[1] * limit[2];
  std::array<int, 3> position = {1, 1, 1};
  g.piecesizex = 0;
  g.piecesizey = 0;
  g.piecesizez = 0;
  int squarecount = 1;
  for (;;) {
    // Directions 0..5: +x, -x, +y, -y, +z, -z; a step out of the region is not taken.
    const int d = g.rng.R(6);
    int& along = position[d / 2];
    if (d % 2 == 0 && along < limit[d / 2]) ++along;
    if (d % 2 == 1 && along > 1) --along;
    const auto [x, y, z] = position;
    int32_t& cell = g.piece.at(x, y, z);
    if (cell != 0) continue;
    // Only a cell never visited can lie beyond the box, so the box grows with the new cubes.
    g.piecesizex = std::max(g.piecesizex, x - 1);
    g.piecesizey = std::max(g.piecesizey, y);
    g.piecesizez = std::max(g.piecesizez, z);
    cell = cubecolor(g, piececolor);
    ++squarecount;
    if (squarecount > g.maxsquares || squarecount > regioncells) break;
  }
}
