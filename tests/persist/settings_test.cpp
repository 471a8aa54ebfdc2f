#include "persist/settings.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <sstream>
#include <string>
#include <vector>

#include "../harness.h"
#include "loop/landing.h"
#include "persist/limits.h"
#include "workdir.h"

namespace {

// A settings line from comma-separated fields: each quoted, the line ended by CR LF.
std::string fileline(const std::string& fields) {
  std::string line;
  std::istringstream in(fields);
  for (std::string field; std::getline(in, field, ',');) {
    line += (line.empty() ? "\"" : ",\"") + field + "\"";
  }
  return line + "\r\n";
}

// Starts a game on the file as it stands, saves at once and returns what was written.
std::string loadandsave(harness& h) {
  h.start();
  h.w.click(menuitem::savesettings);
  return workdir::readfile();
}

using SettingsFile = workdir;

TEST_F(SettingsFile, AFreshStartSavesTheDefaultLineAndReadsItBack) {
  // The exact bytes are the format every later start depends on.
  const std::string defaults =
      "\"0\",\"0\",\"10\",\"30\",\"10\",\"14\",\"5\",\"20\",\"1\",\"0\",\"1\"\r\n";
  harness first;
  EXPECT_EQ(loadandsave(first), defaults);
  EXPECT_EQ(filecount(), 1);
  harness second;
  EXPECT_EQ(loadandsave(second), defaults);
}

TEST_F(SettingsFile, LoadsWhatTheFileHoldsAndTheFirstGamePlaysIt) {
  // Depth follows width whatever the fifth field says; a depth step of 2.5 shows as 5. Missing
  // fields read 0: a height of 0 falls back, a uniform block colour is a real choice. A kind of
  // game outside the menus is played with no kind checked; a 6-wide well takes at most 13 cubes.
  struct row {
    std::string file, saved;
    int gametype;
  };
  const std::vector<row> rows{
      {fileline("1,2,12,20,30,10,2.5,33,4,1,0"), fileline("1,2,12,20,12,10,2.5,33,4,1,0"), 1},
      {"\"-1\",\"1\",\"8\"", fileline("-1,1,8,30,8,14,5,20,1,0,0"), -1},
      {fileline("5,0,6,6,6,14,5,20,1,0,1"), fileline("5,0,6,6,6,14,5,13,1,0,1"), 5},
  };
  for (const row& r : rows) {
    writefile(r.file);
    harness h;
    EXPECT_EQ(loadandsave(h), r.saved);
    EXPECT_EQ(h.g->gametype, r.gametype);
    EXPECT_EQ(h.w.text(control::Text4), r.gametype == 1 ? "5" : "10");
    int kinds = 0;
    for (menuitem item : {menuitem::classic, menuitem::regular, menuitem::hard, menuitem::allsizes,
                          menuitem::holeinone}) {
      kinds += h.w.checked(item);
    }
    EXPECT_EQ(kinds, r.gametype == 5 ? 0 : 1);
  }
}

TEST_F(SettingsFile, AValueTheGameCannotHoldFallsBackToItsDefault) {
  struct row {
    int field;
    std::string text, saved;
  };
  const std::vector<row> rows{
      {3, "200", "10"},  {3, "5", "10"},          {3, "10.5", "10"}, {3, "11.5", "12"},
      {4, "-6", "30"},   {4, "40", "40"},         {6, "0", "14"},    {6, "200.5", "14"},
      {6, "200", "200"}, {7, "101", "5"},         {8, "3", "20"},    {8, "661", "661"},
      {8, "662", "20"},  {9, "10", "10"},         {9, "16", "1"},    {2, "3", "0"},
      {2, "1.5", "2"},   {10, "0.5", "0"},        {10, "1.5", "0"},  {11, "2", "1"},
      {1, "-97", "0"},   {1, "99999999999", "0"},
  };
  for (const row& r : rows) {
    std::vector<std::string> fields{"0", "0", "10", "30", "10", "14", "5", "20", "1", "0", "1"};
    const auto line = [&] {
      std::string csv;
      for (const std::string& f : fields) csv += (csv.empty() ? "" : ",") + f;
      return fileline(csv);
    };
    fields[r.field - 1] = r.text;
    writefile(line());
    fields[r.field - 1] = r.saved;
    if (r.field == 3) fields[4] = r.saved;  // the depth follows the width
    harness h;
    EXPECT_EQ(loadandsave(h), line()) << "field " << r.field << " holding " << r.text;
  }
}

TEST_F(SettingsFile, HostileFilesNeverYieldStateOutsideTheRanges) {
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
      fileline("1e999,1e999,1e999,1e999,1e999,1e999,1e999,1e999,1e999,1e999,1e999"),
      fileline("nan,inf,nan,-inf,nan,nan,nan,nan,nan,nan,nan"),
      fileline(std::string(400, '9') + "," + std::string(400, '9')),
      "\r\n,,,,\"\"\"\"",
  };
  for (const std::string& text : files) {
    writefile(text);
    harness h;
    h.start();
    const gamestate& g = *h.g;
    EXPECT_TRUE(g.wellwidth >= 6 && g.wellwidth <= 40 && g.welldepth == g.wellwidth);
    EXPECT_TRUE(g.wellheight >= 6 && g.wellheight <= 40);
    EXPECT_TRUE(g.squarewidth > 0 && g.squarewidth <= 200);
    EXPECT_TRUE(g.squareheight > 0 && g.squareheight <= 100);
    EXPECT_TRUE(g.maxsquares >= 4 && g.maxsquares <= shapecap(g));
    EXPECT_TRUE(g.maxlayers >= 1 && g.maxlayers <= layercap(g));
    EXPECT_TRUE(g.difficulty >= 0 && g.difficulty <= 2 && g.gametype != gametypes::over);
    EXPECT_TRUE((g.colormode == 0 || g.colormode == 1) && g.blockcolormode >= 0 &&
                g.blockcolormode <= 1);
  }
}

TEST_F(SettingsFile, SaveWritesTheSettingsInUseAfterGameOverOrRestore) {
  // After game over the kind played, not the game-over code. Restore resets the fields and marks
  // for the next game; only the colour modes change at once.
  writefile(fileline("1,2,12,20,12,10,2.5,33,4,1,0"));
  harness h;
  h.start();
  h.w.click(menuitem::restoresettings);
  const std::vector<std::string> fields{h.w.text(control::Text1), h.w.text(control::Text2),
                                        h.w.text(control::Text5), h.w.text(control::Text6),
                                        h.w.text(control::Text3)};
  EXPECT_EQ(fields, (std::vector<std::string>{"10", "30", "20", "1", "10"}));
  EXPECT_TRUE(h.w.checked(menuitem::regular) && h.w.checked(menuitem::one));
  gameoversteps(*h.g, h.w);
  h.w.click(menuitem::savesettings);
  EXPECT_EQ(readfile(), fileline("1,2,12,20,12,10,2.5,33,4,0,1"));
}

TEST_F(SettingsFile, AFailedSaveKeepsTheOldFileAndTellsThePlayerWhy) {
  // A write cut short (by a file-size limit, which binds even root) must not truncate the file.
  const std::string old = fileline("-2,1,8,20,8,12,4,10,2,0,1");
  writefile(old);
  harness h;
  h.start();
  h.w.click(menuitem::hard);
  h.w.click(menuitem::newgame);
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  rlimit small = saved;
  small.rlim_cur = 10;
  const auto handler = signal(SIGXFSZ, SIG_IGN);
  setrlimit(RLIMIT_FSIZE, &small);
  h.w.click(menuitem::savesettings);
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, handler);
  EXPECT_EQ(readfile(), old);
  EXPECT_EQ(filecount(), 1);
  ASSERT_EQ(h.w.messages.size(), 1u);
  EXPECT_NE(h.w.messages[0].find("\"kubrix3d.settings\": File too large"), std::string::npos);

  // A folder that is gone cannot take the file either.
  std::filesystem::remove_all(folder_);
  h.w.click(menuitem::savesettings);
  ASSERT_EQ(h.w.messages.size(), 2u);
  EXPECT_NE(h.w.messages[1].find("No such file or directory"), std::string::npos);
}

TEST(SettingsLine, ReadsQuotedAndUnquotedFieldsAsTheFileFormatAllows) {
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
