#include "model/generate.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>

#include "model/flatpiece.h"
#include "piecetest.h"

TEST(FlatWalk, LayersAreCopiesOfAWalkThroughTheFloorsHoles) {
  // An empty ten-wide floor: 1 + R(10) further cubes join the first, from 2 to 11 in all. A single
  // hole, or none once the well was narrowed under a full row: one cube per layer, and nothing
  // hangs. The regular game stacks maxlayers copies (two when 0 or less, never more than the well
  // is high); the hard walk finds no support off the floor and stays one layer.
  // Floor: 'e' empty, 'h' full but for x 4, z 6, 'f' full.
  const std::tuple<int, int, char, int, size_t, size_t> cases[] = {
      {gametypes::regular, 1, 'e', 1, 2, 11},  {gametypes::regular, 3, 'e', 3, 2, 11},
      {gametypes::regular, 0, 'e', 2, 2, 11},  {gametypes::regular, 45, 'e', 30, 2, 11},
      {gametypes::hard, 3, 'e', 1, 2, 11},     {gametypes::regular, 3, 'h', 3, 1, 1},
      {gametypes::holeinone, 3, 'h', 3, 1, 1}, {gametypes::regular, 3, 'f', 3, 1, 1},
      {gametypes::holeinone, 3, 'f', 3, 1, 1}, {gametypes::hard, 3, 'f', 1, 1, 1}};
  for (const auto& [gametype, maxlayers, floor, layers, fewest, most] : cases) {
    auto g = newgame(gametype, 10, 30);
    g->maxlayers = maxlayers;
    for (int c = 0; c < 100; ++c) {
      g->well.at(1 + c % 10, 30, 1 + c / 10) = floor == 'f' || (floor == 'h' && c != 53) ? 5 : 0;
    }
    std::set<size_t> counts;
    for (int seed = 1; seed <= 30; ++seed) {
      makepiece(*g, seed);
      EXPECT_EQ(g->piecesizey, layers);
      std::map<std::pair<int, int>, int> columns;
      for (const cubeat& c : takecubes(*g)) ++columns[{c.x, c.z}];
      counts.insert(columns.size());
      for (const auto& column : columns) EXPECT_EQ(column.second, layers) << "seed " << seed;
    }
    EXPECT_EQ(std::pair(*counts.begin(), *counts.rbegin()), std::pair(fewest, most)) << floor;
  }
}

TEST(HollowPiece, TakesOutTheMiddleOfAFullPatchAndKeepsLinesAndLs) {
  // Only a cube whose eight neighbours in its layer are all filled goes, two side by side both;
  // one with its four side neighbours but not all its corners stays (x 4, z 6).
  auto g = newgame(gametypes::holeinone, 10, 30);
  paint(*g, "#..#.|####.|####.|####.|#..#.|#####|#####");
  hollowpiece(*g);
  EXPECT_EQ(picture(*g), "#..#.|####.|#..#.|####.|#..#.|#####|#####");
}

TEST(GeneratePiece, FixedShapesAreExactlyAsTabled) {
  // The easy game's four shapes all turn up and nothing else; the codes a settings file may
  // carry build their shapes; game over and unknown codes build nothing and keep the extents.
  auto g = newgame(gametypes::easy, 10, 30);
  std::set<std::string> seen;
  for (int seed = 1; seed <= 40; ++seed) {
    makepiece(*g, seed);
    seen.insert(picture(*g));
  }
  EXPECT_EQ(seen, (std::set<std::string>{"##/##|##/##", "####|####", "###/..#|###/..#", "##|##"}));
  const int codes[] = {2, 3, 4, 5, 10, 11, -97, 6, 12, 13, 15};
  const std::string_view shapes[] = {"###/#.#",     "###/#.#|###/...|###/#.#",
                                     "#",           "###/.#.|###/###|###/.#.",
                                     "##/##|##/##", "###/#.#/###"};
  for (int i = 0; i < 11; ++i) {
    g->gametype = codes[i];
    paint(*g, "..");
    makepiece(*g, 1);
    EXPECT_EQ(picture(*g), i < 6 ? shapes[i] : "..") << "gametype " << codes[i];
  }
}

TEST(AllSizes, GrowsExactlyTheAskedCubesInsideTheRegion) {
  // maxsquares cubes (one when 1 or less) within width-3 x height-3 x width-3; a region smaller
  // than asked fills up and the growth ends.
  const std::tuple<int, int, int, size_t> cases[] = {
      {10, 30, 20, 20}, {10, 30, 1, 1}, {6, 6, 1000, 27}, {4, 5, 9, 2}, {3, 3, 5, 1}};
  for (const auto& [width, height, maxsquares, count] : cases) {
    auto g = newgame(gametypes::allsizes, width, height);
    g->maxsquares = maxsquares;
    for (int seed = 1; seed <= 6; ++seed) {
      makepiece(*g, seed);
      const std::vector<cubeat> cubes = takecubes(*g);
      EXPECT_EQ(cubes.size(), count) << width << " x " << height << ", " << maxsquares;
      const int lx = std::max(1, width - 3), ly = std::max(1, height - 3);
      for (const cubeat& c : cubes) EXPECT_TRUE(c.x <= lx && c.y <= ly && c.z <= lx);
    }
  }
}

TEST(HardWalk, PiecesFitTheReliefTheyWereCastFrom) {
  // Somewhere in the well the piece lies in empty cells with every cube resting on the piece, a
  // landed cube or the floor: its columns reach down. Some pieces must climb.
  auto g = newgame(gametypes::hard, 10, 12);
  std::mt19937 relief(4);
  int tall = 0;
  for (int seed = 1; seed <= 60; ++seed) {
    for (int c = 0; c < 100; ++c) {
      const int height = static_cast<int>(relief() % 5);
      for (int y = 1; y <= 12; ++y) g->well.at(1 + c % 10, y, 1 + c / 10) = y > 12 - height ? 3 : 0;
    }
    makepiece(*g, seed);
    tall += g->piecesizey > 1;
    std::set<std::tuple<int, int, int>> own;
    for (const cubeat& c : takecubes(*g)) own.insert({c.x, c.y, c.z});
    bool fits = false;
    for (int p = 0; p < 1200 && !fits; ++p) {
      fits = std::ranges::all_of(own, [&](const auto& cube) {
        const auto [a, b, c] = cube;
        const int x = a + p % 10, y = b + p / 10 % 12, z = c + p / 120;
        return x <= 10 && y <= 12 && z <= 10 && g->well.at(x, y, z) == 0 &&
               (y == 12 || g->well.at(x, y + 1, z) != 0 || own.count({a, b + 1, c}) == 1);
      });
    }
    EXPECT_TRUE(fits) << "seed " << seed;
  }
  EXPECT_GT(tall, 10);
}
