#include "loop/landing.h"

#include <gtest/gtest.h>

#include "../harness.h"

namespace {

TEST(Landing, CopiesOnlyFilledCellsAndAPieceThatFellGoesOn) {
  // An L of three cubes in a 2 x 2 x 1 box, one row down from spawn: the cube under its gap stays,
  // the piece grid is emptied, the piece scores and the game goes on.
  auto g = std::make_unique<gamestate>();
  headlesswindow w;
  g->piece.at(1, 1, 1) = 11;
  g->piece.at(1, 2, 1) = 12;
  g->piece.at(2, 2, 1) = 13;
  setbox(*g, 1, 2, 1, 3, 1, 2);
  g->well.at(4, 2, 3) = 99;
  g->landed = 1;
  landing(*g, w);
  EXPECT_EQ(std::tuple(g->well.at(3, 2, 3), g->well.at(3, 3, 3), g->well.at(4, 3, 3),
                       g->well.at(4, 2, 3), g->piece.at(1, 1, 1)),
            std::tuple(11, 12, 13, 99, 0));
  EXPECT_EQ(std::tuple(g->landed, g->score, g->gameover), std::tuple(0, 10, 0));
  EXPECT_TRUE(w.titles.empty());
}

TEST(Landing, PieceThatNeverFellEndsTheGameAfterClearingAndScoring) {
  // A 1 x 1 x 1 piece on its spawn row completes the only layer of a one-row well. From -50 points
  // the game ends on 0, which shows no high-score panel: New Shape is disabled by the game over.
  auto g = std::make_unique<gamestate>();
  headlesswindow w;
  g->wellwidth = g->welldepth = 2;
  g->wellheight = 1;
  g->well.at(1, 1, 1) = g->well.at(2, 1, 1) = g->well.at(1, 1, 2) = 1;
  g->piece.at(1, 1, 1) = 4;
  setbox(*g, 0, 1, 1, 2, 0, 1);
  g->gametype = gametypes::hard;
  g->difficulty = 1;
  g->score = -50;
  landing(*g, w);
  EXPECT_EQ(std::tuple(g->score, g->gameover, g->gametype, g->savedgametype),
            std::tuple(-50 + 40 + 10, 1, gametypes::over, gametypes::hard));
  EXPECT_FALSE(w.enabled(menuitem::newshape));
  EXPECT_EQ(w.title(),
            "Vovov Kubrix 3d / Game-Type: Hard / Difficulty: Two / (Game Over) / Total Points: 0");
}

}  // namespace
