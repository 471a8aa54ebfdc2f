// SPDX-License-Identifier: GPL-3.0-or-later
#include "fitreference.h"

#include <cmath>

#include "model/numbers.h"
#include "uitest.h"

namespace {

using FitLoops = workdir;
using enum control;

// A typed number as Done and New Game make it even: plus 1 when it rounds to an odd number.
double evened(double number) {
  return std::fmod(std::nearbyint(number), 2) > 0 ? number + 1 : number;
}
// A whole setting from a typed number, held within low..high.
int within(double number, double low, double high) {
  return static_cast<int>(std::nearbyint(std::clamp(number, low, high)));
}

TEST_F(FitLoops, DoneAndNewGameApplyTheFieldsAsTheStepsWrittenPlainlyDo) {
  // The areas of the player's reports, odd ones among them, one where the picture fits as typed
  // and one too small for even the smallest well; typed cells up to a billion, the front square
  // above, just above and below the depth step; wells square, tall and wide, typed too small, too
  // large, odd and fractional, with piece limits beyond their caps. Skipping passes of the fit must
  // never change the result. The reference itself ends as the worked examples do, and at well 6 and
  // cell 6 by 3 where nothing fits. A well the fit narrows takes the piece limits down with it,
  // loses the cubes outside it, keeps those inside and keeps the piece inside; one it keeps (1000
  // by 9 in a 301 x 301 area ends at 6 by 4) keeps every landed cube of the running 40-cube game.
  EXPECT_EQ(fitbyhand(14, 5, 40, 40, 500, 554), fitted(6, 5, 40, 40));
  EXPECT_EQ(fitbyhand(14, 5, 40, 40, 300, 300), fitted(6, 4, 40, 40));
  EXPECT_EQ(fitbyhand(6, 3, 20, 20, 200, 200), fitted(6, 3, 16, 16));
  EXPECT_EQ(fitbyhand(14, 5, 40, 40, 0, 0), fitted(6, 3, 6, 6));
  const std::array<std::string, 4> wells[] = {
      {"39.5", "40", "abc", "99999999999999999"}, {"10", "30", "662", "20"},
      {"99999999999999999", "6.5", "2", "20"},    {"7", "45", "500", "2.5"},
      {"3", "6", "500", "-99999999999999999"},
  };
  for (const auto& [areawidth, areaheight] :
       {std::pair(501, 554), {301, 301}, {201, 201}, {151, 554}, {570, 554}, {61, 61}}) {
    harness h(12345, areawidth, areaheight);
    h.w.recording = false;
    h.start();
    gamestate& g = *h.g;
    std::vector<std::pair<std::string, std::string>> cells;
    for (const char* front : {"letters", "7", "13.5", "1000"})
      for (const char* depth : {"1", "9", "1998"}) cells.emplace_back(front, depth);
    // Half a billion and ten million passes of the reference: in one area each.
    if (areawidth == 501) cells.emplace_back("1000000000", "10");
    if (areawidth == 301) cells.emplace_back("14", "20000000");
    for (const auto& [front, depth] : cells)
      for (const auto& typed : wells)
        for (bool done : {true, false}) {
          // Done keeps the running well, so it takes the 40-cube one only; so do the slow cells.
          if ((done || readnumber(front) + readnumber(depth) > 1e6) && &typed != wells) continue;
          // The piece limits as typed, or as they were when Done keeps them.
          const double squares = done ? g.maxsquares : readnumber(typed[2]),
                       layers = done ? g.maxlayers : readnumber(typed[3]);
          std::tie(g.wellwidth, g.welldepth, g.wellheight) = std::tuple(40, 40, 40);
          for (int x = 1; x <= 40; ++x) g.well.at(x, 6, 41 - x) = 2;  // landed cubes
          if (done) h.w.click(menuitem::choosegrid);
          // Text1 to Text6: the well, the cell, the piece limits.
          const std::string fields[] = {typed[0], typed[1], front, depth, typed[2], typed[3]};
          for (int i = 0; i < 6; ++i) h.w.type(control{static_cast<int>(Text1) + i}, fields[i]);
          done ? h.w.press(Command2) : h.w.click(menuitem::newgame);
          // Done raises a typed cell below 6 to 6 before the fit, New Game only at the fit's end.
          const auto [square, step, fitwidth, fitheight] =
              fitbyhand(evened(std::max(readnumber(front), done ? 6 : -1e300)),
                        std::trunc(evened(std::max(readnumber(depth), done ? 6 : -1e300)) / 2),
                        within(evened(readnumber(typed[0])), 6, 40),
                        within(evened(readnumber(typed[1])), 6, 40), areawidth, areaheight);
          // Each limit held within the fitted well: "20 layers" become 15 in a well 30 high, then
          // 10 in one 10 wide.
          EXPECT_EQ(
              std::tuple(g.squarewidth, g.squareheight, g.wellwidth, g.wellheight, g.maxsquares,
                         g.maxlayers, h.w.text(Text3), h.w.text(Text4)),
              std::tuple(square, step, fitwidth, fitheight,
                         within(squares, 4, (fitwidth - 3) * (fitheight - 3) * (fitwidth - 3) / 2),
                         std::min(within(layers, 1, fitheight / 2), fitwidth), formatnumber(square),
                         formatnumber(2 * step)))
              << front << " by " << depth << " in " << areawidth << " for " << typed[0]
              << (done ? ", Done" : "");
          expectsound(g);
          int cubes = 0;  // of the 40 landed ones: New Game empties the well
          for (int x = 1; x <= 40; ++x) cubes += g.well.at(x, 6, 41 - x) != 0;
          EXPECT_EQ(cubes, done ? std::max(0, 2 * fitwidth - 40) : 0);
        }
  }
}

}  // namespace
