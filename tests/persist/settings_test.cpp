#include "persist/settings.h"

#include <sstream>

#include "../ui/uitest.h"

namespace {

using SettingsFile = workdir;
using enum menuitem;

// A settings line from comma-separated fields, each quoted, ended by CR LF; field n (from 1)
// replaced by value, and for the width the depth that follows it too.
std::string fileline(const std::string& csv, int n = 0, const std::string& value = "") {
  std::string line;
  std::istringstream in(csv);
  int i = 0;
  for (std::string field; std::getline(in, field, ',');) {
    if (++i == n || (n == 3 && i == 5)) field = value;
    line += (line.empty() ? "\"" : ",\"") + field + "\"";
  }
  return line + "\r\n";
}
const std::string defaults = "0,0,10,30,10,14,5,20,1,0,1";

void writefile(const std::string& text) {
  std::ofstream(settingsfile, std::ios::binary) << text;
}
std::string readfile() {
  std::ostringstream text;
  text << std::ifstream(settingsfile, std::ios::binary).rdbuf();
  return text.str();
}

// Starts a game on the file as it stands, saves at once and returns what was written; the check
// marks show the settings in force and the save leaves no temporary file behind.
std::string loadandsave(harness& h) {
  h.start();
  h.w.click(savesettings);
  const int values[] = {h.g->difficulty, h.g->gametype, h.g->colormode, h.g->blockcolormode};
  for (size_t i = 0; i < markgroups.size(); ++i) {
    for (const checkmark& mark : markgroups[i])
      EXPECT_EQ(h.w.checked(mark.item), mark.value == values[i]);
  }
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), {}), 1);
  return readfile();
}

TEST_F(SettingsFile, LoadsWhatTheFileHoldsAndSavesItBack) {
  // The exact bytes are the format every later start depends on. Depth follows width whatever the
  // fifth field says; a depth step of 2.5 shows as 5. Missing fields read 0: a height of 0 falls
  // back, a uniform block colour is a real choice. A kind of game outside the menus is played
  // with no kind checked; a 6-wide well takes at most 13 cubes.
  const std::string fresh =
      "\"0\",\"0\",\"10\",\"30\",\"10\",\"14\",\"5\",\"20\",\"1\",\"0\",\"1\"\r\n";
  const std::vector<std::tuple<std::string, std::string, std::string>> rows{
      {"", fresh, "10"},  // no file yet
      {fresh, fresh, "10"},
      {fileline("1,2,12,20,30,10,2.5,33,4,1,0"), fileline("1,2,12,20,12,10,2.5,33,4,1,0"), "5"},
      {"\"-1\",\"1\",\"8\"", fileline("-1,1,8,30,8,14,5,20,1,0,0"), "10"},
      {fileline("5,0,6,6,6,14,5,20,1,0,1"), fileline("5,0,6,6,6,14,5,13,1,0,1"), "10"},
  };
  for (const auto& [file, saved, text4] : rows) {
    if (!file.empty()) writefile(file);
    harness h;
    EXPECT_EQ(loadandsave(h), saved);
    EXPECT_EQ(h.g->gametype, h.g->savedgametype);
    EXPECT_EQ(h.w.text(control::Text4), text4);
  }
}

TEST_F(SettingsFile, AValueTheGameCannotHoldFallsBackToItsDefault) {
  // Each field has its own limits, and whole numbers round half to even before they are checked.
  // Field, text in the file, text saved.
  const std::vector<std::tuple<int, std::string, std::string>> rows{
      {3, "200", "10"},    {3, "5", "10"},          {3, "10.5", "10"}, {3, "11.5", "12"},
      {4, "-6", "30"},     {4, "40", "40"},         {6, "0", "14"},    {6, "1000.5", "14"},
      {6, "1000", "1000"}, {7, "1001", "5"},        {8, "3", "20"},    {8, "661", "661"},
      {8, "662", "20"},    {9, "10", "10"},         {9, "16", "1"},    {2, "3", "0"},
      {2, "1.5", "2"},     {10, "0.5", "0"},        {10, "1.5", "0"},  {11, "2", "1"},
      {1, "-97", "0"},     {1, "99999999999", "0"},
  };
  for (const auto& [field, text, saved] : rows) {
    writefile(fileline(defaults, field, text));
    harness h;
    EXPECT_EQ(loadandsave(h), fileline(defaults, field, saved)) << field << " holding " << text;
  }
}

TEST_F(SettingsFile, HostileFilesNeverYieldStateOutsideTheRanges) {
  // Nothing read from a file may put an index outside the grids, hang a walk or crash the game.
  std::string manyfields;
  for (int i = 0; i < 100000; ++i) manyfields += "\"7\",";
  std::string binary;
  for (int i = 0; i < 512; ++i) binary += static_cast<char>((i * 37) & 0xFF);
  const std::vector<std::string> files{
      "",
      binary,
      "\"0\",\"0\",\"10\"",
      manyfields,
      std::string(50'000'000, '9'),
      fileline("-99999999999999999999,-1,-10,-30,-10,-14,-5,-20,-1,-1,-1"),
      fileline("1e999,nan,inf,-inf,1e999,nan,1e999,nan,1e999,nan,1e999"),
      fileline(std::string(400, '9') + "," + std::string(400, '9')),
      "\r\n,,,,\"\"\"\"",
  };
  for (const std::string& text : files) {
    writefile(text);
    harness h;
    loadandsave(h);
    expectsound(*h.g);
  }
}

TEST_F(SettingsFile, SaveWritesTheSettingsInUseOrKeepsTheOldFileAndSaysWhy) {
  // After game over the kind played, not the game-over code. Restore resets the fields and marks
  // for the next game; only the colour modes change at once. A write cut short, or a folder that
  // is gone, must not truncate the file.
  writefile(fileline("1,2,12,20,12,10,2.5,33,4,1,0"));
  harness h;
  h.start();
  h.w.click(restoresettings);
  EXPECT_EQ(newgamefields(h.w), (std::vector<std::string>{"10", "30", "20", "1"}));
  EXPECT_EQ(checkeditems(h.w), (std::vector<menuitem>{one, regular, truecolor, blockrandom}));
  gameoversteps(*h.g, h.w);
  h.w.click(savesettings);
  const std::string saved = fileline("1,2,12,20,12,10,2.5,33,4,0,1");
  EXPECT_EQ(readfile(), saved);

  h.w.click(newgame);
  withsizelimit(10, [&] { h.w.click(savesettings); });
  EXPECT_EQ(readfile(), saved);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), {}), 1);
  std::filesystem::remove_all(folder_);
  h.w.click(savesettings);
  ASSERT_EQ(h.w.messages.size(), 2u);
  EXPECT_NE(h.w.messages[0].find("\"kubrix3d.settings\": File too large"), std::string::npos);
  EXPECT_NE(h.w.messages[1].find("No such file or directory"), std::string::npos);
}

TEST_F(SettingsFile, SaveFollowsLinksKeepsPermissionsAndWritesInPlaceInALockedFolder) {
  // Settings kept elsewhere through a link, made private, or in a folder the player cannot write
  // but holding a file the player can: each must be saved where and as the player set it up.
  namespace fs = std::filesystem;
  // The old file names a depth the loader ignores, so every save of it writes something new.
  const std::string old = fileline(defaults, 5, "12"), fresh = fileline(defaults);
  fs::create_directory("elsewhere");
  std::ofstream("elsewhere/settings") << old;
  fs::permissions("elsewhere/settings", fs::perms::owner_read | fs::perms::owner_write);
  fs::create_symlink("elsewhere/settings", settingsfile);
  harness h;
  h.start();
  h.w.click(savesettings);
  EXPECT_TRUE(fs::is_symlink(settingsfile));
  EXPECT_EQ(readfile(), fresh);
  EXPECT_EQ(fs::status(settingsfile).permissions(), fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(std::distance(fs::directory_iterator("elsewhere"), {}), 1);

  // As a player, in a folder only root may write: in place when the file is writable, else the
  // message and the old text.
  fs::remove(settingsfile);
  const fs::perms readable = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
  const fs::perms entered = fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;
  for (const bool writable : {true, false}) {
    writefile(old);
    fs::permissions(settingsfile, writable ? fs::perms::all : readable);
    fs::permissions(".", readable | entered);
    const int messages = asplayer([] {
      harness player;
      player.start();
      player.w.click(savesettings);
      const std::vector<std::string> denied{
          "The settings could not be saved to \"kubrix3d.settings\": Permission denied."};
      return player.w.messages.empty() ? 0 : player.w.messages == denied ? 1 : 2;
    });
    fs::permissions(".", fs::perms::owner_all);
    EXPECT_EQ(messages, writable ? 0 : 1);
    EXPECT_EQ(readfile(), writable ? fresh : old);
  }
}

TEST(SettingsLine, ReadsQuotedAndUnquotedFieldsAsTheFileFormatAllows) {
  // Files written by hand or by other programs: blanks, stray text, any line end, quoted commas.
  const std::vector<std::pair<std::string, settingsvalues>> rows{
      {fileline("1,2,3,4,5,6,7,8,9,10,11,12"), {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
      {"1,2, 3,  -4,5.5,6", {1, 2, 3, -4, 5.5, 6}},
      {"\"7\"junk,\"8\" ,x,\"9", {7, 8, 0, 9}},
      {"\"1\"\r\n\"2\"\r\"3\"\n\"4\"", {1, 2, 3, 4}},
      {"\"a,b\",\"3\",,\"4\"", {0, 3, 0, 4}},
      {"\" 12abc\",\"1e5\",\"-.5\"", {12, 1, -0.5}},
  };
  for (const auto& [text, expected] : rows) EXPECT_EQ(readsettingsline(text), expected) << text;
}

}  // namespace
