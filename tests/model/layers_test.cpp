#include "model/layers.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

std::unique_ptr<gamestate> well10x30x10() {
  auto g = std::make_unique<gamestate>();
  g->wellwidth = 10;
  g->wellheight = 30;
  g->welldepth = 10;
  return g;
}

void fillrow(gamestate& g, int y, int32_t colour) {
  for (int z = 1; z <= g.welldepth; ++z) {
    for (int x = 1; x <= g.wellwidth; ++x) g.well.at(x, y, z) = colour;
  }
}

int cubes(const gamestate& g) {
  int count = 0;
  for (int32_t cell : g.well.cell) count += cell != 0;
  return count;
}

TEST(ClearLayers, FullBottomRowGoesAndEverythingAboveFallsOneRow) {
  auto g = well10x30x10();
  fillrow(*g, 30, 5);
  g->well.at(3, 29, 4) = 9;
  g->well.at(7, 12, 2) = 8;
  EXPECT_EQ(clearlayers(*g), 1);
  EXPECT_EQ(g->score, 1000 + 10);  // one layer, then a regular piece of one layer
  EXPECT_EQ(g->well.at(3, 30, 4), 9);
  EXPECT_EQ(g->well.at(7, 13, 2), 8);
  EXPECT_EQ(cubes(*g), 2);
}

TEST(ClearLayers, OnlyFullRowsGoAndARowBetweenThemKeepsItsCubes) {
  // Rows 28 and 30 are full, row 29 is not: row 29 survives one row lower, at 30.
  auto g = well10x30x10();
  fillrow(*g, 28, 4);
  fillrow(*g, 30, 6);
  fillrow(*g, 29, 7);
  g->well.at(5, 29, 5) = 0;
  g->well.at(2, 27, 2) = 3;
  EXPECT_EQ(clearlayers(*g), 2);
  EXPECT_EQ(g->score, 2 * 1000 + 10);
  EXPECT_EQ(g->well.at(1, 30, 1), 7);
  EXPECT_EQ(g->well.at(5, 30, 5), 0);
  EXPECT_EQ(g->well.at(2, 29, 2), 3);  // row 27 fell two rows
  EXPECT_EQ(cubes(*g), 99 + 1);
}

TEST(ClearLayers, NoFullRowLeavesTheWellUnchangedAndScoresThePieceOnly) {
  auto g = well10x30x10();
  fillrow(*g, 30, 2);
  g->well.at(10, 30, 10) = 0;
  g->gametype = gametypes::hard;
  const grid before = g->well;
  EXPECT_EQ(clearlayers(*g), 0);
  EXPECT_EQ(g->well.cell, before.cell);
  EXPECT_EQ(g->score, 10);
}

TEST(ClearLayers, PiecePointsFollowTheKindOfGame) {
  const struct {
    int gametype, gameover, maxlayers;
    int64_t points;
  } cases[] = {
      {gametypes::regular, 0, 3, 30},  {gametypes::holeinone, 0, 2, 20}, {gametypes::easy, 0, 3, 10},
      {gametypes::allsizes, 0, 3, 10}, {gametypes::regular, 1, 3, 0},
  };
  for (const auto& c : cases) {
    auto g = well10x30x10();
    g->gametype = c.gametype;
    g->gameover = c.gameover;
    g->maxlayers = c.maxlayers;
    clearlayers(*g);
    EXPECT_EQ(g->score, c.points) << "gametype " << c.gametype;
  }
}

TEST(ClearLayers, NeverWritesOutsideThePlayingSpace) {
  auto g = well10x30x10();
  g->well.at(11, 5, 3) = 42;  // left beyond a narrowed edge
  g->well.at(0, 30, 0) = 43;
  for (int y = 1; y <= 30; ++y) fillrow(*g, y, 1);
  EXPECT_EQ(clearlayers(*g), 30);
  EXPECT_EQ(g->well.at(11, 5, 3), 42);
  EXPECT_EQ(g->well.at(0, 30, 0), 43);
  EXPECT_EQ(cubes(*g), 2);
}

TEST(RemoveFullLayers, RemovesWithoutPoints) {
  auto g = well10x30x10();
  fillrow(*g, 30, 1);
  EXPECT_EQ(removefulllayers(*g), 1);
  EXPECT_EQ(g->score, 0);
  EXPECT_EQ(cubes(*g), 0);
}

}  // namespace
