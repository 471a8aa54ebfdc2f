#include "ui/fit.h"

#include <cmath>
#include <map>

#include "fitreference.h"
#include "model/numbers.h"
#include "uitest.h"

namespace {

using FitLoops = workdir;

TEST(FitPicture, EndsWhereTheLoopRunPassByPassEnds) {
  // Skipping passes must never change the result: odd and even areas from none to large, wells
  // wide, tall and square, cells whole and fractional, the front square above, equal to and
  // below the depth step, and by far too large for the area.
  headlesswindow area;
  auto g = std::make_unique<gamestate>();
  const std::pair<int, int> wells[] = {{40, 40}, {10, 30}, {40, 6}, {6, 6}, {20, 20}, {7, 9}};
  const std::pair<double, double> cells[] = {{14, 5},    {6, 3},       {7.75, 9},     {13.5, 13},
                                             {20, 25},   {100, 3},     {3, 100},      {-8, 40},
                                             {999, 997}, {1234.25, 5}, {40, 1729},    {3000, 2000},
                                             {1e300, 4}, {8, 1e300},   {1e300, 1e300}};
  for (int areawidth = 0; areawidth <= 1200; areawidth += 61) {
    for (int areaheight : {0, 51, 301, 554, 1001}) {
      area.resize(areawidth, areaheight);
      for (const auto& [width, height] : wells) {
        for (const auto& [w, h] : cells) {
          std::tie(g->squarewidth, g->squareheight, g->wellwidth, g->wellheight) =
              std::tie(w, h, width, height);
          g->welldepth = width;
          fitpicture(*g, area);
          const fitted got{g->squarewidth, g->squareheight, g->wellwidth, g->wellheight};
          // Past 2^53 a step of 2 vanishes in the rounding and the loop would never end; it
          // passes through these states of the same course, all still far too large.
          if (w > 1e15 || h > 1e15) {
            EXPECT_EQ(got, fitbyhand(w > 1e15 ? std::fmod(w, 2) + 1e4 : w, h > 1e15 ? 1e4 + 2 : h,
                                     width, height, areawidth, areaheight))
                << w << " by " << h << " in " << areawidth << " x " << areaheight;
          } else {
            EXPECT_EQ(got, fitbyhand(w, h, width, height, areawidth, areaheight))
                << w << " by " << h << " in " << areawidth << " x " << areaheight;
          }
          EXPECT_EQ(g->welldepth, g->wellwidth);
        }
      }
    }
  }
}

// What the cell-size panel's Done and New Game make of the typed fields before they fit: the
// number, 6 at least for Done, plus 1 when it rounds to an odd number.
double evened(const std::string& typed, bool done) {
  double number = readnumber(typed);
  if (done && number < 6) number = 6;
  return std::fmod(roundhalfeven(number), 2) > 0 ? number + 1 : number;
}

TEST_F(FitLoops, DoneAndNewGameFitAsTheLoopDoes) {
  // The areas of the player's reports, odd ones among them, and typed values up to a billion.
  // Done keeps a running 40-cube well; New Game reads 40 from its fields.
  const std::vector<std::pair<int, int>> areas{{501, 554}, {301, 301}, {201, 201}, {151, 554}};
  const std::vector<std::string> fronts{"1", "7", "13.5", "1000", "99999"};
  const std::vector<std::string> depths{"1", "9", "99999"};
  std::vector<std::tuple<int, int, std::string, std::string>> rows;
  for (const auto& [areawidth, areaheight] : areas) {
    for (const std::string& front : fronts) {
      for (const std::string& depth : depths)
        rows.emplace_back(areawidth, areaheight, front, depth);
    }
  }
  rows.emplace_back(501, 554, "1000000000", "10");
  rows.emplace_back(301, 301, "14", "20000000");
  // One running game per area, as a player would try value after value.
  struct game : harness {
    game(int width, int height) : harness(12345, width, height) { start(); }
  };
  std::map<std::pair<int, int>, std::unique_ptr<game>> games;
  for (const auto& [areawidth, areaheight, front, depth] : rows) {
    for (bool done : {true, false}) {
      auto& slot = games[{areawidth, areaheight}];
      if (!slot) slot = std::make_unique<game>(areawidth, areaheight);
      harness& h = *slot;
      gamestate& g = *h.g;
      h.w.type(control::Text1, "40");
      h.w.type(control::Text2, "40");
      if (done) {
        std::tie(g.wellwidth, g.welldepth, g.wellheight) = std::tuple(40, 40, 40);
        h.w.click(menuitem::choosegrid);
      }
      h.w.type(control::Text3, front);
      h.w.type(control::Text4, depth);
      if (done) {
        h.w.press(control::Command2);
      } else {
        h.w.click(menuitem::newgame);
      }
      const fitted expected = fitbyhand(evened(front, done), std::trunc(evened(depth, done) / 2),
                                        40, 40, areawidth, areaheight);
      EXPECT_EQ((fitted{g.squarewidth, g.squareheight, g.wellwidth, g.wellheight}), expected)
          << front << " by " << depth << " in " << areawidth << " x " << areaheight
          << (done ? ", Done" : ", New Game");
      EXPECT_EQ(h.w.text(control::Text3), formatnumber(expected.squarewidth));
      EXPECT_EQ(h.w.text(control::Text4), formatnumber(2 * expected.squareheight));
    }
  }
}

TEST_F(FitLoops, AFitThatKeepsTheWellKeepsEveryLandedCube) {
  // 1000 by 5 typed in a 301 x 301 area ends at 6 by 4 and leaves a 40-cube well as it is: no cube
  // of the running game may go.
  harness h(12345, 301, 301);
  h.start();
  gamestate& g = *h.g;
  std::tie(g.wellwidth, g.welldepth, g.wellheight) = std::tuple(40, 40, 40);
  for (int x = 1; x <= 40; ++x) g.well.at(x, 40, 40 - x / 2) = g.well.at(x, 21, 3) = x;
  const std::vector<int32_t> before(g.well.cell.begin(), g.well.cell.end());
  h.w.click(menuitem::choosegrid);
  h.w.type(control::Text3, "1000");
  h.w.type(control::Text4, "10");
  h.w.press(control::Command2);
  EXPECT_EQ(std::tuple(g.squarewidth, g.squareheight, g.wellwidth, g.wellheight),
            std::tuple(6, 4, 40, 40));
  EXPECT_TRUE(std::ranges::equal(g.well.cell, before));
}

}  // namespace
