#include "model/layers.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "piecetest.h"

namespace {

void fillrow(gamestate& g, int y, int32_t colour) {
  for (int c = 0; c < 100; ++c) g.well.at(1 + c % 10, y, 1 + c / 10) = colour;
}

long cubes(const gamestate& g) {
  return std::ranges::count_if(g.well.cell, [](int32_t cell) { return cell != 0; });
}

}  // namespace

TEST(ClearLayers, OnlyFullRowsGoAndTheRowsAboveFallIntoTheGaps) {
  // A full bottom row goes alone. Then rows 28 and 30 are full, row 29 is not: 29 survives one
  // row lower and row 27 falls two. 1000 points a layer, then the regular piece's 10.
  auto g = newgame(gametypes::regular, 10, 30);
  fillrow(*g, 30, 5);
  g->well.at(7, 12, 2) = 8;
  EXPECT_EQ(clearlayers(*g), 1);
  EXPECT_EQ(std::tuple(g->score, g->well.at(7, 13, 2), cubes(*g)), std::tuple(1010, 8, 1));
  g = newgame(gametypes::regular, 10, 30);
  fillrow(*g, 28, 4);
  fillrow(*g, 29, 7);
  fillrow(*g, 30, 6);
  g->well.at(5, 29, 5) = 0;
  g->well.at(2, 27, 2) = 3;
  EXPECT_EQ(clearlayers(*g), 2);
  EXPECT_EQ(g->score, 2 * 1000 + 10);
  EXPECT_EQ(std::tuple(g->well.at(1, 30, 1), g->well.at(5, 30, 5), g->well.at(2, 29, 2), cubes(*g)),
            std::tuple(7, 0, 3, 99 + 1));
}

TEST(ClearLayers, NoFullRowLeavesTheWellAndScoresThePieceByKindOfGame) {
  // A bottom row one cube short stays as it is; only the landed piece scores, by its layers in
  // the layered games, nothing after game over.
  const std::tuple<int, int, int, int64_t> cases[] = {{gametypes::regular, 0, 3, 30},
                                                      {gametypes::holeinone, 0, 2, 20},
                                                      {gametypes::hard, 0, 3, 10},
                                                      {gametypes::regular, 1, 3, 0}};
  for (const auto& [gametype, gameover, maxlayers, points] : cases) {
    auto g = newgame(gametype, 10, 30);
    std::tie(g->gameover, g->maxlayers) = std::tuple{gameover, maxlayers};
    fillrow(*g, 30, 2);
    g->well.at(10, 30, 10) = 0;
    const auto before = std::make_unique<grid>(g->well);
    EXPECT_EQ(clearlayers(*g), 0);
    EXPECT_TRUE(g->well.cell == before->cell && g->score == points) << gametype;
  }
}

TEST(RemoveFullLayers, RemovesWithoutPointsAndNeverWritesOutsideThePlayingSpace) {
  // Cubes left beyond a narrowed edge belong to no row.
  auto g = newgame(gametypes::regular, 10, 30);
  g->well.at(11, 5, 3) = 42;
  g->well.at(0, 30, 0) = 43;
  for (int y = 1; y <= 30; ++y) fillrow(*g, y, 1);
  EXPECT_EQ(removefulllayers(*g), 30);
  EXPECT_EQ(std::tuple(g->score, g->well.at(11, 5, 3), g->well.at(0, 30, 0), cubes(*g)),
            std::tuple(0, 42, 43, 2));
}
