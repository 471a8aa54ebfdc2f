#include "render/covering.h"

#include <set>

void covering::find(const std::vector<std::pair<int, int>>& own, int w, int h) {
  // For each pixel of the cube, the neighbours whose cubes paint it too.
  const std::set<std::pair<int, int>> painted(own.begin(), own.end());
  std::vector<uint8_t> paintedby;
  for (const auto& [x, y] : own) {
    uint8_t by = 0;
    for (int k = 1; k <= 7; ++k) {
      const int dx = ((k & 1) != 0 ? w : 0) - ((k & 4) != 0 ? h : 0);
      const int dy = ((k & 4) != 0 ? h : 0) - ((k & 2) != 0 ? w : 0);
      if (painted.count({x - dx, y - dy}) != 0) by |= static_cast<uint8_t>(1 << (k - 1));
    }
    paintedby.push_back(by);
  }
  auto covers = [&](unsigned set) {
    for (const uint8_t by : paintedby) {
      if ((by & set) == 0) return false;
    }
    return true;
  };
  // Covering only grows with the set, so a set is smallest when no one neighbour can go.
  sets_.clear();
  for (unsigned set = 1; set < 128; ++set) {
    if (!covers(set)) continue;
    bool smallest = true;
    for (unsigned bit = 1; bit < 128; bit <<= 1) {
      if ((set & bit) != 0 && covers(set & ~bit)) smallest = false;
    }
    if (smallest) sets_.push_back(static_cast<uint8_t>(set));
  }
}
