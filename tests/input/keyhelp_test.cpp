#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/menubar.h"

namespace {

TEST(KeyHelp, TenItemsEachShowingItsKey) {
  // The captions the player reads, in order, the last with its trailing blank; choosing one
  // reaches nothing in the game.
  const menudef help = menubar().back();
  std::vector<std::string> shown = {help.caption};
  for (const menudef& item : help.children) {
    ASSERT_EQ(item.children.size(), 1u) << item.caption;
    const menudef& key = item.children[0];
    EXPECT_TRUE(item.id == menuitem::none && key.id == menuitem::none && key.children.empty());
    shown.push_back(item.caption + " | " + key.caption);
  }
  EXPECT_EQ(shown, (std::vector<std::string>{
                       "Key-Help",
                       "Moving the shape | {Use the arrow keys}",
                       "Pausing the game | {Press \"P\"}",
                       "Moving shape downwards | {Press Enter}",
                       "Switching to Top-View | {Press \"W\"}",
                       "Switching to Side-View | {Press \"S\"}",
                       "Rotating view Clock-Wise | {Press \"R\"}",
                       "Rotating view Counter-Clock-Wise | {Press \"T\"}",
                       "Rotating shape about the X-Axis | {Press \"J\" or \"H\"}",
                       "Rotating shape about the Y-Axis | {Press \"U\" or \"Y\"}",
                       "Rotating shape about the Z-Axis | {Press \"I\" or \"K\"} ",
                   }));
}

}  // namespace
