#include "persist/savedgame.h"

#include <random>

#include "../ui/uitest.h"
#include "persist/gamefile.h"

namespace {

using SavedGame = workdir;
namespace fs = std::filesystem;

// Gravity, drops, moves, piece turns and a view turn, the same for the same seed.
void play(harness& h, uint32_t seed, int events) {
  h.w.recording = false;
  const int presses[] = {keys::enter, keys::left, keys::up, keys::right, keys::down,
                         'H',         'I',        'U',      'R'};
  std::mt19937 random(seed);
  for (int i = 0; i < events; ++i) {
    const size_t roll = random() % 13;
    roll < std::size(presses) ? h.w.key(presses[roll]) : h.w.tick();
  }
}

TEST_F(SavedGame, AGameClosedAndResumedPlaysOnAsIfItHadNeverStopped) {
  // Every kind of game, with the random source's state: the pieces still to come are the same.
  // Fields typed and a difficulty checked for the next New Game wait there as before.
  for (const menuitem kind : {menuitem::regular, menuitem::hard, menuitem::allsizes,
                              menuitem::classic, menuitem::holeinone}) {
    harness before(static_cast<uint64_t>(kind));
    before.start();
    before.w.click(kind);
    before.w.click(kind == menuitem::hard ? menuitem::color16 : menuitem::blockuniform);
    before.w.click(menuitem::newgame);
    play(before, 1, 100);
    before.w.click(menuitem::three);
    before.w.type(control::Text1, " Ärger, \"12\" ");
    before.w.close();
    ASSERT_TRUE(before.w.quitrequested && fs::exists(gamefile));
    before.w.quitrequested = false;  // plays on as if the window had stayed open

    harness after(99);
    after.start();
    EXPECT_EQ(std::tuple(fs::exists(gamefile), after.g->paused, after.w.title()),
              std::tuple(false, 1, before.w.title()));
    after.w.key('P');
    for (harness* h : {&before, &after}) play(*h, 2, 200);
    EXPECT_EQ(difference(before, after), "");
  }
}

// The text with the line named as `line` (by its first word) replaced by `line`.
std::string withline(std::string text, const std::string& line) {
  const size_t at = text.find("\n" + line.substr(0, line.find(' ') + 1)) + 1;
  return text.replace(at, text.find('\n', at) - at, line);
}

TEST_F(SavedGame, NoValueTheGameCannotHaveIsReadAndAFileThatHoldsOneIsPutAside) {
  // A cut file, a cube outside the well or its box, a box outside the well, settings the loader
  // would change, codes and colours no game makes: any of them could take an index outside the
  // grids, or leave a generator drawing nothing but zeros. Never trusted, never deleted, never
  // offered again: the player is told and plays anew.
  // The text saved from a game played a while, with a cube in the well's far corner, a one-cube
  // piece against the far walls and a field holding a line break (pasted, say).
  harness h;
  h.start();
  play(h, 7, 200);
  h.g->well.at(10, 30, 10) = 99;
  h.g->piece.clear();
  h.g->piece.at(1, 1, 1) = 77;
  setbox(*h.g, 0, 1, 1, 10, 29, 9);
  h.w.type(control::Text6, "1\r\n2");
  const std::string real = savedgametext(*h.g, h.w);
  ASSERT_TRUE(readsavedgame(real));
  for (size_t n = 0; n < real.size(); ++n) ASSERT_FALSE(readsavedgame(real.substr(0, n))) << n;
  for (const std::string line :
       {"well 11 30 2 99", "well 2 31 2 99", "piece 2 1 1 77", "piece 1 1 1 0", "place 0 29 9",
        "place 10 29 -1", "extents 0 2 1", "extents 0 1 2", "wellwidth 42", "wellheight 5",
        "welldepth 12", "maxsquares 662", "squarewidth 14.0", "gametype -97", "view 9",
        "blockcolor 16777215", "random 0 0 0 0", "nextgame 3 0"}) {
    EXPECT_FALSE(readsavedgame(withline(real, line))) << line;
  }
  const std::string garbage(100'000'000, '\xb7');
  for (const std::string& text : {real.substr(0, real.size() / 2),
                                  withline(real, "well 11 30 2 99"), withline(real, "wellwidth 42"),
                                  "kubrix3d game 2" + real.substr(real.find('\n')), garbage}) {
    std::ofstream(gamefile, std::ios::binary) << text;
    harness fresh;
    fresh.start();
    EXPECT_EQ(std::tuple(fresh.g->score, fresh.g->paused, fresh.w.messages.size(),
                         fs::exists(gamefile), fs::file_size(damagedgamefile)),
              std::tuple(0, 0, 1u, false, text.size()));
    EXPECT_NE(fresh.w.messages[0].find("\"kubrix3d.game\"; it was renamed"), std::string::npos);
  }
}

}  // namespace
