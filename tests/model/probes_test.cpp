#include "model/probes.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>

TEST(Probes, OnlyAFilledCellThatACubeWouldEnterRaisesTheFlag) {
  // An L of three cubes in a 2 x 2 box: (1,1,1), (1,2,1), (2,2,1); (2,1,1) is a gap. At piecex 5,
  // piecey 10, piecez 5, cube (1,1,1) sits in well cell (5, 11, 6). A cell meeting only the gap
  // does not block; a flag already raised stays raised; one step outside the well (index 0, row
  // height + 1) reads as empty; a cube left beyond a narrowed edge blocks like any other.
  const struct {
    void (*probe)(gamestate&);
    std::array<int, 3> place, filled;  // filled {0, 0, 0}: nothing
    int before, after;
  } cases[] = {
      {checkleft, {5, 10, 5}, {4, 11, 6}, 0, 1},   {checkright, {5, 10, 5}, {7, 12, 6}, 0, 1},
      {checkup, {5, 10, 5}, {5, 11, 5}, 0, 1},     {checkdown, {5, 10, 5}, {5, 11, 7}, 0, 1},
      {checkdown2, {5, 10, 5}, {5, 13, 6}, 0, 1},  {checkright, {5, 10, 5}, {7, 11, 6}, 0, 0},
      {checkdown2, {5, 10, 5}, {6, 11, 6}, 0, 0},  {checkleft, {5, 10, 5}, {0, 0, 0}, 1, 1},
      {checkdown2, {5, 10, 5}, {0, 0, 0}, 1, 1},   {checkleft, {1, 28, 0}, {0, 0, 0}, 0, 0},
      {checkup, {1, 28, 0}, {0, 0, 0}, 0, 0},      {checkdown2, {1, 28, 0}, {0, 0, 0}, 0, 0},
      {checkright, {9, 10, 5}, {11, 12, 6}, 0, 1},
  };
  for (const auto& [probe, place, filled, before, after] : cases) {
    auto g = std::make_unique<gamestate>();
    g->piece.at(1, 1, 1) = g->piece.at(1, 2, 1) = g->piece.at(2, 2, 1) = 7;
    std::tie(g->piecesizex, g->piecesizey, g->piecesizez) = std::tuple{1, 2, 1};
    std::tie(g->piecex, g->piecey, g->piecez) = std::tuple{place[0], place[1], place[2]};
    std::tie(g->wellwidth, g->wellheight, g->welldepth) = std::tuple{10, 30, 10};
    if (filled[0] != 0) g->well.at(filled[0], filled[1], filled[2]) = 1;
    g->blocked = g->landed = before;
    probe(*g);
    EXPECT_EQ(probe == checkdown2 ? g->landed : g->blocked, after)
        << "well cell " << filled[0] << "," << filled[1] << "," << filled[2];
  }
}
