#include "ui/newgame.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../harness.h"
#include "loop/landing.h"
#include "persist/limits.h"
#include "platform/keys.h"
#include "uitest.h"

namespace {

// Types Text1, Text2, Text5 and Text6 and starts a new game.
void newgame(harness& h, const std::vector<std::string>& texts) {
  const control boxes[] = {control::Text1, control::Text2, control::Text5, control::Text6};
  for (size_t i = 0; i < texts.size(); ++i) h.w.type(boxes[i], texts[i]);
  h.w.click(menuitem::newgame);
}

TEST(NewGame, AppliesTheFieldsWithinTheirLimits) {
  // Sizes are made even and held within 6..40; the shape cap is half of (w-3)(h-3)(d-3); layers
  // go to half the height, then to the width. The fields show what was applied.
  struct row {
    std::vector<std::string> texts;
    std::vector<std::string> applied;
  };
  const std::vector<row> rows{
      {{"7", "45", "20", "1"}, {"8", "40", "20", "1"}},
      {{"3", "30", "500", "20"}, {"6", "30", "121", "6"}},
      {{"10", "30", "500", "20"}, {"10", "30", "500", "10"}},
      {{"10", "30", "662", "20"}, {"10", "30", "661", "10"}},
      {{"6", "6", "500", "1"}, {"6", "6", "13", "1"}},
      {{"40", "30", "2", "20"}, {"40", "30", "4", "15"}},
      {{"6.5", "39.5", "abc", "2.5"}, {"6", "40", "4", "2"}},
      {{"99999999999999999", "-99999999999999999", "", "-3"}, {"40", "6", "4", "1"}},
  };
  for (const row& r : rows) {
    harness h(12345, 1000, 1000);
    h.start();
    newgame(h, r.texts);
    const std::vector<std::string> fields{h.w.text(control::Text1), h.w.text(control::Text2),
                                          h.w.text(control::Text5), h.w.text(control::Text6)};
    EXPECT_EQ(fields, r.applied) << r.texts[0] << " " << r.texts[1];
    const std::vector<std::string> state{
        std::to_string(h.g->wellwidth), std::to_string(h.g->wellheight),
        std::to_string(h.g->maxsquares), std::to_string(h.g->maxlayers)};
    EXPECT_EQ(state, r.applied);
    EXPECT_EQ(h.g->welldepth, h.g->wellwidth);
  }
}

TEST(NewGame, AWellTheFitShrankBringsThePieceLimitsDownWithIt) {
  // Otherwise a 15-layer piece would fall into a well 6 high.
  harness h(12345, 60, 60);
  h.start();
  newgame(h, {"30", "30", "5000", "15"});
  const std::vector<std::string> fields{h.w.text(control::Text1), h.w.text(control::Text2),
                                        h.w.text(control::Text5), h.w.text(control::Text6)};
  EXPECT_EQ(fields, (std::vector<std::string>{"6", "6", "13", "3"}));
  EXPECT_EQ(h.g->maxlayers, 3);
  expectpieceinside(*h.g);
}

TEST(NewGame, EmptiesTheWholeWellAndLeavesGameOverForTheKindPlayed) {
  // A kind loaded from a file has no menu item: after game over it must be played again, not
  // the game-over code, which makes no pieces.
  harness h;
  h.start();
  for (menuitem item : {menuitem::regular, menuitem::one}) h.w.setchecked(item, false);
  h.g->gametype = 5;
  h.g->well.at(39, 39, 39) = 7;  // left by an earlier, larger well
  h.g->score = 120;
  gameoversteps(*h.g, h.w);
  h.w.click(menuitem::newgame);
  for (int32_t cell : h.g->well.cell) ASSERT_EQ(cell, 0);
  EXPECT_EQ(h.g->score, 0);
  EXPECT_EQ(h.g->gameover, 0);
  EXPECT_EQ(h.g->gametype, 5);
  EXPECT_TRUE(h.w.enabled(menuitem::newshape));
}

TEST(NewGame, HostileTextInEveryFieldStillGivesAPlayableGame) {
  for (const std::string text :
       {"inf", "nan", "1e999", "-0", " ", "99999999999999999", "-99999999999999999", "\x01\xff"}) {
    harness h;
    h.start();
    for (control box : {control::Text3, control::Text4}) h.w.type(box, text);
    newgame(h, {text, text, text, text});
    const gamestate& g = *h.g;
    EXPECT_TRUE(g.wellwidth >= 6 && g.wellwidth <= 40 && g.wellheight >= 6 && g.wellheight <= 40);
    EXPECT_TRUE(g.squarewidth >= 6 && g.squarewidth <= 554 && g.squareheight >= 3) << text;
    EXPECT_TRUE(g.maxsquares >= 4 && g.maxsquares <= shapecap(g)) << text;
    EXPECT_TRUE(g.maxlayers >= 1 && g.maxlayers <= layercap(g)) << text;
    expectpieceinside(g);
  }
}

TEST(NewShape, CostsFivePointsKeepsThePauseAndTakesTheLayerField) {
  harness h;
  h.start();
  h.w.key(keys::letter('P'));
  h.w.type(control::Text6, "3");
  const int row = h.g->piecey;
  h.w.click(menuitem::newshape);
  h.w.tick();
  EXPECT_EQ(h.g->score, -5);
  EXPECT_NE(h.w.title().find("Total Points: -5"), std::string::npos);
  EXPECT_EQ(h.g->paused, 1);
  EXPECT_EQ(h.g->piecey, row);
  EXPECT_EQ(h.g->maxlayers, 3);
  h.w.click(menuitem::quit);
  EXPECT_TRUE(h.w.quitrequested);
}

}  // namespace
