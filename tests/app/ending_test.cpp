// SPDX-License-Identifier: GPL-3.0-or-later
// However the game ends (a crash, a full disk, a close that failed, a signal, a logout) the kept
// game is the game in play as of its last landing, and nothing waits for a player who is gone.
#include <sys/resource.h>

#include <csignal>
#include <string>

#include "../harness.h"
#include "../persist/workdir.h"
#include "persist/gamefile.h"
#include "persist/highscores.h"
#include "persist/limits.h"
#include "persist/savedgame.h"
#include "platform/keys.h"

namespace {

using KeptGame = workdir;
namespace fs = std::filesystem;

// Drops the piece row by row until it lands, then waits for its keeping.
void land(harness& h) {
  const int64_t score = h.g->score;
  for (int i = 0; i < 100 && h.g->score == score; ++i) h.w.key(keys::enter);
  ASSERT_NE(h.g->score, score);
  waitforkeeping();
  h.w.key('Q');  // an event that changes nothing: its frame shows how the keeping went
}

// The file as the game in play would be written now.
std::string inplay(const harness& h) {
  return savedgametext(savedgameof(*h.g, h.w));
}

// Files grow no larger than `bytes` until the guard goes: a disk that is full.
struct fulldisk {
  explicit fulldisk(rlim_t bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &before);
    rlimit now = before;
    now.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &now);
  }
  ~fulldisk() { setrlimit(RLIMIT_FSIZE, &before); }
  rlimit before{};
};

TEST_F(KeptGame, EveryLandingAndNewGameKeepTheGameSoThatACrashLosesOnlyThePieceInTheAir) {
  // Nothing is kept before the first landing; after it the file is the game in play, and a start
  // after a crash right then goes on as if nothing had happened. New Game keeps the new game; a
  // game over removes the file, which a resumed game leaves in place until then.
  harness h;
  h.start();
  waitforkeeping();
  EXPECT_FALSE(fs::exists(gamefile));
  for (int i = 0; i < 3; ++i) {
    land(h);
    EXPECT_EQ(readtext(gamefile), inplay(h));
  }
  harness resumed(77);
  resumed.start();
  resumed.w.key('P');
  EXPECT_EQ(difference(h, resumed), "");
  EXPECT_TRUE(fs::exists(gamefile));
  resumed.w.click(menuitem::newgame);
  waitforkeeping();
  EXPECT_EQ(std::pair(readtext(gamefile), resumed.g->score), std::pair(inplay(resumed), 0L));
  resumed.g->landed = 1;  // on its spawn row: the game is over
  resumed.w.tick();
  waitforkeeping();
  EXPECT_EQ(std::pair(resumed.g->gameover, fs::exists(gamefile)), std::pair(1, false));
}

TEST_F(KeptGame, AFullDiskNeverStopsTheGameTheLastGoodFileStaysAndTheNextLandingTriesAgain) {
  harness h;
  h.start();
  land(h);
  const std::string good = readtext(gamefile);
  {
    const fulldisk full(100);
    land(h);
    EXPECT_EQ(keepingerror(), EFBIG);
    EXPECT_EQ(readtext(gamefile), good);
    EXPECT_NE(h.w.status.find("The game cannot be kept right now"), std::string::npos);
    EXPECT_TRUE(h.w.messages.empty() && h.g->paused == 0);
    land(h);  // the game goes on
  }
  land(h);
  EXPECT_EQ(std::tuple(readtext(gamefile), h.w.status.find("kept"), h.w.messages.size()),
            std::tuple(inplay(h), std::string::npos, size_t{0}));
}

TEST_F(KeptGame, CloseAgainLeavesWithoutSavingOnlyForTheCloseRightAfterTheMessage) {
  // The message offers a way out for the close that follows it. Once the player has played on,
  // with the folder writable again, a close keeps the game as ever.
  for (const bool playon : {false, true}) {
    fs::remove(gamefile);
    harness h;
    h.start();
    land(h);
    const std::string landed = readtext(gamefile);
    h.w.key('R');  // the view turns: the game moves on from its file
    {
      const fulldisk full(100);
      h.w.close();
      ASSERT_EQ(std::pair(h.w.messages.size(), h.w.quitrequested), std::pair(size_t{1}, false));
    }
    // Quit from the menu is a close too.
    playon ? h.w.key(keys::left) : h.w.click(menuitem::quit);
    if (playon) h.w.close();
    EXPECT_EQ(std::pair(h.w.quitrequested, h.w.messages.size()), std::pair(true, size_t{1}));
    EXPECT_EQ(readtext(gamefile), playon ? inplay(h) : landed);
  }
}

TEST_F(KeptGame, TheLargestCellOnTheLargestScreenSavesAndResumes) {
  // A drawing area of 8000 pixels would fit a front square or a depth step of some 1300 pixels
  // for a well of 6: the game holds either at the largest its files take, and resumes it.
  for (const auto& [square, step] : {std::pair("100000", "6"), std::pair("6", "200000")}) {
    harness h(5, 8000, 8000);
    h.start();
    h.w.type(control::Text1, "6");
    h.w.type(control::Text2, "6");
    h.w.click(menuitem::newgame);
    h.w.click(menuitem::choosegrid);
    h.w.type(control::Text3, square);
    h.w.type(control::Text4, step);
    h.w.press(control::Command2);
    EXPECT_EQ(std::max(h.g->squarewidth, h.g->squareheight), limits::largestsquare);
    h.w.close();
    harness resumed(6, 8000, 8000);
    resumed.start();
    resumed.w.key('P');
    h.w.key('P');
    EXPECT_EQ(difference(h, resumed), "");
  }
}

TEST_F(KeptGame, ASessionThatEndsKeepsGameAndScoreWithoutAWord) {
  // A logout asks first: the game and a score waiting for its name are kept under the account's
  // name, no message shows and the game goes on; one that could not write the game leaves the next
  // close to save it. A signal ends the game the same way and quits, even when the game cannot be
  // written; the message a close would show goes to standard error.
  setenv("USER", "cleo", 1);
  harness h;
  h.start();
  land(h);
  h.w.commitsession();
  EXPECT_EQ(std::pair(readtext(gamefile), h.w.quitrequested), std::pair(inplay(h), false));
  h.g->landed = 1;
  h.w.tick();
  ASSERT_TRUE(h.w.visible(control::Text7));
  h.w.commitsession();
  EXPECT_EQ(readhighscores().records.size(), 1u);
  EXPECT_EQ(readhighscores().records.at(0).name, "cleo");
  h.w.click(menuitem::newgame);
  land(h);
  h.w.key('R');  // the view turns: the game moves on from its file
  {
    const fulldisk full(100);
    h.w.commitsession();
  }
  h.w.close();  // the failed logout asked nothing: this close saves
  EXPECT_EQ(std::pair(readtext(gamefile), h.w.quitrequested), std::pair(inplay(h), true));
  h.w.quitrequested = false;  // plays on as if the window had stayed open
  {
    const fulldisk full(100);
    h.w.endsession();
  }
  EXPECT_EQ(std::tuple(h.w.quitrequested, h.w.messages.size(), h.w.informations.size()),
            std::tuple(true, size_t{0}, size_t{0}));
  EXPECT_EQ(readhighscores().records.size(), 1u);
}

}  // namespace
