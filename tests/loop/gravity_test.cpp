#include "loop/gravity.h"

#include <gtest/gtest.h>

#include "../harness.h"

namespace {

TEST(Timer1Timer, FallsARowOrLandsWhereItIs) {
  // A bar two cubes tall falls one row and asks for a redraw; on the floor (rows 29 and 30,
  // whatever lies below the well) or on a cube it is marked landed without moving. Paused, over or
  // already landed, nothing happens.
  struct row {
    int piecey, cubey;
    int gamestate::*flag;
    int fellto, landed, redraw;
  };
  const row rows[] = {{0, 0, nullptr, 1, 0, 1},
                      {28, 0, nullptr, 28, 1, 0},
                      {10, 13, nullptr, 10, 1, 0},
                      {28, 31, nullptr, 28, 1, 0},
                      {5, 0, &gamestate::paused, 5, 0, 0},
                      {5, 0, &gamestate::gameover, 5, 0, 0},
                      {5, 0, &gamestate::landed, 5, 1, 0}};
  for (const row& r : rows) {
    SCOPED_TRACE(testing::Message() << "row " << &r - rows);
    auto g = std::make_unique<gamestate>();
    g->piece.at(1, 1, 1) = g->piece.at(1, 2, 1) = 5;
    setbox(*g, 0, 2, 1, 4, r.piecey, 3);
    if (r.cubey != 0) g->well.at(4, r.cubey, 4) = 1;
    if (r.flag != nullptr) (*g).*r.flag = 1;
    Timer1_Timer(*g);
    EXPECT_EQ(g->piecey, r.fellto);
    EXPECT_EQ(g->landed, r.landed);
    EXPECT_EQ(g->redraw, r.redraw);
  }
}

}  // namespace
