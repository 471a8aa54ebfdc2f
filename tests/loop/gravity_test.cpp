#include "loop/gravity.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A 2-cube vertical bar at (piecex 4, piecez 3), its bottom cube at row piecey + 2.
std::unique_ptr<gamestate> bar(int piecey) {
  auto g = std::make_unique<gamestate>();
  g->piece.at(1, 1, 1) = 5;
  g->piece.at(1, 2, 1) = 5;
  g->piecesizex = 0;
  g->piecesizey = 2;
  g->piecesizez = 1;
  g->piecex = 4;
  g->piecey = piecey;
  g->piecez = 3;
  return g;
}

TEST(Timer1Timer, FallsOneRowAndAsksForARedraw) {
  auto g = bar(0);
  Timer1_Timer(*g);
  EXPECT_EQ(g->piecey, 1);
  EXPECT_EQ(g->redraw, 1);
  EXPECT_EQ(g->landed, 0);
}

TEST(Timer1Timer, PieceOnTheFloorLandsAtTheNextTickWithoutMoving) {
  auto g = bar(28);  // rows 29 and 30 of a 30-high well
  Timer1_Timer(*g);
  EXPECT_EQ(g->landed, 1);
  EXPECT_EQ(g->piecey, 28);
  EXPECT_EQ(g->redraw, 0);
}

TEST(Timer1Timer, CubeBelowLandsThePiece) {
  auto g = bar(10);
  g->well.at(4, 13, 4) = 1;
  Timer1_Timer(*g);
  EXPECT_EQ(g->landed, 1);
  EXPECT_EQ(g->piecey, 10);
}

TEST(Timer1Timer, TestsTheFloorBeforeTheProbe) {
  // On the floor with a stray cube below the well: the floor test decides, the probe is not
  // needed, and nothing moves either way.
  auto g = bar(28);
  g->well.at(4, 31, 4) = 1;
  Timer1_Timer(*g);
  EXPECT_EQ(g->landed, 1);
  EXPECT_EQ(g->piecey, 28);
}

TEST(Timer1Timer, DoesNothingWhilePausedOverOrLanded) {
  for (auto set : {&gamestate::paused, &gamestate::gameover, &gamestate::landed}) {
    auto g = bar(5);
    (*g).*set = 1;
    Timer1_Timer(*g);
    EXPECT_EQ(g->piecey, 5);
    EXPECT_EQ(g->redraw, 0);
  }
}

}  // namespace
