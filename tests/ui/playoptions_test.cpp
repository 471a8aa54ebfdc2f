#include "ui/playoptions.h"

#include <gtest/gtest.h>

#include <vector>

#include "../harness.h"
#include "persist/checkmarks.h"

namespace {

// The item of each group that carries the check mark; none when the group is unchecked.
std::vector<menuitem> checkeditems(const headlesswindow& w) {
  std::vector<menuitem> on;
  for (std::span<const checkmark> group :
       {std::span<const checkmark>(difficultymarks), std::span<const checkmark>(gametypemarks),
        std::span<const checkmark>(colormodemarks), std::span<const checkmark>(blockcolormarks)}) {
    menuitem found = menuitem::none;
    for (const checkmark& mark : group) {
      if (w.checked(mark.item)) {
        EXPECT_EQ(found, menuitem::none) << "two check marks in one group";
        found = mark.item;
      }
    }
    on.push_back(found);
  }
  return on;
}

TEST(PlayOptions, AClickMovesOnlyItsOwnGroupsCheckMark) {
  // Every item, clicked from the design state, takes the mark of its group and leaves the other
  // three groups alone, whichever submenu it sits in.
  const std::vector<std::pair<menuitem, int>> items{
      {menuitem::one, 0},      {menuitem::two, 0},         {menuitem::three, 0},
      {menuitem::classic, 1},  {menuitem::regular, 1},     {menuitem::hard, 1},
      {menuitem::allsizes, 1}, {menuitem::holeinone, 1},   {menuitem::truecolor, 2},
      {menuitem::color16, 2},  {menuitem::blockrandom, 3}, {menuitem::blockuniform, 3}};
  for (const auto& [item, group] : items) {
    harness h;
    h.start();
    std::vector<menuitem> expected = checkeditems(h.w);
    expected[group] = item;
    h.w.click(item);
    EXPECT_EQ(checkeditems(h.w), expected);
  }
}

TEST(PlayOptions, ColourModesChangeAtOnceKindAndDifficultyOnlyAtNewGame) {
  harness h;
  h.start();
  h.w.click(menuitem::color16);
  h.w.click(menuitem::blockuniform);
  EXPECT_EQ(h.g->colormode, 1);
  EXPECT_EQ(h.g->blockcolormode, 0);
  h.w.click(menuitem::truecolor);
  h.w.click(menuitem::blockrandom);
  EXPECT_EQ(h.g->colormode, 0);
  EXPECT_EQ(h.g->blockcolormode, 1);

  h.w.click(menuitem::hard);
  h.w.click(menuitem::three);
  h.w.tick();
  EXPECT_EQ(h.g->gametype, gametypes::regular);
  h.w.click(menuitem::newshape);
  EXPECT_EQ(h.g->gametype, gametypes::regular);
  EXPECT_EQ(h.g->difficulty, 0);
  h.w.click(menuitem::newgame);
  EXPECT_EQ(h.g->gametype, gametypes::hard);
  EXPECT_EQ(h.g->savedgametype, gametypes::hard);
  EXPECT_EQ(h.g->difficulty, 2);
  EXPECT_NE(h.w.title().find("Game-Type: Hard / Difficulty: Three"), std::string::npos);
}

}  // namespace
