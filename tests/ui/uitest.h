// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "../harness.h"
#include "../persist/workdir.h"
#include "loop/landing.h"
#include "persist/checkmarks.h"
#include "persist/settings.h"
#include "platform/keys.h"

// Each group marks exactly the item of its value: difficulty, kind of game, colour mode, block
// colour.
inline void expectmarks(const headlesswindow& w, const std::array<int, 4>& values) {
  const std::span<const checkmark> groups[] = {difficultymarks, gametypemarks, colormodemarks,
                                               blockcolormarks};
  for (size_t i = 0; i < values.size(); ++i)
    for (const checkmark& mark : groups[i])
      EXPECT_EQ(w.checked(mark.item), mark.value == values[i]) << static_cast<int>(mark.item);
}

// What no file and no typed text may break: settings the loader would take as they are (within
// their limits, codes within their lists) and the falling piece's box inside the well, so that no
// index can leave the grids.
inline void expectsound(const gamestate& g) {
  EXPECT_EQ(holdable(settingsof(g)), settingsof(g));
  EXPECT_TRUE(g.piecex >= 1 && g.piecey >= 0 && g.piecez >= 0 &&
              g.piecex + g.piecesizex <= g.wellwidth && g.piecey + g.piecesizey <= g.wellheight &&
              g.piecez + g.piecesizez <= g.welldepth);
}
