#include "model/generate.h"

#include <gtest/gtest.h>

#include <random>
#include <string_view>

#include "model/flatpiece.h"
#include "piecetest.h"

namespace {

using cells = std::vector<std::tuple<int, int, int>>;

cells cellsof(const std::vector<cubeat>& cubes) {
  cells out;
  for (const cubeat& c : cubes) out.push_back({c.x, c.y, c.z});
  return out;
}

// A piece's extents (piecesizex, piecesizey, piecesizez) and its cubes in box order.
struct tabled {
  int sizex, sizey, sizez;
  cells cubes;
  bool operator==(const tabled&) const = default;
};

tabled shapeof(gamestate& g) {
  return {g.piecesizex, g.piecesizey, g.piecesizez, cellsof(takecubes(g))};
}

// A shape drawn layer by layer: '|' starts the next z, '/' the next row y, '#' is a cube.
cells drawing(std::string_view picture) {
  cells out;
  int x = 1, y = 1, z = 1;
  for (const char c : picture) {
    if (c == '|') {
      ++z, y = 1, x = 1;
    } else if (c == '/') {
      ++y, x = 1;
    } else {
      if (c == '#') out.push_back({x, y, z});
      ++x;
    }
  }
  return out;
}

TEST(FlatWalk, EmptyTenWideWellGivesTwoToElevenCubesInOneLayer) {
  // 1 + R(10) further cubes join the first; the hard walk finds no support off the floor.
  for (const int gametype : {gametypes::regular, gametypes::hard}) {
    auto g = newgame(gametype, 10, 30);
    for (int seed = 1; seed <= 100; ++seed) {
      makepiece(*g, seed);
      const size_t cubes = takecubes(*g).size();
      EXPECT_TRUE(cubes >= 2 && cubes <= 11 && g->piecesizey == 1) << "seed " << seed;
    }
  }
}

TEST(FlatWalk, WalledInOrMissingStartCellGivesOneCubePerLayer) {
  // A single hole in the floor, or none once the well was narrowed under a full row: the walk
  // cannot move (or start), and the piece is one cube per layer. Nothing hangs.
  for (const bool hole : {true, false}) {
    for (const int gametype : {gametypes::regular, gametypes::holeinone, gametypes::hard}) {
      if (hole && gametype == gametypes::hard) continue;  // the hard walk climbs out
      auto g = newgame(gametype, 10, 30);
      g->maxlayers = 3;
      for (int z = 1; z <= 10; ++z) {
        for (int x = 1; x <= 10; ++x) g->well.at(x, 30, z) = hole && x == 4 && z == 6 ? 0 : 5;
      }
      makepiece(*g, 7);
      const int layers = gametype == gametypes::hard ? 1 : 3;
      EXPECT_EQ(cellsof(takecubes(*g)), drawing(layers == 1 ? "#" : "#/#/#")) << gametype;
      EXPECT_EQ(g->piecesizex, 0);
      EXPECT_EQ(g->piecesizey, layers);
    }
  }
}

TEST(HollowPiece, TakesOutTheMiddleOfAFullPatchAndKeepsLinesAndLs) {
  // Only a cube whose eight neighbours in its layer are all filled goes.
  auto g = newgame(gametypes::holeinone, 10, 30);
  g->piecesizex = 4;
  g->piecesizey = 1;
  g->piecesizez = 7;
  const cells before = drawing("#..#.|###..|###..|###..|#....|#####|#####");
  for (const auto& [x, y, z] : before) g->piece.at(x, y, z) = 9;
  hollowpiece(*g);
  cells after = before;
  std::erase(after, std::tuple{2, 1, 3});
  EXPECT_EQ(cellsof(takecubes(*g)), after);
}

TEST(StackPiece, LayersAreCopiesOfTheFirstUpToTheWellsHeight) {
  // maxlayers identical layers, two when it is 0 or less, never more than the well is high.
  for (const auto& [maxlayers, layers] : {std::pair{1, 1}, {3, 3}, {0, 2}, {-4, 2}, {45, 30}}) {
    auto g = newgame(gametypes::regular, 10, 30);
    g->maxlayers = maxlayers;
    makepiece(*g, 3);
    EXPECT_EQ(g->piecesizey, layers);
    std::multiset<std::pair<int, int>> columns;
    for (const cubeat& c : takecubes(*g)) columns.insert({c.x, c.z});
    for (const auto& column : columns) EXPECT_EQ(columns.count(column), size_t(layers));
  }
}

TEST(GeneratePiece, CubeColoursFollowTheColourModes) {
  // Random mode: every cube has its own colour; uniform: all the piece colour; sixteen colours:
  // palette 2..10. A black cube would be an empty cell.
  std::set<int32_t> palette;
  for (int n = 2; n <= 10; ++n) palette.insert(palettecolor(n));
  for (const int gametype : {1, 0, -1, -2, -7}) {
    for (const auto& [blockcolormode, colormode] : {std::pair{0, 0}, {0, 1}, {1, 0}, {1, 1}}) {
      auto g = newgame(gametype, 10, 30);
      g->maxlayers = 3;
      g->blockcolormode = blockcolormode;
      g->colormode = colormode;
      makepiece(*g, 11);
      const int32_t piececolor = g->blockcolor;
      std::set<int32_t> colours;
      const std::vector<cubeat> cubes = takecubes(*g);
      for (const cubeat& c : cubes) {
        colours.insert(c.colour);
        EXPECT_NE(c.colour, 0);
        EXPECT_TRUE(colormode == 0 || palette.count(c.colour) == 1);
      }
      const size_t expected = blockcolormode == 0 ? 1 : cubes.size();
      EXPECT_TRUE(colormode == 1 || colours.size() == expected) << gametype;
      EXPECT_TRUE(blockcolormode == 1 || *colours.begin() == piececolor) << gametype;
    }
  }
}

TEST(GeneratePiece, FixedShapesAreExactlyAsTabled) {
  // The easy game's four shapes all turn up and nothing else; the codes a settings file may
  // carry build their shapes; game over and unknown codes build nothing and keep the extents.
  const std::vector<tabled> easy = {{1, 2, 2, drawing("##/##|##/##")},
                                    {3, 1, 2, drawing("####|####")},
                                    {2, 2, 2, drawing("###/..#|###/..#")},
                                    {1, 1, 2, drawing("##|##")}};
  const std::pair<int, tabled> coded[] = {
      {2, {2, 2, 1, drawing("###/#.#")}},
      {3, {2, 2, 3, drawing("###/#.#|###|###/#.#")}},
      {4, {0, 1, 1, drawing("#")}},
      {5, {2, 2, 3, drawing("###/.#.|###/###|###/.#.")}},
      {10, easy[0]},
      {11, {2, 3, 1, drawing("###/#.#/###")}},
      {-97, {3, 4, 5, {}}},
      {6, {3, 4, 5, {}}},
      {12, {3, 4, 5, {}}},
      {13, {3, 4, 5, {}}},
      {15, {3, 4, 5, {}}},
  };
  auto g = newgame(gametypes::easy, 10, 30);
  std::set<size_t> seen;
  for (int seed = 1; seed <= 40; ++seed) {
    makepiece(*g, seed);
    const auto found = std::find(easy.begin(), easy.end(), shapeof(*g));
    ASSERT_NE(found, easy.end()) << "seed " << seed;
    seen.insert(found - easy.begin());
  }
  EXPECT_EQ(seen.size(), 4u);
  for (const auto& [gametype, shape] : coded) {
    g->gametype = gametype;
    std::tie(g->piecesizex, g->piecesizey, g->piecesizez) = std::tuple{3, 4, 5};
    makepiece(*g, 1);
    EXPECT_EQ(shapeof(*g), shape) << "gametype " << gametype;
  }
}

TEST(AllSizes, GrowsExactlyTheAskedCubesInsideTheRegion) {
  // maxsquares cubes (one when 1 or less) within width-3 x height-3 x width-3; a region smaller
  // than asked fills up and the growth ends.
  const std::tuple<int, int, int, size_t> cases[] = {
      {10, 30, 20, 20},  {10, 30, 1, 1}, {10, 30, -3, 1}, {6, 6, 1000, 27},
      {6, 40, 200, 200}, {4, 5, 9, 2},   {3, 3, 5, 1},    {40, 40, 600, 600}};
  for (const auto& [width, height, maxsquares, count] : cases) {
    auto g = newgame(gametypes::allsizes, width, height);
    g->maxsquares = maxsquares;
    for (int seed = 1; seed <= 6; ++seed) {
      makepiece(*g, seed);
      const std::vector<cubeat> cubes = takecubes(*g);
      EXPECT_EQ(cubes.size(), count) << width << " x " << height << ", " << maxsquares;
      for (const cubeat& c : cubes) {
        EXPECT_TRUE(c.x <= std::max(1, width - 3) && c.y <= std::max(1, height - 3) &&
                    c.z <= std::max(1, width - 3));
      }
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
    for (int z = 1; z <= 10; ++z) {
      for (int x = 1; x <= 10; ++x) {
        const int height = static_cast<int>(relief() % 5);
        for (int y = 1; y <= 12; ++y) g->well.at(x, y, z) = y > 12 - height ? 3 : 0;
      }
    }
    makepiece(*g, seed);
    const int sizex = g->piecesizex + 1, sizey = g->piecesizey, sizez = g->piecesizez;
    const std::vector<cubeat> cubes = takecubes(*g);
    const cells own = cellsof(cubes);
    auto restsat = [&](int px, int py, int pz) {
      for (const auto& [a, b, c] : own) {
        const int x = px + a - 1, y = py + b - 1, z = pz + c - 1;
        const bool below = y == 12 || g->well.at(x, y + 1, z) != 0 ||
                           std::find(own.begin(), own.end(), std::tuple{a, b + 1, c}) != own.end();
        if (g->well.at(x, y, z) != 0 || !below) return false;
      }
      return true;
    };
    bool fits = false;
    for (int pz = 1; pz + sizez <= 11; ++pz) {
      for (int py = 1; py + sizey <= 13; ++py) {
        for (int px = 1; px + sizex <= 11; ++px) fits = fits || restsat(px, py, pz);
      }
    }
    EXPECT_TRUE(fits) << "seed " << seed;
    tall += sizey > 1;
  }
  EXPECT_GT(tall, 10);
}

}  // namespace
