#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <tuple>

#include "render/projection.h"

namespace {

std::unique_ptr<gamestate> well(int width, int height) {
  auto g = std::make_unique<gamestate>();
  g->wellwidth = width;
  g->welldepth = width;
  g->wellheight = height;
  return g;
}

TEST(Origin, CentresThePictureInTheDrawingArea) {
  // The picture sits where the player expects it for every size of area, odd sizes and
  // fractional origins included.
  struct example {
    bool side;
    int wellwidth, w, h;
    double x, y;
  };
  const example examples[] = {
      {true, 10, 500, 554, 205, 462},    {false, 10, 500, 554, 255, 272},
      {true, 9, 500, 554, 209.5, 464.5}, {true, 10, 501, 555, 205, 462},
      {false, 10, 501, 555, 255, 272},   {true, 10, 700, 600, 305, 485},
  };
  for (const example& e : examples) {
    const auto g = well(e.wellwidth, 30);
    const origin o = e.side ? sideorigin(*g, e.w, e.h) : toporigin(*g, e.w, e.h);
    EXPECT_DOUBLE_EQ(o.x, e.x) << e.side << " " << e.wellwidth << " " << e.w;
    EXPECT_DOUBLE_EQ(o.y, e.y) << e.side << " " << e.wellwidth << " " << e.h;
  }
}

TEST(CellPlacement, PutsTheExampleCellsWhereTheyBelong) {
  // Well-known cells of the default well land on their squares in side and top views, and view 3
  // shows the opposite corner where view 1 shows (1, 30, 1).
  struct example {
    int view, x, y, z;
    double drawx, drawy;
  };
  const example examples[] = {
      {1, 1, 30, 1, 200, 453}, {1, 1, 30, 2, 195, 458}, {1, 1, 30, 10, 155, 498},
      {5, 1, 1, 1, 105, 408},  {5, 1, 30, 1, 250, 263}, {3, 10, 30, 10, 200, 453},
      {1, 1, 1, 1, 200, 47},
  };
  const auto g = well(10, 30);
  for (const example& e : examples) {
    const origin o = sideview(e.view) ? sideorigin(*g, 500, 554) : toporigin(*g, 500, 554);
    const point p = frontsquare(*g, o, placeofcell(*g, e.view, e.x, e.y, e.z));
    EXPECT_DOUBLE_EQ(p.x, e.drawx) << "view " << e.view << " cell " << e.x << e.y << e.z;
    EXPECT_DOUBLE_EQ(p.y, e.drawy) << "view " << e.view << " cell " << e.x << e.y << e.z;
  }
}

TEST(Views, EachViewShowsEveryCellOnceAndFindsItAgain) {
  // A view that lost or doubled a cell would leave a cube undrawn or drawn twice; the walk over
  // places must come back to the very cell.
  const auto g = well(4, 7);
  for (int view = 1; view <= 8; ++view) {
    const viewextent e = extentofview(*g, view);
    EXPECT_EQ(e.columns * e.rows * e.layers, 4 * 7 * 4) << "view " << view;
    std::set<std::tuple<int, int, int>> seen;
    for (int d = 0; d < e.layers; ++d) {
      for (int r = 0; r < e.rows; ++r) {
        for (int c = 0; c < e.columns; ++c) {
          const cell at = cellatplace(*g, view, {c, r, d});
          ASSERT_TRUE(at.x >= 1 && at.x <= 4 && at.y >= 1 && at.y <= 7 && at.z >= 1 && at.z <= 4);
          seen.insert({at.x, at.y, at.z});
          const cellplace back = placeofcell(*g, view, at.x, at.y, at.z);
          EXPECT_TRUE(back.c == c && back.r == r && back.d == d) << "view " << view;
        }
      }
    }
    EXPECT_EQ(seen.size(), 4u * 7u * 4u) << "view " << view;
  }
}

}  // namespace
