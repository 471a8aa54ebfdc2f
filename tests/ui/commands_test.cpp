#include "ui/newgame.h"

#include "uitest.h"

namespace {

using GameCommands = workdir;
using enum control;
using enum menuitem;

TEST_F(GameCommands, EachPanelShowsItsControlsAndLocksExactlyTheListedItems) {
  // Done resumes even a game paused before; after game over "New Shape" stays locked. Each
  // panel's controls are listed first text field first, Done last.
  const std::vector<std::pair<menuitem, std::vector<control>>> panels{
      {choosesize, {Text1, Text2, Label1, Label2, Label3, Command1}},
      {choosegrid, {Text3, Text4, Label4, Label5, Label6, Command2}},
      {chooseshape, {Text5, Label7, Label8, Command3}},
      {chooselayers, {Text6, Label9, Label10, Command4}},
  };
  const std::set<menuitem> locked{savesettings, restoresettings, choosesize, choosegrid,
                                  chooseshape,  chooselayers,    newshape,   newgame};
  for (bool over : {false, true}) {
    for (const auto& [opener, controls] : panels) {
      harness h;
      h.start();
      if (over) gameoversteps(*h.g, h.w);
      h.w.key(keys::letter('P'));
      h.w.click(opener);
      EXPECT_EQ(shown(h.w), std::set<control>(controls.begin(), controls.end()));
      EXPECT_EQ(disabled(h.w), locked);
      EXPECT_EQ(std::tuple(h.w.focused, h.g->paused), std::tuple(controls.front(), 1));
      h.w.press(controls.back());
      EXPECT_TRUE(shown(h.w).empty());
      EXPECT_EQ(h.g->paused, 0);
      EXPECT_EQ(disabled(h.w), over ? std::set<menuitem>{newshape} : std::set<menuitem>{});
    }
  }
}

TEST_F(GameCommands, NewShapeCostsFivePointsAndKindAndDifficultyWaitForNewGame) {
  // New Shape reads only the layer field and keeps a pause; the kind and difficulty clicked wait
  // for New Game, while the colour modes change at once. A click moves only its own group's mark. A
  // kind with no menu item (loaded from a file) is played again after game over, not the game-over
  // code, which makes no pieces; nothing of an earlier, larger well lingers.
  harness h;
  h.start();
  gamestate& g = *h.g;
  h.w.key(keys::letter('P'));
  h.w.type(Text6, "3");
  for (menuitem item : {hard, three, color16, blockuniform}) h.w.click(item);
  expectmarks(h.w, {2, gametypes::hard, 1, 0});
  EXPECT_EQ(std::tuple(g.colormode, g.blockcolormode), std::tuple(1, 0));
  const int row = g.piecey;
  h.w.click(newshape);
  h.w.tick();
  EXPECT_EQ(std::tuple(g.score, g.paused, g.piecey, g.maxlayers, g.gametype, g.difficulty),
            std::tuple(-5, 1, row, 3, gametypes::regular, 0));
  EXPECT_NE(h.w.title().find("Total Points: -5"), std::string::npos);
  h.w.click(newgame);
  h.w.tick();
  EXPECT_EQ(std::tuple(g.savedgametype, g.difficulty, g.paused), std::tuple(gametypes::hard, 2, 1));
  EXPECT_NE(h.w.title().find("Game-Type: Hard / Difficulty: Three"), std::string::npos);
  checkvalue(h.w, gametypemarks, g.gametype = 5);
  g.well.at(39, 39, 39) = 7;
  gameoversteps(g, h.w);
  h.w.click(newgame);
  EXPECT_TRUE(std::ranges::all_of(g.well.cell, [](int32_t cell) { return cell == 0; }));
  EXPECT_EQ(std::tuple(g.gameover, g.gametype, h.w.enabled(newshape)), std::tuple(0, 5, true));
}

}  // namespace
