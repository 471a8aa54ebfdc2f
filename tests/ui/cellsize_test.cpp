#include "ui/cellsize.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../harness.h"
#include "loop/landing.h"
#include "uitest.h"

namespace {

// Opens the cell-size panel, types both fields and presses Done.
void setcell(harness& h, const std::string& front, const std::string& twicedepth) {
  h.w.click(menuitem::choosegrid);
  h.w.type(control::Text3, front);
  h.w.type(control::Text4, twicedepth);
  h.w.press(control::Command2);
}

TEST(CellSizePanel, ChecksTheFieldsAndMakesThemEven) {
  struct row {
    std::string front, twicedepth, shownfront, showntwicedepth;
    double squarewidth, squareheight;
  };
  const std::vector<row> rows{
      {"7", "9", "8", "10", 8, 5},        {"letters", "10", "6", "10", 6, 5},
      {"3", "-4", "6", "6", 6, 3},        {"6.75", "12", "7.75", "12", 7.75, 6},
      {"8.5", "12", "8.5", "12", 8.5, 6}, {"inf", "nan", "6", "6", 6, 3},
  };
  for (const row& r : rows) {
    harness h;
    h.start();
    setcell(h, r.front, r.twicedepth);
    EXPECT_EQ(h.w.text(control::Text3), r.shownfront) << r.front;
    EXPECT_EQ(h.w.text(control::Text4), r.showntwicedepth) << r.twicedepth;
    EXPECT_EQ(h.g->squarewidth, r.squarewidth) << r.front;
    EXPECT_EQ(h.g->squareheight, r.squareheight) << r.twicedepth;
  }
}

TEST(CellSizePanel, FitsThePictureCellFirstThenTheWellNeverBelowSix) {
  struct row {
    int areawidth, areaheight;
    std::string front, twicedepth;
    int well, height;
    double squarewidth, squareheight;
    int fittedwell, fittedheight;
  };
  const std::vector<row> rows{
      // Four passes take the front square from 14 to 6; the depth step and the well stay.
      {500, 554, "14", "10", 40, 40, 6, 5, 40, 40},
      // The front square dips to 2 inside the loop and is raised back to 6: 6 by 4.
      {300, 300, "14", "10", 40, 40, 6, 4, 40, 40},
      // At 6 by 3 the well shrinks, width and height in turn: 20 -> 16.
      {200, 200, "6", "6", 20, 20, 6, 3, 16, 16},
      // Nothing fits: the loop stops at the smallest well and cell; the window cuts the picture.
      {40, 40, "14", "10", 10, 30, 6, 3, 6, 6},
      {0, 0, "14", "10", 40, 40, 6, 3, 6, 6},
      // An odd 7 does not become 5.
      {60, 60, "6", "6", 7, 7, 6, 3, 7, 7},
  };
  for (const row& r : rows) {
    harness h(12345, r.areawidth, r.areaheight);
    h.start();
    h.g->wellwidth = h.g->welldepth = r.well;
    h.g->wellheight = r.height;
    setcell(h, r.front, r.twicedepth);
    const std::string area = std::to_string(r.areawidth) + " x " + std::to_string(r.areaheight);
    EXPECT_EQ(h.g->squarewidth, r.squarewidth) << area;
    EXPECT_EQ(h.g->squareheight, r.squareheight) << area;
    EXPECT_EQ(h.g->wellwidth, r.fittedwell) << area;
    EXPECT_EQ(h.g->welldepth, r.fittedwell) << area;
    EXPECT_EQ(h.g->wellheight, r.fittedheight) << area;
  }
}

TEST(CellSizePanel, AHugeTypedCellIsBoundedByTheDrawingAreaFirst) {
  // Shrinking 1e17 by steps of 2 would never end; bounded, it ends as a cell of the area's size.
  harness huge;
  huge.start();
  setcell(huge, "99999999999999999", "99999999999999999");
  harness bounded;
  bounded.start();
  setcell(bounded, "500", "1000");
  EXPECT_EQ(huge.g->squarewidth, bounded.g->squarewidth);
  EXPECT_EQ(huge.g->squareheight, bounded.g->squareheight);
}

TEST(CellSizePanel, NarrowingTheWellTidiesStackAndPieceWithoutPoints) {
  // 20 x 20 x 20 at 6 by 3 in a 200 x 200 area becomes 16 x 16 x 16. A piece that still fits
  // is moved inside; one wider or taller than the new well is replaced.
  struct row {
    int sizex, sizey, x, y;
  };
  for (const row& r : std::vector<row>{{2, 3, 18, 17}, {16, 1, 1, 0}, {0, 17, 1, 0}}) {
    harness h(12345, 200, 200);
    h.start();
    gamestate& g = *h.g;
    g.wellwidth = g.welldepth = g.wellheight = 20;
    g.well.clear();
    for (int z = 1; z <= 16; ++z) {
      for (int x = 1; x <= 16; ++x) g.well.at(x, 16, z) = 3;  // full only once narrowed
    }
    g.well.at(2, 15, 2) = 4;   // falls one row with the removed one
    g.well.at(18, 10, 5) = 5;  // beyond the new width
    g.well.at(3, 18, 3) = 6;   // below the new floor
    g.piece.clear();
    for (int b = 1; b <= r.sizey; ++b) {
      for (int a = 1; a <= r.sizex + 1; ++a) g.piece.at(a, b, 1) = 9;
    }
    g.piecesizex = r.sizex;
    g.piecesizey = r.sizey;
    g.piecesizez = 1;
    g.piecex = r.x;
    g.piecey = r.y;
    g.piecez = 1;
    setcell(h, "6", "6");
    ASSERT_EQ(g.wellwidth, 16);
    int cubes = 0;
    for (int32_t cell : g.well.cell) cubes += cell != 0;
    EXPECT_EQ(cubes, 1);
    EXPECT_EQ(g.well.at(2, 16, 2), 4);
    EXPECT_EQ(g.score, 0);
    expectpieceinside(g);
  }
}

TEST(CellSizePanel, DoneRedrawsAtOnceInPlayAndAfterGameOver) {
  for (bool over : {false, true}) {
    harness h;
    h.start();
    if (over) gameoversteps(*h.g, h.w);
    h.w.click(menuitem::choosegrid);
    h.w.takecalls();
    h.w.press(control::Command2);
    EXPECT_FALSE(h.w.takecalls().empty()) << (over ? "after game over" : "in play");
  }
}

}  // namespace
