#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "../harness.h"
#include "../persist/workdir.h"
#include "persist/highscores.h"
#include "platform/keys.h"

namespace {

using HighScores = workdir;

const std::vector<menuitem> locked{menuitem::choosesize, menuitem::choosegrid,
                                   menuitem::chooseshape, menuitem::chooselayers,
                                   menuitem::newgame};

// Ends the game with `score` points: the first piece lands on its spawn row.
void endwith(harness& h, int64_t score) {
  h.g->score = score - 10;  // what a regular piece of one layer scores
  h.g->landed = 1;
  h.w.tick();
  ASSERT_EQ(h.g->gameover, 1);
}

// How many of the panel's five controls show.
int panelshown(const headlesswindow& w) {
  int shown = 0;
  for (control c :
       {control::Label11, control::Label12, control::Label13, control::Text7, control::Command5}) {
    shown += w.visible(c);
  }
  return shown;
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
    EXPECT_EQ(panelshown(h.w), 5);
    EXPECT_FALSE(h.w.visible(control::Command2));
    EXPECT_EQ(h.g->squarewidth, 14);
    EXPECT_EQ(h.g->paused, 1);
    EXPECT_EQ(h.w.focused, control::Text7);
    for (menuitem item : locked) EXPECT_FALSE(h.w.enabled(item));
    EXPECT_TRUE(h.w.enabled(menuitem::savesettings));

    for (const char* blank : {"", "   ", " \t"}) {
      h.w.type(control::Text7, blank);
      h.w.press(control::Command5);
      EXPECT_EQ(panelshown(h.w), 5) << "Done pressed with a blank name";
    }
    h.w.type(control::Text7, "  Ann \"the Fox\", Ä");
    h.w.press(control::Command5);
    EXPECT_EQ(readhighscores().records,
              (std::vector<highscore>{{"  Ann \"the Fox\", Ä", 130, 0, 0, 10, 30, 20}}));
    EXPECT_EQ(panelshown(h.w), 0);
    EXPECT_EQ(h.g->paused, 0);
    for (menuitem item : locked) EXPECT_TRUE(h.w.enabled(item));
    EXPECT_FALSE(h.w.enabled(menuitem::newshape));
  }
}

TEST_F(HighScores, AFileThatCannotBeUsedIsReportedAndThePanelStillCloses) {
  // A table that cannot be read shows the panel whatever the score.
  std::filesystem::create_directory(highscorefile);
  harness h;
  h.start();
  endwith(h, 0);
  h.w.type(control::Text7, "Bo");
  h.w.press(control::Command5);
  h.w.click(menuitem::highscores);
  ASSERT_EQ(h.w.messages.size(), 2u);
  for (const std::string& message : h.w.messages) {
    EXPECT_NE(message.find("\"highscores.record65\": Is a directory"), std::string::npos);
  }
  EXPECT_EQ(panelshown(h.w), 0);
}

TEST_F(HighScores, TheTableListsTheTenBestOnTheCurrentSettingsBestFirst) {
  // Equal scores keep the order they were made in; other settings are not listed.
  harness h;
  h.start();
  h.w.click(menuitem::highscores);
  EXPECT_EQ(h.w.informations.back(), "No high scores yet on the current settings.");
  const std::vector<std::pair<std::string, int64_t>> made{
      {"H", 50}, {"A", 300}, {"B", 120}, {"X", 999}, {"C", 120}, {"L", 10}, {"D", 90},
      {"E", 80}, {"F", 70},  {"G", 60},  {"I", 40},  {"J", 30},  {"K", 20}};
  std::ofstream file(highscorefile, std::ios::binary);
  for (const auto& [name, score] : made) {
    file << highscoreline({name, score, 0, 0, 10, name == "X" ? 28 : 30, 20});
  }
  file.close();
  h.w.click(menuitem::highscores);
  EXPECT_EQ(h.w.informations.back(),
            "High scores on the current settings:\n\n1. A: 300\n2. B: 120\n3. C: 120\n4. D: 90\n"
            "5. E: 80\n6. F: 70\n7. G: 60\n8. H: 50\n9. I: 40\n10. J: 30");
}

}  // namespace
