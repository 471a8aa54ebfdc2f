#include <pwd.h>
#include <unistd.h>

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

TEST_F(HighScores, AQualifyingScoreAsksForANameAndAppendsOneRecord) {
  // Also when the pause key let the game run on under an open option panel: that panel is put
  // away unapplied (a smaller cell could narrow the well the record names), so that its Done
  // cannot unlock New Game under the name.
  const std::set<control> panel{Label11, Label12, Label13, Text7, Command5};
  for (bool optionpanel : {false, true}) {
    std::filesystem::remove(highscorefile);
    harness h;
    h.start();
    if (optionpanel) {
      h.w.click(choosegrid);
      h.w.type(Text3, "40");
      h.w.key(keys::letter('P'));
    }
    endwith(h, 130);
    EXPECT_EQ(shown(h.w), panel);
    EXPECT_EQ(disabled(h.w), (std::set<menuitem>{choosesize, choosegrid, chooseshape, chooselayers,
                                                 newgame, newshape}));
    EXPECT_EQ(std::tuple(h.g->squarewidth, h.g->paused, h.w.focused), std::tuple(14.0, 1, Text7));
    for (const char* blank : {"", "   ", " \t"}) {
      h.w.type(Text7, blank);
      h.w.press(Command5);
      EXPECT_EQ(shown(h.w), panel) << "Done pressed with a blank name";
    }
    h.w.type(Text7, "  Ann \"the Fox\", Ä");
    h.w.press(Command5);
    EXPECT_EQ(readhighscores().records,
              (std::vector<highscore>{{"  Ann \"the Fox\", Ä", 130, 0, 0, 10, 30, 20}}));
    EXPECT_TRUE(shown(h.w).empty());
    EXPECT_EQ(h.g->paused, 0);
    EXPECT_EQ(disabled(h.w), std::set<menuitem>{newshape});
  }
}

TEST_F(HighScores, QuitOrClosingDuringTheNamePanelKeepsTheScoreOnce) {
  // Under the name typed so far, else the account's user name; a Quit that goes on to close the
  // window writes no second record.
  setenv("USER", "ann", 1);
  const passwd* account = getpwuid(geteuid());
  ASSERT_NE(account, nullptr);
  const std::tuple<const char*, bool, bool, std::string> cases[] = {
      {"Bo", false, true, "Bo"}, {"", true, true, "ann"}, {" ", false, false, account->pw_name}};
  for (const auto& [typed, byquit, user, name] : cases) {
    if (!user) unsetenv("USER");
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

TEST_F(HighScores, PausedAndGameOverShowInTheWindowExactlyWhileTheirStateLasts) {
  // "Paused" for P, not for an open panel; the game-over line once no name is wanted, until New
  // Game, which keeps a pause.
  const std::string over = "Game over — Options › New Game starts a new one";
  harness h;
  h.start();
  std::vector<std::string> seen;
  const auto then = [&] { seen.push_back(h.w.status); };
  h.w.key(keys::letter('P')), then();
  h.w.click(choosesize), then();
  h.w.press(Command1), then();
  h.w.key(keys::letter('P')), then();
  endwith(h, 0), then();
  h.w.click(newgame), then();
  endwith(h, 130), then();
  h.w.type(Text7, "Ann"), h.w.press(Command5), then();
  EXPECT_EQ(seen, (std::vector<std::string>{"Paused", "", "", "Paused", over, "Paused", "", over}));
}

TEST_F(HighScores, TheTableListsTheTenBestOnTheCurrentSettingsAndAnUnreadableOneIsReported) {
  // Equal scores keep the order they were made in; other settings are not listed. A table that
  // cannot be read is reported, shows the name panel whatever the score, and the panel closes.
  harness h;
  h.start();
  h.w.click(highscores);
  EXPECT_EQ(h.w.informations.back(), "No high scores yet on the current settings.");
  const std::vector<std::pair<std::string, int64_t>> made{
      {"H", 50}, {"A", 300}, {"B", 120}, {"X", 999}, {"C", 120}, {"L", 10}, {"D", 90},
      {"E", 80}, {"F", 70},  {"G", 60},  {"I", 40},  {"J", 30},  {"K", 20}};
  std::ofstream file(highscorefile, std::ios::binary);
  for (const auto& [name, score] : made) {
    file << highscoreline({name, score, 0, 0, 10, name == "X" ? 28 : 30, 20});
  }
  file.close();
  h.w.click(highscores);
  EXPECT_EQ(h.w.informations.back(),
            "High scores on the current settings:\n\n1. A: 300\n2. B: 120\n3. C: 120\n4. D: 90\n"
            "5. E: 80\n6. F: 70\n7. G: 60\n8. H: 50\n9. I: 40\n10. J: 30");

  std::filesystem::remove(highscorefile);
  std::filesystem::create_directory(highscorefile);
  h.w.click(highscores);
  endwith(h, 0);
  h.w.type(Text7, "Bo");
  h.w.press(Command5);
  ASSERT_EQ(h.w.messages.size(), 2u);
  for (const std::string& message : h.w.messages) {
    EXPECT_NE(message.find("\"highscores.record65\": Is a directory"), std::string::npos);
  }
  EXPECT_TRUE(shown(h.w).empty());
}

}  // namespace
