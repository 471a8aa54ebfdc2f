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

// Types the given fields (the others keep their text) and starts a new game.
void newgame(harness& h, const std::vector<std::pair<control, std::string>>& fields) {
  for (const auto& [box, text] : fields) h.w.type(box, text);
  h.w.click(menuitem::newgame);
}

TEST(NewGame, TakesTheWellSizeMadeEvenAndHeldWithinSixToForty) {
  struct row {
    std::string width, height;
    int wellwidth, wellheight;
  };
  const std::vector<row> rows{
      {"7", "45", 8, 40},     {"3", "30", 6, 30},
      {"8", "9", 8, 10},      {"-7", "abc", 6, 6},
      {"6.5", "39.5", 6, 40}, {"99999999999999999", "-99999999999999999", 40, 6},
  };
  for (const row& r : rows) {
    harness h(12345, 1000, 1000);
    h.start();
    newgame(h, {{control::Text1, r.width}, {control::Text2, r.height}});
    EXPECT_EQ(h.g->wellwidth, r.wellwidth) << r.width;
    EXPECT_EQ(h.g->welldepth, r.wellwidth) << r.width;
    EXPECT_EQ(h.g->wellheight, r.wellheight) << r.height;
    EXPECT_EQ(h.w.text(control::Text1), std::to_string(r.wellwidth));
    EXPECT_EQ(h.w.text(control::Text2), std::to_string(r.wellheight));
  }
}

TEST(NewGame, CapsTheShapeSizeAndTheLayersByTheNewWell) {
  struct row {
    std::string width, height, shapes, layers;
    int maxsquares, maxlayers;
  };
  const std::vector<row> rows{
      {"10", "30", "500", "20", 500, 10},  // cap 7 x 27 x 7 / 2 = 661; layers 15, then 10
      {"6", "6", "500", "1", 13, 1},       // cap 3 x 3 x 3 / 2 = 13
      {"40", "30", "2", "20", 4, 15},      // at least 4; half the height
      {"10", "30", "abc", "0", 4, 1},     {"10", "30", "661.5", "2.5", 661, 2},
  };
  for (const row& r : rows) {
    harness h(12345, 1000, 1000);
    h.start();
    newgame(h, {{control::Text1, r.width},
                {control::Text2, r.height},
                {control::Text5, r.shapes},
                {control::Text6, r.layers}});
    EXPECT_EQ(h.g->maxsquares, r.maxsquares) << r.shapes;
    EXPECT_EQ(h.g->maxlayers, r.maxlayers) << r.layers;
    EXPECT_EQ(h.w.text(control::Text5), std::to_string(r.maxsquares));
    EXPECT_EQ(h.w.text(control::Text6), std::to_string(r.maxlayers));
  }
}

TEST(NewGame, AWellTheFitShrankBringsThePieceLimitsDownWithIt) {
  // Otherwise a 15-layer piece would fall into a well 6 high.
  harness h(12345, 60, 60);
  h.start();
  newgame(h, {{control::Text1, "30"},
              {control::Text2, "30"},
              {control::Text5, "5000"},
              {control::Text6, "15"}});
  EXPECT_EQ(h.g->wellwidth, 6);
  EXPECT_EQ(h.g->wellheight, 6);
  EXPECT_EQ(h.g->squarewidth, 6);
  EXPECT_EQ(h.g->squareheight, 3);
  EXPECT_EQ(h.g->maxsquares, 13);
  EXPECT_EQ(h.g->maxlayers, 3);
  EXPECT_EQ(h.w.text(control::Text5), "13");
  EXPECT_EQ(h.w.text(control::Text6), "3");
  EXPECT_EQ(h.w.text(control::Text1), "6");
  expectpieceinside(*h.g);
}

TEST(NewGame, EmptiesTheWholeWellResetsTheScoreAndLeavesGameOver) {
  harness h;
  h.start();
  h.g->well.at(3, 30, 3) = 7;
  h.g->well.at(39, 39, 39) = 7;  // left by an earlier, larger well
  h.g->score = 120;
  gameoversteps(*h.g, h.w);
  ASSERT_FALSE(h.w.enabled(menuitem::newshape));
  h.w.click(menuitem::newgame);
  for (int32_t cell : h.g->well.cell) ASSERT_EQ(cell, 0);
  EXPECT_EQ(h.g->score, 0);
  EXPECT_EQ(h.g->gameover, 0);
  EXPECT_EQ(h.g->gametype, gametypes::regular);
  EXPECT_TRUE(h.w.enabled(menuitem::newshape));
  EXPECT_NE(h.w.title().find("Total Points: 0"), std::string::npos);
}

TEST(NewGame, AfterGameOverAKindLoadedFromAFileIsPlayedAgain) {
  // No menu item stands for code 5; the game must not stay without pieces.
  harness h;
  h.start();
  for (menuitem item : {menuitem::classic, menuitem::regular, menuitem::hard, menuitem::allsizes,
                        menuitem::holeinone}) {
    h.w.setchecked(item, false);
  }
  h.g->gametype = 5;
  gameoversteps(*h.g, h.w);
  h.w.click(menuitem::newgame);
  EXPECT_EQ(h.g->gametype, 5);
  EXPECT_EQ(h.g->savedgametype, 5);
}

TEST(NewGame, HostileTextInEveryFieldStillGivesAPlayableGame) {
  const std::vector<std::string> texts{"inf",
                                       "nan",
                                       "1e999",
                                       "-0",
                                       "",
                                       " ",
                                       "99999999999999999",
                                       "-99999999999999999",
                                       std::string(400, '9'),
                                       "\x01\xff"};
  for (const std::string& text : texts) {
    harness h;
    h.start();
    newgame(h, {{control::Text1, text},
                {control::Text2, text},
                {control::Text3, text},
                {control::Text4, text},
                {control::Text5, text},
                {control::Text6, text}});
    const gamestate& g = *h.g;
    EXPECT_TRUE(g.wellwidth >= 6 && g.wellwidth <= 40) << text;
    EXPECT_TRUE(g.wellheight >= 6 && g.wellheight <= 40) << text;
    EXPECT_TRUE(g.squarewidth >= 6 && g.squarewidth <= 554) << text;
    EXPECT_TRUE(g.squareheight >= 3 && g.squareheight <= 554) << text;
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
  h.w.click(menuitem::newshape);
  EXPECT_EQ(h.g->score, -5);
  EXPECT_EQ(h.g->paused, 1);
  EXPECT_EQ(h.g->maxlayers, 3);
  EXPECT_NE(h.w.title().find("Total Points: -5"), std::string::npos);
  const int row = h.g->piecey;
  h.w.tick();
  EXPECT_EQ(h.g->piecey, row);
}

TEST(Quit, EndsTheApplication) {
  harness h;
  h.start();
  h.w.click(menuitem::quit);
  EXPECT_TRUE(h.w.quitrequested);
}

}  // namespace
