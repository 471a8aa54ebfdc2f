// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "model/gamestate.h"
#include "render/projection.h"

// Where the cubes of a view fall on the pixels. Every x coordinate a cube is drawn with comes from
// its front square's left edge, which depends on the cube's column and layer alone; every y
// coordinate from the top edge, which depends on its row and layer alone. Along each axis, cubes
// whose coordinates all land the same number of pixels from their corner pixel share a phase: they
// are one set of pixels moved by whole pixels. Whole cell sizes give one phase; others a handful,
// since only the fraction of the edge decides, and then only against a few thresholds.
class cubeplacing {
 public:
  // For every column, row and layer of the view and the one after each, which no cube fills (so
  // that the last ones have neighbours too). False when a cube lies so far out that the picture
  // would hand its operations on.
  bool make(const gamestate& g, origin o, viewextent e);

  // Along x for column c, along y for row r, in layer d: the corner pixel and the phase.
  int cornerx(int c, int d) const { return x_.at(c, d).corner; }
  int cornery(int r, int d) const { return y_.at(r, d).corner; }
  int phasex(int c, int d) const { return x_.at(c, d).phase; }
  int phasey(int r, int d) const { return y_.at(r, d).phase; }

  int phasesx() const { return static_cast<int>(x_.samples.size()); }
  int phasesy() const { return static_cast<int>(y_.samples.size()); }
  // A front square's edge in each phase, to draw its cubes from.
  double samplex(int phase) const { return x_.samples[phase]; }
  double sampley(int phase) const { return y_.samples[phase]; }

 private:
  struct place {
    int corner;
    int phase;
  };
  struct axis {
    std::vector<place> places;  // by layer, then column (row)
    int stride = 0;             // columns (rows) and one
    std::vector<double> samples;
    const place& at(int i, int d) const { return places[d * stride + i]; }
  };
  template <typename Edge>
  bool placeaxis(axis& a, bool xaxis, int count, int layers, double w, double h, Edge edge);

  axis x_;
  axis y_;
};
