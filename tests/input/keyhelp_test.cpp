#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "ui/menubar.h"

namespace {

TEST(KeyHelp, TenItemsEachShowingItsKey) {
  // The captions the player reads, in order, the last with its trailing blank.
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"Moving the shape", "{Use the arrow keys}"},
      {"Pausing the game", "{Press \"P\"}"},
      {"Moving shape downwards", "{Press Enter}"},
      {"Switching to Top-View", "{Press \"W\"}"},
      {"Switching to Side-View", "{Press \"S\"}"},
      {"Rotating view Clock-Wise", "{Press \"R\"}"},
      {"Rotating view Counter-Clock-Wise", "{Press \"T\"}"},
      {"Rotating shape about the X-Axis", "{Press \"J\" or \"H\"}"},
      {"Rotating shape about the Y-Axis", "{Press \"U\" or \"Y\"}"},
      {"Rotating shape about the Z-Axis", "{Press \"I\" or \"K\"} "},
  };
  const std::vector<menudef> bar = menubar();
  ASSERT_FALSE(bar.empty());
  const menudef& help = bar.back();
  EXPECT_EQ(help.caption, "Key-Help");
  ASSERT_EQ(help.children.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    const menudef& item = help.children[i];
    EXPECT_EQ(item.caption, expected[i].first);
    ASSERT_EQ(item.children.size(), 1u) << item.caption;
    EXPECT_EQ(item.children[0].caption, expected[i].second);
    EXPECT_TRUE(item.children[0].children.empty());
    // No command behind them: choosing one reaches nothing in the game.
    EXPECT_EQ(item.id, menuitem::none);
    EXPECT_EQ(item.children[0].id, menuitem::none);
  }
}
}  // namespace
