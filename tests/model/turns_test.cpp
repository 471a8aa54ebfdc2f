#include "model/turns.h"

#include <gtest/gtest.h>

#include "piecetest.h"

TEST(Turns, EachTurnMovesEveryCubeWithItsColourAndItsOppositeUndoesIt) {
  // Four cubes, each its own colour, in a box 3 wide, 2 high and 4 deep: no turn maps it onto
  // itself, so a wrong mapping or extent shows. Where they land after each turn (1 Y, 2 U, 3 I,
  // 4 K, 5 H, 6 J) was worked out by hand; H then J, I then K, U then Y (either way round), and
  // any turn four times, change nothing.
  const std::string asymmetric = "1.2/3..|.../...|.../...|4../...";
  const std::string_view expected[] = {
      "2.../....|..../....|1..4/3...",       "4..1/...3|..../....|...2/....",
      "4../.../.../1.2|.../.../.../3..",     "3../.../.../...|1.2/.../.../4..",
      "2./../13|../../..|../../..|../../4.", "31/../.2|../../..|../../..|.4/../.."};
  const int opposite[] = {2, 1, 4, 3, 6, 5};
  auto g = newgame(gametypes::regular, 10, 30);
  auto turned = [&](std::initializer_list<int> turnkinds) {
    paint(*g, asymmetric);
    g->redraw = 0;
    for (const int turnkind : turnkinds) turn(*g, turnkind);
    EXPECT_EQ(g->redraw, 1);
    return picture(*g);
  };
  for (int k = 1; k <= 6; ++k) {
    EXPECT_EQ(turned({k}), expected[k - 1]) << "turn " << k;
    EXPECT_EQ(turned({k, opposite[k - 1]}), asymmetric) << "turn " << k;
    EXPECT_EQ(turned({k, k, k, k}), asymmetric) << "turn " << k;
  }
}

TEST(Turns, SizeGuardRefusesTurnsThatWouldNotFitTheWell) {
  // Seven wide in a well six high: H and J would stand it up too tall, U, Y, I and K fit. As tall
  // as the well is wide: only the turns about the vertical axis fit.
  auto g = newgame(gametypes::regular, 10, 6);
  const std::pair<std::tuple<int, int, int>, std::string_view> cases[] = {
      {{6, 1, 1}, "YUIK.."}, {{0, 10, 1}, "YU...."}, {{0, 9, 6}, "YU..HJ"}};
  for (const auto& [extents, fits] : cases) {
    std::tie(g->piecesizex, g->piecesizey, g->piecesizez) = extents;
    for (int turnkind = 1; turnkind <= 6; ++turnkind) {
      EXPECT_EQ(turnfits(*g, turnkind), fits[turnkind - 1] != '.') << "turn " << turnkind;
    }
  }
}

TEST(Pushback, BringsATurnedPieceBackIntoTheWell) {
  // A bar of four on the floor stands up on the floor; standing at the right wall it lies down
  // against it; larger than a narrowed well, it stays against the low walls (no index below 0).
  auto g = newgame(gametypes::regular, 10, 30);
  paint(*g, "1234");
  std::tie(g->piecex, g->piecey, g->piecez) = std::tuple{2, 29, 3};
  auto turnandpush = [&](void (*turnkey)(gamestate&)) {
    turnkey(*g);
    pushback(*g);
    return std::tuple(g->piecex, g->piecey, g->piecez);
  };
  EXPECT_EQ(turnandpush(turnH), std::tuple(2, 26, 3));
  g->piecex = 10;
  EXPECT_EQ(turnandpush(turnJ), std::tuple(7, 26, 3));
  std::tie(g->wellwidth, g->welldepth, g->wellheight) = std::tuple{2, 2, 3};
  EXPECT_EQ(turnandpush(turnU), std::tuple(2, 2, 0));
  EXPECT_EQ(turnandpush(turnY), std::tuple(1, 2, 0));
}
