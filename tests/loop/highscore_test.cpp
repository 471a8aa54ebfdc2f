#include "loop/highscore.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <vector>

namespace {

TEST(HighScoreCheck, OnlyTenBetterRecordsOnTheSameSettingsKeepAScoreOut) {
  // Equal scores do not beat; another kind, difficulty or well size does not compete; the largest
  // piece counts only in the all-sizes game.
  const highscore regular{"", 130, 0, 1, 10, 30, 20};
  const highscore allsizes{"", 130, 1, 1, 10, 30, 20};
  const auto better = [](highscore record, void (*change)(highscore&)) {
    record.score += 1;
    change(record);
    return record;
  };
  struct row {
    highscore game, record;
    size_t count;
    bool makes;
  };
  const std::vector<row> rows{
      {regular, better(regular, [](highscore&) {}), 9, true},
      {regular, better(regular, [](highscore&) {}), 10, false},
      {regular, better(regular, [](highscore& r) { r.score -= 1; }), 10, true},
      {regular, better(regular, [](highscore& r) { r.gametype = -1; }), 10, true},
      {regular, better(regular, [](highscore& r) { r.difficulty = 2; }), 10, true},
      {regular, better(regular, [](highscore& r) { r.wellwidth = 12; }), 10, true},
      {regular, better(regular, [](highscore& r) { r.wellheight = 28; }), 10, true},
      {regular, better(regular, [](highscore& r) { r.maxsquares = 21; }), 10, false},
      {allsizes, better(allsizes, [](highscore& r) { r.maxsquares = 21; }), 10, true},
      {allsizes, better(allsizes, [](highscore&) {}), 10, false},
  };
  for (const row& r : rows) {
    const highscoretable table{std::vector<highscore>(r.count, r.record)};
    EXPECT_EQ(makesthetable(table, r.game), r.makes) << highscoreline(r.record) << r.count;
  }
}

TEST(HighScoreCheck, NoPointsNoPanelUnlessTheTableCannotBeRead) {
  // A missing file is an empty table; an unreadable one shows the panel whatever the score.
  for (int64_t score : {0, -5}) {
    const highscore game{"", score, 0, 0, 10, 30, 20};
    EXPECT_FALSE(makesthetable(highscoretable{}, game));
    EXPECT_TRUE(makesthetable(highscoretable{{}, EACCES}, game));
  }
  EXPECT_TRUE(makesthetable(highscoretable{}, highscore{"", 10, 0, 0, 10, 30, 20}));
}

}  // namespace
