#include "ui/playoptions.h"

#include "uitest.h"

using PlayOptions = workdir;

TEST_F(PlayOptions, AClickMovesItsGroupsMarkAndOnlyColourModesChangeAtOnce) {
  // Kind of game spans two submenus yet is one group; no click touches another group.
  for (size_t index = 0; index < markgroups.size(); ++index) {
    for (const checkmark& clicked : markgroups[index]) {
      harness h;
      h.start();
      h.w.click(clicked.item);
      std::vector<menuitem> expected{menuitem::one, menuitem::regular, menuitem::truecolor,
                                     menuitem::blockrandom};
      expected[index] = clicked.item;
      EXPECT_EQ(checkeditems(h.w), expected);
      EXPECT_EQ(h.g->colormode, index == 2 ? clicked.value : 0);
      EXPECT_EQ(h.g->blockcolormode, index == 3 ? clicked.value : 1);
    }
  }
}
