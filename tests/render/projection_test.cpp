// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/projection.h"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

namespace {

std::unique_ptr<gamestate> well(int width, int height) {
  auto g = std::make_unique<gamestate>();
  std::tie(g->wellwidth, g->welldepth, g->wellheight) = std::tuple{width, width, height};
  return g;
}

TEST(Projection, OriginsAndTheExampleCellsLandWhereTheyBelong) {
  // The picture sits centred in the drawing area for every size of area, odd sizes and fractional
  // origins included; well-known cells of the default well land on their squares in side and top
  // views, and view 3 shows the far corner where view 1 shows (1, 30, 1).
  const std::tuple<bool, int, int, int, double, double> origins[] = {
      {true, 10, 500, 554, 205, 462},    {false, 10, 500, 554, 255, 272},
      {true, 9, 500, 554, 209.5, 464.5}, {true, 10, 501, 555, 205, 462},
      {false, 10, 501, 555, 255, 272},   {true, 10, 700, 600, 305, 485}};
  for (const auto& [side, wellwidth, w, h, x, y] : origins) {
    const auto g = well(wellwidth, 30);
    const origin o = side ? sideorigin(*g, w, h) : toporigin(*g, w, h);
    EXPECT_EQ(std::pair(o.x, o.y), std::pair(x, y)) << side << " " << wellwidth << " " << w;
  }
  const auto g = well(10, 30);
  // A cell (x, y, z) in a view, and the corner of its front square.
  const std::tuple<int, int, int, int, double, double> cells[] = {
      {1, 1, 30, 1, 200, 453}, {1, 1, 30, 2, 195, 458}, {1, 1, 30, 10, 155, 498},
      {5, 1, 1, 1, 105, 408},  {5, 1, 30, 1, 250, 263}, {3, 10, 30, 10, 200, 453},
      {1, 1, 1, 1, 200, 47}};
  for (const auto& [view, x, y, z, drawx, drawy] : cells) {
    const origin o = sideview(view) ? sideorigin(*g, 500, 554) : toporigin(*g, 500, 554);
    const point p = frontsquare(*g, o, placeofcell(*g, view, x, y, z));
    EXPECT_EQ(std::pair(p.x, p.y), std::pair(drawx, drawy)) << view << ": " << x << y << z;
  }
}

TEST(Views, EachViewShowsEveryCellOnceAndFindsItAgain) {
  // A view that lost or doubled a cell would leave a cube undrawn or drawn twice: as many places as
  // cells, and every place leads to a cell of the well that leads back to it.
  const auto g = well(4, 7);
  for (int view = 1; view <= 8; ++view) {
    const viewextent e = extentofview(*g, view);
    EXPECT_EQ(e.columns * e.rows * e.layers, 4 * 7 * 4) << "view " << view;
    for (int i = 0; i < e.columns * e.rows * e.layers; ++i) {
      const cellplace p = {i % e.columns, i / e.columns % e.rows, i / e.columns / e.rows};
      const cell at = cellatplace(*g, view, p);
      const cellplace back = placeofcell(*g, view, at.x, at.y, at.z);
      EXPECT_TRUE(at.x >= 1 && at.x <= 4 && at.y >= 1 && at.y <= 7 && at.z >= 1 && at.z <= 4 &&
                  back.c == p.c && back.r == p.r && back.d == p.d)
          << "view " << view << " place " << i;
    }
  }
}

}  // namespace
