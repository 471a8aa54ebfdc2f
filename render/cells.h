// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "model/gamestate.h"

// What a cell of the well shows.
struct cellcube {
  int32_t color = 0;     // 0: nothing
  bool falling = false;  // a cube of the falling piece, which carries a landing marker
};

// A landed cube wins over a cube of the piece in the same cell: drawn once, in the well's colour,
// without a marker. Inline: every redraw asks it of every cell.
inline cellcube cubeincell(const gamestate& g, int x, int y, int z) {
  if (const int32_t landed = g.well.at(x, y, z); landed != 0) return {landed, false};
  const int a = x - g.piecex + 1;
  const int b = y - g.piecey;
  const int c = z - g.piecez;
  // The piece grid is read only inside itself, whatever the piece's place.
  if (a < 1 || b < 1 || c < 1 || a > grid::last || b > grid::last || c > grid::last) return {};
  const int32_t own = g.piece.at(a, b, c);
  return {own, own != 0};
}

// How many rows below the falling cube in (x, y, z) its landing marker lies: down to the top of
// the first filled well cell, or to the floor. The piece's own cubes are no obstacle.
int landingdepth(const gamestate& g, int x, int y, int z);
