#include "fitreference.h"

#include <cmath>
#include <map>

#include "model/numbers.h"
#include "uitest.h"

namespace {

using FitLoops = workdir;

// A typed number as Done and New Game make it even: plus 1 when it rounds to an odd number.
double evened(double number) {
  return std::fmod(std::nearbyint(number), 2) > 0 ? number + 1 : number;
}
// A whole setting from a typed number, held within low..high.
int within(double number, double low, double high) {
  return static_cast<int>(std::nearbyint(std::clamp(number, low, high)));
}

TEST_F(FitLoops, DoneAndNewGameApplyTheFieldsAsTheStepsWrittenPlainlyDo) {
  // The areas of the player's reports, odd ones among them, and one where the picture fits as
  // typed; typed cells up to a billion, the front square above, near and below the depth step;
  // wells square, tall and wide, typed too small, too large, odd and fractional, with piece
  // limits beyond their caps. Skipping passes of the fit must never change the result. The
  // reference itself ends as the worked examples do, and at well 6 and cell 6 by 3 where nothing
  // fits. A well the fit narrows takes the piece limits down with it.
  EXPECT_EQ(fitbyhand(14, 5, 40, 40, 500, 554), fitted(6, 5, 40, 40));
  EXPECT_EQ(fitbyhand(14, 5, 40, 40, 300, 300), fitted(6, 4, 40, 40));
  EXPECT_EQ(fitbyhand(6, 3, 20, 20, 200, 200), fitted(6, 3, 16, 16));
  EXPECT_EQ(fitbyhand(14, 5, 40, 40, 0, 0), fitted(6, 3, 6, 6));
  std::vector<std::tuple<int, int, std::string, std::string>> rows;
  for (const auto& [areawidth, areaheight] :
       {std::pair(501, 554), {301, 301}, {201, 201}, {151, 554}, {1001, 1001}}) {
    for (const char* front : {"letters", "7", "13.5", "99999"}) {
      for (const char* depth : {"1", "9", "99999"}) {
        rows.emplace_back(areawidth, areaheight, front, depth);
      }
    }
  }
  // Half a billion passes of the reference each: with the first well only.
  rows.emplace_back(501, 554, "1000000000", "10");
  rows.emplace_back(301, 301, "14", "20000000");
  const std::vector<std::vector<std::string>> typedwells{
      {"40", "40", "20", "1"},
      {"10", "30", "662", "20"},
      {"99999999999999999", "-99999999999999999", "2", "20"},
      {"7", "45", "500", "2.5"},
      {"3", "6", "500", "-3"},
      {"6.5", "39.5", "abc", "99999999999999999"},
  };
  std::map<std::pair<int, int>, std::unique_ptr<harness>> games;  // one running game per area
  for (const auto& [areawidth, areaheight, front, depth] : rows) {
    auto& game = games[{areawidth, areaheight}];
    if (!game) {
      game = std::make_unique<harness>(12345, areawidth, areaheight);
      game->w.recording = false;
      game->start();
    }
    harness& h = *game;
    gamestate& g = *h.g;
    for (const std::vector<std::string>& typed : typedwells) {
      if (front.size() + depth.size() > 10 && &typed != &typedwells[0]) continue;
      for (bool done : {true, false}) {
        if (done && &typed > &typedwells[2]) continue;  // the well as Done keeps it: three shapes
        const int width = within(evened(readnumber(typed[0])), 6, 40);
        const int height = within(evened(readnumber(typed[1])), 6, 40);
        int squares = g.maxsquares,
            layers = g.maxlayers;  // Done keeps them unless the well shrinks
        if (done) {
          std::tie(g.wellwidth, g.welldepth, g.wellheight) = std::tie(width, width, height);
          h.w.click(menuitem::choosegrid);
        } else {
          squares = within(readnumber(typed[2]), 4, (width - 3) * (height - 3) * (width - 3) / 2);
          layers = std::min(within(readnumber(typed[3]), 1, height / 2), width);
          for (int i = 0; i < 4; ++i) {
            h.w.type(std::array{control::Text1, control::Text2, control::Text5, control::Text6}[i],
                     typed[i]);
          }
        }
        h.w.type(control::Text3, front);
        h.w.type(control::Text4, depth);
        done ? h.w.press(control::Command2) : h.w.click(menuitem::newgame);
        const double floor = done ? 6 : -1e300;
        const auto [w, d, fitwidth, fitheight] =
            fitbyhand(evened(std::max(readnumber(front), floor)),
                      std::trunc(evened(std::max(readnumber(depth), floor)) / 2), width, height,
                      areawidth, areaheight);
        if (fitwidth != width || fitheight != height) {
          squares = std::min(squares, (fitwidth - 3) * (fitheight - 3) * (fitwidth - 3) / 2);
          layers = std::min({layers, fitheight / 2, fitwidth});
        }
        const std::string where = front + " by " + depth + " in " + std::to_string(areawidth) +
                                  " x " + std::to_string(areaheight) + " for " + typed[0] + " x " +
                                  typed[1] + (done ? ", Done" : ", New Game");
        EXPECT_EQ(std::tuple(g.squarewidth, g.squareheight, g.wellwidth, g.wellheight, g.maxsquares,
                             g.maxlayers),
                  std::tuple(w, d, fitwidth, fitheight, squares, layers))
            << where;
        const std::vector<std::string> fields{formatnumber(w),        formatnumber(2 * d),
                                              formatnumber(fitwidth), formatnumber(fitheight),
                                              formatnumber(squares),  formatnumber(layers)};
        EXPECT_EQ(h.w.text(control::Text3) + " " + h.w.text(control::Text4),
                  fields[0] + " " + fields[1])
            << where;
        if (done) continue;
        EXPECT_EQ(newgamefields(h.w), std::vector(fields.begin() + 2, fields.end())) << where;
        expectsound(g);
      }
    }
  }
}

TEST_F(FitLoops, ANarrowedWellLosesWhatLiesOutsideAndWhatHasBecomeFullAndKeepsTheRest) {
  // Done in a running 40-cube game: a well the fit keeps keeps every cube (1000 by 10 in a
  // 301 x 301 area ends at 6 by 4); one it narrows keeps every cube still inside, loses a layer
  // that has become full, and moves the piece inside, scoring nothing. After game over there is
  // no piece, yet the stack is tidied all the same.
  for (const auto& [areawidth, front, over] :
       {std::tuple(301, "1000", false), {201, "14", false}, {151, "6", false}, {151, "6", true}}) {
    harness h(12345, areawidth, areawidth);
    h.start();
    gamestate& g = *h.g;
    std::tie(g.wellwidth, g.welldepth, g.wellheight, g.piecex) = std::tuple(40, 40, 40, 38);
    for (int x = 1; x <= 38; ++x) {
      for (int z = 1; z <= 38; ++z) g.well.at(x, 39, z) = 1;  // full once narrowed
    }
    for (int x = 1; x <= 40; ++x) g.well.at(x, 40, 41 - x) = g.well.at(x, 21, 3) = 2;
    if (over) gameoversteps(g, h.w);
    h.w.click(menuitem::choosegrid);
    h.w.type(control::Text3, front);
    h.w.press(control::Command2);
    const int w = g.wellwidth;
    int kept = w == 40 ? 1444 : 0;
    for (int x = 1; x <= 40; ++x) {
      kept += (x <= w && 41 - x <= w && g.wellheight == 40) + (x <= w && g.wellheight >= 21);
    }
    EXPECT_EQ(std::ranges::count_if(g.well.cell, [](int32_t c) { return c != 0; }), kept);
    EXPECT_EQ(g.score, 0);
    if (!over) expectsound(g);
  }
}

}  // namespace
