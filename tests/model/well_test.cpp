#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cfloat>
#include <memory>
#include <random>
#include <vector>

#include "model/layers.h"
#include "model/numbers.h"
#include "model/probes.h"

TEST(Probes, RaiseTheirFlagExactlyWhenAFilledCubeWouldMeetAFilledCell) {
  // Random pieces with gaps, at random places up to the walls, over random wells: a probe raises
  // its flag when some filled piece cell, moved one step its way, lands on a filled well cell; a
  // cell that meets only a gap of the piece counts for nothing, one step outside the well reads
  // as empty, and a flag already raised stays raised.
  const std::pair<void (*)(gamestate&), std::array<int, 3>> probes[] = {{checkleft, {-1, 0, 0}},
                                                                        {checkright, {1, 0, 0}},
                                                                        {checkup, {0, 0, -1}},
                                                                        {checkdown, {0, 0, 1}},
                                                                        {checkdown2, {0, 1, 0}}};
  auto g = std::make_unique<gamestate>();
  std::tie(g->wellwidth, g->wellheight, g->welldepth) = std::tuple{5, 6, 5};
  std::mt19937 r(3);
  for (int run = 0; run < 3000; ++run) {
    for (int i = 0; i < 150; ++i) g->well.at(1 + i % 5, 1 + i / 25, 1 + i / 5 % 5) = r() % 5 == 0;
    std::tie(g->piecesizex, g->piecesizey, g->piecesizez) =
        std::tuple(r() % 3, 1 + r() % 3, 1 + r() % 3);
    std::tie(g->piecex, g->piecey, g->piecez) = std::tuple(
        1 + r() % (5 - g->piecesizex), r() % (7 - g->piecesizey), r() % (6 - g->piecesizez));
    std::vector<std::array<int, 3>> cubes;
    for (int i = 0; i < 27; ++i) {
      const int a = 1 + i % 3, b = 1 + i / 9, c = 1 + i / 3 % 3;
      const bool inbox = a <= g->piecesizex + 1 && b <= g->piecesizey && c <= g->piecesizez;
      g->piece.at(a, b, c) = inbox && r() % 2 == 0;
      if (g->piece.at(a, b, c) != 0)
        cubes.push_back({g->piecex + a - 1, g->piecey + b, g->piecez + c});
    }
    for (const auto& [probe, step] : probes) {
      const bool meets = std::ranges::any_of(cubes, [&](const std::array<int, 3>& at) {
        return g->well.at(at[0] + step[0], at[1] + step[1], at[2] + step[2]) != 0;
      });
      const int before = static_cast<int>(r() % 2);
      g->blocked = g->landed = before;
      probe(*g);
      ASSERT_EQ(probe == checkdown2 ? g->landed : g->blocked, before == 1 || meets) << run;
    }
  }
}

TEST(ClearLayers, FullRowsGoTheOthersSettleInOrderAndEachScores) {
  // Random wells, odd and even, whose rows are full (any colours), one cube short, sparse or
  // empty: the rows that are not full keep their order and settle on the floor; 10 x width x
  // depth points a row removed, then the landed piece's: 10 x maxlayers in the layered games, 10
  // in the others, none after game over (removal for a narrowed well scores nothing). Some wells
  // have no full row. Cells outside the playing space are never touched. The first well: rows 28
  // and 30 of 10 x 30 x 10 full, row 29 not, a cube on row 27.
  auto g = std::make_unique<gamestate>();
  std::mt19937 r(8);
  for (int run = 0; run < 40; ++run) {
    const int width = run == 0 ? 10 : 3 + run % 6, height = run == 0 ? 30 : 4 + run % 5;
    std::tie(g->gametype, g->wellwidth, g->welldepth, g->wellheight, g->maxlayers, g->gameover) =
        std::tuple(std::array{0, -7, -1, -2, 1}[run % 5], width, width, height, 1 + run % 4,
                   run % 7 == 6 ? 1 : 0);
    g->well.clear();
    std::vector<std::vector<int32_t>> kept;
    for (int y = 1; y <= height; ++y) {
      const int kind = run == 0 ? (y == 28 || y == 30 ? 0
                                   : y == 29          ? 1
                                   : y == 27          ? 2
                                                      : 3)
                                : static_cast<int>(run % 4 == 3 ? 1 + r() % 3 : r() % 4);
      std::vector<int32_t> row(width * width);
      for (int32_t& cell : row) cell = kind == 3 ? 0 : kind < 2 || r() % 3 == 0 ? 1 + r() % 99 : 0;
      if (kind == 1) row[r() % row.size()] = 0;
      if (std::ranges::count(row, 0) > 0) kept.push_back(row);
      for (int i = 0; i < width * width; ++i) g->well.at(1 + i % width, y, 1 + i / width) = row[i];
    }
    g->well.at(0, height, 0) = g->well.at(width + 1, height, width + 1) = g->well.at(1, 0, 1) = 7;
    g->score = 5;
    const int removed = run % 2 == 1 ? removefulllayers(*g) : clearlayers(*g);
    ASSERT_EQ(removed, height - static_cast<int>(kept.size())) << run;
    const int layered = g->gametype == 0 || g->gametype == -7 ? g->maxlayers : 1;
    EXPECT_EQ(g->score, 5 + (run % 2 == 1 ? 0
                                          : removed * 10 * width * width +
                                                (g->gameover == 1 ? 0 : 10 * layered)));
    for (int i = 0; i < width * width * height; ++i) {
      const int y = 1 + i / (width * width);
      const int32_t expected = y > removed ? kept[y - removed - 1][i % (width * width)] : 0;
      ASSERT_EQ(g->well.at(1 + i % width, y, 1 + i / width % width), expected) << run << " " << y;
    }
    ASSERT_EQ(
        g->well.at(0, height, 0) + g->well.at(width + 1, height, width + 1) + g->well.at(1, 0, 1),
        21);
  }
}

TEST(Numbers, ReadTheLeadingNumericPartAndWritePlainDecimalsThatReadBack) {
  // Leading blanks, a sign, digits and one "."; no exponents, infinities or nans; thousands of
  // digits stay finite. Written without a leading blank; whole settings round halves to even.
  const std::pair<std::string, double> cases[] = {
      {"  -7abc", -7}, {"3.5.1", 3.5}, {".5", 0.5}, {"+8", 8},   {"abc", 0},
      {"-", 0},        {"1e999", 1},   {"inf", 0},  {"-nan", 0}, {std::string(400, '9'), DBL_MAX}};
  for (const auto& [text, value] : cases) EXPECT_EQ(readnumber(text), value) << text;
  for (const double value : {14.0, -5.0, 2.5, 0.1, 1e-7, -0.0}) {
    EXPECT_EQ(readnumber(formatnumber(value)), value);
  }
  EXPECT_EQ(std::tuple(formatnumber(-5), formatnumber(14.5), formatnumber(-0.0)),
            std::tuple("-5", "14.5", "0"));
  EXPECT_EQ(std::tuple(roundhalfeven(2.5), roundhalfeven(3.5), roundhalfeven(-0.5)),
            std::tuple(2.0, 4.0, 0.0));
}
