// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/cells.h"

int landingdepth(const gamestate& g, int x, int y, int z) {
  int m = y + 1;
  int n = 1;
  while (m < g.wellheight + 1 && g.well.at(x, m, z) == 0) {
    ++m;
    ++n;
  }
  return n;
}
