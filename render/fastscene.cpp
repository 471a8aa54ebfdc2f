#include "render/fastscene.h"

#include <bitset>
#include <cmath>
#include <vector>

#include "render/cells.h"
#include "render/covering.h"
#include "render/cubeshape.h"
#include "render/literal.h"
#include "render/projection.h"

namespace {

// One row of a view's cells, a bit per column.
using rowbits = std::bitset<128>;

// Kept from one redraw to the next, so that a redraw allocates nothing once the sizes are known.
struct scratch {
  double w = -1;  // the cell sizes the pattern and the covering sets were made for
  double h = -1;
  cubeshape shape;
  bool patterned = false;
  covering hiding;
  std::vector<rowbits> filled;   // by layer and row: the cells holding a cube
  std::vector<rowbits> falling;  // the cells holding a cube of the falling piece
};

scratch& kept() {
  static scratch s;
  return s;
}

// Columns of a view that one row of bits can hold.
constexpr int widest = static_cast<int>(rowbits().size());

// Whether every cube of this view lands on whole or half pixels that a float holds exactly, so
// that one pattern stands for all of them.
bool patternfits(const gamestate& g, origin o, viewextent e) {
  if (o.x * 2 != std::floor(o.x * 2) || o.y * 2 != std::floor(o.y * 2)) return false;
  const double span = (e.columns + e.rows + e.layers + 2) * (g.squarewidth + g.squareheight + 2);
  return std::abs(o.x) + std::abs(o.y) + span < (1 << 21);
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

// The cubes that show, copied from the pattern; a cube stays out when all the cells of one of the
// covering sets of later neighbours are filled.
void drawvisiblecubes(const gamestate& g, origin o, rastersurface& r, scratch& k) {
  const viewextent e = extentofview(g, g.view);
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
      const rowbits neighbours[8] = {none,   here >> 1,   above,       above >> 1,
                                     nearer, nearer >> 1, nearerabove, nearerabove >> 1};
      rowbits covered;
      for (const uint8_t set : k.hiding.sets()) {
        rowbits all = here;
        for (int n = 1; n <= 7; ++n) {
          if ((set & (1 << (n - 1))) != 0) all &= neighbours[n];
        }
        covered |= all;
      }
      const rowbits shown = (here & ~covered) | k.falling[d * rows + row];
      if (shown.none()) continue;
      const rowwalk walk = walkrow(g, row, d);
      for (int c = 0; c < e.columns; ++c) {
        if (!shown[c]) continue;
        const cell at = walk.at(c);
        const cellcube cube = cubeincell(g, at.x, at.y, at.z);
        const point corner = frontsquare(g, o, {c, row, d});
        const int x = topixel(static_cast<float>(corner.x));
        const int y = topixel(static_cast<float>(corner.y));
        const uint32_t color = pixelvalue(cube.color);
        if (!cube.falling) {
          k.shape.paintwhole(r, x, y, color);
          continue;
        }
        k.shape.paintfront(r, x, y, color);
        drawlandingmarker(r, corner, g.squarewidth, g.squareheight,
                          landingdepth(g, at.x, at.y, at.z), sideview(g.view));
        k.shape.paintrest(r, x, y, color);
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
  if (g.squarewidth != k.w || g.squareheight != k.h) {
    k.w = g.squarewidth;
    k.h = g.squareheight;
    k.patterned = k.shape.make(k.w, k.h);
    if (k.patterned) k.hiding.find(k.shape.painted(), static_cast<int>(k.w), static_cast<int>(k.h));
  }
  // Cell sizes that are not whole numbers place each cube its own way: every cube is drawn, each
  // operation written straight into the picture.
  const viewextent e = extentofview(g, g.view);
  if (k.patterned && e.columns <= widest && patternfits(g, o, e)) {
    drawvisiblecubes(g, o, r, k);
  } else {
    drawcubes(g, o, r);
  }
}
