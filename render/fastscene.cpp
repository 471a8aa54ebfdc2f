// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/fastscene.h"

#include <vector>

#include "render/cells.h"
#include "render/covering.h"
#include "render/cubeplacing.h"
#include "render/cubeshape.h"
#include "render/literal.h"
#include "render/projection.h"

namespace {

// What the fast drawing needs of one kind of view (side or top), worked out for its cell sizes,
// origin and extent: all four views of a kind share them.
struct prepared {
  double w = -1;
  double h = -1;
  origin o{};
  viewextent e{};
  bool ready = false;  // false: the cubes are drawn operation by operation
  cubeplacing places;
  cubeshapes shapes;
  covering hiding;

  void prepare(const gamestate& g, origin at, viewextent extent) {
    const bool same = g.squarewidth == w && g.squareheight == h && at.x == o.x && at.y == o.y &&
                      extent.columns == e.columns && extent.rows == e.rows &&
                      extent.layers == e.layers;
    if (same) return;
    w = g.squarewidth;
    h = g.squareheight;
    o = at;
    e = extent;
    ready = e.columns <= static_cast<int>(rowbits().size()) && cubeshape::fits(w, h) &&
            places.make(g, o, e) && shapes.make(places, w, h);
    if (ready) hiding.find(places, shapes, e);
  }
};

// Kept from one redraw to the next, so that a redraw allocates nothing once the sizes are known.
struct scratch {
  prepared kinds[2];             // side views, top views
  std::vector<rowbits> filled;   // by layer and row: the cells holding a cube
  std::vector<rowbits> falling;  // the cells holding a cube of the falling piece
};

scratch& kept() {
  static scratch s;
  return s;
}

// The cells of one row of the view, column by column: each column moves on by the same step.
struct rowwalk {
  cell first;
  cell step;
  cell at(int c) const {
    return {first.x + c * step.x, first.y + c * step.y, first.z + c * step.z};
  }
};

rowwalk walkrow(const gamestate& g, int row, int d) {
  const cell first = cellatplace(g, g.view, {0, row, d});
  const cell second = cellatplace(g, g.view, {1, row, d});
  return {first, {second.x - first.x, second.y - first.y, second.z - first.z}};
}

// The cubes that show, copied from their patterns; a cube stays out when all the cells of one of
// its covering sets of later neighbours are filled.
void drawvisiblecubes(const gamestate& g, origin o, rastersurface& r, scratch& k,
                      const prepared& p) {
  const viewextent e = p.e;
  const auto rows = static_cast<size_t>(e.rows);
  k.filled.assign(static_cast<size_t>(e.layers) * rows, rowbits());
  k.falling.assign(static_cast<size_t>(e.layers) * rows, rowbits());
  for (int d = 0; d < e.layers; ++d) {
    for (int row = 0; row < e.rows; ++row) {
      rowbits& filled = k.filled[d * rows + row];
      rowbits& falling = k.falling[d * rows + row];
      const rowwalk walk = walkrow(g, row, d);
      for (int c = 0; c < e.columns; ++c) {
        const cell at = walk.at(c);
        const cellcube cube = cubeincell(g, at.x, at.y, at.z);
        filled[c] = cube.color != 0;
        falling[c] = cube.falling;
      }
    }
  }
  const rowbits none;
  for (int d = 0; d < e.layers; ++d) {
    for (int row = 0; row < e.rows; ++row) {
      const rowbits& here = k.filled[d * rows + row];
      if (here.none()) continue;
      const bool top = row + 1 == e.rows;
      const bool front = d + 1 == e.layers;
      const rowbits& above = top ? none : k.filled[d * rows + row + 1];
      const rowbits& nearer = front ? none : k.filled[(d + 1) * rows + row];
      const rowbits& nearerabove = top || front ? none : k.filled[(d + 1) * rows + row + 1];
      // Neighbour k: bit 1 one column right, bit 2 one row up, bit 4 one layer nearer.
      const rowbits neighbours[8] = {here,   here >> 1,   above,       above >> 1,
                                     nearer, nearer >> 1, nearerabove, nearerabove >> 1};
      const rowbits shown =
          (here & ~p.hiding.hidden(row, d, neighbours)) | k.falling[d * rows + row];
      if (shown.none()) continue;
      const rowwalk walk = walkrow(g, row, d);
      for (int c = 0; c < e.columns; ++c) {
        if (!shown[c]) continue;
        const cell at = walk.at(c);
        const cellcube cube = cubeincell(g, at.x, at.y, at.z);
        const int x = p.places.cornerx(c, d);
        const int y = p.places.cornery(row, d);
        const cubeshape& shape = p.shapes.at(p.places.phasex(c, d), p.places.phasey(row, d));
        const uint32_t color = pixelvalue(cube.color);
        if (!cube.falling) {
          shape.paintwhole(r, x, y, color);
          continue;
        }
        shape.paintfront(r, x, y, color);
        drawlandingmarker(r, frontsquare(g, o, {c, row, d}), g.squarewidth, g.squareheight,
                          landingdepth(g, at.x, at.y, at.z), sideview(g.view));
        shape.paintrest(r, x, y, color);
      }
    }
  }
}

}  // namespace

void drawscenefast(const gamestate& g, surface& s, pixelrows picture) {
  rastersurface r(picture, &s);
  const origin o = sceneorigin(g, r);
  r.clearsurface();
  drawgrid(g, o, r);
  scratch& k = kept();
  prepared& p = k.kinds[sideview(g.view) ? 0 : 1];
  p.prepare(g, o, extentofview(g, g.view));
  if (p.ready) {
    drawvisiblecubes(g, o, r, k, p);
  } else {
    drawcubes(g, o, r);
  }
}
