#include "persist/settings.h"

#include <cmath>
#include <limits>
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
// shown in the fields and check marks.
std::string loadandsave() {
  harness h;
  h.w.recording = false;
  h.start();
  const gamestate& g = *h.g;
  expectsound(g);
  expectmarks(h.w, {g.difficulty, g.gametype, g.colormode, g.blockcolormode});
  std::string fields, values;
  for (control box : {control::Text1, control::Text2, control::Text3, control::Text4,
                      control::Text5, control::Text6}) {
    fields += h.w.text(box) + " ";
  }
  for (double value :
       {static_cast<double>(g.wellwidth), static_cast<double>(g.wellheight), g.squarewidth,
        2 * g.squareheight, static_cast<double>(g.maxsquares), static_cast<double>(g.maxlayers)}) {
    values += formatnumber(value) + " ";
  }
  // With no file the fields keep their design texts.
  EXPECT_TRUE(!fs::exists(settingsfile) || fields == values) << fields << "against " << values;
  h.w.click(savesettings);
  return readfile();
}

TEST_F(SettingsFile, WhatIsSavedLoadsBackAsTheSameSettings) {
  // The exact bytes are the format every later start depends on. Depth follows width whatever the
  // fifth field says; a depth step of 2.5 shows as 5. Missing fields read 0: a height of 0 falls
  // back, a uniform block colour is a real choice. A kind of game outside the menus is played
  // with no kind checked; a 6-wide well takes at most 13 cubes. Quoted or not, blanks before a
  // field, junk after a quote, any line end. Hostile files load as something sound, and what
  // that saves loads back unchanged.
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

TEST(SettingsValues, EachIsTakenRoundedWithinItsLimitsElseItsDefault) {
  // Whole numbers round half to even before their limits are checked, and cell sizes are taken as
  // they are; the depth is the width. Limits and defaults field by field, for a 10 x 30 x 10 well.
  const double tiny = std::numeric_limits<double>::min();
  const settingsvalues lowest{-32768, 0, 6, 6, 10, tiny, tiny, 4, 1, 0, 0};
  const settingsvalues highest{32767, 2, 40, 40, 10, 1000, 1000, 661, 10, 1, 1};
  const settingsvalues fallback{0, 0, 10, 30, 10, 14, 5, 20, 1, 0, 1};
  for (size_t i = 0; i < fallback.size(); ++i) {
    const double low = lowest[i], high = highest[i];
    for (const double value : {low - 1, low - 0.5, low, low + 0.5, high - 0.5, high, high + 0.5,
                               high + 1, -97.0, std::nan(""), HUGE_VAL, -1e300}) {
      settingsvalues values = fallback, expected = fallback;
      values[i] = value;
      values[4] = 12;
      const double taken = i == 5 || i == 6 ? value : std::nearbyint(value);
      expected[i] = taken >= low && taken <= high && taken != -97 ? taken : fallback[i];
      expected[4] = expected[2];
      EXPECT_EQ(holdable(values), expected) << "field " << i + 1 << " holding " << value;
    }
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
  const std::string fresh = fileline("1,2,12,20,12,10,2.5,33,4,0,1");
  EXPECT_EQ(readfile(), fresh);
  EXPECT_TRUE(fs::is_symlink(settingsfile));
  EXPECT_EQ(fs::status(settingsfile).permissions(), fs::perms(0600));
  EXPECT_EQ(std::distance(fs::directory_iterator("elsewhere"), {}), 1);
  fs::remove(settingsfile);
  for (const bool writable : {true, false}) {
    std::ofstream(settingsfile) << old;
    fs::permissions(settingsfile, fs::perms(writable ? 0666 : 0444));
    fs::permissions(".", fs::perms(0555));
    const int told = asplayer([] {
      harness player;
      player.start();
      player.w.click(menuitem::truecolor);
      player.w.click(savesettings);
      const std::vector<std::string> denied{
          "The settings could not be saved to \"kubrix3d.settings\": Permission denied."};
      return player.w.messages.empty() ? 0 : player.w.messages == denied ? 1 : 2;
    });
    fs::permissions(".", fs::perms::owner_all);
    EXPECT_EQ(told, writable ? 0 : 1);
    EXPECT_EQ(readfile(), writable ? fileline("1,2,12,20,12,10,2.5,33,4,0,0") : old);
  }
}

}  // namespace
