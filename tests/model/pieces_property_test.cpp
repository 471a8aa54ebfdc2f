#include <gtest/gtest.h>

#include <array>
#include <random>
#include <set>

#include "model/spawn.h"
#include "model/turns.h"
#include "piecetest.h"

namespace {

// Empties the cubes reachable from (x, y, z) through shared faces.
void flood(gamestate& g, int x, int y, int z) {
  if (std::exchange(g.piece.at(x, y, z), 0) == 0) return;
  for (const int d : {-1, 1}) flood(g, x + d, y, z), flood(g, x, y + d, z), flood(g, x, y, z + d);
}

// Where turn 1 Y, 2 U, 3 I, 4 K, 5 H or 6 J sends cube (a, b, c) of a box X by Y by Z.
std::array<int, 3> turned(int kind, int a, int b, int c, int X, int Y, int Z) {
  const std::array<int, 3> to[] = {{c, b, X + 1 - a}, {Z + 1 - c, b, a}, {a, Z + 1 - c, b},
                                   {a, c, Y + 1 - b}, {b, X + 1 - a, c}, {Y + 1 - b, a, c}};
  return to[kind - 1];
}

}  // namespace

TEST(PiecesProperty, EveryKindDifficultyAndWellSizeGivesATightSoundPlacedPiece) {
  // Thousands of seeded pieces over random reliefs. As generated: cubes only inside the box, the
  // box exactly as tight as the kind allows (from (1, 1, 1) to the farthest cube; an all-sizes
  // piece may leave its first rows empty, has maxsquares cubes, at least one, and stays in its
  // region); a hard piece fits the relief it was cast from, at most two layers tall as it climbs
  // from the floor only; colours by the modes, every one of the sixteen colours' 2..10 drawn.
  // Spawned: on the top row inside the well and off the z = 1 wall, against every wall now and
  // then; unturned at One, as tall at Two. Any turn then moves each cube as tabled, with the box,
  // and the piece stays connected (hole-in-one may cut it apart). An index outside 0..100 traps.
  const std::pair<int, int> wells[] = {{6, 7},   {7, 6},   {9, 40}, {40, 13},
                                       {23, 31}, {40, 39}, {15, 8}, {38, 40}};
  std::set<int32_t> palette, drawn;
  for (int n = 2; n <= 10; ++n) palette.insert(palettecolor(n));
  std::array<int, 5> seen{};  // climbed, and spawned against the left, right, near, far wall
  auto g = newgame(gametypes::regular, 10, 30);
  for (int run = 0; run < 5 * 3 * 8; ++run) {
    const int gametype = std::array{1, 0, -1, -2, -7}[run / 24], difficulty = run / 8 % 3;
    const auto [width, height] = wells[run % 8];
    std::tie(g->gametype, g->difficulty, g->wellwidth, g->welldepth, g->wellheight) =
        std::tuple{gametype, difficulty, width, width, height};
    g->well.clear();
    std::mt19937 relief(static_cast<unsigned>(width * 100 + height));
    for (int seed = 1; seed <= 20; ++seed) {
      for (int c = 0; c < width * width; ++c) {
        const int cubes = static_cast<int>(relief() % 4);
        for (int y = height - 3; y <= height; ++y)
          g->well.at(1 + c % width, y, 1 + c / width) = height - y < cubes ? 6 : 0;
      }
      const int blockcolormode = seed % 2, colormode = seed / 2 % 2;
      std::tie(g->maxlayers, g->maxsquares, g->blockcolormode, g->colormode) =
          std::tuple{1 + seed % 4, seed % 10 == 0 ? seed / 10 - 1 : 4 + seed * 7 % 60,
                     blockcolormode, colormode};
      makepiece(*g, seed);
      const std::vector<cubeat> cubes = takecubes(*g);
      const auto [lowx, highx] = std::ranges::minmax(cubes, {}, &cubeat::x);
      const auto [lowy, highy] = std::ranges::minmax(cubes, {}, &cubeat::y);
      const auto [lowz, highz] = std::ranges::minmax(cubes, {}, &cubeat::z);
      ASSERT_EQ(std::tuple(highx.x, highy.y, highz.z),
                std::tuple(g->piecesizex + 1, g->piecesizey, g->piecesizez));
      ASSERT_TRUE(gametype == 1 || std::tuple(lowx.x, lowy.y, lowz.z) == std::tuple(1, 1, 1));
      const int region = (width - 3) * (height - 3) * (width - 3);
      ASSERT_TRUE(gametype != 1 || (cubes.size() == size_t(std::clamp(g->maxsquares, 1, region)) &&
                                    highx.x <= width - 3 && highy.y <= height - 3));
      std::set<int32_t> colours;
      for (const cubeat& c : cubes) colours.insert(g->piece.at(c.x, c.y, c.z) = c.colour);
      drawn.insert(colours.begin(), colours.end());
      ASSERT_TRUE(blockcolormode == 1 || colours == std::set{g->blockcolor});
      // Among hundreds of cubes two random colours may coincide.
      ASSERT_TRUE(blockcolormode == 0 || colormode == 1 || colours.size() * 10 >= cubes.size() * 9);
      ASSERT_TRUE(colormode == 0 || std::ranges::includes(palette, colours));
      bool fits = gametype != -1;
      for (int p = 0; p < width * width && !fits; ++p) {
        fits = std::ranges::all_of(cubes, [&](const cubeat& c) {
          const int x = c.x + p % width, y = c.y + height - g->piecesizey, z = c.z + p / width;
          return x <= width && z <= width && g->well.at(x, y, z) == 0 &&
                 (y == height || g->well.at(x, y + 1, z) != 0 ||
                  g->piece.at(c.x, c.y + 1, c.z) != 0);
        });
      }
      ASSERT_TRUE(fits && (gametype != -1 || g->piecesizey <= 2)) << width << " " << seed;
      seen[0] += gametype == -1 && g->piecesizey == 2;
      spawnpiece(*g);
      ASSERT_TRUE(g->piecex >= 1 && g->piecex + g->piecesizex <= width);
      ASSERT_TRUE(g->piecey == 0 && g->piecesizey <= height && g->redraw == 1);
      ASSERT_TRUE(g->piecez >= (g->piecesizez < width) && g->piecez + g->piecesizez <= width);
      ASSERT_TRUE(difficulty != 0 || cubesof(*g) == cubes);
      ASSERT_TRUE(difficulty != 1 || g->piecesizey == highy.y);
      const std::array<bool, 4> walls = {g->piecex == 1, g->piecex + g->piecesizex == width,
                                         g->piecez == 1, g->piecez + g->piecesizez == width};
      for (int i = 0; i < 4; ++i) seen[i + 1] += walls[i];
      const int kind = 1 + seed % 6, X = g->piecesizex + 1, Y = g->piecesizey, Z = g->piecesizez;
      std::vector<cubeat> expected;
      for (const cubeat& c : cubesof(*g)) {
        const auto [x, y, z] = turned(kind, c.x, c.y, c.z, X, Y, Z);
        expected.push_back({x, y, z, c.colour});
      }
      const auto far = turned(kind, X, Y, Z, X, Y, Z), near = turned(kind, 1, 1, 1, X, Y, Z);
      turn(*g, kind);
      ASSERT_EQ(std::tuple(g->piecesizex + 1, g->piecesizey, g->piecesizez),
                std::tuple(std::max(far[0], near[0]), std::max(far[1], near[1]),
                           std::max(far[2], near[2])));
      std::vector<cubeat> now = cubesof(*g);
      std::ranges::sort(now);
      std::ranges::sort(expected);
      ASSERT_EQ(now, expected) << "turn " << kind;
      flood(*g, now[0].x, now[0].y, now[0].z);
      ASSERT_TRUE(takecubes(*g).empty() || gametype == -7) << width << "x" << height << " " << seed;
    }
  }
  EXPECT_TRUE(std::ranges::includes(drawn, palette));
  EXPECT_TRUE(std::ranges::all_of(seen, [](int n) { return n > 10; }));
}
