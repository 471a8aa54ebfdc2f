#include "model/probes.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// An L of three cubes in a 2 x 2 box: (1,1,1), (1,2,1), (2,2,1); (2,1,1) is a gap.
std::unique_ptr<gamestate> lpiece(int x, int y, int z) {
  auto g = std::make_unique<gamestate>();
  g->piece.at(1, 1, 1) = 7;
  g->piece.at(1, 2, 1) = 7;
  g->piece.at(2, 2, 1) = 7;
  g->piecesizex = 1;
  g->piecesizey = 2;
  g->piecesizez = 1;
  g->piecex = x;
  g->piecey = y;
  g->piecez = z;
  return g;
}

TEST(Probes, FilledCellBesideACubeBlocksEachDirection) {
  // Piece cube (1,1,1) sits in well cell (5, 11, 6) for piecex 5, piecey 10, piecez 5.
  struct probe {
    void (*run)(gamestate&);
    int x, y, z;
    int gamestate::*flag;
  };
  const probe probes[] = {
      {checkleft, 4, 11, 6, &gamestate::blocked},  {checkright, 7, 12, 6, &gamestate::blocked},
      {checkup, 5, 11, 5, &gamestate::blocked},    {checkdown, 5, 11, 7, &gamestate::blocked},
      {checkdown2, 5, 13, 6, &gamestate::landed},
  };
  for (const probe& p : probes) {
    auto g = lpiece(5, 10, 5);
    g->well.at(p.x, p.y, p.z) = 1;
    p.run(*g);
    EXPECT_EQ((*g).*p.flag, 1) << "well cell " << p.x << "," << p.y << "," << p.z;
  }
}

TEST(Probes, FilledCellMeetingOnlyAGapDoesNotBlock) {
  // The gap (2,1,1) of the L lies in well cell (6, 11, 6); moving right, only that gap would
  // reach well cell (7, 11, 6).
  auto g = lpiece(5, 10, 5);
  g->well.at(7, 11, 6) = 1;
  checkright(*g);
  EXPECT_EQ(g->blocked, 0);
  // Falling, the gap's column meets (6, 12, 6) only through the cube (2,2,1): that one blocks.
  g->well.at(6, 11, 6) = 1;  // inside the gap itself: moving down does not reach it
  checkdown2(*g);
  EXPECT_EQ(g->landed, 0);
}

TEST(Probes, FlagAlreadyRaisedStaysRaised) {
  auto g = lpiece(5, 10, 5);
  g->blocked = 1;
  g->landed = 1;
  checkleft(*g);
  checkdown2(*g);
  EXPECT_EQ(g->blocked, 1);
  EXPECT_EQ(g->landed, 1);
}

TEST(Probes, OneStepOutsideTheWellReadsAsEmpty) {
  // Against the left wall, on the floor, at z 0: the probes read index 0 and row height + 1.
  auto g = lpiece(1, 28, 0);
  checkleft(*g);
  checkup(*g);
  checkdown2(*g);
  EXPECT_EQ(g->blocked, 0);
  EXPECT_EQ(g->landed, 0);
}

TEST(Probes, CubeLeftBeyondAShrunkenEdgeCountsLikeAnyOther) {
  auto g = lpiece(9, 10, 5);
  g->wellwidth = 10;
  g->well.at(11, 12, 6) = 3;  // outside the playing space
  checkright(*g);
  EXPECT_EQ(g->blocked, 1);
}

}  // namespace
