#include <sstream>

#include "persist/highscores.h"
#include "uitest.h"

namespace {

using HighScores = workdir;
using enum control;
using enum menuitem;

// Ends the game with `score` points: the first piece lands on its spawn row.
void endwith(harness& h, int64_t score) {
  h.g->score = score - 10;  // what a regular piece of one layer scores
  h.g->landed = 1;
  h.w.tick();
  ASSERT_EQ(h.g->gameover, 1);
}

TEST_F(HighScores, AScoreAmongTheTenBestOnItsSettingsAsksForANameAndJoinsTheTable) {
  // Nine better scores leave a place; records on other settings do not compete and are not
  // listed; equal scores are listed in the order they were made. Also when the pause key let the
  // game run on under an open option panel: that panel is put away unapplied (a smaller cell
  // could narrow the well the record names), so that its Done cannot unlock New Game under the
  // name. With ten better scores the next score makes no record. A table that cannot be read is
  // reported, and asks for the name whatever the score.
  const std::set<control> panel{Label11, Label12, Label13, Text7, Command5};
  std::string table, list = "High scores on the current settings:\n";
  for (int i = 1; i <= 9; ++i) {
    table += highscoreline({"B" + std::to_string(i), 200, 0, 0, 10, 30, 20});
    list += "\n" + std::to_string(i) + ". B" + std::to_string(i) + ": 200";
  }
  for (const highscore& other : {highscore{"X", 999, -1, 0, 10, 30, 20},
                                 {"X", 999, 0, 1, 10, 30, 20},
                                 {"X", 999, 0, 0, 12, 30, 20},
                                 {"X", 999, 0, 0, 10, 28, 20},
                                 {"Z", 100, 0, 0, 10, 30, 20}}) {
    table += highscoreline(other);
  }
  for (bool optionpanel : {false, true}) {
    std::filesystem::remove_all(highscorefile);
    harness h;
    h.start();
    h.w.click(highscores);
    EXPECT_EQ(h.w.informations.back(), "No high scores yet on the current settings.");
    std::ofstream(highscorefile, std::ios::binary) << table;
    if (optionpanel) {
      h.w.click(choosegrid);
      h.w.type(Text3, "40");
      h.w.key(keys::letter('P'));
    }
    endwith(h, 130);
    EXPECT_EQ(shown(h.w), panel);
    EXPECT_EQ(disabled(h.w), (std::set<menuitem>{choosesize, choosegrid, chooseshape, chooselayers,
                                                 newgame, newshape}));
    EXPECT_EQ(std::tuple(h.g->squarewidth, h.g->paused, h.w.focused, h.w.status),
              std::tuple(14.0, 1, Text7, ""));
    for (const char* blank : {"", "   ", " \t"}) {
      h.w.type(Text7, blank);
      h.w.press(Command5);
      EXPECT_EQ(shown(h.w), panel) << "Done pressed with a blank name";
    }
    h.w.type(Text7, "  Ann \"the Fox\", Ä");
    h.w.press(Command5);
    std::ostringstream saved;
    saved << std::ifstream(highscorefile, std::ios::binary).rdbuf();
    EXPECT_EQ(saved.str(),
              table + "\"  Ann \"\"the Fox\"\", Ä\",\"130\",\"0\",\"0\",\"10\",\"30\",\"20\"\r\n");
    EXPECT_TRUE(shown(h.w).empty());
    EXPECT_EQ(std::tuple(h.g->paused, h.w.status),
              std::tuple(0, "Game over — Options › New Game starts a new one"));
    EXPECT_EQ(disabled(h.w), std::set<menuitem>{newshape});
    h.w.click(highscores);
    EXPECT_EQ(h.w.informations.back(), list + "\n10.   Ann \"the Fox\", Ä: 130");
    h.w.click(newgame);
    endwith(h, 129);
    EXPECT_TRUE(shown(h.w).empty());

    std::filesystem::remove(highscorefile);
    std::filesystem::create_directory(highscorefile);
    h.w.click(highscores);
    h.w.click(newgame);
    endwith(h, 0);
    h.w.type(Text7, "Bo");
    h.w.press(Command5);
    EXPECT_TRUE(shown(h.w).empty());
    ASSERT_EQ(h.w.messages.size(), 2u);
    for (const std::string& message : h.w.messages) {
      EXPECT_NE(message.find("\"highscores.record65\": Is a directory"), std::string::npos);
    }
  }
}

TEST_F(HighScores, QuitOrClosingDuringTheNamePanelKeepsTheScoreOnce) {
  // Under the name typed so far, else the account's user name; a Quit that goes on to close the
  // window writes no second record.
  setenv("USER", "ann", 1);
  for (const auto& [typed, byquit, name] : {std::tuple("Bo", false, "Bo"), {" ", true, "ann"}}) {
    std::filesystem::remove(highscorefile);
    harness h;
    h.start();
    endwith(h, 130);
    h.w.type(Text7, typed);
    if (byquit) h.w.click(quit);
    h.kubrix.Form_Unload();
    EXPECT_EQ(readhighscores().records, (std::vector<highscore>{{name, 130, 0, 0, 10, 30, 20}}));
  }
}

}  // namespace
