#include "ui/panels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "../harness.h"
#include "loop/landing.h"
#include "platform/keys.h"
#include "ui/menubar.h"

namespace {

void collect(const std::vector<menudef>& menus, std::vector<menuitem>& items) {
  for (const menudef& m : menus) {
    if (m.id != menuitem::none) items.push_back(m.id);
    collect(m.children, items);
  }
}

std::vector<menuitem> allitems() {
  std::vector<menuitem> items;
  collect(menubar(), items);
  return items;
}

std::set<menuitem> disableditems(const headlesswindow& w) {
  std::set<menuitem> off;
  for (menuitem item : allitems()) {
    if (!w.enabled(item)) off.insert(item);
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

struct panelcase {
  menuitem opener;
  control done;
  control firstfield;
};
const std::vector<panelcase> panels{
    {menuitem::choosesize, control::Command1, control::Text1},
    {menuitem::choosegrid, control::Command2, control::Text3},
    {menuitem::chooseshape, control::Command3, control::Text5},
    {menuitem::chooselayers, control::Command4, control::Text6},
};

const std::set<menuitem> lockeditems{
    menuitem::savesettings, menuitem::restoresettings, menuitem::choosesize, menuitem::choosegrid,
    menuitem::chooseshape,  menuitem::chooselayers,    menuitem::newshape,   menuitem::newgame};

TEST(OptionPanels, EachPanelLocksExactlyTheListedItemsAndDoneUnlocksThem) {
  // The play options, "Quit" and the colour options stay usable while typing.
  for (const panelcase& p : panels) {
    harness h;
    h.start();
    h.w.click(p.opener);
    EXPECT_EQ(disableditems(h.w), lockeditems);
    EXPECT_EQ(h.g->paused, 1);
    EXPECT_EQ(h.w.focused, p.firstfield);
    EXPECT_TRUE(shown(h.w).contains(p.done));
    h.w.press(p.done);
    EXPECT_TRUE(disableditems(h.w).empty());
    EXPECT_TRUE(shown(h.w).empty());
    EXPECT_EQ(h.g->paused, 0);
  }
}

TEST(OptionPanels, EveryControlBelongsToOnePanelAndNoneOverlapOrLeaveTheDesignArea) {
  std::set<control> seen;
  for (const panelcase& p : panels) {
    harness h;
    h.start();
    h.w.click(p.opener);
    const std::set<control> mine = shown(h.w);
    for (control c : mine) EXPECT_TRUE(seen.insert(c).second) << "control in two panels";
    std::vector<controldef> defs;
    for (const controldef& def : panelcontrols()) {
      if (mine.contains(def.id)) defs.push_back(def);
    }
    for (size_t i = 0; i < defs.size(); ++i) {
      const controldef& a = defs[i];
      EXPECT_GE(a.left, 0);
      EXPECT_GE(a.top, 0);
      EXPECT_LE(a.left + a.width, 500);
      EXPECT_LE(a.top + a.height, 554);
      for (size_t j = i + 1; j < defs.size(); ++j) {
        const controldef& b = defs[j];
        const bool apart = a.left + a.width <= b.left || b.left + b.width <= a.left ||
                           a.top + a.height <= b.top || b.top + b.height <= a.top;
        EXPECT_TRUE(apart) << "controls " << static_cast<int>(a.id) << " and "
                           << static_cast<int>(b.id) << " overlap";
      }
    }
  }
  EXPECT_EQ(seen.size(), panelcontrols().size());
}

TEST(OptionPanels, DoneResumesAGamePausedBeforeThePanelOpened) {
  harness h;
  h.start();
  h.w.key(keys::letter('P'));
  ASSERT_EQ(h.g->paused, 1);
  h.w.click(menuitem::chooselayers);
  h.w.press(control::Command4);
  EXPECT_EQ(h.g->paused, 0);
}

TEST(OptionPanels, AfterGameOverDoneLeavesNewShapeLocked) {
  for (const panelcase& p : panels) {
    harness h;
    h.start();
    gameoversteps(*h.g, h.w);
    h.w.click(p.opener);
    h.w.press(p.done);
    EXPECT_EQ(disableditems(h.w), std::set<menuitem>{menuitem::newshape});
  }
}

TEST(OptionPanels, TheGameSizePanelOnlyCollectsTextForTheNextNewGame) {
  harness h;
  h.start();
  h.w.click(menuitem::choosesize);
  h.w.type(control::Text1, "25");
  h.w.press(control::Command1);
  EXPECT_EQ(h.g->wellwidth, 10);
  EXPECT_EQ(h.w.text(control::Text1), "25");
  h.w.click(menuitem::newgame);
  EXPECT_EQ(h.g->wellwidth, 26);
  EXPECT_EQ(h.g->welldepth, 26);
}

}  // namespace
