#pragma once

#include <cstdint>
#include <utility>
#include <vector>

// Which cubes drawn after a cube hide it completely. The candidates are the seven cells one column
// right (bit 1), one row up (bit 2), one layer nearer (bit 4) and their combinations, numbered
// 1..7; a neighbour set has bit k - 1 for neighbour k.
class covering {
 public:
  // Worked out from the pixels of a cube, from its corner pixel, where every cube is that same
  // set of pixels moved by whole pixels: w and h are whole numbers.
  void find(const std::vector<std::pair<int, int>>& own, int w, int h);

  // The smallest neighbour sets whose cubes together paint over every pixel of the cube: a cube
  // with all cells of one of these sets filled can be left out.
  const std::vector<uint8_t>& sets() const { return sets_; }

 private:
  std::vector<uint8_t> sets_;
};
