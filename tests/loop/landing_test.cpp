#include "loop/landing.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/headless/headlesswindow.h"

namespace {

// An L of three cubes in a 2 x 2 x 1 box with a gap at (2, 1, 1).
void placel(gamestate& g, int x, int y, int z) {
  g.piece.at(1, 1, 1) = 11;
  g.piece.at(1, 2, 1) = 12;
  g.piece.at(2, 2, 1) = 13;
  g.piecesizex = 1;
  g.piecesizey = 2;
  g.piecesizez = 1;
  g.piecex = x;
  g.piecey = y;
  g.piecez = z;
}

TEST(Landing, CopiesOnlyFilledCellsAndEmptiesThePiece) {
  auto g = std::make_unique<gamestate>();
  headlesswindow w;
  placel(*g, 3, 5, 2);
  g->well.at(4, 6, 3) = 99;  // under the gap: stays
  g->landed = 1;
  landing(*g, w);
  EXPECT_EQ(g->well.at(3, 6, 3), 11);
  EXPECT_EQ(g->well.at(3, 7, 3), 12);
  EXPECT_EQ(g->well.at(4, 7, 3), 13);
  EXPECT_EQ(g->well.at(4, 6, 3), 99);
  EXPECT_EQ(g->piece.at(1, 1, 1), 0);
  EXPECT_EQ(g->landed, 0);
  EXPECT_EQ(g->gameover, 0);
  EXPECT_EQ(g->score, 10);
}

TEST(Landing, PieceThatNeverFellEndsTheGameAfterClearingAndScoring) {
  // A 1 x 1 x 1 piece on its spawn row completes the only layer of a one-row well.
  auto g = std::make_unique<gamestate>();
  headlesswindow w;
  g->wellwidth = g->welldepth = 2;
  g->wellheight = 1;
  g->well.at(1, 1, 1) = g->well.at(2, 1, 1) = g->well.at(1, 1, 2) = 1;
  g->piece.at(1, 1, 1) = 4;
  g->piecesizex = 0;
  g->piecesizey = g->piecesizez = 1;
  g->piecex = 2;
  g->piecey = 0;
  g->piecez = 1;
  g->gametype = gametypes::hard;
  g->difficulty = 1;
  landing(*g, w);
  EXPECT_EQ(g->score, 40 + 10);
  EXPECT_EQ(g->gameover, 1);
  EXPECT_EQ(g->gametype, gametypes::over);
  EXPECT_EQ(g->savedgametype, gametypes::hard);
  EXPECT_FALSE(w.enabled(menuitem::newshape));
  EXPECT_EQ(w.title(),
            "Vovov Kubrix 3d / Game-Type: Hard / Difficulty: Two / (Game Over) / Total Points: 50");
}

TEST(Landing, PieceThatFellOneRowDoesNotEndTheGame) {
  auto g = std::make_unique<gamestate>();
  headlesswindow w;
  placel(*g, 1, 1, 0);
  landing(*g, w);
  EXPECT_EQ(g->gameover, 0);
  EXPECT_TRUE(w.titles.empty());
}

}  // namespace
