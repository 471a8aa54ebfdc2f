#include "loop/title.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/headless/headlesswindow.h"

namespace {

TEST(Title, PlayTitlesForTheFiveKindsOfGame) {
  auto g = std::make_unique<gamestate>();
  const std::string head = "Vovov Kubrix 3d - By Vendrisalo (Age 20) / Game-Type: ";
  const struct {
    int gametype, difficulty;
    int64_t score;
    std::string title;
  } cases[] = {
      {0, 0, 0, head + "Regular / Difficulty: One / Total Points: 0"},
      {-2, 1, 40, head + "Easy / Difficulty: Two / Total Points: 40"},
      {-1, 2, -5, head + "Hard / Difficulty: Three / Total Points: -5"},
      {-7, 7, 1230, head + "Hole-In-One / Difficulty: One / Total Points: 1230"},
      {1, 0, 0, head + "All-Sizes / Difficulty: One / Shape-Size: 20 / Total Points: 0"},
      {5, 0, 0, ""},
  };
  for (const auto& c : cases) {
    g->gametype = c.gametype;
    g->difficulty = c.difficulty;
    g->score = c.score;
    EXPECT_EQ(playtitle(*g), c.title);
  }
}

TEST(Title, GameOverTitlesForTheFiveKindsAndOthers) {
  auto g = std::make_unique<gamestate>();
  const struct {
    int gametype, difficulty;
    int64_t score;
    std::string title;
  } cases[] = {
      {0, 1, 130,
       "Vovov Kubrix 3d / Game-Type: Regular / Difficulty: Two / (Game Over) / Total Points: 130"},
      {-2, 0, 10, "Vovov Kubrix 3d / Game-Type: Easy / Difficulty: One / (Game Over) / Total Points: 10"},
      {-1, 2, 0, "Vovov Kubrix 3d / Game-Type: Hard / Difficulty: Three / (Game Over) / Total Points: 0"},
      {-7, 0, 20,
       "Vovov Kubrix 3d / Game-Type: Hole-In-One / Difficulty: One / (Game Over) / Total Points: 20"},
      {1, 0, 0,
       "Vovov Kubrix 3d / Game-Type: All-Sizes / Difficulty: One / Shape-Size: 20 / (Game Over) / "
       "Total Points: 0"},
      {3, 0, 10, "Vovov Kubrix 3d - By Vendrisalo (Age 20) / (Game Over) / Total Points: 10"},
  };
  for (const auto& c : cases) {
    g->gametype = c.gametype;
    g->difficulty = c.difficulty;
    g->score = c.score;
    EXPECT_EQ(gameovertitle(*g), c.title);
  }
}

TEST(UpdateTitle, RewritesOnlyWhenTheScoreChanged) {
  auto g = std::make_unique<gamestate>();
  headlesswindow w;
  updatetitle(*g, w);  // shownscore starts at -1: the first frame sets the title
  updatetitle(*g, w);
  g->difficulty = 2;  // a change of difficulty alone shows at the next change of score
  updatetitle(*g, w);
  ASSERT_EQ(w.titles.size(), 1u);
  g->score = 10;
  updatetitle(*g, w);
  ASSERT_EQ(w.titles.size(), 2u);
  EXPECT_NE(w.title().find("Difficulty: Three / Total Points: 10"), std::string::npos);
}

TEST(UpdateTitle, FrozenAfterGameOver) {
  auto g = std::make_unique<gamestate>();
  headlesswindow w;
  g->gameover = 1;
  g->score = 99;
  updatetitle(*g, w);
  EXPECT_TRUE(w.titles.empty());
  EXPECT_EQ(g->shownscore, 99);
}

}  // namespace
