#include "loop/highscore.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <vector>

namespace {

TEST(HighScoreCheck, OnlyTenBetterScoresOnTheSameSettingsKeepAGameOut) {
  // Equal scores do not beat; another kind, difficulty or well size does not compete; the largest
  // piece counts only in the all-sizes game. No points, no table, unless it cannot be read.
  const highscore game{"", 130, 0, 1, 10, 30, 20};
  const highscore allsizes{"", 130, 1, 1, 10, 30, 20};
  struct row {
    highscore game, record;
    size_t count;
    int error;
    bool makes;
  };
  const std::vector<row> rows{
      {game, {"", 131, 0, 1, 10, 30, 20}, 9, 0, true},
      {game, {"", 131, 0, 1, 10, 30, 21}, 10, 0, false},
      {game, {"", 130, 0, 1, 10, 30, 20}, 10, 0, true},
      {game, {"", 131, -1, 1, 10, 30, 20}, 10, 0, true},
      {game, {"", 131, 0, 2, 10, 30, 20}, 10, 0, true},
      {game, {"", 131, 0, 1, 12, 30, 20}, 10, 0, true},
      {game, {"", 131, 0, 1, 10, 28, 20}, 10, 0, true},
      {allsizes, {"", 131, 1, 1, 10, 30, 21}, 10, 0, true},
      {allsizes, {"", 131, 1, 1, 10, 30, 20}, 10, 0, false},
      {{"", 0, 0, 1, 10, 30, 20}, {}, 0, 0, false},
      {{"", -5, 0, 1, 10, 30, 20}, {}, 0, EACCES, true},
  };
  for (const row& r : rows) {
    const highscoretable table{std::vector<highscore>(r.count, r.record), r.error};
    EXPECT_EQ(makesthetable(table, r.game), r.makes) << highscoreline(r.record) << r.count;
  }
}

}  // namespace
