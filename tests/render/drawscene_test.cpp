#include "render/drawscene.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "model/colors.h"
#include "platform/headless/headlesswindow.h"
#include "render/cells.h"
#include "render/projection.h"

namespace {

constexpr int32_t cubecolor = 0x336699;
constexpr int32_t othercolor = 0x00aa00;
const int32_t blue = palettecolor(1);
const int32_t white = palettecolor(15);

// Default well and cell sizes, nothing in it.
std::unique_ptr<gamestate> defaults(int view) {
  auto g = std::make_unique<gamestate>();
  g->view = view;
  return g;
}

// Makes the one cube of a piece fall in well cell (x, y, z).
void fallingcube(gamestate& g, int x, int y, int z, int32_t color) {
  g.piece.at(1, 1, 1) = color;
  g.piecesizex = 0;
  g.piecesizey = 1;
  g.piecesizez = 1;
  g.piecex = x;
  g.piecey = y - 1;
  g.piecez = z - 1;
}

// The calls after the clear and the grid of the default well.
std::vector<drawcall> cubecalls(const gamestate& g) {
  headlesswindow w;
  drawscene(g, w);
  const size_t grid = sideview(g.view) ? 4 * 10 + 2 * 30 + 6 : 4 * 10 + 2 * 30 + 5;
  EXPECT_GE(w.calls.size(), 1 + grid);
  return {w.calls.begin() + static_cast<std::ptrdiff_t>(1 + grid), w.calls.end()};
}

drawcall line(float x1, float y1, float x2, float y2, int32_t color) {
  return {drawcall::line, x1, y1, x2, y2, color, {}};
}

// The drawing of one cube at (x, y), 14 by 5, with the marker calls in the middle.
std::vector<drawcall> cube(float x, float y, int32_t color, const std::vector<drawcall>& marker) {
  std::vector<drawcall> calls = {{drawcall::fill, x, y, x + 14, y + 14, color, {}}};
  calls.insert(calls.end(), marker.begin(), marker.end());
  for (int t = 0; t <= 14; ++t) calls.push_back(line(x + t, y, x + t + 5, y - 5, color));
  for (int t = 0; t <= 14; ++t) calls.push_back(line(x + 14, y + t, x + 19, y + t - 5, color));
  calls.push_back({drawcall::box, x, y, x + 14, y + 14, blue, {}});
  calls.push_back(line(x, y, x + 5, y - 5, blue));
  calls.push_back(line(x + 5, y - 5, x + 19, y - 5, blue));
  calls.push_back(line(x + 14, y, x + 19, y - 5, blue));
  calls.push_back(line(x + 14, y + 14, x + 20, y + 8, blue));
  calls.push_back(line(x + 19, y - 5, x + 19, y + 9, blue));
  return calls;
}

TEST(DrawScene, LandedCubeIsDrawnOperationByOperation) {
  // The bottom-left cube against the back wall: front face, 15 + 15 hatches, outline and the five
  // edges, the lower-right one a unit longer, and no marker.
  auto g = defaults(1);
  g->well.at(1, 30, 1) = cubecolor;
  EXPECT_EQ(cubecalls(*g), cube(200, 453, cubecolor, {}));
}

TEST(DrawScene, FallingCubeCarriesItsMarkerOnTheFloor) {
  // Side view: four white lines on the top of the floor cell under the cube, drawn between its
  // front face and its hatches. Top view: a white box on the floor square under it.
  auto g = defaults(1);
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
  // An empty well shows only its grid: six groups of lines, each of one colour and direction, in
  // order; 4 x 10 + 2 x 30 + 6 lines in a side view and one fewer in a top view.
  enum direction { across, upright, slanted };
  struct group {
    int32_t color;
    direction way;
    int lines;
    bool operator==(const group&) const = default;
  };
  const int32_t red = palettecolor(12);
  const int32_t magenta = palettecolor(13);
  const int32_t cyan = palettecolor(11);
  const std::vector<group> side = {{red, slanted, 11},     {red, across, 11},
                                   {magenta, upright, 11}, {magenta, slanted, 31},
                                   {cyan, upright, 11},    {cyan, across, 31}};
  const std::vector<group> top = {{magenta, slanted, 11}, {magenta, across, 30},
                                  {red, upright, 11},     {red, across, 11},
                                  {cyan, upright, 31},    {cyan, slanted, 11}};
  for (const int view : {1, 2, 3, 4, 5, 6, 7, 8}) {
    headlesswindow w;
    drawscene(*defaults(view), w);
    ASSERT_EQ(w.calls.front().what, drawcall::clear);
    std::vector<group> seen;
    for (size_t i = 1; i < w.calls.size(); ++i) {
      const drawcall& c = w.calls[i];
      ASSERT_EQ(c.what, drawcall::line);
      const direction way = c.y1 == c.y2 ? across : c.x1 == c.x2 ? upright : slanted;
      if (!seen.empty() && seen.back().color == c.color && seen.back().way == way) {
        ++seen.back().lines;
      } else {
        seen.push_back({c.color, way, 1});
      }
    }
    EXPECT_EQ(seen, view <= 4 ? side : top) << "view " << view;
  }
}

TEST(LandingDepth, StopsOnTheFirstLandedCubeAndIgnoresThePiece) {
  // The marker shows where the cube would come to rest: on the first landed cube below it, on the
  // floor otherwise; cubes of the piece itself are no obstacle.
  struct example {
    int y;        // the falling cube's row
    int landedy;  // a landed cube below it in the same column, 0 for none
    int depth;
  };
  const example examples[] = {{1, 0, 30}, {29, 30, 1}, {10, 20, 10}, {30, 0, 1}, {5, 30, 25}};
  for (const example& e : examples) {
    auto g = defaults(1);
    // A piece two cubes tall: the one under the marked cube must not stop the search.
    fallingcube(*g, 4, e.y, 6, cubecolor);
    g->piece.at(1, 2, 1) = cubecolor;
    if (e.landedy != 0) g->well.at(4, e.landedy, 6) = othercolor;
    EXPECT_EQ(landingdepth(*g, 4, e.y, 6), e.depth) << "row " << e.y;
  }
}

TEST(DrawScene, CellFilledInBothGridsIsDrawnOnceInTheWellsColour) {
  // A cube of the piece overlapping a landed cube does not show twice nor carry a marker.
  auto g = defaults(1);
  g->well.at(1, 30, 1) = cubecolor;
  fallingcube(*g, 1, 30, 1, othercolor);
  EXPECT_EQ(cubecalls(*g), cube(200, 453, cubecolor, {}));
}

}  // namespace
