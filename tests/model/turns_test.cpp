#include "model/turns.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "piecetest.h"

namespace {

// Four cubes, each its own colour, in a box 3 wide, 2 high and 4 deep: no turn maps it onto
// itself, so a wrong mapping or extent shows.
std::unique_ptr<gamestate> asymmetric() {
  auto g = newgame(gametypes::regular, 10, 30);
  for (const cubeat& c : {cubeat{1, 1, 1, 11}, {3, 1, 1, 22}, {1, 2, 1, 33}, {1, 1, 4, 44}}) {
    g->piece.at(c.x, c.y, c.z) = c.colour;
  }
  std::tie(g->piecesizex, g->piecesizey, g->piecesizez) = std::tuple{2, 2, 4};
  return g;
}

// The extents, then the cubes ordered by colour.
std::pair<std::tuple<int, int, int>, std::vector<cubeat>> shapeof(gamestate& g) {
  std::vector<cubeat> cubes = takecubes(g);
  std::sort(cubes.begin(), cubes.end(), [](auto& a, auto& b) { return a.colour < b.colour; });
  return {{g.piecesizex, g.piecesizey, g.piecesizez}, cubes};
}

TEST(Turns, EachTurnMovesEveryCubeWithItsColour) {
  // Where the four cubes land after each turn (1 Y, 2 U, 3 I, 4 K, 5 H, 6 J), worked out by hand.
  using shape = std::pair<std::tuple<int, int, int>, std::vector<cubeat>>;
  const shape turned[] = {
      {{3, 2, 3}, {{1, 1, 3, 11}, {1, 1, 1, 22}, {1, 2, 3, 33}, {4, 1, 3, 44}}},
      {{3, 2, 3}, {{4, 1, 1, 11}, {4, 1, 3, 22}, {4, 2, 1, 33}, {1, 1, 1, 44}}},
      {{2, 4, 2}, {{1, 4, 1, 11}, {3, 4, 1, 22}, {1, 4, 2, 33}, {1, 1, 1, 44}}},
      {{2, 4, 2}, {{1, 1, 2, 11}, {3, 1, 2, 22}, {1, 1, 1, 33}, {1, 4, 2, 44}}},
      {{1, 3, 4}, {{1, 3, 1, 11}, {1, 1, 1, 22}, {2, 3, 1, 33}, {1, 3, 4, 44}}},
      {{1, 3, 4}, {{2, 1, 1, 11}, {2, 3, 1, 22}, {1, 1, 1, 33}, {2, 1, 4, 44}}},
  };
  for (int turnkind = 1; turnkind <= 6; ++turnkind) {
    auto g = asymmetric();
    turn(*g, turnkind);
    EXPECT_EQ(g->redraw, 1);
    EXPECT_EQ(shapeof(*g), turned[turnkind - 1]) << "turn " << turnkind;
  }
}

TEST(Turns, OppositeTurnsAndFourEqualTurnsGiveThePieceBack) {
  // H then J, I then K, U then Y (either way round), and any turn four times, change nothing.
  const auto before = shapeof(*asymmetric());
  for (const auto& [first, second] : {std::pair{5, 6}, {6, 5}, {3, 4}, {4, 3}, {2, 1}, {1, 2}}) {
    auto g = asymmetric();
    turn(*g, first);
    turn(*g, second);
    EXPECT_EQ(shapeof(*g), before) << "turns " << first << ", " << second;
  }
  for (int turnkind = 1; turnkind <= 6; ++turnkind) {
    auto g = asymmetric();
    for (int i = 0; i < 4; ++i) turn(*g, turnkind);
    EXPECT_EQ(shapeof(*g), before) << "turn " << turnkind;
  }
}

TEST(Turns, SizeGuardRefusesTurnsThatWouldNotFitTheWell) {
  // Seven wide in a well six high: H and J would stand it up too tall, U, Y, I and K fit. As tall
  // as the well is wide: only the turns about the vertical axis fit.
  auto g = newgame(gametypes::regular, 10, 6);
  const std::pair<std::tuple<int, int, int>, std::array<bool, 6>> cases[] = {
      {{6, 1, 1}, {true, true, true, true, false, false}},
      {{0, 10, 1}, {true, true, false, false, false, false}},
      {{0, 9, 6}, {true, true, false, false, true, true}},
  };
  for (const auto& [extents, fits] : cases) {
    std::tie(g->piecesizex, g->piecesizey, g->piecesizez) = extents;
    for (int turnkind = 1; turnkind <= 6; ++turnkind) {
      EXPECT_EQ(turnfits(*g, turnkind), fits[turnkind - 1]) << "turn " << turnkind;
    }
  }
}

TEST(Pushback, BringsATurnedPieceBackIntoTheWell) {
  // A bar of four on the floor stands up on the floor; standing at the right wall it lies down
  // against it; larger than a narrowed well, it stays against the low walls (no index below 0).
  auto g = newgame(gametypes::regular, 10, 30);
  for (int x = 1; x <= 4; ++x) g->piece.at(x, 1, 1) = 10 * x;
  std::tie(g->piecesizex, g->piecesizey, g->piecesizez) = std::tuple{3, 1, 1};
  std::tie(g->piecex, g->piecey, g->piecez) = std::tuple{2, 29, 3};
  turnH(*g);
  pushback(*g);
  EXPECT_EQ(std::tuple(g->piecey, g->piece.at(1, 4, 1), g->piece.at(1, 1, 1)),
            std::tuple(26, 10, 40));  // the cube that had x = 1 rests on the floor
  g->piecex = 10;
  turnJ(*g);
  pushback(*g);
  EXPECT_EQ(std::tuple(g->piecex, g->piecey, g->piecez), std::tuple(7, 26, 3));
  std::tie(g->wellwidth, g->welldepth, g->wellheight) = std::tuple{2, 2, 3};
  turnU(*g);
  pushback(*g);
  EXPECT_EQ(std::tuple(g->piecex, g->piecey, g->piecez), std::tuple(2, 2, 0));
  turnY(*g);
  pushback(*g);
  EXPECT_EQ(g->piecex, 1);
}

}  // namespace
