#include "persist/settings.h"

#include <sstream>

#include "../ui/uitest.h"
#include "model/numbers.h"

namespace {

using SettingsFile = workdir;
using enum menuitem;
namespace fs = std::filesystem;

// A settings line from comma-separated values, each quoted, ended by CR LF.
std::string fileline(const std::string& csv) {
  std::string line = "\"";
  for (char c : csv) line += c == ',' ? std::string("\",\"") : std::string(1, c);
  return line + "\"\r\n";
}
std::string readfile() {
  std::ostringstream text;
  text << std::ifstream(settingsfile, std::ios::binary).rdbuf();
  return text.str();
}

// Starts a game on the file as it stands and saves at once. The settings loaded must be sound and
// shown in the check marks and fields (Text5 and Text6 keep their design texts with no file).
std::string loadandsave() {
  harness h;
  h.start();
  const gamestate& g = *h.g;
  expectsound(g);
  expectmarks(h.w, {g.difficulty, g.gametype, g.colormode, g.blockcolormode});
  EXPECT_EQ(
      h.w.text(control::Text1) + h.w.text(control::Text2) + h.w.text(control::Text4),
      formatnumber(g.wellwidth) + formatnumber(g.wellheight) + formatnumber(2 * g.squareheight));
  h.w.click(savesettings);
  return readfile();
}

TEST_F(SettingsFile, WhatIsSavedLoadsBackAsTheSameSettings) {
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
  std::string binary, manyfields;
  for (int i = 0; i < 512; ++i) binary += static_cast<char>(i * 37);
  for (int i = 0; i < 100000; ++i) manyfields += "\"7\",";
  const std::vector<std::pair<std::string, std::string>> files{
      {fresh, fresh},
      {fileline("1,2,12,20,30,10,2.5,33,4,1,0"), fileline("1,2,12,20,12,10,2.5,33,4,1,0")},
      {" \"-1\"x ,1, 8", fileline("-1,1,8,30,8,14,5,20,1,0,0")},
      {fileline("5,0,6,6,6,14,5,20,1,0,1"), fileline("5,0,6,6,6,14,5,13,1,0,1")},
      {"\"a,b\",2,\"40\"\n\"40\"\r\"9\", 7.5x,\"3\"\r\n\"500\",\"20\"",
       fileline("0,2,40,40,40,7.5,3,500,20,0,0")},
      {"", fileline("0,0,10,30,10,14,5,20,1,0,0")},
      {fileline("-32768.5,2.5,5.5,40.5,7,1000,0.0001,166.5,6.5,-0.5,0.5"),
       fileline("-32768,2,6,40,6,1000,0.0001,166,6,0,0")},
      {fileline("32767.5,2.6,40.6,5.4,7,1000.5,0,661.6,10.6,1.6,-0.6"), fresh},
      {fileline("-97,0,10,30,10,14,5,20,1,0,1"), fresh},
      {binary, ""},
      {manyfields, ""},
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

TEST_F(SettingsFile, SaveWritesTheSettingsInUseWhereAndAsThePlayerKeepsTheFile) {
  // After game over the kind played, not the game-over code. Restore resets the fields and marks
  // for the next game; only the colour modes change at once. Settings kept elsewhere through a
  // link, made private, or in a folder the player cannot write but holding a file the player
  // can: each must be saved where and as the player set it up. A file the player cannot write
  // either is kept, and the player told.
  const std::string old = fileline("1,2,12,20,12,10,2.5,33,4,1,0");
  fs::create_directory("elsewhere");
  std::ofstream("elsewhere/settings") << old;
  fs::permissions("elsewhere/settings", fs::perms(0600));
  fs::create_symlink("elsewhere/settings", settingsfile);
  harness h;
  h.start();
  h.w.click(restoresettings);
  EXPECT_EQ(newgamefields(h.w), (std::vector<std::string>{"10", "30", "20", "1"}));
  expectmarks(h.w, {0, gametypes::regular, 0, 1});
  gameoversteps(*h.g, h.w);
  h.w.click(savesettings);
  EXPECT_EQ(
      std::tuple(readfile(), fs::is_symlink(settingsfile), fs::status(settingsfile).permissions(),
                 std::distance(fs::directory_iterator("elsewhere"), {})),
      std::tuple(fileline("1,2,12,20,12,10,2.5,33,4,0,1"), true, fs::perms(0600), 1));
  fs::remove(settingsfile);
  for (const bool writable : {true, false}) {
    std::ofstream(settingsfile) << old;
    fs::permissions(settingsfile, fs::perms(writable ? 0666 : 0444));
    fs::permissions(".", fs::perms(0555));
    const int told = asplayer([] {
      harness player;
      player.start();
      player.w.click(truecolor);
      player.w.click(savesettings);
      const std::vector<std::string> denied{
          "The settings could not be saved to \"kubrix3d.settings\": Permission denied."};
      return player.w.messages.empty() ? 0 : player.w.messages == denied ? 1 : 2;
    });
    fs::permissions(".", fs::perms::owner_all);
    EXPECT_EQ(
        std::tuple(told, readfile()),
        std::tuple(writable ? 0 : 1, writable ? fileline("1,2,12,20,12,10,2.5,33,4,0,0") : old));
  }
}

}  // namespace
