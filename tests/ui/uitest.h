#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <set>
#include <span>
#include <string>
#include <tuple>
#include <vector>

#include "../harness.h"
#include "../persist/workdir.h"
#include "loop/landing.h"
#include "persist/checkmarks.h"
#include "persist/limits.h"
#include "platform/keys.h"

// The four play-option groups, as the menus show them.
inline const std::array<std::span<const checkmark>, 4> markgroups{difficultymarks, gametypemarks,
                                                                  colormodemarks, blockcolormarks};

// The checked items of the four groups, group by group.
inline std::vector<menuitem> checkeditems(const headlesswindow& w) {
  std::vector<menuitem> on;
  for (std::span<const checkmark> group : markgroups) {
    for (const checkmark& mark : group) {
      if (w.checked(mark.item)) on.push_back(mark.item);
    }
  }
  return on;
}

// The disabled menu items, and the panel controls on show.
inline std::set<menuitem> disabled(const headlesswindow& w,
                                   const std::vector<menudef>& menus = menubar()) {
  std::set<menuitem> off;
  for (const menudef& m : menus) {
    if (m.id != menuitem::none && !w.enabled(m.id)) off.insert(m.id);
    off.merge(disabled(w, m.children));
  }
  return off;
}
inline std::set<control> shown(const headlesswindow& w) {
  std::set<control> on;
  for (const controldef& def : panelcontrols()) {
    if (w.visible(def.id)) on.insert(def.id);
  }
  return on;
}

// The fields New Game reads besides the cell size: well width and height, shape cap, layers.
inline std::vector<std::string> newgamefields(const headlesswindow& w) {
  return {w.text(control::Text1), w.text(control::Text2), w.text(control::Text5),
          w.text(control::Text6)};
}

// What no file and no typed text may break: sizes within their limits, codes within their lists,
// and every cube of the falling piece inside the well, so that no index can leave the grids.
inline void expectsound(const gamestate& g) {
  EXPECT_TRUE(g.wellwidth >= 6 && g.wellwidth <= 40 && g.welldepth == g.wellwidth);
  EXPECT_TRUE(g.wellheight >= 6 && g.wellheight <= 40);
  EXPECT_TRUE(g.squarewidth > 0 && g.squarewidth <= 1000);
  EXPECT_TRUE(g.squareheight > 0 && g.squareheight <= 1000);
  EXPECT_TRUE(g.maxsquares >= 4 && g.maxsquares <= shapecap(g));
  EXPECT_TRUE(g.maxlayers >= 1 && g.maxlayers <= layercap(g));
  EXPECT_TRUE(g.difficulty >= 0 && g.difficulty <= 2 && g.gametype != gametypes::over);
  EXPECT_TRUE(g.colormode >= 0 && g.colormode <= 1 && g.blockcolormode >= 0 &&
              g.blockcolormode <= 1);
  // The grid's layout: x fastest, then z, then y.
  for (int i = 0; i < static_cast<int>(g.piece.cell.size()); ++i) {
    const int x = g.piecex + i % grid::side - 1, z = g.piecez + i / grid::side % grid::side,
              y = g.piecey + i / grid::side / grid::side;
    ASSERT_TRUE(g.piece.cell[i] == 0 || (x >= 1 && x <= g.wellwidth && y >= 1 &&
                                         y <= g.wellheight && z >= 1 && z <= g.welldepth))
        << "piece cube at " << x << ", " << y << ", " << z;
  }
}
