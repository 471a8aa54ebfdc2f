// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/layers.h"

namespace {

bool rowfull(const grid& cells, const gamestate& g, int y) {
  for (int z = 1; z <= g.welldepth; ++z) {
    for (int x = 1; x <= g.wellwidth; ++x) {
      if (cells.at(x, y, z) == 0) return false;
    }
  }
  return true;
}

void copyrow(const grid& from, int fromy, grid& to, int toy, const gamestate& g) {
  for (int z = 1; z <= g.welldepth; ++z) {
    for (int x = 1; x <= g.wellwidth; ++x) to.at(x, toy, z) = from.at(x, fromy, z);
  }
}

void clearrow(grid& cells, int y, const gamestate& g) {
  for (int z = 1; z <= g.welldepth; ++z) {
    for (int x = 1; x <= g.wellwidth; ++x) cells.at(x, y, z) = 0;
  }
}

}  // namespace

int removefulllayers(gamestate& g) {
  bool anyfull = false;
  for (int y = 1; y <= g.wellheight && !anyfull; ++y) anyfull = rowfull(g.well, g, y);
  if (!anyfull) return 0;

  // Park the well in layerbuffer, then bring back only the rows that are not full, from the
  // bottom up, so each kept row falls by the number of full rows beneath it.
  int removed = 0;
  int destination = g.wellheight;
  for (int y = 1; y <= g.wellheight; ++y) copyrow(g.well, y, g.layerbuffer, y, g);
  for (int y = g.wellheight; y >= 1; --y) {
    if (rowfull(g.layerbuffer, g, y)) {
      ++removed;
      continue;
    }
    copyrow(g.layerbuffer, y, g.well, destination, g);
    --destination;
  }
  for (int y = destination; y >= 1; --y) clearrow(g.well, y, g);
  return removed;
}

int clearlayers(gamestate& g) {
  const int removed = removefulllayers(g);
  g.score += static_cast<int64_t>(removed) * 10 * g.wellwidth * g.welldepth;
  if (g.gameover == 0) {
    const bool layered = g.gametype == gametypes::regular || g.gametype == gametypes::holeinone;
    g.score += layered ? 10 * static_cast<int64_t>(g.maxlayers) : 10;
  }
  return removed;
}
