#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "render/raster.h"

// The pixels of one cube when both cell sizes are whole numbers. Every corner of every cube then
// lies on a whole or a half pixel, so all cubes are one set of pixels moved by whole pixels: the
// cube is drawn once, by the scene's own operations, and copied run by run after that.
class cubeshape {
 public:
  // The largest cell size drawn this way; larger ones are drawn operation by operation.
  static constexpr int largest = 128;

  // Draws the pattern for cell sizes w and h; false when one pattern cannot stand for every cube.
  bool make(double w, double h);

  // The cube whose front square's top-left corner falls on pixel (x, y): its front face alone,
  // its receding faces and edges alone, or all of it.
  void paintfront(rastersurface& s, int x, int y, uint32_t color) const;
  void paintrest(rastersurface& s, int x, int y, uint32_t color) const;
  void paintwhole(rastersurface& s, int x, int y, uint32_t color) const;

  // Every pixel of the whole cube, from its corner pixel.
  std::vector<std::pair<int, int>> painted() const;

 private:
  struct run {
    int dy;
    int x1;
    int x2;
    bool edge;  // in the edge colour instead of the cube's
  };
  void paint(const std::vector<run>& runs, rastersurface& s, int x, int y, uint32_t color) const;

  std::vector<run> front_;
  std::vector<run> rest_;
  std::vector<run> whole_;
  // The box around every pixel of the cube, from its corner.
  int left_ = 0;
  int right_ = 0;
  int top_ = 0;
  int bottom_ = 0;
};
