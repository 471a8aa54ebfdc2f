#include <gtest/gtest.h>

#include <array>
#include <random>
#include <set>

#include "model/spawn.h"
#include "piecetest.h"

namespace {

// Empties the cubes reachable from (x, y, z) through shared faces.
void flood(gamestate& g, int x, int y, int z) {
  if (std::exchange(g.piece.at(x, y, z), 0) == 0) return;
  for (const int d : {-1, 1}) flood(g, x + d, y, z), flood(g, x, y + d, z), flood(g, x, y, z + d);
}

}  // namespace

TEST(PiecesProperty, EveryKindDifficultyAndWellSizeGivesASoundPlacedPiece) {
  // Thousands of seeded pieces over random reliefs: cubes only inside the box, the box tight at
  // (1, 1, 1) for the cast pieces, inside the well after spawn, and connected (hole-in-one may
  // cut a piece apart), coloured by the colour modes (one colour per piece, one per cube, or the
  // sixteen colours' 2..10). A grid index outside 0..100 traps.
  const std::pair<int, int> wells[] = {{6, 7},   {7, 6},   {9, 40}, {40, 13},
                                       {23, 31}, {40, 39}, {15, 8}, {38, 40}};
  std::set<int32_t> palette;
  for (int n = 2; n <= 10; ++n) palette.insert(palettecolor(n));
  auto g = newgame(gametypes::regular, 10, 30);
  for (int run = 0; run < 5 * 3 * 8; ++run) {
    const int gametype = std::array{1, 0, -1, -2, -7}[run / 24];
    const auto [width, height] = wells[run % 8];
    std::tie(g->gametype, g->difficulty, g->wellwidth, g->welldepth, g->wellheight) =
        std::tuple{gametype, run / 8 % 3, width, width, height};
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
          std::tuple{1 + seed % 4, 4 + seed * 7 % 60, blockcolormode, colormode};
      makepiece(*g, seed);
      spawnpiece(*g);
      const std::vector<cubeat> cubes = takecubes(*g);
      ASSERT_FALSE(cubes.empty());
      const auto [lowx, highx] = std::ranges::minmax(cubes, {}, &cubeat::x);
      const auto [lowy, highy] = std::ranges::minmax(cubes, {}, &cubeat::y);
      const auto [lowz, highz] = std::ranges::minmax(cubes, {}, &cubeat::z);
      ASSERT_TRUE(gametype == 1 ||
                  (std::tuple(lowx.x, lowy.y, lowz.z, highx.x, highy.y, highz.z) ==
                   std::tuple(1, 1, 1, g->piecesizex + 1, g->piecesizey, g->piecesizez)));
      std::set<int32_t> colours;
      for (const cubeat& c : cubes) colours.insert(g->piece.at(c.x, c.y, c.z) = c.colour);
      ASSERT_TRUE(blockcolormode == 1 || colours == std::set{g->blockcolor});
      // Among hundreds of cubes two random colours may coincide.
      ASSERT_TRUE(blockcolormode == 0 || colormode == 1 || colours.size() * 10 >= cubes.size() * 9);
      ASSERT_TRUE(colormode == 0 || std::ranges::includes(palette, colours));
      flood(*g, cubes[0].x, cubes[0].y, cubes[0].z);
      ASSERT_TRUE(takecubes(*g).empty() || gametype == -7) << width << "x" << height << " " << seed;
      ASSERT_TRUE(g->piecex >= 1 && g->piecex + g->piecesizex <= width);
      ASSERT_TRUE(g->piecey == 0 && g->piecesizey <= height);
      ASSERT_TRUE(g->piecez >= 0 && g->piecez + g->piecesizez <= width);
    }
  }
}
