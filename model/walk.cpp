// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/walk.h"

#include <algorithm>

#include "model/cubecolor.h"
#include "model/piecebox.h"

namespace {

// Only the bottom layer lets the walk climb: the layer from the bottom must stay below this.
constexpr int climblimit = 2;

bool insidewell(const gamestate& g, int x, int y, int z) {
  return x >= 1 && x <= g.wellwidth && y >= 1 && y <= g.wellheight && z >= 1 && z <= g.welldepth;
}

// The walk keeps clear of index 0 and of the grid's far edge, so every neighbour it reads exists.
bool insidewalkrange(int x, int y, int z) {
  return x >= 1 && x < grid::last && y >= 1 && y < grid::last && z >= 1 && z < grid::last;
}

bool bottomhashole(const gamestate& g) {
  for (int z = 1; z <= g.welldepth; ++z) {
    for (int x = 1; x <= g.wellwidth; ++x) {
      if (wellcell(g, x, g.wellheight, z) == 0) return true;
    }
  }
  return false;
}

// A step off the bottom layer needs a well cube beside the current cell or beside the target,
// along either axis other than the step's own.
bool supported(const gamestate& g, const walk& w, walkstep s) {
  for (int ahead = 0; ahead <= 1; ++ahead) {
    const int x = w.wellx + ahead * s.dx;
    const int y = w.welly + ahead * s.dy;
    const int z = w.wellz + ahead * s.dz;
    for (int side = -1; side <= 1; side += 2) {
      if (s.dx == 0 && wellcell(g, x + side, y, z) != 0) return true;
      if (s.dy == 0 && wellcell(g, x, y + side, z) != 0) return true;
      if (s.dz == 0 && wellcell(g, x, y, z + side) != 0) return true;
    }
  }
  return false;
}

}  // namespace

int32_t wellcell(const gamestate& g, int x, int y, int z) {
  return grid::inrange(x, y, z) ? g.well.at(x, y, z) : 0;
}

bool startwalk(gamestate& g, walk& w, int32_t piececolor) {
  w.targetsquares = 1 + g.rng.R(g.wellwidth * g.wellwidth / 10.0);
  const bool found = bottomhashole(g);
  if (found) {
    do {
      w.wellx = 1 + g.rng.R(g.wellwidth);
      w.wellz = 1 + g.rng.R(g.welldepth);
    } while (wellcell(g, w.wellx, g.wellheight, w.wellz) != 0);
    w.welly = g.wellheight;
  }
  // The extents start out holding the first cube's cell: a walk whose first step leads away and
  // never comes back must still find that cube inside the box.
  g.piecesizex = 0;
  g.piecesizey = 1;
  g.piecesizez = 1;
  g.piece.at(w.walkx, w.walky, w.walkz) = cubecolor(g, piececolor);
  return found;
}

bool trystep(const gamestate& g, walk& w, walkstep s) {
  if (!insidewalkrange(w.walkx + s.dx, w.walky + s.dy, w.walkz + s.dz)) return false;
  const int layer = g.wellheight - w.welly + 1;
  if (s.dy < 0 && layer >= climblimit) return false;
  if (s.dy > 0 && w.welly >= g.wellheight) return false;  // never below the bottom layer
  // A step back onto the piece's own cube needs nothing else.
  bool taken = g.piece.at(w.walkx + s.dx, w.walky + s.dy, w.walkz + s.dz) != 0;
  if (!taken) {
    const int x = w.wellx + s.dx;
    const int y = w.welly + s.dy;
    const int z = w.wellz + s.dz;
    taken = insidewell(g, x, y, z) && wellcell(g, x, y, z) == 0 &&
            (y == g.wellheight || supported(g, w, s));
  }
  if (taken) movewalk(w, s);
  return taken;
}

void movewalk(walk& w, walkstep s) {
  w.walkx += s.dx;
  w.walky += s.dy;
  w.walkz += s.dz;
  w.wellx += s.dx;
  w.welly += s.dy;
  w.wellz += s.dz;
  w.minx = std::min(w.minx, w.walkx);
  w.miny = std::min(w.miny, w.walky);
  w.minz = std::min(w.minz, w.walkz);
  w.wentup = s.dy < 0 ? 1 : 0;
}

void raiseextents(gamestate& g, const walk& w) {
  g.piecesizex = std::max(g.piecesizex, w.walkx - walk::origin);
  g.piecesizey = std::max(g.piecesizey, w.walky - (walk::origin - 1));
  g.piecesizez = std::max(g.piecesizez, w.walkz - (walk::origin - 1));
}

void finishwalk(gamestate& g, const walk& w) {
  g.piecesizex += walk::origin - w.minx;
  g.piecesizey += walk::origin - w.miny;
  g.piecesizez += walk::origin - w.minz;
  // Every cube moves towards the origin and the loop runs upwards, so no cube is overwritten
  // before it has moved. Clearing the source before writing keeps a cube already in place.
  forbox(g, [&](int x, int y, int z) {
    int32_t& from = g.piece.at(x + w.minx - 1, y + w.miny - 1, z + w.minz - 1);
    const int32_t cube = from;
    from = 0;
    g.piece.at(x, y, z) = cube;
  });
}
