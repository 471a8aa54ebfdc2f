#include "persist/settings.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <string>
#include <vector>

#include "../harness.h"
#include "loop/landing.h"
#include "persist/limits.h"
#include "workdir.h"

namespace {

const std::string defaultline = R"("0","0","10","30","10","14","5","20","1","0","1")"
                                "\r\n";

// Nothing a file holds may leave the state outside what the game can play.
void expectholdable(const gamestate& g) {
  EXPECT_GE(g.wellwidth, 6);
  EXPECT_LE(g.wellwidth, 40);
  EXPECT_GE(g.wellheight, 6);
  EXPECT_LE(g.wellheight, 40);
  EXPECT_EQ(g.welldepth, g.wellwidth);
  EXPECT_GT(g.squarewidth, 0);
  EXPECT_LE(g.squarewidth, 200);
  EXPECT_GT(g.squareheight, 0);
  EXPECT_LE(g.squareheight, 100);
  EXPECT_GE(g.maxsquares, 4);
  EXPECT_LE(g.maxsquares, shapecap(g));
  EXPECT_GE(g.maxlayers, 1);
  EXPECT_LE(g.maxlayers, layercap(g));
  EXPECT_GE(g.difficulty, 0);
  EXPECT_LE(g.difficulty, 2);
  EXPECT_TRUE(g.colormode == 0 || g.colormode == 1);
  EXPECT_TRUE(g.blockcolormode == 0 || g.blockcolormode == 1);
  EXPECT_NE(g.gametype, gametypes::over);
}

using SettingsFile = workdir;

TEST_F(SettingsFile, SaveAfterAFreshStartWritesTheDefaultLineAndReadsItBack) {
  // The exact bytes are the file format other runs of the game depend on.
  harness first;
  first.start();
  first.w.click(menuitem::savesettings);
  EXPECT_EQ(readfile(), defaultline);
  EXPECT_EQ(filecount(), 1);
  EXPECT_TRUE(first.w.messages.empty());

  harness second;
  second.start();
  EXPECT_EQ(second.g->wellwidth, 10);
  EXPECT_EQ(second.g->wellheight, 30);
  EXPECT_EQ(second.g->squarewidth, 14);
  EXPECT_EQ(second.g->squareheight, 5);
  EXPECT_EQ(second.g->blockcolormode, 1);
  EXPECT_TRUE(second.w.checked(menuitem::regular));
  EXPECT_TRUE(second.w.checked(menuitem::one));
  EXPECT_EQ(second.w.text(control::Text6), "1");
  second.w.click(menuitem::savesettings);
  EXPECT_EQ(readfile(), defaultline);
}

TEST_F(SettingsFile, LoadsEveryFieldAndTheFirstGamePlaysIt) {
  // The fifth field is ignored (depth follows width) and 2.5 shows as 5 in its field.
  writefile(R"("1","2","12","20","30","10","2.5","33","4","1","0")"
            "\r\n");
  harness h;
  h.start();
  const gamestate& g = *h.g;
  EXPECT_EQ(g.gametype, gametypes::allsizes);
  EXPECT_EQ(g.savedgametype, gametypes::allsizes);
  EXPECT_EQ(g.difficulty, 2);
  EXPECT_EQ(g.wellwidth, 12);
  EXPECT_EQ(g.welldepth, 12);
  EXPECT_EQ(g.wellheight, 20);
  EXPECT_EQ(g.squarewidth, 10);
  EXPECT_EQ(g.squareheight, 2.5);
  EXPECT_EQ(g.maxsquares, 33);
  EXPECT_EQ(g.maxlayers, 4);
  EXPECT_EQ(g.colormode, 1);
  EXPECT_EQ(g.blockcolormode, 0);
  const std::vector<std::pair<control, std::string>> fields{
      {control::Text1, "12"}, {control::Text2, "20"}, {control::Text3, "10"},
      {control::Text4, "5"},  {control::Text5, "33"}, {control::Text6, "4"}};
  for (const auto& [box, text] : fields) EXPECT_EQ(h.w.text(box), text);
  const std::vector<std::pair<menuitem, bool>> marks{
      {menuitem::one, false},         {menuitem::three, true},       {menuitem::regular, false},
      {menuitem::allsizes, true},     {menuitem::truecolor, false},  {menuitem::color16, true},
      {menuitem::blockrandom, false}, {menuitem::blockuniform, true}};
  for (const auto& [item, on] : marks) EXPECT_EQ(h.w.checked(item), on);
}

TEST_F(SettingsFile, AThreeFieldFileReadsTheRestAsZeroOrItsDefault) {
  // A height of 0 must not reach the loop; 0 is a real value for the block colour.
  writefile(R"("-1","1","8")");
  harness h;
  h.start();
  EXPECT_EQ(h.g->gametype, gametypes::hard);
  EXPECT_EQ(h.g->difficulty, 1);
  EXPECT_EQ(h.g->wellwidth, 8);
  EXPECT_EQ(h.g->wellheight, 30);
  EXPECT_EQ(h.g->squarewidth, 14);
  EXPECT_EQ(h.g->squareheight, 5);
  EXPECT_EQ(h.g->maxsquares, 20);
  EXPECT_EQ(h.g->maxlayers, 1);
  EXPECT_EQ(h.g->colormode, 0);
  EXPECT_EQ(h.g->blockcolormode, 0);
}

TEST_F(SettingsFile, AKindOutsideTheMenusIsPlayedWithNoItemChecked) {
  writefile(R"("5","0","10","30","10","14","5","20","1","0","1")");
  harness h;
  h.start();
  for (menuitem item : {menuitem::classic, menuitem::regular, menuitem::hard, menuitem::allsizes,
                        menuitem::holeinone}) {
    EXPECT_FALSE(h.w.checked(item));
  }
  EXPECT_EQ(h.g->gametype, 5);
  h.w.click(menuitem::savesettings);
  EXPECT_EQ(readfile().substr(0, 4), R"("5",)");
}

TEST_F(SettingsFile, ValuesTheGameCannotHoldFallBackToTheirDefaults) {
  // Each row puts one text into one field of an otherwise default line.
  struct row {
    int field;
    std::string text;
    double expected;
    double gamestate::*real;
    int gamestate::*whole;
  };
  const std::vector<row> rows{
      {3, "200", 10, nullptr, &gamestate::wellwidth},
      {3, "5", 10, nullptr, &gamestate::wellwidth},
      {3, "6", 6, nullptr, &gamestate::wellwidth},
      {3, "10.5", 10, nullptr, &gamestate::wellwidth},
      {3, "11.5", 12, nullptr, &gamestate::wellwidth},
      {4, "41", 30, nullptr, &gamestate::wellheight},
      {4, "-6", 30, nullptr, &gamestate::wellheight},
      {4, "40", 40, nullptr, &gamestate::wellheight},
      {6, "0", 14, &gamestate::squarewidth, nullptr},
      {6, "200.5", 14, &gamestate::squarewidth, nullptr},
      {6, "200", 200, &gamestate::squarewidth, nullptr},
      {7, "101", 5, &gamestate::squareheight, nullptr},
      {7, "-1", 5, &gamestate::squareheight, nullptr},
      {8, "3", 20, nullptr, &gamestate::maxsquares},
      {8, "661", 661, nullptr, &gamestate::maxsquares},
      {8, "662", 20, nullptr, &gamestate::maxsquares},
      {9, "16", 1, nullptr, &gamestate::maxlayers},
      {9, "10", 10, nullptr, &gamestate::maxlayers},
      {2, "3", 0, nullptr, &gamestate::difficulty},
      {2, "1.5", 2, nullptr, &gamestate::difficulty},
      {10, "0.5", 0, nullptr, &gamestate::colormode},
      {10, "1.5", 0, nullptr, &gamestate::colormode},
      {11, "2", 1, nullptr, &gamestate::blockcolormode},
      {1, "-97", gametypes::regular, nullptr, &gamestate::gametype},
      {1, "99999999999", gametypes::regular, nullptr, &gamestate::gametype},
  };
  for (const row& r : rows) {
    std::vector<std::string> fields{"0", "0", "10", "30", "10", "14", "5", "20", "1", "0", "1"};
    fields[r.field - 1] = r.text;
    std::string line;
    for (const std::string& f : fields) line += (line.empty() ? "\"" : ",\"") + f + "\"";
    writefile(line + "\r\n");
    harness h;
    h.start();
    const double got = r.real ? (*h.g).*r.real : (*h.g).*r.whole;
    EXPECT_EQ(got, r.expected) << "field " << r.field << " holding " << r.text;
    expectholdable(*h.g);
  }
}

TEST_F(SettingsFile, ASmallLoadedWellBringsTheDefaultShapeLimitDown) {
  // In a 6 x 6 x 6 well at most 13 cubes fit the all-sizes rule; the default 20 does not.
  writefile(R"("1","0","6","6","6","14","5","0","1","0","1")");
  harness h;
  h.start();
  EXPECT_EQ(h.g->maxsquares, 13);
  EXPECT_EQ(h.w.text(control::Text5), "13");
}

TEST_F(SettingsFile, HostileFilesNeverYieldStateOutsideTheRanges) {
  std::string fields100k;
  for (int i = 0; i < 100000; ++i) fields100k += "\"7\",";
  std::string binary;
  for (int i = 0; i < 512; ++i) binary += static_cast<char>((i * 37) & 0xFF);
  const std::vector<std::string> files{
      "",
      binary,
      R"("0","0","10","30","10","14","5","20","1","0","1")",
      R"("-99999999999999999999","-1","-10","-30","-10","-14","-5","-20","-1","-1","-1")",
      R"("1e999","1e999","1e999","1e999","1e999","1e999","1e999","1e999","1e999","1e999","1e9")",
      R"("nan","inf","nan","-inf","nan","nan","nan","nan","nan","nan","nan")",
      "\"" + std::string(400, '9') + "\",\"" + std::string(400, '9') + "\"",
      fields100k,
      std::string(50'000'000, '9'),
      "\"" + std::string(50'000'000, ' ') + "12\"",
      "\r\n\r\n,,,,,,,,,,,,\"\"\"\"",
      "\"0.5\",\"0.5\",\"0.5\",\"0.5\",\"0.5\",\"0.5\",\"0.5\",\"0.5\",\"0.5\",\"0.5\",\"0.5\"",
  };
  for (const std::string& text : files) {
    writefile(text);
    harness h;
    h.start();
    expectholdable(*h.g);
    h.w.tick();
    h.w.click(menuitem::newgame);
    expectholdable(*h.g);
  }
}

TEST_F(SettingsFile, SavingAfterGameOverWritesTheKindThatWasPlayed) {
  harness h;
  h.start();
  h.w.click(menuitem::hard);
  h.w.click(menuitem::newgame);
  gameoversteps(*h.g, h.w);
  ASSERT_EQ(h.g->gametype, gametypes::over);
  h.w.click(menuitem::savesettings);
  EXPECT_EQ(readfile().substr(0, 5), R"("-1",)");
}

TEST_F(SettingsFile, RestoreThenSaveWritesTheValuesStillInUse) {
  // Restore changes only the fields and marks for the next game, and the colour modes at once.
  writefile(R"("1","2","12","20","12","10","2.5","33","4","1","0")");
  harness h;
  h.start();
  h.w.click(menuitem::restoresettings);
  EXPECT_EQ(h.w.text(control::Text1), "10");
  EXPECT_EQ(h.w.text(control::Text2), "30");
  EXPECT_EQ(h.w.text(control::Text3), "10");
  EXPECT_EQ(h.w.text(control::Text4), "5");
  EXPECT_EQ(h.w.text(control::Text5), "20");
  EXPECT_EQ(h.w.text(control::Text6), "1");
  EXPECT_TRUE(h.w.checked(menuitem::regular));
  EXPECT_FALSE(h.w.checked(menuitem::allsizes));
  EXPECT_TRUE(h.w.checked(menuitem::one));
  EXPECT_TRUE(h.w.checked(menuitem::truecolor));
  EXPECT_TRUE(h.w.checked(menuitem::blockrandom));
  h.w.click(menuitem::savesettings);
  EXPECT_EQ(readfile(), R"("1","2","12","20","12","10","2.5","33","4","0","1")"
                        "\r\n");
}

TEST_F(SettingsFile, AFailedSaveKeepsTheOldFileAndTellsThePlayerWhy) {
  // A write cut short (here by a file-size limit, which binds even root) must not truncate the
  // file the next start reads.
  const std::string old = R"("-2","1","8","20","8","12","4","10","2","0","1")"
                          "\r\n";
  writefile(old);
  harness h;
  h.start();
  h.w.click(menuitem::hard);
  h.w.click(menuitem::newgame);
  const auto before = h.g->savedgametype;

  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  const auto oldhandler = signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 10;
  setrlimit(RLIMIT_FSIZE, &small);
  h.w.click(menuitem::savesettings);
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, oldhandler);

  EXPECT_EQ(readfile(), old);
  EXPECT_EQ(filecount(), 1);
  ASSERT_EQ(h.w.messages.size(), 1u);
  EXPECT_NE(h.w.messages[0].find("\"kubrix3d.settings\""), std::string::npos);
  EXPECT_NE(h.w.messages[0].find("File too large"), std::string::npos);
  EXPECT_EQ(h.g->savedgametype, before);
}

TEST_F(SettingsFile, SavingIntoAFolderThatIsGoneTellsThePlayer) {
  harness h;
  h.start();
  std::filesystem::remove(folder_);
  h.w.click(menuitem::savesettings);
  ASSERT_EQ(h.w.messages.size(), 1u);
  EXPECT_NE(h.w.messages[0].find("\"kubrix3d.settings\": No such file or directory"),
            std::string::npos);
}

TEST(SettingsLine, ReadsQuotedAndUnquotedFieldsAsTheFileFormatAllows) {
  struct row {
    std::string text;
    settingsvalues expected;
  };
  const std::vector<row> rows{
      {R"("1","2","3","4","5","6","7","8","9","10","11","12")",
       {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
      {"1,2, 3,  -4,5.5,6", {1, 2, 3, -4, 5.5, 6, 0, 0, 0, 0, 0}},
      {R"("7"junk,"8" ,x,"9)", {7, 8, 0, 9, 0, 0, 0, 0, 0, 0, 0}},
      {"\"1\"\r\n\"2\"\r\"3\"\n\"4\"", {1, 2, 3, 4, 0, 0, 0, 0, 0, 0, 0}},
      {R"("a,b","3")", {0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
      {R"(,,"4")", {0, 0, 4, 0, 0, 0, 0, 0, 0, 0, 0}},
      {R"(" 12abc","1e5","-.5")", {12, 1, -0.5, 0, 0, 0, 0, 0, 0, 0, 0}},
  };
  for (const row& r : rows) EXPECT_EQ(readsettingsline(r.text), r.expected) << r.text;
}

}  // namespace
