// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <bitset>
#include <cstdint>
#include <utility>
#include <vector>

#include "render/cubeplacing.h"
#include "render/cubeshape.h"
#include "render/projection.h"

// One row of a view's cells, a bit per column.
using rowbits = std::bitset<128>;

// Which cubes drawn after a cube hide it completely. The candidates are the seven cells one column
// right (bit 1), one row up (bit 2), one layer nearer (bit 4) and their combinations, numbered
// 1..7; a neighbour set has bit k - 1 for neighbour k. Which sets hide a cube depends on its own
// pixels, its neighbours' and how far their corners lie from its own: along x that is decided by
// the cube's column and layer, along y by its row and layer. Cubes are sorted into kinds by both,
// and each pair of kinds gets its own sets.
class covering {
 public:
  // Each axis brings a handful of kinds at most (see cubeplacing).
  void find(const cubeplacing& places, const cubeshapes& shapes, viewextent e);

  // The cells of row r in layer d that later cells hide: neighbours[k] holds, column by column,
  // whether neighbour k is filled; neighbours[0] is the row itself.
  rowbits hidden(int r, int d, const rowbits (&neighbours)[8]) const;

 private:
  // Along one axis, a cube and the cells after it: the phases of the cube, of the next cell, of the
  // nearer cell and of the nearer next cell, and the corner pixels of the last three from the
  // cube's.
  struct surroundings {
    int phase[4];
    int offset[3];
    bool operator==(const surroundings&) const = default;
  };
  struct axis {
    std::vector<surroundings> kinds;
    std::vector<int> kindof;  // by layer, then column (row)
  };
  // The columns of one layer that are of one kind along x.
  struct columns {
    int kind;
    rowbits cells;
  };
  template <typename Phase, typename Corner>
  static void sort(axis& a, int count, int layers, Phase phase, Corner corner);
  // The smallest sets of neighbours that hide a cube of these kinds.
  void findsets(const surroundings& x, const surroundings& y, const cubeshapes& shapes);

  axis x_;
  axis y_;
  int rows_ = 0;
  std::vector<columns> classes_;
  std::vector<int> layerclasses_;  // where each layer's classes begin, and one past the last
  std::vector<uint8_t> sets_;
  std::vector<std::pair<int, int>> setsof_;  // by kind along x, then kind along y: a span of sets_
};
