#include "persist/highscores.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "workdir.h"

namespace {

using HighScoreFile = workdir;

std::string recordfile() {
  std::ostringstream text;
  text << std::ifstream(highscorefile, std::ios::binary).rdbuf();
  return text.str();
}

void writerecords(const std::string& text) {
  std::ofstream(highscorefile, std::ios::binary) << text;
}

TEST(HighScoreLine, NamesReadBackUnchanged) {
  // Quotes, commas, blanks and letters beyond ASCII are a player's own name; the exact bytes are
  // what every later reader depends on.
  const highscore ann{"  Ann \"the Fox\", Ärger 日本", 130, -7, 2, 12, 40, 661};
  EXPECT_EQ(highscoreline(ann),
            "\"  Ann \"\"the Fox\"\", Ärger 日本\",\"130\",\"-7\",\"2\",\"12\",\"40\",\"661\"\r\n");
  for (const std::string& name : {std::string("\""), std::string("\"\""), std::string(",,"),
                                  std::string(), std::string("a\0b", 3), std::string(5000, 'x')}) {
    highscore record = ann;
    record.name = name;
    record.score = -9000000000;
    EXPECT_EQ(readhighscoreline(highscoreline(record)), record) << name;
  }
  // A line break would split the record: it is kept as a blank.
  EXPECT_EQ(readhighscoreline(highscoreline({"a\r\nb", 1}))->name, "a  b");
}

TEST(HighScoreLine, ReadsTolerantlyAndSkipsWhatIsNotARecord) {
  EXPECT_EQ(readhighscoreline(" \"Bo\" ,10, \"0\" ,1,6,6 ,4"),
            (highscore{"Bo", 10, 0, 1, 6, 6, 4}));
  EXPECT_EQ(readhighscoreline("Bo,-10,0,1,6,6,4"), (highscore{"Bo", -10, 0, 1, 6, 6, 4}));
  for (const char* line :
       {"", "\"Bo\",\"10\",\"0\",\"1\",\"6\",\"6\"",
        "\"Bo\",\"10\",\"0\",\"1\",\"6\",\"6\",\"4\",\"9\"",
        "\"Bo,\"10\",\"0\",\"1\",\"6\",\"6\",\"4\"", "\"Bo\"x,\"10\",\"0\",\"1\",\"6\",\"6\",\"4\"",
        "\"Bo\",\"10abc\",\"0\",\"1\",\"6\",\"6\",\"4\"",
        "\"Bo\",\"1.5\",\"0\",\"1\",\"6\",\"6\",\"4\"", "\"Bo\",\"\",\"0\",\"1\",\"6\",\"6\",\"4\"",
        "\"Bo\",\"99999999999999999999\",\"0\",\"1\",\"6\",\"6\",\"4\""}) {
    EXPECT_FALSE(readhighscoreline(line)) << line;
  }
}

TEST_F(HighScoreFile, MalformedHugeOrUnreadableFilesAreSurvived) {
  // Good records are found among junk, in file order; a missing file is an empty table.
  EXPECT_EQ(readhighscores().error, 0);
  EXPECT_TRUE(readhighscores().records.empty());
  std::string junk;
  for (int i = 0; i < 2048; ++i) junk += static_cast<char>((i * 37) & 0xFF);
  writerecords(highscoreline({"A", 1}) + junk + "\n\"B\",\"2\",\"0\",\"0\",\"6\",\"6\",\"4\"\r" +
               std::string(100000, ',') + "\n" + highscoreline({"C", 3}));
  std::vector<std::string> names;
  for (const highscore& record : readhighscores().records) names.push_back(record.name);
  EXPECT_EQ(names, (std::vector<std::string>{"A", "B", "C"}));

  // Far more than any table holds, without a line end: read up to a bound, and no record.
  writerecords(highscoreline({"D", 4}) + std::string(50'000'000, '9'));
  EXPECT_EQ(readhighscores().records.size(), 1u);

  std::filesystem::remove(highscorefile);
  std::filesystem::create_directory(highscorefile);
  EXPECT_EQ(readhighscores().error, EISDIR);
  EXPECT_EQ(appendhighscore({"E", 5}), EISDIR);
}

TEST_F(HighScoreFile, AFailedAppendLosesNoEarlierRecord) {
  // A write cut short (by a file-size limit, which binds even root) leaves the records before it
  // as they were; the next record starts on a line of its own.
  ASSERT_EQ(appendhighscore({"A", 1}), 0);
  ASSERT_EQ(appendhighscore({"B", 2}), 0);
  const std::string before = recordfile();
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  rlimit small = saved;
  small.rlim_cur = before.size() + 10;
  const auto handler = signal(SIGXFSZ, SIG_IGN);
  setrlimit(RLIMIT_FSIZE, &small);
  const int error = appendhighscore({"C", 3});
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, handler);
  EXPECT_EQ(error, EFBIG);
  EXPECT_EQ(recordfile().substr(0, before.size()), before);

  ASSERT_EQ(appendhighscore({"D", 4}), 0);
  std::vector<std::string> names;
  for (const highscore& record : readhighscores().records) names.push_back(record.name);
  EXPECT_EQ(names, (std::vector<std::string>{"A", "B", "D"}));
}

}  // namespace
