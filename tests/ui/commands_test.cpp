// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/newgame.h"

#include "persist/highscores.h"
#include "uitest.h"

namespace {

using GameCommands = workdir;
using enum control;
using enum menuitem;

// The panel controls on show, the disabled menu items, and whether play is paused.
auto panel(const harness& h) {
  std::set<control> on;
  std::set<menuitem> off;
  for (const controldef& def : panelcontrols())
    if (h.w.visible(def.id)) on.insert(def.id);
  for (int i = 1; i <= static_cast<int>(chooselayers); ++i)
    if (!h.w.enabled(static_cast<menuitem>(i))) off.insert(static_cast<menuitem>(i));
  return std::tuple(on, off, h.g->paused);
}

TEST_F(GameCommands, EachPanelShowsItsControlsAndLocksExactlyTheListedItems) {
  // Done resumes even a game paused before; after game over "New Shape" stays locked. Each
  // panel's controls are listed first text field first, Done last.
  const std::vector<std::pair<menuitem, std::vector<control>>> panels{
      {choosesize, {Text1, Text2, Label1, Label2, Label3, Command1}},
      {choosegrid, {Text3, Text4, Label4, Label5, Label6, Command2}},
      {chooseshape, {Text5, Label7, Label8, Command3}},
      {chooselayers, {Text6, Label9, Label10, Command4}},
  };
  const std::set<menuitem> none, locked{savesettings, restoresettings, choosesize, choosegrid,
                                        chooseshape,  chooselayers,    newshape,   newgame};
  for (bool over : {false, true}) {
    harness h;
    h.start();
    if (over) gameoversteps(*h.g, h.w);
    for (const auto& [opener, controls] : panels) {
      h.w.key(keys::letter('P'));
      h.w.click(opener);
      EXPECT_EQ(panel(h), std::tuple(std::set(controls.begin(), controls.end()), locked, 1));
      EXPECT_EQ(h.w.focused, controls[0]);
      h.w.press(controls.back());
      EXPECT_EQ(panel(h), std::tuple(std::set<control>{}, over ? std::set{newshape} : none, 0));
    }
  }
}

TEST_F(GameCommands, NewShapeCostsFivePointsAndKindAndDifficultyWaitForNewGame) {
  // New Shape reads only the layer field and keeps a pause; the kind and difficulty clicked wait
  // for New Game, while the colour modes change at once. A click moves only its own group's mark.
  harness h;
  h.start();
  gamestate& g = *h.g;
  h.w.key(keys::letter('P'));
  h.w.type(Text6, " \t3");
  for (menuitem item : {hard, three, color16, blockuniform}) h.w.click(item);
  expectmarks(h.w, {2, gametypes::hard, 1, 0});
  const int row = g.piecey;
  h.w.click(newshape);
  h.w.tick();
  EXPECT_EQ(std::tuple(g.score, g.paused, g.piecey, g.maxlayers, g.gametype, g.difficulty,
                       g.colormode, g.blockcolormode),
            std::tuple(-5, 1, row, 3, gametypes::regular, 0, 1, 0));
  h.w.click(newgame);
  h.w.tick();
  EXPECT_EQ(std::tuple(g.savedgametype, g.difficulty, g.paused), std::tuple(gametypes::hard, 2, 1));
}

// Ends the game with `score` points: the first piece lands on its spawn row.
void endwith(harness& h, int64_t score) {
  h.g->score = score - 10;  // what a regular piece of one layer scores
  h.g->landed = 1;
  h.w.tick();
  ASSERT_EQ(h.g->gameover, 1);
}

TEST_F(GameCommands, AScoreAmongTheTenBestOnItsSettingsAsksForANameAndJoinsTheTableOnce) {
  // Nine better scores leave a place, ten do not, nor does a tie with the tenth, which is listed
  // before it; a record on other settings neither competes nor is listed; equal scores are listed
  // in the order they were made, ten at most. Also when the
  // pause key let the game run on under an open option panel: that panel is put away unapplied
  // (a smaller cell could narrow the well the record names), so that its Done cannot unlock New
  // Game under the name.
  const std::vector<std::pair<std::string, int64_t>> made{
      {"H", 50}, {"A", 300}, {"B", 120}, {"X", 999}, {"C", 120}, {"L", 10}, {"D", 90},
      {"E", 80}, {"F", 70},  {"G", 60},  {"I", 40},  {"J", 30},  {"K", 20}};
  std::string table;
  for (const auto& [name, score] : made)
    table += highscoreline({name, score, 0, 0, 10, name == "X" ? 28 : 30, 20});
  std::ofstream(highscorefile, std::ios::binary) << table;
  harness h;
  h.start();
  h.w.click(choosegrid);
  h.w.type(Text3, "40");
  h.w.key(keys::letter('P'));
  endwith(h, 35);
  EXPECT_EQ(panel(h),
            std::tuple(
                std::set{Label11, Label12, Label13, Text7, Command5},
                std::set{choosesize, choosegrid, chooseshape, chooselayers, newgame, newshape}, 1));
  EXPECT_EQ(std::pair(h.g->squarewidth, h.w.focused), std::pair(14.0, Text7));
  h.w.type(Text7, "  Ann \"the Fox\", Ä");
  h.w.press(Command5);
  EXPECT_EQ(readtext(highscorefile),
            table + "\"  Ann \"\"the Fox\"\", Ä\",\"35\",\"0\",\"0\",\"10\",\"30\",\"20\"\r\n");
  EXPECT_EQ(panel(h), std::tuple(std::set<control>{}, std::set{newshape}, 0));
  h.w.click(highscores);
  EXPECT_EQ(h.w.informations.back(),
            "High scores on the current settings:\n\n1. A: 300\n2. B: 120\n3. C: 120\n4. D: 90\n"
            "5. E: 80\n6. F: 70\n7. G: 60\n8. H: 50\n9. I: 40\n10.   Ann \"the Fox\", Ä: 35");
  h.w.click(newgame);
  endwith(h, 35);
  EXPECT_FALSE(h.w.visible(Text7));

  // Closing during the name panel keeps the score once, under the name typed so far, else the
  // account's user name; a Quit that goes on to close the window writes no second record.
  setenv("USER", "ann", 1);
  for (const auto& [typed, byquit, name] : {std::tuple("Bo", false, "Bo"), {" ", true, "ann"}}) {
    std::filesystem::remove(highscorefile);
    harness closing;
    closing.start();
    endwith(closing, 130);
    closing.w.type(Text7, typed);
    if (byquit) closing.w.click(quit);
    closing.kubrix.Form_Unload();
    EXPECT_EQ(readhighscores().records, (std::vector<highscore>{{name, 130, 0, 0, 10, 30, 20}}));
  }
}

}  // namespace
