// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

#include "render/cubeplacing.h"
#include "render/projection.h"
#include "render/raster.h"

// The pixels of one cube, drawn once by the scene's own operations and copied run by run to every
// cube that shares its phases (see cubeplacing): all of those are the same pixels moved by whole
// pixels.
class cubeshape {
 public:
  // The largest cell size drawn this way; larger ones are drawn operation by operation.
  static constexpr int largest = 128;
  static bool fits(double w, double h) { return w >= 0 && h >= 0 && w <= largest && h <= largest; }

  // Draws the pattern of the cube whose front square's top-left corner lies at `corner`, for cell
  // sizes w and h that fit; false when the picture would not write every pixel of it directly.
  bool make(point corner, double w, double h);

  // The cube whose front square's top-left corner falls on pixel (x, y): its front face alone,
  // its receding faces and edges alone, or all of it.
  void paintfront(rastersurface& s, int x, int y, uint32_t color) const;
  void paintrest(rastersurface& s, int x, int y, uint32_t color) const;
  void paintwhole(rastersurface& s, int x, int y, uint32_t color) const;

  // The whole cube as runs of pixels, and the box around them, from its corner pixel.
  struct run {
    int dy;
    int x1;
    int x2;
    bool edge;  // in the edge colour instead of the cube's
  };
  struct bounds {
    int left;
    int right;
    int top;
    int bottom;
  };
  const std::vector<run>& runs() const { return whole_; }
  bounds box() const { return box_; }

 private:
  void paint(const std::vector<run>& runs, rastersurface& s, int x, int y, uint32_t color) const;

  std::vector<run> front_;
  std::vector<run> rest_;
  std::vector<run> whole_;
  bounds box_{};
};

// The patterns of every pair of phases of a view, an x phase by a y phase.
class cubeshapes {
 public:
  bool make(const cubeplacing& places, double w, double h);
  const cubeshape& at(int x, int y) const { return shapes_[x * ys_ + y]; }

 private:
  std::vector<cubeshape> shapes_;
  int ys_ = 0;
};
