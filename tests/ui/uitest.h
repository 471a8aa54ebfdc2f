#pragma once

#include <gtest/gtest.h>

#include "model/gamestate.h"

// Every cube of the falling piece lies inside the well, so no index can leave the grids.
inline void expectpieceinside(const gamestate& g) {
  for (int c = 0; c <= grid::last; ++c) {
    for (int b = 0; b <= grid::last; ++b) {
      for (int a = 0; a <= grid::last; ++a) {
        if (g.piece.at(a, b, c) == 0) continue;
        const int x = g.piecex + a - 1, y = g.piecey + b, z = g.piecez + c;
        ASSERT_TRUE(x >= 1 && x <= g.wellwidth && y >= 1 && y <= g.wellheight && z >= 1 &&
                    z <= g.welldepth)
            << "piece cube at " << x << ", " << y << ", " << z;
      }
    }
  }
}
