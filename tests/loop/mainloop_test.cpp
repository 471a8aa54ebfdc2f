#include "loop/mainloop.h"

#include <gtest/gtest.h>

#include "../harness.h"
#include "platform/keys.h"

namespace {

// Puts a single cube where the test wants it, as if it had been generated and spawned.
void placecube(gamestate& g, int x, int y, int z) {
  g.piece.clear();
  g.piece.at(1, 1, 1) = 77;
  setbox(g, 0, 1, 1, x, y, z);
}

TEST(MainLoop, DrawsTheFirstFrameThenOnlyWhatChanged) {
  // The first frame clears, draws and sets the regular title; a pass in which nothing changed
  // draws nothing; a resize redraws. While the high-score panel asks for a name nothing is drawn
  // over the cleared area; a view chosen meanwhile shows as soon as it closes.
  harness h;
  h.start();
  EXPECT_EQ(h.w.title(),
            "Vovov Kubrix 3d - By Vendrisalo (Age 20) / Game-Type: Regular / Difficulty: One / "
            "Total Points: 0");
  ASSERT_FALSE(h.w.calls.empty());
  EXPECT_EQ(h.w.takecalls().front().what, drawcall::clear);
  h.g->paused = 1;  // the tick changes nothing
  h.w.tick();
  h.w.key(keys::letter('Q'));  // no command
  EXPECT_TRUE(h.w.takecalls().empty());
  h.w.resize(300, 300);
  EXPECT_FALSE(h.w.takecalls().empty());
  EXPECT_EQ(h.g->lastview, h.g->view);
  h.g->paused = 0;
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

TEST(MainLoop, RestartWinsOverLandedAndDropsThePieceUnfixed) {
  // The abandoned piece is not fixed nor scored, and the next piece starts from an empty piece
  // grid, even beyond the current well where a piece of a wider well may have left a cube.
  harness h;
  h.start();
  placecube(*h.g, 3, 29, 4);
  h.g->piece.at(60, 60, 60) = 5;
  h.g->landed = h.g->restart = h.g->shapeonly = 1;
  h.w.tick();  // any event: the loop then looks at restart before landed
  for (int32_t cell : h.g->well.cell) ASSERT_EQ(cell, 0);
  EXPECT_EQ(h.g->restart, 0);
  EXPECT_EQ(h.g->score, 0);
  EXPECT_EQ(h.g->piece.at(60, 60, 60), 0);
}

TEST(MainLoop, GravityCarriesAPieceDownAndLandsIt) {
  // Each tick runs gravity; the loop then fixes and scores the landed piece and starts the next.
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

}  // namespace
