// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/drawscene.h"

#include <gtest/gtest.h>

#include "../harness.h"
#include "model/colors.h"
#include "render/cells.h"
#include "render/projection.h"

namespace {

constexpr int32_t cubecolor = 0x336699;
constexpr int32_t othercolor = 0x00aa00;

// Makes the one cube of a piece fall in well cell (x, y, z).
void fallingcube(gamestate& g, int x, int y, int z, int32_t color) {
  g.piece.at(1, 1, 1) = color;
  setbox(g, 0, 1, 1, x, y - 1, z - 1);
}

// The calls after the clear and the grid of the default well.
std::vector<drawcall> cubecalls(const gamestate& g) {
  headlesswindow w;
  drawscene(g, w);
  // The clear, then 4 x 10 + 2 x 30 + 6 grid lines in a side view and one fewer in a top view.
  const auto skip = std::min<std::ptrdiff_t>(std::ssize(w.calls), sideview(g.view) ? 107 : 106);
  return {w.calls.begin() + skip, w.calls.end()};
}

drawcall line(float x1, float y1, float x2, float y2, int32_t color) {
  return {drawcall::line, x1, y1, x2, y2, color, {}};
}

// The drawing of one cube at (x, y), 14 by 5, with the marker calls in the middle.
std::vector<drawcall> cube(float x, float y, int32_t color, const std::vector<drawcall>& marker) {
  const int32_t blue = palettecolor(1);
  std::vector<drawcall> calls = {{drawcall::fill, x, y, x + 14, y + 14, color, {}}};
  calls.insert(calls.end(), marker.begin(), marker.end());
  for (int t = 0; t <= 14; ++t) calls.push_back(line(x + t, y, x + t + 5, y - 5, color));
  for (int t = 0; t <= 14; ++t) calls.push_back(line(x + 14, y + t, x + 19, y + t - 5, color));
  calls.insert(calls.end(), {{drawcall::box, x, y, x + 14, y + 14, blue, {}},
                             line(x, y, x + 5, y - 5, blue),
                             line(x + 5, y - 5, x + 19, y - 5, blue),
                             line(x + 14, y, x + 19, y - 5, blue),
                             line(x + 14, y + 14, x + 20, y + 8, blue),
                             line(x + 19, y - 5, x + 19, y + 9, blue)});
  return calls;
}

TEST(DrawScene, OneCubeIsDrawnOperationByOperation) {
  // Landed against the back wall, bottom left: front face, 15 + 15 hatches, outline and the five
  // edges, the lower-right one a unit longer, and no marker; a cube of the piece in the same cell
  // changes nothing (drawn once, in the well's colour). Falling at the top: its marker comes
  // between front face and hatches, four white lines on the top of the floor cell under it in a
  // side view, a white box on the floor square under it in a top view.
  const int32_t white = palettecolor(15);
  auto g = std::make_unique<gamestate>();  // the default well, seen in view 1
  g->well.at(1, 30, 1) = cubecolor;
  EXPECT_EQ(cubecalls(*g), cube(200, 453, cubecolor, {}));
  fallingcube(*g, 1, 30, 1, othercolor);
  EXPECT_EQ(cubecalls(*g), cube(200, 453, cubecolor, {}));
  g->well.at(1, 30, 1) = 0;
  fallingcube(*g, 1, 1, 1, cubecolor);
  EXPECT_EQ(cubecalls(*g),
            cube(200, 47, cubecolor,
                 {line(200, 467, 214, 467, white), line(214, 467, 219, 462, white),
                  line(200, 467, 205, 462, white), line(205, 462, 219, 462, white)}));
  g->view = 5;
  EXPECT_EQ(cubecalls(*g),
            cube(105, 408, cubecolor, {{drawcall::box, 255, 258, 269, 272, white, {}}}));
}

TEST(DrawScene, GridLinesComeInTheirGroupsAndColours) {
  // An empty well shows only its grid: six groups of lines, each of one colour (red, magenta,
  // cyan) and one direction (across, upright, slanted), in order; 4 x 10 + 2 x 30 + 6 lines in a
  // side view and one fewer in a top view.
  const std::map<int32_t, char> colour{
      {palettecolor(12), 'R'}, {palettecolor(13), 'M'}, {palettecolor(11), 'C'}};
  for (int view = 1; view <= 8; ++view) {
    auto g = std::make_unique<gamestate>();
    g->view = view;
    headlesswindow w;
    drawscene(*g, w);
    ASSERT_EQ(w.calls.front().what, drawcall::clear);
    std::vector<std::pair<std::string, int>> groups;  // colour and direction, number of lines
    for (auto c = w.calls.begin() + 1; c != w.calls.end(); ++c) {
      ASSERT_EQ(c->what, drawcall::line);
      const char way = c->y1 == c->y2 ? '-' : c->x1 == c->x2 ? '|' : '/';
      const std::string kind = {colour.at(c->color), way};
      if (groups.empty() || groups.back().first != kind) groups.emplace_back(kind, 0);
      ++groups.back().second;
    }
    std::string seen;
    for (const auto& [kind, lines] : groups) seen += kind + std::to_string(lines) + " ";
    EXPECT_EQ(seen,
              sideview(view) ? "R/11 R-11 M|11 M/31 C|11 C-31 " : "M/11 M-30 R|11 R-11 C|31 C/11 ")
        << "view " << view;
  }
}

TEST(LandingDepth, StopsOnTheFirstLandedCubeAndIgnoresThePiece) {
  // The marker shows where the cube would come to rest: on the first landed cube below it, on the
  // floor otherwise. The piece is two cubes tall: the one under the marked cube is no obstacle.
  // The falling cube's row, a landed cube below it or 0, and the depth.
  for (const auto& [y, landedy, depth] :
       {std::tuple(1, 0, 30), {29, 30, 1}, {10, 20, 10}, {30, 0, 1}, {5, 30, 25}}) {
    auto g = std::make_unique<gamestate>();
    fallingcube(*g, 4, y, 6, cubecolor);
    g->piece.at(1, 2, 1) = cubecolor;
    if (landedy != 0) g->well.at(4, landedy, 6) = othercolor;
    EXPECT_EQ(landingdepth(*g, 4, y, 6), depth) << "row " << y;
  }
}

}  // namespace
