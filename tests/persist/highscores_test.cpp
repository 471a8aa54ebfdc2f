#include "persist/highscores.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "workdir.h"

namespace {

using HighScoreFile = workdir;

TEST(HighScoreLine, NamesReadBackUnchangedAndOtherLinesAreNoRecords) {
  // Quotes, commas, blanks and letters beyond ASCII are a player's own name; the exact bytes are
  // what every later reader depends on.
  const highscore ann{"  Ann \"the Fox\", Ärger 日本", 130, -7, 2, 12, 40, 661};
  EXPECT_EQ(highscoreline(ann),
            "\"  Ann \"\"the Fox\"\", Ärger 日本\",\"130\",\"-7\",\"2\",\"12\",\"40\",\"661\"\r\n");
  for (const highscore& record : {ann, highscore{"\"\",", 1}, highscore{}}) {
    EXPECT_EQ(readhighscoreline(highscoreline(record)), record) << record.name;
  }
  EXPECT_EQ(readhighscoreline(" \"Bo\" ,-10, \"0\" ,1,6,6 ,4"),
            (highscore{"Bo", -10, 0, 1, 6, 6, 4}));
  for (const char* line :
       {"Bo,1,0,1,6,6", "Bo,1,0,1,6,6,4,9", "\"Bo,1,0,1,6,6,4", "\"Bo\"x,1,0,1,6,6,4",
        "Bo,1.5,0,1,6,6,4", "Bo,99999999999999999999,0,1,6,6,4"}) {
    EXPECT_FALSE(readhighscoreline(line)) << line;
  }
}

TEST_F(HighScoreFile, RecordsAreFoundAmongJunkAndAppendedOnALineOfTheirOwn) {
  // Records are found among junk, in file order, and a huge file is read up to a bound. A record
  // cut short by a failed write must not swallow the next one. A table kept elsewhere through a
  // link is appended to there, and the link stays.
  const auto names = [] {
    std::string all;
    for (const highscore& record : readhighscores().records) all += record.name;
    return all;
  };
  std::string junk;
  for (int i = 0; i < 2048; ++i) junk += static_cast<char>(i * 37);
  std::ofstream(highscorefile, std::ios::binary)
      << highscoreline({"A", 1}) + junk + "\nB,2,0,0,6,6,4\r" + std::string(100000, ',') + "\n" +
             highscoreline({"C", 3}) + "\"D\",\"4\",\"0";
  ASSERT_EQ(appendhighscore({"E", 5}), 0);
  EXPECT_EQ(names(), "ABCE");
  std::filesystem::rename(highscorefile, "kept");
  std::filesystem::create_symlink("kept", highscorefile);
  ASSERT_EQ(appendhighscore({"F", 6}), 0);
  EXPECT_TRUE(std::filesystem::is_symlink(highscorefile));
  std::ofstream(highscorefile, std::ios::app) << std::string(50'000'000, '9');
  EXPECT_EQ(names(), "ABCEF");
}

}  // namespace
