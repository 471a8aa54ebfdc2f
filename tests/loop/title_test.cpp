#include "loop/title.h"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

#include "platform/headless/headlesswindow.h"

namespace {

const std::string caption = "Vovov Kubrix 3d - By Vendrisalo (Age 20)";

TEST(Title, PlayAndGameOverTitlesForTheFiveKindsAndOthers) {
  // Each kind of game names itself, the difficulty (all sizes also the largest piece) and the
  // points, in play after the caption and after game over after the short name; another code has
  // no play title and a game-over title without a kind.
  const struct {
    int gametype, difficulty;
    int64_t score;
    std::string game, points;
  } rows[] = {
      {0, 1, 130, "Game-Type: Regular / Difficulty: Two", "Total Points: 130"},
      {-2, 0, 10, "Game-Type: Easy / Difficulty: One", "Total Points: 10"},
      {-1, 2, -5, "Game-Type: Hard / Difficulty: Three", "Total Points: -5"},
      {-7, 7, 1230, "Game-Type: Hole-In-One / Difficulty: One", "Total Points: 1230"},
      {1, 0, 0, "Game-Type: All-Sizes / Difficulty: One / Shape-Size: 20", "Total Points: 0"},
  };
  auto g = std::make_unique<gamestate>();
  for (const auto& r : rows) {
    std::tie(g->gametype, g->difficulty, g->score) = std::tuple(r.gametype, r.difficulty, r.score);
    EXPECT_EQ(playtitle(*g), caption + " / " + r.game + " / " + r.points);
    EXPECT_EQ(gameovertitle(*g), "Vovov Kubrix 3d / " + r.game + " / (Game Over) / " + r.points);
  }
  g->gametype = 5;
  g->score = 10;
  EXPECT_EQ(playtitle(*g), "");
  EXPECT_EQ(gameovertitle(*g), caption + " / (Game Over) / Total Points: 10");
}

TEST(UpdateTitle, RewritesOnlyWhenTheScoreChangedAndNotAfterGameOver) {
  // The title follows the score, not every frame; after game over the game-over title stays.
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
  EXPECT_EQ(w.title(), caption + " / Game-Type: Regular / Difficulty: Three / Total Points: 10");
  g->gameover = 1;
  g->score = 99;
  updatetitle(*g, w);
  EXPECT_EQ(w.titles.size(), 2u);
  EXPECT_EQ(g->shownscore, 99);
}

}  // namespace
