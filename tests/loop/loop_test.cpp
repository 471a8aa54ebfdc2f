// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "../harness.h"
#include "loop/gravity.h"
#include "loop/landing.h"
#include "loop/title.h"

namespace {

const std::string caption = "Vovov Kubrix 3d - By Vendrisalo (Age 20)";

TEST(Timer1Timer, FallsARowOrLandsWhereItIs) {
  // A bar two cubes tall over a cube at a random row, or paused, over or already landed: a tick
  // moves it one row down and asks for a redraw, unless its bottom row is the well's bottom row
  // or a cube lies under one of its cubes (even below the well): then it is landed where it is.
  auto g = std::make_unique<gamestate>();
  g->piece.at(1, 1, 1) = g->piece.at(1, 2, 1) = 5;
  std::mt19937 r(6);
  for (int run = 0; run < 500; ++run) {
    // flag: 0 paused, 1 over, 2 landed, else none.
    const int piecey = int(r() % 29), cubey = int(r() % 32), flag = int(r() % 6);
    setbox(*g, 0, 2, 1, 4, piecey, 3);
    std::tie(g->paused, g->gameover, g->landed, g->redraw) =
        std::tuple(flag == 0, flag == 1, flag == 2, 0);
    g->well.at(4, cubey, 4) = 1;
    Timer1_Timer(*g);
    g->well.at(4, cubey, 4) = 0;
    const bool lands = flag > 2 && (piecey + 2 == 30 || cubey == piecey + 2 || cubey == piecey + 3);
    ASSERT_EQ(std::tuple(g->piecey, g->landed, g->redraw),
              std::tuple(piecey + (flag > 2 && !lands), flag == 2 || lands, flag > 2 && !lands))
        << piecey << " " << cubey << " " << flag;
  }
}

TEST(Landing, FixesOnlyFilledCellsAndEndsTheGameOnlyForAPieceThatNeverFell) {
  // An L of three cubes lands over two well cubes, one under its gap, and completes a layer of a
  // 2 x 3 x 2 well: the cube under the gap stays, the other is overwritten, the piece grid is
  // emptied, the layer goes and everything scores. Fallen one row, the game goes on; on its
  // spawn row it ends after that: the game-over title, the kind kept, New Shape disabled.
  for (const int piecey : {1, 0}) {
    auto g = std::make_unique<gamestate>();
    headlesswindow w;
    std::tie(g->wellwidth, g->welldepth, g->wellheight, g->gametype, g->difficulty, g->score) =
        std::tuple(2, 2, 3, gametypes::hard, 1, -60);
    setbox(*g, 1, 2, 1, 1, piecey, 0);
    std::tie(g->piece.at(1, 1, 1), g->piece.at(1, 2, 1), g->piece.at(2, 2, 1),
             g->well.at(2, piecey + 1, 1), g->well.at(1, piecey + 2, 1),
             g->well.at(1, piecey + 2, 2), g->well.at(2, piecey + 2, 2), g->landed) =
        std::tuple(11, 12, 13, 99, 98, 5, 5, 1);
    landing(*g, w);
    // Two well cubes left, and nothing in the piece grid.
    const auto empty = std::ranges::count(g->well.cell, 0) + std::ranges::count(g->piece.cell, 0);
    EXPECT_EQ(std::tuple(g->well.at(1, piecey + 2, 1), g->well.at(2, piecey + 2, 1), empty,
                         g->landed, g->score),
              std::tuple(11, 99, 2 * std::ssize(g->well.cell) - 2, 0, -60 + 40 + 10));
    EXPECT_EQ(std::tuple(g->gameover, g->gametype, g->savedgametype, w.enabled(menuitem::newshape),
                         w.title()),
              piecey == 0 ? std::tuple(1, gametypes::over, gametypes::hard, false,
                                       "Vovov Kubrix 3d / Game-Type: Hard / Difficulty: Two / "
                                       "(Game Over) / Total Points: -10")
                          : std::tuple(0, gametypes::hard, gametypes::regular, true, ""));
  }
}

TEST(Title, PlayAndGameOverTitlesNameTheKindDifficultyAndPoints) {
  // Each kind of game names itself, the difficulty (all sizes also the largest piece) and the
  // points, in play after the caption and after game over after the short name; another code has
  // no play title and a game-over title without a kind.
  const std::tuple<int, int, int64_t, std::string> rows[] = {
      {0, 1, 130, "Regular / Difficulty: Two"},
      {-2, 0, 10, "Easy / Difficulty: One"},
      {-1, 2, -5, "Hard / Difficulty: Three"},
      {-7, 7, 1230, "Hole-In-One / Difficulty: One"},
      {1, 0, 0, "All-Sizes / Difficulty: One / Shape-Size: 20"}};
  auto g = std::make_unique<gamestate>();
  for (const auto& [gametype, difficulty, score, game] : rows) {
    std::tie(g->gametype, g->difficulty, g->score) = std::tuple(gametype, difficulty, score);
    const std::string total = " / Total Points: " + std::to_string(score);
    EXPECT_EQ(playtitle(*g), caption + " / Game-Type: " + game + total);
    EXPECT_EQ(gameovertitle(*g), "Vovov Kubrix 3d / Game-Type: " + game + " / (Game Over)" + total);
  }
  g->gametype = 5;
  EXPECT_EQ(playtitle(*g) + gameovertitle(*g), caption + " / (Game Over) / Total Points: 0");
}

TEST(MainLoop, DrawsAndRetitlesOnlyWhatChangedGravityLandsAndRestartDropsUnfixed) {
  // The first frame clears, draws and sets the title; a pass in which nothing changed draws
  // nothing and retitles nothing, not even for a new difficulty; a resize redraws. Each tick runs
  // gravity; the loop then fixes and scores the landed piece (a new score retitles) and starts the
  // next. When restart and landed are both set, restart wins: the piece is neither fixed nor
  // scored, and the next starts from an empty piece grid, even beyond the current well. After game
  // over a new score retitles nothing. While the high-score panel asks for a name nothing is
  // drawn; a view chosen meanwhile shows as soon as it closes.
  harness h;
  h.start();
  EXPECT_EQ(h.w.takecalls().at(0).what, drawcall::clear);
  std::tie(h.g->paused, h.g->difficulty) = std::tuple(1, 2);
  h.w.tick();
  h.w.key('Q');
  EXPECT_TRUE(h.w.takecalls().empty());
  h.w.resize(300, 300);
  EXPECT_FALSE(h.w.takecalls().empty());
  // A lone cube, as if generated and spawned; the started piece's other cells lie outside its box.
  std::tie(h.g->paused, h.g->piece.at(1, 1, 1)) = std::tuple(0, 77);
  setbox(*h.g, 0, 1, 1, 5, 27, 5);
  h.w.tick();
  h.w.tick();
  EXPECT_EQ(h.g->piecey, 29);
  h.w.tick();
  EXPECT_EQ(std::tuple(h.g->well.at(5, 30, 6), h.g->score, h.g->landed), std::tuple(77, 10, 0));
  setbox(*h.g, 0, 1, 1, 3, 29, 4);
  std::tie(h.g->piece.at(1, 1, 1), h.g->piece.at(60, 60, 60), h.g->landed, h.g->restart,
           h.g->shapeonly) = std::tuple(77, 5, 1, 1, 1);
  h.w.tick();
  // The restart pass draws the next piece.
  EXPECT_EQ(std::tuple(h.g->well.at(3, 30, 5), h.g->score, h.g->restart, h.g->piece.at(60, 60, 60),
                       h.w.takecalls().empty()),
            std::tuple(0, 10, 0, 0, false));
  // landed is still set: the game never clears it on a restart.
  std::tie(h.g->gameover, h.g->score, h.g->landed) = std::tuple(1, 20, 0);
  h.w.tick();
  EXPECT_EQ(
      h.w.titles,
      (std::vector{caption + " / Game-Type: Regular / Difficulty: One / Total Points: 0",
                   caption + " / Game-Type: Regular / Difficulty: Three / Total Points: 10"}));
  h.g->redraw = 1;
  h.w.setvisible(control::Text7, true);
  h.w.key('R');
  EXPECT_TRUE(h.w.takecalls().empty());
  h.w.setvisible(control::Text7, false);
  h.g->redraw = 0;
  h.w.key('Q');
  EXPECT_EQ(std::tuple(h.w.takecalls().empty(), h.g->lastview), std::tuple(false, 2));
}

}  // namespace
