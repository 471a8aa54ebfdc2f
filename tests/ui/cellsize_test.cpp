#include "ui/cellsize.h"

#include "model/numbers.h"
#include "uitest.h"

namespace {

using CellSizePanel = workdir;

// Opens the cell-size panel, types both fields and presses Done; returns whether Done drew.
bool setcell(harness& h, const std::string& front, const std::string& twicedepth) {
  h.w.click(menuitem::choosegrid);
  h.w.type(control::Text3, front);
  h.w.type(control::Text4, twicedepth);
  h.w.takecalls();
  h.w.press(control::Command2);
  return !h.w.takecalls().empty();
}

TEST_F(CellSizePanel, MakesTheFieldsEvenThenFitsThePictureCellFirstThenTheWellNeverBelowSix) {
  // The fields show what was applied, and the picture is redrawn at once. A row: drawing area,
  // well, typed front and twice the depth; then the cell and the well that result.
  using row = std::tuple<int, int, int, int, std::string, std::string, double, double, int, int>;
  const std::vector<row> rows{
      {500, 554, 10, 30, "7", "9", 8, 5, 10, 30},
      {500, 554, 10, 30, "letters", "10", 6, 5, 10, 30},
      {500, 554, 10, 30, "3", "-4", 6, 3, 10, 30},
      {500, 554, 10, 30, "6.75", "12", 7.75, 6, 10, 30},
      {500, 554, 10, 30, "8.5", "12", 8.5, 6, 10, 30},
      {500, 554, 10, 30, "inf", "nan", 6, 3, 10, 30},
      // Four passes take the front square from 14 to 6; the depth step and the well stay.
      {500, 554, 40, 40, "14", "10", 6, 5, 40, 40},
      // The front square dips to 2 inside the loop and is raised back to 6: 6 by 4.
      {300, 300, 40, 40, "14", "10", 6, 4, 40, 40},
      // At 6 by 3 the well shrinks, width and height in turn: 20 -> 16.
      {200, 200, 20, 20, "6", "6", 6, 3, 16, 16},
  };
  for (const auto& [areawidth, areaheight, well, height, front, twicedepth, squarewidth,
                    squareheight, fittedwell, fittedheight] : rows) {
    harness h(12345, areawidth, areaheight);
    h.start();
    gamestate& g = *h.g;
    g.wellwidth = g.welldepth = well;
    g.wellheight = height;
    EXPECT_TRUE(setcell(h, front, twicedepth)) << front;
    EXPECT_EQ(std::tuple(g.squarewidth, g.squareheight, g.wellwidth, g.welldepth, g.wellheight),
              std::tuple(squarewidth, squareheight, fittedwell, fittedwell, fittedheight))
        << front << " in " << areawidth << " x " << areaheight;
    EXPECT_EQ(h.w.text(control::Text3), formatnumber(g.squarewidth));
    EXPECT_EQ(h.w.text(control::Text4), formatnumber(2 * g.squareheight));
  }
}

TEST_F(CellSizePanel, NarrowingTheWellTidiesStackAndPieceWithoutPoints) {
  // 20 x 20 x 20 at 6 by 3 in a 200 x 200 area becomes 16 x 16 x 16. A piece that still fits
  // is moved inside; one wider or taller than the new well is replaced; after game over there is
  // no piece, yet the stack is tidied and the picture redrawn all the same.
  for (const auto& [sizex, sizey, piecex, piecey, over] :
       std::vector<std::tuple<int, int, int, int, bool>>{
           {2, 3, 18, 17, false}, {16, 1, 1, 0, false}, {0, 17, 1, 0, false}, {0, 1, 1, 0, true}}) {
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
    g.piece.at(1, 1, 1) = g.piece.at(sizex + 1, sizey, 1) = 9;  // the piece's far corners
    std::tie(g.piecesizex, g.piecesizey, g.piecesizez, g.piecex, g.piecey, g.piecez) =
        std::tuple(sizex, sizey, 1, piecex, piecey, 1);
    if (over) gameoversteps(g, h.w);
    EXPECT_TRUE(setcell(h, "6", "6"));
    ASSERT_EQ(g.wellwidth, 16);
    EXPECT_EQ(std::count_if(g.well.cell.begin(), g.well.cell.end(), [](int32_t c) { return c; }),
              1);
    EXPECT_EQ(g.well.at(2, 16, 2), 4);
    EXPECT_EQ(g.score, 0);
    if (!over) expectsound(g);
  }
}

}  // namespace
