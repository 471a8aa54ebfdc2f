#include "ui/playoptions.h"

#include <gtest/gtest.h>

#include <vector>

#include "../harness.h"
#include "persist/checkmarks.h"

namespace {

TEST(PlayOptions, AClickMovesItsGroupsMarkAndOnlyColourModesChangeAtOnce) {
  // Kind of game spans two submenus yet is one group; no click touches another group.
  const std::vector<std::span<const checkmark>> groups{difficultymarks, gametypemarks,
                                                       colormodemarks, blockcolormarks};
  for (size_t index = 0; index < groups.size(); ++index) {
    const std::span<const checkmark> group = groups[index];
    for (const checkmark& clicked : group) {
      harness h;
      h.start();
      h.w.click(clicked.item);
      std::vector<menuitem> on;
      for (std::span<const checkmark> any : groups) {
        for (const checkmark& mark : any) {
          if (h.w.checked(mark.item)) on.push_back(mark.item);
        }
      }
      std::vector<menuitem> expected{menuitem::one, menuitem::regular, menuitem::truecolor,
                                     menuitem::blockrandom};
      expected[index] = clicked.item;
      EXPECT_EQ(on, expected);
      EXPECT_EQ(h.g->colormode, group.data() == colormodemarks.data() ? clicked.value : 0);
      EXPECT_EQ(h.g->blockcolormode, group.data() == blockcolormarks.data() ? clicked.value : 1);
    }
  }
}

TEST(PlayOptions, KindAndDifficultyWaitForNewGameNotNewShape) {
  harness h;
  h.start();
  h.w.click(menuitem::hard);
  h.w.click(menuitem::three);
  h.w.click(menuitem::newshape);
  EXPECT_EQ(h.g->gametype, gametypes::regular);
  EXPECT_EQ(h.g->difficulty, 0);
  h.w.click(menuitem::newgame);
  EXPECT_EQ(h.g->savedgametype, gametypes::hard);
  EXPECT_EQ(h.g->difficulty, 2);
  EXPECT_NE(h.w.title().find("Game-Type: Hard / Difficulty: Three"), std::string::npos);
}

}  // namespace
