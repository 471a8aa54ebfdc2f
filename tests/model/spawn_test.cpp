#include "model/spawn.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "piecetest.h"

namespace {

// An L of cubes, each its own colour: three along x, then a column at (1, z 2) down to height.
void lpiece(gamestate& g, int height) {
  for (int x = 1; x <= 3; ++x) g.piece.at(x, 1, 1) = x;
  for (int y = 2; y <= height; ++y) g.piece.at(1, y, 2) = 10 + y;
  std::tie(g.piecesizex, g.piecesizey, g.piecesizez) = std::tuple{2, height, 2};
}

TEST(SpawnPiece, DifficultyDecidesWhichTurnsOccur) {
  // One: the piece stays as made. Two: turns about the vertical axis only, so every cube keeps
  // its row. Three, with a piece as tall as the well is wide: only those turns fit either.
  auto g = newgame(gametypes::regular, 10, 30);
  for (const auto& [difficulty, height] : {std::pair{0, 2}, {1, 2}, {2, 10}}) {
    lpiece(*g, height);
    const std::vector<cubeat> made = takecubes(*g);
    g->difficulty = difficulty;
    bool turned = false;
    for (int seed = 1; seed <= 40; ++seed) {
      g->rng.seed(seed);
      lpiece(*g, height);
      spawnpiece(*g);
      EXPECT_EQ(g->redraw, 1);
      EXPECT_EQ(g->piecesizey, height);
      const std::vector<cubeat> cubes = takecubes(*g);
      turned |= cubes != made;
      for (const cubeat& m : made) {
        EXPECT_TRUE(
            std::any_of(cubes.begin(), cubes.end(),
                        [&](const cubeat& c) { return c.colour == m.colour && c.y == m.y; }))
            << "difficulty " << difficulty << " seed " << seed;
      }
    }
    EXPECT_EQ(turned, difficulty != 0);
  }
}

TEST(SpawnPiece, DifficultyThreeNeverPicksARefusedTurn) {
  // A bar seven long in a well six high gets all kinds of turns but never stands up.
  auto g = newgame(gametypes::regular, 8, 6);
  g->difficulty = 2;
  std::set<std::tuple<int, int, int>> extents;
  for (int seed = 1; seed <= 200; ++seed) {
    g->rng.seed(seed);
    for (int x = 1; x <= 7; ++x) g->piece.at(x, 1, 1) = x;
    std::tie(g->piecesizex, g->piecesizey, g->piecesizez) = std::tuple{6, 1, 1};
    spawnpiece(*g);
    extents.insert({g->piecesizex, g->piecesizey, g->piecesizez});
    EXPECT_EQ(takecubes(*g).size(), 7u);
  }
  EXPECT_EQ(extents, (std::set<std::tuple<int, int, int>>{{6, 1, 1}, {0, 1, 7}}));
}

TEST(SpawnPiece, PlacesThePieceOnTheTopRowInsideTheWell) {
  // x anywhere across the width; z off the z = 1 wall unless the piece fills the whole depth;
  // stale extents larger than a narrowed well stay against the low walls.
  const std::tuple<int, int, std::pair<int, int>, std::pair<int, int>> cases[] = {
      {1, 2, {1, 9}, {1, 8}},    // a 2 x 2 footprint
      {9, 1, {1, 1}, {1, 9}},    // as wide as the well
      {0, 9, {1, 10}, {1, 1}},   // one short of the depth: z 2..10
      {0, 10, {1, 10}, {0, 0}},  // the whole depth: z 1..10
      {14, 15, {1, 1}, {0, 0}},  // larger than the well
  };
  auto g = newgame(gametypes::over, 10, 30);
  for (const auto& [sizex, sizez, xs, zs] : cases) {
    std::set<int> placex, placez;
    for (int seed = 1; seed <= 300; ++seed) {
      g->rng.seed(seed);
      std::tie(g->piecesizex, g->piecesizey, g->piecesizez) = std::tuple{sizex, 1, sizez};
      spawnpiece(*g);
      EXPECT_EQ(g->piecey, 0);
      placex.insert(g->piecex);
      placez.insert(g->piecez);
    }
    EXPECT_EQ(std::pair(*placex.begin(), *placex.rbegin()), xs) << sizex << ", " << sizez;
    EXPECT_EQ(std::pair(*placez.begin(), *placez.rbegin()), zs) << sizex << ", " << sizez;
  }
}

}  // namespace
