#include "persist/highscores.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "workdir.h"

namespace {

using HighScoreFile = workdir;

TEST_F(HighScoreFile, RecordsAreFoundAmongJunkAndAppendedOnALineOfTheirOwn) {
  // Records are found among junk and lines that are no record, in file order, blanks around a
  // field allowed; a huge file is read up to a bound. A record cut short by a failed write must
  // not swallow the next one. Names read back byte for byte. A table kept elsewhere through a link
  // is appended to there, and the link stays.
  const auto names = [] {
    std::string all;
    for (const highscore& record : readhighscores().records) all += record.name + "|";
    return all;
  };
  std::string junk;
  for (int i = 0; i < 2048; ++i) junk += static_cast<char>(i * 37);
  std::ofstream(highscorefile, std::ios::binary)
      << highscoreline({"A", 1}) + junk + "\n \"B\" ,-10, \"0\" ,1,6,6 ,4\r" +
             std::string(100000, ',') + "\nC,1,0,1,6,6\nC,1,0,1,6,6,4,9\n\"C,1,0,1,6,6,4\n" +
             "\"C\"x,1,0,1,6,6,4\nC,1.5,0,1,6,6,4\nC,99999999999999999999,0,1,6,6,4\n" +
             "\"D\",\"4\",\"0";
  ASSERT_EQ(appendhighscore({"\"E\", Ä", 5}), 0);
  ASSERT_EQ(appendhighscore({"", 6}), 0);
  EXPECT_EQ(names(), "A|B|\"E\", Ä||");
  EXPECT_EQ(readhighscores().records[1], (highscore{"B", -10, 0, 1, 6, 6, 4}));
  std::filesystem::rename(highscorefile, "kept");
  std::filesystem::create_symlink("kept", highscorefile);
  ASSERT_EQ(appendhighscore({"F", 7}), 0);
  EXPECT_TRUE(std::filesystem::is_symlink(highscorefile));
  std::ofstream(highscorefile, std::ios::app) << std::string(50'000'000, '9');
  EXPECT_EQ(names(), "A|B|\"E\", Ä||F|");
}

}  // namespace
