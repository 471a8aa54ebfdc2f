// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cassert>
#include <cstdint>

// One cubic grid of cells, indexes 0..100 on each axis. A cell holds 0 when empty, otherwise the
// packed RGB colour of its cube. Every read and write goes through at(), which checks the index in
// debug and sanitizer builds: callers keep their indexes in range by construction.
struct grid {
  static constexpr int side = 101;
  static constexpr int last = side - 1;

  static constexpr bool inrange(int x, int y, int z) {
    return x >= 0 && x <= last && y >= 0 && y <= last && z >= 0 && z <= last;
  }

  // Layout: x fastest, then z, then y, so that one row (a horizontal layer) is contiguous.
  static constexpr int index(int x, int y, int z) { return x + side * (z + side * y); }

  int32_t& at(int x, int y, int z) {
    check(x, y, z);
    return cell[index(x, y, z)];
  }
  int32_t at(int x, int y, int z) const {
    check(x, y, z);
    return cell[index(x, y, z)];
  }

  void clear() { cell.fill(0); }

  std::array<int32_t, side * side * side> cell{};

 private:
  static void check([[maybe_unused]] int x, [[maybe_unused]] int y, [[maybe_unused]] int z) {
#if !defined(NDEBUG) || defined(KUBRIX_CHECKED_GRIDS)
    if (!inrange(x, y, z)) __builtin_trap();
#endif
  }
};
