#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "../harness.h"
#include "../persist/workdir.h"
#include "persist/highscores.h"
#include "platform/keys.h"

namespace {

using HighScores = workdir;

const std::vector<control> panel{control::Label11, control::Label12, control::Label13,
                                 control::Text7, control::Command5};
const std::vector<menuitem> locked{menuitem::choosesize, menuitem::choosegrid,
                                   menuitem::chooseshape, menuitem::chooselayers,
                                   menuitem::newgame};

// Ends the game with `score` points: the first piece lands on its spawn row.
void endwith(harness& h, int64_t score) {
  h.g->score = score - 10;  // what a regular piece of one layer scores
  h.g->landed = 1;
  h.w.tick();
  ASSERT_EQ(h.g->gameover, 1);
  ASSERT_EQ(h.g->score, score);
}

bool panelshown(const headlesswindow& w) {
  return std::all_of(panel.begin(), panel.end(), [&](control c) { return w.visible(c); });
}

bool panelhidden(const headlesswindow& w) {
  return std::none_of(panel.begin(), panel.end(), [&](control c) { return w.visible(c); });
}

std::string recordfile() {
  std::ostringstream text;
  text << std::ifstream(highscorefile, std::ios::binary).rdbuf();
  return text.str();
}

// Records of the default game (regular, difficulty One, 10 x 30) with these scores.
std::string records(const std::vector<int64_t>& scores, int wellheight = 30) {
  std::string text;
  for (int64_t score : scores) {
    text += highscoreline({"P" + std::to_string(score), score, 0, 0, 10, wellheight, 20});
  }
  return text;
}

TEST_F(HighScores, AQualifyingScoreAsksForANameAndAppendsOneRecord) {
  // Also when the pause key let the game run on under an open option panel: that panel is put
  // away unapplied (a smaller cell could narrow the well the record names), so that its Done
  // cannot unlock New Game under the name.
  for (bool optionpanel : {false, true}) {
    std::filesystem::remove(highscorefile);
    harness h;
    h.start();
    if (optionpanel) {
      h.w.click(menuitem::choosegrid);
      h.w.type(control::Text3, "40");
      h.w.key(keys::letter('P'));
    }
    endwith(h, 130);
    EXPECT_TRUE(panelshown(h.w));
    EXPECT_FALSE(h.w.visible(control::Command2));
    EXPECT_EQ(h.g->squarewidth, 14);
    EXPECT_EQ(h.g->paused, 1);
    EXPECT_EQ(h.w.focused, control::Text7);
    for (menuitem item : locked) EXPECT_FALSE(h.w.enabled(item));
    EXPECT_TRUE(h.w.enabled(menuitem::savesettings));

    for (const char* blank : {"", "   ", " \t"}) {
      h.w.type(control::Text7, blank);
      h.w.press(control::Command5);
      EXPECT_TRUE(panelshown(h.w)) << "Done pressed with a blank name";
    }
    h.w.type(control::Text7, "  Ann \"the Fox\", Ä");
    h.w.press(control::Command5);
    EXPECT_EQ(recordfile(),
              "\"  Ann \"\"the Fox\"\", Ä\",\"130\",\"0\",\"0\",\"10\",\"30\",\"20\"\r\n");
    EXPECT_TRUE(panelhidden(h.w));
    EXPECT_EQ(h.g->paused, 0);
    for (menuitem item : locked) EXPECT_TRUE(h.w.enabled(item));
    EXPECT_FALSE(h.w.enabled(menuitem::newshape));
    EXPECT_TRUE(h.w.messages.empty());
  }
}

TEST_F(HighScores, AnEleventhBestScoreShowsNothing) {
  // Only records on the same settings count; lines that are not records are skipped.
  struct row {
    std::string file;
    bool shown;
  };
  const std::vector<row> rows{
      {records({200, 200, 200, 200, 200, 200, 200, 200, 200, 200}), false},
      {records({200, 200, 200, 200, 200, 200, 200, 200, 200, 130}), true},
      {records({200, 200, 200, 200, 200, 200, 200, 200, 200, 200}, 28), true},
      {records({200, 200, 200, 200, 200, 200, 200, 200, 200}) + "\"P\",\"200\",\"0\"\r\n\xff\"\n",
       true},
  };
  for (const row& r : rows) {
    std::ofstream(highscorefile, std::ios::binary) << r.file;
    harness h;
    h.start();
    endwith(h, 130);
    EXPECT_EQ(panelshown(h.w), r.shown) << r.file;
    EXPECT_EQ(h.g->paused, r.shown ? 1 : 0);
    EXPECT_EQ(recordfile(), r.file);
  }
}

TEST_F(HighScores, AFileThatCannotBeUsedIsReportedAndThePanelStillCloses) {
  // A table that cannot be read shows the panel whatever the score; the failed append names the
  // file and the reason, and New Game is unlocked as after any Done.
  std::filesystem::create_directory(highscorefile);
  harness h;
  h.start();
  endwith(h, 0);
  ASSERT_TRUE(panelshown(h.w));
  h.w.type(control::Text7, "Bo");
  h.w.press(control::Command5);
  ASSERT_EQ(h.w.messages.size(), 1u);
  EXPECT_NE(h.w.messages[0].find("\"highscores.record65\": Is a directory"), std::string::npos);
  EXPECT_TRUE(panelhidden(h.w));
  EXPECT_TRUE(h.w.enabled(menuitem::newgame));
  h.w.click(menuitem::highscores);
  ASSERT_EQ(h.w.messages.size(), 2u);
  EXPECT_NE(h.w.messages[1].find("\"highscores.record65\": Is a directory"), std::string::npos);
}

TEST_F(HighScores, TheTableListsTheTenBestOnTheCurrentSettingsBestFirst) {
  // Equal scores keep the order they were made in; other settings are not listed.
  harness h;
  h.start();
  h.w.click(menuitem::highscores);
  EXPECT_EQ(h.w.informations.back(), "No high scores yet on the current settings.");

  std::string file = records({50, 300, 120}) + records({999}, 28) +
                     highscoreline({"Second 120", 120, 0, 0, 10, 30, 20}) +
                     records({10, 90, 80, 70, 60, 40, 30, 20});
  std::ofstream(highscorefile, std::ios::binary) << file;
  h.w.click(menuitem::highscores);
  EXPECT_EQ(h.w.informations.back(),
            "High scores on the current settings:\n\n1. P300: 300\n2. P120: 120\n"
            "3. Second 120: 120\n4. P90: 90\n5. P80: 80\n6. P70: 70\n7. P60: 60\n8. P50: 50\n"
            "9. P40: 40\n10. P30: 30");
}

}  // namespace
