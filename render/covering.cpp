// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/covering.h"

#include <algorithm>
#include <cstddef>

namespace {

// Where neighbour k lies along x and along y: 0 the cube's own place, 1 the next, 2 the nearer,
// 3 the nearer next.
int alongx(int k) {
  return (k & 1) + ((k & 4) != 0 ? 2 : 0);
}
int alongy(int k) {
  return ((k & 2) != 0 ? 1 : 0) + ((k & 4) != 0 ? 2 : 0);
}

}  // namespace

template <typename Phase, typename Corner>
void covering::sort(axis& a, int count, int layers, Phase phase, Corner corner) {
  a.kinds.clear();
  a.kindof.clear();
  for (int d = 0; d < layers; ++d) {
    for (int i = 0; i < count; ++i) {
      const int at = corner(i, d);
      const surroundings s = {
          {phase(i, d), phase(i + 1, d), phase(i, d + 1), phase(i + 1, d + 1)},
          {corner(i + 1, d) - at, corner(i, d + 1) - at, corner(i + 1, d + 1) - at}};
      auto known = std::find(a.kinds.begin(), a.kinds.end(), s);
      if (known == a.kinds.end()) known = a.kinds.insert(known, s);
      a.kindof.push_back(static_cast<int>(known - a.kinds.begin()));
    }
  }
}

void covering::find(const cubeplacing& places, const cubeshapes& shapes, viewextent e) {
  sort(
      x_, e.columns, e.layers, [&](int c, int d) { return places.phasex(c, d); },
      [&](int c, int d) { return places.cornerx(c, d); });
  sort(
      y_, e.rows, e.layers, [&](int r, int d) { return places.phasey(r, d); },
      [&](int r, int d) { return places.cornery(r, d); });
  rows_ = e.rows;

  classes_.clear();
  layerclasses_.assign(1, 0);
  for (int d = 0; d < e.layers; ++d) {
    for (int c = 0; c < e.columns; ++c) {
      const int kind = x_.kindof[d * e.columns + c];
      const auto first = classes_.begin() + layerclasses_.back();
      auto known =
          std::find_if(first, classes_.end(), [&](const columns& k) { return k.kind == kind; });
      if (known == classes_.end()) known = classes_.insert(known, {kind, {}});
      known->cells.set(c);
    }
    layerclasses_.push_back(static_cast<int>(classes_.size()));
  }

  sets_.clear();
  setsof_.clear();
  for (const surroundings& x : x_.kinds) {
    for (const surroundings& y : y_.kinds) {
      const int first = static_cast<int>(sets_.size());
      findsets(x, y, shapes);
      setsof_.emplace_back(first, static_cast<int>(sets_.size()));
    }
  }
}

void covering::findsets(const surroundings& x, const surroundings& y, const cubeshapes& shapes) {
  auto shape = [&](int k) -> const cubeshape& {
    return shapes.at(x.phase[alongx(k)], y.phase[alongy(k)]);
  };
  // For each pixel of the cube, the neighbours whose cubes paint it too, on a map of the box
  // around the cube.
  const cubeshape::bounds box = shape(0).box();
  const int width = box.right - box.left + 1;
  std::vector<uint8_t> paintedby(static_cast<size_t>(width) * (box.bottom - box.top + 1));
  auto row = [&](int dy) {
    return paintedby.data() + static_cast<std::ptrdiff_t>(dy - box.top) * width - box.left;
  };
  for (int k = 1; k <= 7; ++k) {
    const int dx = alongx(k) == 0 ? 0 : x.offset[alongx(k) - 1];
    const int dy = alongy(k) == 0 ? 0 : y.offset[alongy(k) - 1];
    const auto bit = static_cast<uint8_t>(1 << (k - 1));
    for (const cubeshape::run& r : shape(k).runs()) {
      if (r.dy + dy < box.top || r.dy + dy > box.bottom) continue;
      uint8_t* const painted = row(r.dy + dy);
      const int last = std::min(r.x2 + dx, box.right);
      for (int px = std::max(r.x1 + dx, box.left); px <= last; ++px) painted[px] |= bit;
    }
  }
  // What paints each pixel, each way once.
  bool seen[128] = {};
  std::vector<unsigned> painters;
  for (const cubeshape::run& r : shape(0).runs()) {
    const uint8_t* const painted = row(r.dy);
    for (int px = r.x1; px <= r.x2; ++px) {
      if (!seen[painted[px]]) painters.push_back(painted[px]);
      seen[painted[px]] = true;
    }
  }
  // A set covers the cube when it holds one painter of every pixel.
  std::bitset<128> covers;
  for (unsigned set = 1; set < 128; ++set) {
    covers[set] =
        std::all_of(painters.begin(), painters.end(), [&](unsigned by) { return (by & set) != 0; });
  }
  // Covering only grows with the set, so a set is smallest when no one neighbour can go.
  for (unsigned set = 1; set < 128; ++set) {
    if (!covers[set]) continue;
    bool smallest = true;
    for (unsigned bit = 1; bit < 128; bit <<= 1) {
      if ((set & bit) != 0 && covers[set & ~bit]) smallest = false;
    }
    if (smallest) sets_.push_back(static_cast<uint8_t>(set));
  }
}

rowbits covering::hidden(int r, int d, const rowbits (&neighbours)[8]) const {
  rowbits hid;
  const int ykind = y_.kindof[d * rows_ + r];
  const auto ykinds = static_cast<int>(y_.kinds.size());
  for (int i = layerclasses_[d]; i < layerclasses_[d + 1]; ++i) {
    const columns& k = classes_[i];
    const auto [first, last] = setsof_[k.kind * ykinds + ykind];
    for (int s = first; s < last; ++s) {
      rowbits all = neighbours[0] & k.cells;
      for (int n = 1; n <= 7; ++n) {
        if ((sets_[s] & (1 << (n - 1))) != 0) all &= neighbours[n];
      }
      hid |= all;
    }
  }
  return hid;
}
