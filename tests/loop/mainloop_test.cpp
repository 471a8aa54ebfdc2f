#include "loop/mainloop.h"

#include <gtest/gtest.h>

#include "../harness.h"
#include "platform/keys.h"

namespace {

// Puts a single cube where the test wants it, as if it had been generated and spawned.
void placecube(gamestate& g, int x, int y, int z) {
  g.piece.clear();
  g.piece.at(1, 1, 1) = 77;
  g.piecesizex = 0;
  g.piecesizey = 1;
  g.piecesizez = 1;
  g.piecex = x;
  g.piecey = y;
  g.piecez = z;
}

TEST(MainLoop, FirstFrameDrawsAndSetsTheRegularTitle) {
  harness h;
  h.start();
  EXPECT_EQ(h.w.title(),
            "Vovov Kubrix 3d - By Vendrisalo (Age 20) / Game-Type: Regular / Difficulty: One / "
            "Total Points: 0");
  ASSERT_FALSE(h.w.calls.empty());
  EXPECT_EQ(h.w.calls.front().what, drawcall::clear);
  EXPECT_EQ(h.g->wellwidth, 10);
  EXPECT_EQ(h.g->wellheight, 30);
  EXPECT_EQ(h.g->welldepth, 10);
  EXPECT_EQ(h.w.text(control::Text3), "14");
  EXPECT_EQ(h.w.text(control::Text4), "10");
}

TEST(MainLoop, PassWithNothingChangedDrawsNothing) {
  harness h;
  h.start();
  h.w.takecalls();
  h.g->paused = 1;  // the tick changes nothing
  h.w.tick();
  h.w.key(keys::letter('Q'));  // no command
  EXPECT_TRUE(h.w.calls.empty());
}

TEST(MainLoop, ResizeAndViewChangeRedraw) {
  harness h;
  h.start();
  h.w.takecalls();
  h.w.resize(300, 300);
  EXPECT_FALSE(h.w.takecalls().empty());
  EXPECT_EQ(h.g->lastview, h.g->view);
}

TEST(MainLoop, RestartWinsOverLandedAndDropsThePieceUnfixed) {
  harness h;
  h.start();
  placecube(*h.g, 3, 29, 4);
  h.g->landed = 1;
  h.g->restart = 1;
  h.g->shapeonly = 1;
  h.w.tick();  // any event: the loop then looks at restart before landed
  for (int32_t cell : h.g->well.cell) ASSERT_EQ(cell, 0);
  EXPECT_EQ(h.g->restart, 0);
  EXPECT_EQ(h.g->score, 0);
}

TEST(MainLoop, GravityCarriesAPieceDownAndLandsIt) {
  harness h;
  h.start();
  placecube(*h.g, 5, 27, 5);
  h.w.tick();  // row 28 -> 29
  h.w.tick();  // -> 30, the bottom row
  EXPECT_EQ(h.g->piecey, 29);
  h.w.tick();  // on the floor: landed, then fixed after the handler
  EXPECT_EQ(h.g->well.at(5, 30, 6), 77);
  EXPECT_EQ(h.g->score, 10);
  EXPECT_EQ(h.g->landed, 0);
}

TEST(MainLoop, TopOfThePieceEmptiesTheWholePieceGrid) {
  // A cube beyond the current well, left by a piece of a wider well, is gone at the next piece.
  harness h;
  h.start();
  h.g->piece.at(60, 60, 60) = 5;
  h.g->restart = 1;
  h.g->shapeonly = 1;
  h.w.tick();
  EXPECT_EQ(h.g->piece.at(60, 60, 60), 0);
}

TEST(MainLoop, NewGameReadsThePlayOptionsNewShapeDoesNot) {
  harness h;
  h.start();
  h.w.setchecked(menuitem::regular, false);
  h.w.setchecked(menuitem::hard, true);
  h.w.setchecked(menuitem::three, true);
  h.g->restart = 1;
  h.g->shapeonly = 1;
  h.w.tick();
  EXPECT_EQ(h.g->gametype, gametypes::regular);
  EXPECT_EQ(h.g->difficulty, 0);
  h.g->restart = 1;
  h.w.tick();
  EXPECT_EQ(h.g->gametype, gametypes::hard);
  EXPECT_EQ(h.g->savedgametype, gametypes::hard);
  EXPECT_EQ(h.g->difficulty, 2);
}

TEST(MainLoop, ClosingTheWindowEndsTheGame) {
  harness h;
  h.start();
  h.w.close();
  EXPECT_TRUE(h.w.quitrequested);
}

}  // namespace

namespace {

TEST(MainLoop, NamePanelKeepsTheAreaClearUntilTheNameIsIn) {
  // Nothing is drawn over the cleared area while the name is asked for; a view chosen meanwhile
  // shows as soon as the panel closes.
  harness h;
  h.start();
  h.w.takecalls();
  h.w.setvisible(control::Text7, true);
  h.g->redraw = 1;
  h.w.key('R');
  EXPECT_TRUE(h.w.takecalls().empty());
  h.w.setvisible(control::Text7, false);
  h.g->redraw = 0;
  h.w.key('Q');  // any event: the loop's next pass
  EXPECT_FALSE(h.w.takecalls().empty());
  EXPECT_EQ(h.g->lastview, 2);
}

}  // namespace
