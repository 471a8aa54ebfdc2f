// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/colors.h"

#include <array>
#include <cstddef>

int32_t palettecolor(int n) {
  static constexpr std::array<int32_t, 16> palette = {
      rgb(0, 0, 0),       rgb(0, 0, 128),     rgb(0, 128, 0),     rgb(0, 128, 128),
      rgb(128, 0, 0),     rgb(128, 0, 128),   rgb(128, 128, 0),   rgb(192, 192, 192),
      rgb(128, 128, 128), rgb(0, 0, 255),     rgb(0, 255, 0),     rgb(0, 255, 255),
      rgb(255, 0, 0),     rgb(255, 0, 255),   rgb(255, 255, 0),   rgb(255, 255, 255),
  };
  return palette[static_cast<std::size_t>(n & 15)];
}

int32_t colorrule(gamestate& g) {
  // One draw in both modes, as always; 1 + R(lastcubecolor) keeps black (0, an empty cell) out.
  g.blockcolor = 1 + g.rng.R(lastcubecolor);
  if (g.colormode == 1) g.blockcolor = palettecolor(2 + g.rng.R(9));
  return g.blockcolor;
}
