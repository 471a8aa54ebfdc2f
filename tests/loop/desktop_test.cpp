// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <regex>

#include "../harness.h"
#include "../persist/workdir.h"
#include "loop/landing.h"
#include "model/piecebox.h"
#include "persist/gamefile.h"
#include "persist/highscores.h"
#include "persist/settings.h"
#include "platform/keys.h"

namespace {

using keys::letter;
class Desktop : public workdir {};

// The kind, difficulty and points a title names, and those the status line names after its state.
std::string titled(const std::string& title) {
  std::smatch m;
  if (!std::regex_search(title, m,
                         std::regex("Game-Type: (.*) / Difficulty: (\\w+) .*Points: (.*)")))
    return "no title";
  return m[1].str() + " · Difficulty " + m[2].str() + " · " + m[3].str() + " points";
}

TEST_F(Desktop, TheStatusLineNamesWhatTheTitleDoesAfterTheStateOfTheGame) {
  // Whatever a player does, after every event the status line ends in the title's kind of game,
  // difficulty and points, through landings, games over and New Games of every kind; it begins
  // with the state only while the game is over or waits for P.
  harness h(777);
  h.start();
  std::mt19937 rng(5);
  const menuitem kinds[] = {menuitem::classic, menuitem::hard, menuitem::allsizes,
                            menuitem::holeinone, menuitem::three};
  const std::string states =
      "^(Game over — Options › New Game|Paused — press P to go on|Paused) · ";
  for (int event = 0; event < 3000; ++event) {
    const int pick = std::uniform_int_distribution(0, 99)(rng);
    if (pick < 60) h.w.key(keys::enter);
    if (pick >= 60 && pick < 90) h.w.tick();
    if (pick >= 90 && pick < 93) h.w.key(letter('P'));
    if (pick == 93) {  // the piece lands where it appeared: the game is over
      std::tie(h.g->piecey, h.g->landed) = std::tuple(0, 1);
      h.w.key(0);
    }
    if (pick == 94) h.w.leave();
    if (pick == 95) h.w.click(kinds[event % 5]);
    if (pick >= 96) h.w.click(menuitem::newgame);
    if (h.w.visible(control::Text7)) {
      h.w.type(control::Text7, "Ann");
      h.w.press(control::Command5);
    }
    const std::string status = std::regex_replace(h.w.status, std::regex(states), "");
    ASSERT_EQ(status, titled(h.w.title())) << h.w.status;
    ASSERT_EQ(status != h.w.status, h.g->paused == 1 || h.g->gameover == 1) << h.w.status;
  }
}

TEST_F(Desktop, LeavingTheWindowPausesARunningGameAsPDoesWhileTheOptionIsOn) {
  // Left, a running game waits and says that P goes on; P goes on. A game the player paused keeps
  // its plain "Paused"; a game over is not paused, so that New Game runs as always. With the
  // option off the game runs on unseen.
  harness h;
  h.start();
  h.w.leave();
  const int row = h.g->piecey;
  h.w.tick();
  EXPECT_EQ(std::tuple(h.g->piecey, h.w.status.find("Paused — press P to go on · ")),
            std::tuple(row, 0u));
  h.w.key(letter('P'));
  h.w.tick();
  EXPECT_EQ(std::tuple(h.g->paused, h.g->piecey), std::tuple(0, row + 1));
  h.w.key(letter('P'));
  h.w.leave();
  EXPECT_EQ(h.w.status.find("Paused · "), 0u);
  h.w.key(letter('P'));
  h.w.click(menuitem::pauseonleave);
  h.w.leave();
  h.w.tick();
  EXPECT_EQ(std::tuple(h.g->paused, h.g->piecey), std::tuple(0, row + 2));
  h.w.click(menuitem::pauseonleave);
  std::tie(h.g->score, h.g->piecey, h.g->landed) = std::tuple(-10, 0, 1);
  h.w.key(0);
  h.w.leave();
  EXPECT_EQ(std::tuple(h.g->gameover, h.g->paused), std::tuple(1, 0));
}

TEST_F(Desktop, EachLandingSoundsOnceStrongerForMoreLayersAndSoundOffIsSilent) {
  // A piece that clears nothing lands; one to five layers at once sound ever stronger up to four;
  // the end of a game sounds its game over, or the high score when its panel asks for a name.
  // With "Sound" unchecked nothing sounds at all.
  for (const bool sound : {true, false}) {
    std::vector<soundeffect> heard;
    for (int layers = 0; layers <= 5; ++layers) {
      harness h;
      h.start();
      if (!sound) h.w.click(menuitem::sound);
      h.w.sounds.clear();
      for (int y = h.g->wellheight - layers + 1; y <= h.g->wellheight; ++y)
        for (int x = 1; x <= h.g->wellwidth; ++x)
          for (int z = 1; z <= h.g->welldepth; ++z) h.g->well.at(x, y, z) = 1;
      h.g->piece.clear();
      h.g->piece.at(1, 1, 1) = 7;
      setbox(*h.g, 0, 1, 1, 1, 3, 0);
      h.g->landed = 1;
      h.w.key(0);
      heard.insert(heard.end(), h.w.sounds.begin(), h.w.sounds.end());
    }
    for (const int64_t score : {-10, 0}) {
      std::filesystem::remove(highscorefile);
      harness h;
      h.start();
      if (!sound) h.w.click(menuitem::sound);
      h.w.sounds.clear();
      std::tie(h.g->score, h.g->piecey, h.g->landed) = std::tuple(score, 0, 1);
      h.w.key(0);
      heard.insert(heard.end(), h.w.sounds.begin(), h.w.sounds.end());
    }
    using enum soundeffect;
    const std::vector<soundeffect> all{landing, layers1, layers2,  layers3,
                                       layers4, layers4, gameover, highscore};
    EXPECT_EQ(heard, sound ? all : std::vector<soundeffect>{});
  }
}

TEST_F(Desktop, KeyHelpShowsTheKeysAndPagesThatNameTheFilesTheVersionLicenceAndFolder) {
  // "All Keys (F1)" is the F1 list. "How to Play" names every file the game keeps, and "About"
  // the version, the licence and the folder those files are in. The game waits while each is
  // open and is as it was after.
  harness h;
  h.start();
  for (const menuitem item : {menuitem::allkeys, menuitem::howtoplay, menuitem::about})
    h.w.click(item);
  ASSERT_EQ(std::tuple(h.w.keylists.size(), h.w.helppages.size(), h.g->paused),
            std::tuple(1u, 2u, 0));
  for (const char* file : {settingsfile, highscorefile, gamefile, windowfile})
    EXPECT_NE(h.w.helppages[0].find(file), std::string::npos) << file;
  EXPECT_TRUE(std::regex_search(h.w.helppages[1], std::regex("Kubrix 3d [0-9]+\\.[0-9]+")));
  EXPECT_NE(h.w.helppages[1].find("GPL-3.0-or-later"), std::string::npos);
  EXPECT_NE(h.w.helppages[1].find(std::filesystem::current_path().string()), std::string::npos);
}

}  // namespace
