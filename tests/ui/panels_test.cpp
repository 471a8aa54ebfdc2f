#include "ui/panels.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "../harness.h"
#include "loop/landing.h"
#include "platform/keys.h"
#include "ui/menubar.h"

namespace {

std::set<menuitem> disabled(const headlesswindow& w, const std::vector<menudef>& menus) {
  std::set<menuitem> off;
  for (const menudef& m : menus) {
    if (m.id != menuitem::none && !w.enabled(m.id)) off.insert(m.id);
    off.merge(disabled(w, m.children));
  }
  return off;
}

std::set<control> shown(const headlesswindow& w) {
  std::set<control> on;
  for (const controldef& def : panelcontrols()) {
    if (w.visible(def.id)) on.insert(def.id);
  }
  return on;
}

// Each panel's controls: its first text field first, its Done last.
const std::vector<std::pair<menuitem, std::vector<control>>> panels{
    {menuitem::choosesize,
     {control::Text1, control::Text2, control::Label1, control::Label2, control::Label3,
      control::Command1}},
    {menuitem::choosegrid,
     {control::Text3, control::Text4, control::Label4, control::Label5, control::Label6,
      control::Command2}},
    {menuitem::chooseshape, {control::Text5, control::Label7, control::Label8, control::Command3}},
    {menuitem::chooselayers,
     {control::Text6, control::Label9, control::Label10, control::Command4}},
};
const std::set<menuitem> locked{
    menuitem::savesettings, menuitem::restoresettings, menuitem::choosesize, menuitem::choosegrid,
    menuitem::chooseshape,  menuitem::chooselayers,    menuitem::newshape,   menuitem::newgame};

TEST(OptionPanels, EachPanelShowsItsControlsAndLocksExactlyTheListedItems) {
  // Done resumes even a game paused before; after game over "New Shape" stays locked.
  for (bool over : {false, true}) {
    for (const auto& [opener, controls] : panels) {
      harness h;
      h.start();
      if (over) gameoversteps(*h.g, h.w);
      h.w.key(keys::letter('P'));
      h.w.click(opener);
      EXPECT_EQ(shown(h.w), std::set<control>(controls.begin(), controls.end()));
      EXPECT_EQ(disabled(h.w, menubar()), locked);
      EXPECT_EQ(h.w.focused, controls.front());
      EXPECT_EQ(h.g->paused, 1);
      h.w.press(controls.back());
      EXPECT_TRUE(shown(h.w).empty());
      EXPECT_EQ(h.g->paused, 0);
      EXPECT_EQ(disabled(h.w, menubar()),
                over ? std::set<menuitem>{menuitem::newshape} : std::set<menuitem>{});
    }
  }
}

}  // namespace
