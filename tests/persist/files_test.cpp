// SPDX-License-Identifier: GPL-3.0-or-later
#include "persist/settings.h"

#include <random>
#include <regex>

#include "../ui/uitest.h"
#include "model/numbers.h"
#include "persist/gamefile.h"
#include "persist/highscores.h"
#include "persist/savedgame.h"

namespace {

using PlayerFiles = workdir;
using enum menuitem;
namespace fs = std::filesystem;

// A settings line from comma-separated values, each quoted, ended by CR LF.
std::string fileline(const std::string& csv) {
  // Named, not a temporary: a literal plus a temporary string trips a false -Wrestrict in GCC 12.
  const std::string fields = std::regex_replace(csv, std::regex(","), "\",\"");
  return "\"" + fields + "\"\r\n";
}
// Starts a game on the file as it stands and saves at once. The settings loaded must be sound and
// shown in the check marks and the depth step's field (twice the cube height).
std::string loadandsave() {
  harness h;
  h.start();
  expectsound(*h.g);
  expectmarks(h.w, {h.g->difficulty, h.g->gametype, h.g->colormode, h.g->blockcolormode});
  EXPECT_EQ(h.w.text(control::Text4), formatnumber(2 * h.g->squareheight));
  h.w.click(savesettings);
  return readtext(settingsfile);
}

TEST_F(PlayerFiles, SavedSettingsLoadBackAsTheSameSettings) {
  // The exact bytes are the format every later start depends on. Depth follows width whatever the
  // fifth field says; a depth step of 2.5 shows as 5. Missing fields read 0: a height of 0 falls
  // back, a uniform block colour is a real choice. A kind of game outside the menus is played
  // with no kind checked; a 6-wide well takes at most 13 cubes. Quoted or not, blanks before a
  // field, junk after a quote, any line end. Whole numbers round half to even before their limits
  // are checked, and each value the game cannot hold (the game-over code among them) falls back
  // to its default: just within and just beyond every limit. Hostile files load as something
  // sound, and what that saves loads back unchanged.
  const std::string fresh = fileline("0,0,10,30,10,14,5,20,1,0,1");
  EXPECT_EQ(loadandsave(), fresh);
  const std::vector<std::pair<std::string, std::string>> files{
      {fileline("1,2,12,20,30,10,2.5,33,4,1,0"), fileline("1,2,12,20,12,10,2.5,33,4,1,0")},
      {" \"-97\"x ,1, 8", fileline("0,1,8,30,8,14,5,20,1,0,0")},
      {fileline("5,0,6,6,6,14,5,20,1,0,1"), fileline("5,0,6,6,6,14,5,13,1,0,1")},
      {"\"a,\",2,\"40\"\n\"40\"\r\"9\", 7.5x\r3\r\n\"500\",\"20\"",
       fileline("0,2,40,40,40,7.5,3,500,20,0,0")},
      {"", fileline("0,0,10,30,10,14,5,20,1,0,0")},
      {fileline("-32768.5,2.5,5.5,40.5,7,1000,0.0001,166.5,6.5,-0.5,0.5"),
       fileline("-32768,2,6,40,6,1000,0.0001,166,6,0,0")},
      {fileline("32767.5,2.6,40.6,5.4,7,1000.5,0,661.6,10.6,1.6,-0.6"), fresh},
      {std::string("\0\xff\"\r,\n\x80\t\x01", 9), ""},
      {fileline(std::string(100000, ',')), ""},
      {std::string(50'000'000, '9'), ""},
      {fileline("1e999,nan,-99999999999999999999,inf,-1,-14,-5,-20,-1,-1,-1"), ""},
  };
  for (const auto& [file, saved] : files) {
    std::ofstream(settingsfile, std::ios::binary) << file;
    const std::string line = loadandsave();
    EXPECT_EQ(line, saved.empty() ? line : saved);
    EXPECT_EQ(loadandsave(), line);
  }
}

TEST_F(PlayerFiles, SaveSettingsWritesThoseInUseWhereAndAsThePlayerKeepsTheFile) {
  // After game over the kind played, not the game-over code. Restore resets the marks for the
  // next game; only the colour modes change at once. Settings kept elsewhere through a
  // link, made private, or in a folder the player cannot write but holding a file the player
  // can: each must be saved where and as the player set it up. A file the player cannot write
  // either is kept, and the player told.
  // What follows the line is not read, yet a save must not leave it behind.
  const std::string old = fileline("1,2,12,20,12,10,2.5,33,4,1,0") + "written by hand";
  fs::create_directory("elsewhere");
  std::ofstream("elsewhere/settings") << old;
  fs::permissions("elsewhere/settings", fs::perms(0600));
  fs::create_symlink("elsewhere/settings", settingsfile);
  harness h;
  h.start();
  h.w.click(restoresettings);
  expectmarks(h.w, {0, gametypes::regular, 0, 1});
  gameoversteps(*h.g, h.w);
  h.w.click(savesettings);
  EXPECT_EQ(std::tuple(readtext(settingsfile), fs::is_symlink(settingsfile),
                       fs::status(settingsfile).permissions(),
                       std::distance(fs::directory_iterator("elsewhere"), {})),
            std::tuple(fileline("1,2,12,20,12,10,2.5,33,4,0,1"), true, fs::perms(0600), 1));
  fs::remove(settingsfile);
  for (const bool writable : {true, false}) {
    std::ofstream(settingsfile) << old;
    fs::permissions(settingsfile, fs::perms(writable ? 0666 : 0444));
    fs::permissions(".", fs::perms(0555));
    const int told = asplayer([writable] {
      harness player;
      player.start();
      player.w.click(truecolor);
      player.w.click(savesettings);
      const std::string denied =
          "The settings could not be saved to \"kubrix3d.settings\": Permission denied.";
      return player.w.messages == std::vector<std::string>(!writable, denied) ? 0 : 1;
    });
    fs::permissions(".", fs::perms::owner_all);
    EXPECT_EQ(told, 0);
    EXPECT_EQ(readtext(settingsfile), writable ? fileline("1,2,12,20,12,10,2.5,33,4,0,0") : old);
  }
}

TEST_F(PlayerFiles, HighScoreRecordsAreFoundAmongJunkAndAppendedOnALineOfTheirOwn) {
  // Records are found among junk and lines that are no record, in file order, blanks around a
  // field allowed; a huge file is read up to its last whole line within a bound. A record cut short
  // by a failed write must not swallow the next one. Names read back byte for byte.
  ASSERT_EQ(appendhighscore({"A", 1}), 0);
  EXPECT_EQ(readtext(highscorefile), highscoreline({"A", 1}));  // a new table starts with it
  std::ofstream(highscorefile, std::ios::binary | std::ios::app)
      << std::string("\0\xff\"\r,\x80\t\x01", 8) + "\n \"B\" ,-10, \"0\" ,1,6,6 ,4\r" +
             std::string(100000, ',') + "\nC,1,0,1,6,6\nC,1,0,1,6,6,4,9\n\"C,1,0,1,6,6,4\n" +
             "\"C\"x,1,0,1,6,6,4\nC,1.5,0,1,6,6,4\nC,99999999999999999999,0,1,6,6,4\n" +
             "\"D\",\"4\",\"0";
  for (const highscore& record : {highscore{"\"E\", Ä", 5}, {"", 6}, {"F", 7}})
    ASSERT_EQ(appendhighscore(record), 0);
  std::ofstream(highscorefile, std::ios::app) << "G,8,0,0,6,6,4\n" + std::string(50'000'000, '9');
  std::string names;
  for (const highscore& record : readhighscores().records) names += record.name + "|";
  EXPECT_EQ(names, "A|B|\"E\", Ä||F|G|");
  EXPECT_EQ(readhighscores().records.at(1), (highscore{"B", -10, 0, 1, 6, 6, 4}));
}

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

TEST_F(PlayerFiles, AGameClosedAndResumedPlaysOnAsIfItHadNeverStopped) {
  // Every kind of game, with the random source's state: the pieces still to come are the same.
  for (const menuitem kind : {regular, hard, allsizes, classic, holeinone}) {
    waitforkeeping();
    fs::remove(gamefile);  // the last kind's game, kept to its end
    harness before(static_cast<uint64_t>(kind));
    before.start();
    before.w.click(kind);
    before.w.click(kind == hard ? color16 : blockuniform);
    before.w.click(newgame);
    play(before, 1, 100);
    before.w.close();
    before.w.quitrequested = false;  // plays on as if the window had stayed open

    harness after(99);
    after.start();
    // Kept until the game ends; P resumes it: it came back paused.
    EXPECT_TRUE(fs::exists(gamefile));
    after.w.key('P');
    for (harness* h : {&before, &after}) play(*h, 2, 200);
    EXPECT_EQ(difference(before, after), "");
  }
}

// The text with the line named as `line` (by its first word, the first line too) replaced by
// `line`.
std::string withline(std::string text, const std::string& line) {
  const std::string name = line.substr(0, line.find(' ') + 1);  // named, as in fileline()
  const size_t at = ("\n" + text).find("\n" + name);
  return text.replace(at, text.find('\n', at) - at, line);
}

TEST_F(PlayerFiles, NoSavedGameValueTheGameCannotHaveIsReadAndAFileThatHoldsOneIsPutAside) {
  // A cut file, a cube outside the well or its box, a box outside the well, settings the loader
  // would change, codes and colours no game makes: any of them could take an index outside the
  // grids, or leave a generator drawing nothing but zeros; a score so large that landings would
  // overflow it. Never trusted, never deleted, never offered again: the player is told and plays
  // anew.
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
  const std::string real = savedgametext(savedgameof(*h.g, h.w));
  ASSERT_TRUE(readsavedgame(real));
  for (size_t n = 0; n < real.size(); ++n) ASSERT_FALSE(readsavedgame(real.substr(0, n))) << n;
  // A table: clang-format would give each line its own.
  // clang-format off
  for (const std::string line :
       {"well 11 30 2 99", "well 2 31 2 99", "piece 2 1 1 77", "piece 1 1 1 0", "piece 1 1 1",
        "place 0 29 9", "place 10 29 -1", "extents 0 2 1", "extents 0 1 2", "wellwidth 42",
        "wellheight 5", "welldepth 12", "maxsquares 662", "squarewidth 14.0", "gametype -97",
        "view 9", "blockcolor 16777215", "random 0 0 0 0", "nextgame 3 0",
        "score 1000000000000001", "score -1000000000000001"})
    // clang-format on
    EXPECT_FALSE(readsavedgame(withline(real, line))) << line;
  const size_t last = real.find("\nblockcolormode") + 1;  // a setting's line lost
  EXPECT_FALSE(readsavedgame(std::string(real).erase(last, real.find('\n', last) + 1 - last)));
  for (const std::string& text :
       {real.substr(0, real.size() / 2), withline(real, "well 11 30 2 99"),
        withline(real, "wellwidth 42"), withline(real, "kubrix3d game 2"),
        std::string(100'000'000, '\xb7')}) {
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
