// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/gamestate.h"

// Where the picture lies: the reference corner of the back wall (side views) or of the floor
// (top views), in pixels of a drawing area of width w and height h.
struct origin {
  double x;
  double y;
};
origin sideorigin(const gamestate& g, int w, int h);
origin toporigin(const gamestate& g, int w, int h);
inline bool sideview(int view) {
  return view <= 4;
}

// A cell's place in the current view: column (left to right), row (bottom to top) and layer
// (far to near), each counted from 0.
struct cellplace {
  int c;
  int r;
  int d;
};
cellplace placeofcell(const gamestate& g, int view, int x, int y, int z);

// A cell of the well, 1-based on each axis.
struct cell {
  int x;
  int y;
  int z;
};
// The cell at a place of the view: the other way round from placeofcell.
cell cellatplace(const gamestate& g, int view, cellplace p);

// How many columns, rows and layers the view shows.
struct viewextent {
  int columns;
  int rows;
  int layers;
};
viewextent extentofview(const gamestate& g, int view);

// The top-left corner of the cell's front square.
struct point {
  double x;
  double y;
};
point frontsquare(const gamestate& g, origin o, cellplace p);
