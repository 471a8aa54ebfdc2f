// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "model/gamestate.h"

// A walk through the empty cells of the well, shared by the regular and hard generators. The walk
// cell in the piece grid and the well cell under it always move by the same step. The walk starts
// at the middle of the piece grid so that it can wander a full well's size in every direction;
// for wells of up to 49 cells per axis it never meets the grid's edges.
struct walk {
  static constexpr int origin = 50;
  static constexpr int maxtries = 500;  // the walk gives up after this many steps

  int walkx = origin, walky = origin, walkz = origin;
  int wellx = 0, welly = 0, wellz = 0;
  int minx = origin, miny = origin, minz = origin;  // the smallest walk coordinates reached
  int squarecount = 1;                              // cubes placed so far
  int targetsquares = 0;                            // further cubes wanted
  int tries = 0;                                    // steps tried
  int wentup = 0;                                   // 1 when the last step went up
};

// One step of a walk: exactly one of the three is +1 or -1.
struct walkstep {
  int dx, dy, dz;
};

// A well cell, or 0 (empty) for an index outside the grids.
int32_t wellcell(const gamestate& g, int x, int y, int z);

// Draws the number of cubes wanted and an empty start cell of the bottom layer, and places the
// first cube. False when the bottom layer has no empty cell (the cell-size panel can narrow the
// well under a full row): the walk then cannot start and the piece is the first cube alone.
bool startwalk(gamestate& g, walk& w, int32_t piececolor);

// Tries one step. A step back onto the piece's own cube is
// always taken; otherwise the well cell ahead must be empty and inside the well, and off the
// bottom layer it must touch a well cube (support). Climbing is allowed from the bottom layer
// only. Returns whether the walk moved.
bool trystep(const gamestate& g, walk& w, walkstep s);

// Moves the walk and the well cell together, keeping the minima and wentup.
void movewalk(walk& w, walkstep s);

// Widens the running extents to take in the walk cell.
void raiseextents(gamestate& g, const walk& w);

// Turns the running extents into the cubes' bounding box and moves the box to (1, 1, 1).
void finishwalk(gamestate& g, const walk& w);
