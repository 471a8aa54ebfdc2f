#include <gtest/gtest.h>

#include <array>
#include <random>

#include "model/spawn.h"
#include "piecetest.h"

namespace {

TEST(PiecesProperty, EveryKindDifficultyAndWellSizeGivesASoundPlacedPiece) {
  // Thousands of seeded pieces over random reliefs: cubes only inside the box, the box tight at
  // (1, 1, 1) for the cast pieces, inside the well after spawn, and connected (hole-in-one may
  // cut a piece apart). A grid index outside 0..100 traps.
  const std::pair<int, int> wells[] = {{6, 7},   {7, 6},   {9, 40}, {40, 13},
                                       {23, 31}, {40, 39}, {15, 8}, {38, 40}};
  auto g = newgame(gametypes::regular, 10, 30);
  for (const int gametype : {1, 0, -1, -2, -7}) {
    for (int difficulty = 0; difficulty <= 2; ++difficulty) {
      for (const auto& [width, height] : wells) {
        std::tie(g->gametype, g->difficulty) = std::tuple{gametype, difficulty};
        std::tie(g->wellwidth, g->welldepth, g->wellheight) = std::tuple{width, width, height};
        g->well.clear();
        std::mt19937 relief(static_cast<unsigned>(width * 100 + height));
        for (int seed = 1; seed <= 20; ++seed) {
          for (int z = 1; z <= width; ++z) {
            for (int x = 1; x <= width; ++x) {
              const int cubes = static_cast<int>(relief() % 4);
              for (int y = height - 3; y <= height; ++y)
                g->well.at(x, y, z) = height - y < cubes ? 6 : 0;
            }
          }
          g->maxlayers = 1 + seed % 4;
          g->maxsquares = 4 + seed * 7 % 60;
          g->blockcolormode = seed % 2;
          makepiece(*g, seed);
          spawnpiece(*g);
          const std::array<int, 3> extents = {g->piecesizex + 1, g->piecesizey, g->piecesizez};
          std::array<int, 3> low = {100, 100, 100}, high = {0, 0, 0};
          const std::vector<cubeat> cubes = takecubes(*g);
          for (const cubeat& c : cubes) {
            low = {std::min(low[0], c.x), std::min(low[1], c.y), std::min(low[2], c.z)};
            high = {std::max(high[0], c.x), std::max(high[1], c.y), std::max(high[2], c.z)};
          }
          ASSERT_FALSE(cubes.empty());
          ASSERT_TRUE(gametype == -7 || connected(cubes)) << width << "x" << height << " " << seed;
          ASSERT_TRUE(gametype == 1 || (low == std::array{1, 1, 1} && high == extents));
          ASSERT_TRUE(g->piecex >= 1 && g->piecex + g->piecesizex <= width);
          ASSERT_TRUE(g->piecey == 0 && g->piecesizey <= height);
          ASSERT_TRUE(g->piecez >= 0 && g->piecez + g->piecesizez <= width);
        }
      }
    }
  }
}

}  // namespace
