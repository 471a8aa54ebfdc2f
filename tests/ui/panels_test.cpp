#include "ui/panels.h"

#include "uitest.h"

using OptionPanels = workdir;

TEST_F(OptionPanels, EachPanelShowsItsControlsAndLocksExactlyTheListedItems) {
  // Done resumes even a game paused before; after game over "New Shape" stays locked. Each
  // panel's controls are listed first text field first, Done last.
  using enum control;
  using enum menuitem;
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
      EXPECT_EQ(h.w.focused, controls.front());
      EXPECT_EQ(h.g->paused, 1);
      h.w.press(controls.back());
      EXPECT_TRUE(shown(h.w).empty());
      EXPECT_EQ(h.g->paused, 0);
      EXPECT_EQ(disabled(h.w), over ? std::set<menuitem>{newshape} : std::set<menuitem>{});
    }
  }
}
