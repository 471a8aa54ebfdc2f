#include "model/spawn.h"

#include <gtest/gtest.h>

#include <set>

#include "piecetest.h"

TEST(SpawnPiece, DifficultyDecidesWhichTurnsOccur) {
  // None at one; at two, turns about the vertical axis only, every such orientation turning up;
  // at three any turn but a refused one: a bar seven long in a well six high never stands up.
  const std::tuple<int, int, std::string_view, std::set<std::string>> cases[] = {
      {0, 30, "12/..|../3.", {"12/..|../3."}},
      {1, 30, "12/..|../3.", {"12/..|../3.", ".1/3.|.2/..", "../.3|21/..", "2./..|1./.3"}},
      {2, 6, "#######", {"#######", "#|#|#|#|#|#|#"}}};
  for (const auto& [difficulty, height, piece, orientations] : cases) {
    auto g = newgame(gametypes::regular, 8, height);
    g->difficulty = difficulty;
    std::set<std::string> seen;
    for (int seed = 1; seed <= 100; ++seed) {
      g->rng.seed(seed);
      paint(*g, piece);
      spawnpiece(*g);
      seen.insert(picture(*g));
    }
    EXPECT_EQ(seen, orientations) << "difficulty " << difficulty;
  }
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
      EXPECT_EQ(std::pair(g->piecey, g->redraw), std::pair(0, 1));
      placex.insert(g->piecex);
      placez.insert(g->piecez);
    }
    EXPECT_EQ(std::pair(*placex.begin(), *placex.rbegin()), xs) << sizex << ", " << sizez;
    EXPECT_EQ(std::pair(*placez.begin(), *placez.rbegin()), zs) << sizex << ", " << sizez;
  }
}
