// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/fixedshapes.h"

#include "model/cubecolor.h"
#include "model/piecebox.h"

namespace {

// A shape: the full extents of its box and which cells of the box hold a cube.
struct shape {
  int sizex, sizey, sizez;
  bool (*has)(int x, int y, int z);
};

constexpr shape cube{2, 2, 2, [](int, int, int) { return true; }};
constexpr shape slab{4, 1, 2, [](int, int, int) { return true; }};
constexpr shape hook{3, 2, 2, [](int x, int y, int) { return y == 1 || x == 3; }};
constexpr shape square{2, 1, 2, [](int, int, int) { return true; }};

constexpr shape easyshapes[] = {cube, slab, hook, square};

struct codedshape {
  int gametype;
  shape form;
};

constexpr codedshape codedshapes[] = {
    {2, {3, 2, 1, [](int x, int y, int) { return y == 1 || x != 2; }}},                // two legs
    {3, {3, 2, 3, [](int x, int y, int z) { return y == 1 || (x != 2 && z != 2); }}},  // table
    {4, {1, 1, 1, [](int, int, int) { return true; }}},                                // one cube
    {5, {3, 2, 3, [](int x, int y, int z) { return y == 1 || x == 2 || z == 2; }}},    // cross
    {10, cube},
    {11, {3, 3, 1, [](int x, int y, int) { return x != 2 || y != 2; }}},  // upright frame
};

// Sets the extents and places the cubes, layer z = 1 first, row y = 1 first, x increasing.
template <typename Colour>
void build(gamestate& g, const shape& s, Colour colour) {
  g.piecesizex = s.sizex - 1;
  g.piecesizey = s.sizey;
  g.piecesizez = s.sizez;
  forbox(g, [&](int x, int y, int z) {
    if (s.has(x, y, z)) g.piece.at(x, y, z) = colour();
  });
}

}  // namespace

void easyshape(gamestate& g, int32_t piececolor) {
  const shape& s = easyshapes[g.rng.R(4)];
  build(g, s, [&] { return cubecolor(g, piececolor); });
}

void fixedshape(gamestate& g, int32_t piececolor) {
  for (const codedshape& c : codedshapes) {
    if (c.gametype == g.gametype) build(g, c.form, [&] { return piececolor; });
  }
}
