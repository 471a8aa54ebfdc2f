#include "ui/newgame.h"

#include "persist/settings.h"
#include "uitest.h"

namespace {

using GameCommands = workdir;

// Types Text1, Text2, Text5 and Text6 and starts a new game.
void newgame(harness& h, const std::vector<std::string>& texts) {
  const control boxes[] = {control::Text1, control::Text2, control::Text5, control::Text6};
  for (size_t i = 0; i < texts.size(); ++i) h.w.type(boxes[i], texts[i]);
  h.w.click(menuitem::newgame);
}

TEST_F(GameCommands, NewGameAppliesTheFieldsWithinTheirLimits) {
  // Sizes are made even and held within 6..40; the shape cap is half of (w-3)(h-3)(d-3); layers
  // go to half the height, then to the width. The fields show what was applied. A well the fit
  // shrank brings the piece limits down with it, or a 15-layer piece would fall into a 6-high well.
  // A row: drawing area, typed fields, applied fields.
  using strings = std::vector<std::string>;
  const std::vector<std::tuple<int, strings, strings>> rows{
      {1000, {"7", "45", "20", "1"}, {"8", "40", "20", "1"}},
      {1000, {"3", "30", "500", "20"}, {"6", "30", "121", "6"}},
      {1000, {"10", "30", "500", "20"}, {"10", "30", "500", "10"}},
      {1000, {"10", "30", "662", "20"}, {"10", "30", "661", "10"}},
      {1000, {"6", "6", "500", "1"}, {"6", "6", "13", "1"}},
      {1000, {"40", "30", "2", "20"}, {"40", "30", "4", "15"}},
      {1000, {"6.5", "39.5", "abc", "2.5"}, {"6", "40", "4", "2"}},
      {1000, {"99999999999999999", "-99999999999999999", "", "-3"}, {"40", "6", "4", "1"}},
      {60, {"30", "30", "5000", "15"}, {"6", "6", "13", "3"}},
  };
  for (const auto& [area, texts, applied] : rows) {
    harness h(12345, area, area);
    h.start();
    newgame(h, texts);
    const gamestate& g = *h.g;
    EXPECT_EQ(newgamefields(h.w), applied) << texts[0] << " " << texts[1];
    EXPECT_EQ((strings{std::to_string(g.wellwidth), std::to_string(g.wellheight),
                       std::to_string(g.maxsquares), std::to_string(g.maxlayers)}),
              applied);
    expectsound(g);
  }
}

TEST_F(GameCommands, NewGameEmptiesTheWholeWellAndLeavesGameOverForTheKindPlayed) {
  // A kind loaded from a file has no menu item: after game over it must be played again, not
  // the game-over code, which makes no pieces.
  std::ofstream(settingsfile) << "\"5\"";
  harness h;
  h.start();
  h.g->well.at(39, 39, 39) = 7;  // left by an earlier, larger well
  h.g->score = 120;
  gameoversteps(*h.g, h.w);
  h.w.click(menuitem::newgame);
  EXPECT_TRUE(std::ranges::all_of(h.g->well.cell, [](int32_t cell) { return cell == 0; }));
  EXPECT_EQ(std::tuple(h.g->score, h.g->gameover, h.g->gametype), std::tuple(0, 0, 5));
  EXPECT_TRUE(h.w.enabled(menuitem::newshape));
}

TEST_F(GameCommands, NewShapeCostsFivePointsKeepsThePauseAndLeavesKindAndDifficultyToNewGame) {
  // New Shape reads only the layer field; the kind and difficulty clicked wait for New Game.
  harness h;
  h.start();
  h.w.key(keys::letter('P'));
  h.w.type(control::Text6, "3");
  h.w.click(menuitem::hard);
  h.w.click(menuitem::three);
  const int row = h.g->piecey;
  h.w.click(menuitem::newshape);
  h.w.tick();
  EXPECT_EQ(std::tuple(h.g->score, h.g->paused, h.g->piecey, h.g->maxlayers, h.g->gametype,
                       h.g->difficulty),
            std::tuple(-5, 1, row, 3, gametypes::regular, 0));
  EXPECT_NE(h.w.title().find("Total Points: -5"), std::string::npos);
  h.w.click(menuitem::newgame);
  h.w.tick();
  EXPECT_EQ(std::tuple(h.g->savedgametype, h.g->difficulty), std::tuple(gametypes::hard, 2));
  EXPECT_NE(h.w.title().find("Game-Type: Hard / Difficulty: Three"), std::string::npos);
  h.w.click(menuitem::quit);
  EXPECT_TRUE(h.w.quitrequested);
}

}  // namespace
