#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>

#include "model/flatpiece.h"
#include "model/spawn.h"
#include "model/turns.h"
#include "model/walk.h"
#include "piecetest.h"

TEST(FlatWalk, CastsTheFloorsHolesWholeAndStacksThemMaxlayersHigh) {
  // An empty ten-wide floor: 1 + R(10) further cubes join the first, every count from 2 to 11
  // turning up. A hole walled in on four sides, or none once the well was narrowed under a full
  // row: one cube per layer. Two holes side by side along x or z: always both, whichever the walk
  // starts in, so no direction may be lost. Layers are copies: maxlayers of them (two when 0 or
  // less, never more than the well is high); the hard walk finds no support off the floor.
  // Floor: 'e' empty, 'h' full but for x 4, z 6, 'x' also x 5, 'z' also z 7, 'f' full.
  const std::tuple<int, int, char, int, size_t, size_t> cases[] = {
      {gametypes::regular, 3, 'e', 3, 2, 11},   {gametypes::regular, 0, 'e', 2, 2, 11},
      {gametypes::regular, 45, 'e', 30, 2, 11}, {gametypes::hard, 3, 'e', 1, 2, 11},
      {gametypes::holeinone, 3, 'h', 3, 1, 1},  {gametypes::regular, 1, 'x', 1, 2, 2},
      {gametypes::regular, 2, 'z', 2, 2, 2},    {gametypes::hard, 3, 'f', 1, 1, 1}};
  for (const auto& [gametype, maxlayers, floor, layers, fewest, most] : cases) {
    auto g = newgame(gametype, 10, 30);
    g->maxlayers = maxlayers;
    for (int c = 0; c < 100; ++c) {
      const bool hole = c == 53 || (floor == 'x' && c == 54) || (floor == 'z' && c == 63);
      g->well.at(1 + c % 10, 30, 1 + c / 10) = floor == 'e' || (floor != 'f' && hole) ? 0 : 5;
    }
    std::set<size_t> counts;
    for (int seed = 1; seed <= 60; ++seed) {
      makepiece(*g, seed);
      std::map<std::pair<int, int>, int> columns;
      for (const cubeat& c : takecubes(*g)) ++columns[{c.x, c.z}];
      counts.insert(columns.size());
      for (const auto& column : columns) ASSERT_EQ(column.second, layers) << "seed " << seed;
    }
    EXPECT_EQ(std::tuple(*counts.begin(), *counts.rbegin(), counts.size()),
              std::tuple(fewest, most, most - fewest + 1))
        << floor << " " << gametype;
  }
}

TEST(HollowPiece, TakesOutTheMiddleOfAFullPatchAndKeepsLinesAndLs) {
  // Only a cube whose eight neighbours in its layer are all filled goes, two side by side both;
  // one with its four side neighbours but not all its corners stays (x 4, z 6).
  auto g = newgame(gametypes::holeinone, 10, 30);
  paint(*g, "#..#.|####.|####.|####.|#..#.|#####|#####");
  hollowpiece(*g);
  EXPECT_EQ(picture(*g), "#..#.|####.|#..#.|####.|#..#.|#####|#####");
}

TEST(GeneratePiece, FixedShapesAreExactlyAsTabled) {
  // The easy game's four shapes all turn up and nothing else; the codes a settings file may
  // carry build their shapes; game over and unknown codes build nothing and keep the extents.
  auto g = newgame(gametypes::easy, 10, 30);
  std::set<std::string> seen;
  for (int seed = 1; seed <= 40; ++seed) {
    makepiece(*g, seed);
    seen.insert(picture(*g));
  }
  EXPECT_EQ(seen, (std::set<std::string>{"##/##|##/##", "####|####", "###/..#|###/..#", "##|##"}));
  const int codes[] = {2, 3, 4, 5, 10, 11, -97, 6, 12, 13, 15};
  const std::string_view shapes[] = {"###/#.#",     "###/#.#|###/...|###/#.#",
                                     "#",           "###/.#.|###/###|###/.#.",
                                     "##/##|##/##", "###/#.#/###"};
  for (int i = 0; i < 11; ++i) {
    g->gametype = codes[i];
    paint(*g, "..");
    makepiece(*g, 1);
    EXPECT_EQ(picture(*g), i < 6 ? shapes[i] : "..") << "gametype " << codes[i];
  }
}

TEST(TryStep, TakesExactlyTheStepsTheWalkRulesAllow) {
  // Random reliefs, walk cells on the floor or one layer up, piece cubes around them. A step back
  // onto a cube of the piece is always taken; any other needs an empty well cell ahead, inside
  // the well, and off the floor one of the eight cells beside the two cells (along the axes other
  // than the step's) filled; up only from the floor. A step moves the walk and its minima.
  const std::array<int, 3> steps[] = {{1, 0, 0},  {-1, 0, 0}, {0, 1, 0},
                                      {0, -1, 0}, {0, 0, 1},  {0, 0, -1}};
  auto g = newgame(gametypes::hard, 5, 7);
  std::mt19937 r(9);
  for (int run = 0; run < 4000; ++run) {
    for (int i = 0; i < 7 * 7 * 4; ++i) {
      const int x = i % 7, y = 4 + i / 49, z = i / 7 % 7;
      const bool inside = x >= 1 && x <= 5 && y <= 7 && z >= 1 && z <= 5;
      g->well.at(x, y, z) = inside && r() % 3 == 0;
      g->piece.at(45 + x, 43 + y, 45 + z) = y >= 6 && r() % 4 == 0;
    }
    const std::array<int, 3> at = {1 + int(r() % 5), 6 + int(r() % 2), 1 + int(r() % 5)};
    const auto [dx, dy, dz] = steps[r() % 6];
    g->well.at(at[0], at[1], at[2]) = 0;
    int support = 0;
    for (int i = 0; i < 8; ++i) {
      const int side = i % 2 * 2 - 1, ahead = i / 4, axis = i / 2 % 2;
      std::array<int, 3> n = {at[0] + ahead * dx, at[1] + ahead * dy, at[2] + ahead * dz};
      n[(dx != 0 ? 1 + axis : dy != 0 ? 2 * axis : axis)] += side;
      support += g->well.at(n[0], n[1], n[2]) != 0;
    }
    const int x = at[0] + dx, y = at[1] + dy, z = at[2] + dz;
    const bool fast = g->piece.at(45 + x, 43 + y, 45 + z) != 0;
    const bool open = x >= 1 && x <= 5 && y <= 7 && z >= 1 && z <= 5 && g->well.at(x, y, z) == 0;
    const bool taken = (dy >= 0 || at[1] == 7) && (fast || (open && (y == 7 || support > 0)));
    walk w;
    std::tie(w.wellx, w.welly, w.wellz) = std::tuple(at[0], at[1], at[2]);
    std::tie(w.walkx, w.walky, w.walkz) = std::tie(w.minx, w.miny, w.minz) =
        std::tuple(45 + at[0], 43 + at[1], 45 + at[2]);
    ASSERT_EQ(trystep(*g, w, {dx, dy, dz}), taken) << run;
    const std::array<int, 3> now = taken ? std::array{x, y, z} : at;
    ASSERT_EQ(std::tuple(w.wellx, w.welly, w.wellz, w.walkx - 45, w.walky - 43, w.walkz - 45),
              std::tuple(now[0], now[1], now[2], now[0], now[1], now[2]));
    ASSERT_EQ(std::tuple(w.minx - 45, w.miny - 43, w.minz - 45, w.wentup),
              std::tuple(std::min(at[0], now[0]), std::min(at[1], now[1]), std::min(at[2], now[2]),
                         taken && dy < 0));
  }
}

TEST(Turns, SizeGuardAndPushBackKeepATurnedPieceInsideTheWell) {
  // Seven wide in a well six high: H and J would stand it up too tall, U, Y, I and K fit; each
  // limit is exact, and as tall as the well is wide only U and Y fit. After a key turn the piece
  // is pushed back: a bar on the floor stands up on it, at the right or far wall it lies against
  // it; larger than a narrowed well it stays against the low walls (no index below 0).
  auto g = newgame(gametypes::regular, 10, 6);
  const std::pair<std::tuple<int, int, int>, std::string_view> cases[] = {
      {{6, 1, 1}, "YUIK.."}, {{5, 1, 6}, "YU..HJ"}, {{0, 10, 1}, "YU...."}, {{0, 9, 5}, "YUIKHJ"}};
  for (const auto& [extents, fits] : cases) {
    std::tie(g->piecesizex, g->piecesizey, g->piecesizez) = extents;
    for (int turnkind = 1; turnkind <= 6; ++turnkind) {
      EXPECT_EQ(turnfits(*g, turnkind), fits[turnkind - 1] != '.') << "turn " << turnkind;
    }
  }
  g->wellheight = 30;
  paint(*g, "1234");
  std::tie(g->piecex, g->piecey, g->piecez) = std::tuple{9, 29, 9};
  const std::tuple<int, int, int, int, int> turns[] = {
      {5, 9, 26, 9, 10}, {6, 7, 26, 9, 10}, {2, 7, 26, 6, 10}, {1, 1, 5, 1, 2}, {2, 1, 5, 0, 2}};
  for (const auto& [turnkind, x, y, z, width] : turns) {
    std::tie(g->wellwidth, g->welldepth, g->wellheight) = std::tuple(width, width, width * 3);
    turn(*g, turnkind);
    pushback(*g);
    EXPECT_EQ(std::tuple(g->piecex, g->piecey, g->piecez), std::tuple(x, y, z)) << turnkind;
  }
}

TEST(SpawnPiece, DifficultyDecidesWhichTurnsOccur) {
  // Among pieces given one turn (the count is drawn first): none at One, the two about the
  // vertical axis at Two, each of the six at Three, on a piece no turn maps onto itself. At Two
  // the height never changes; at Three a bar seven long in a well six high never stands up.
  for (int difficulty = 0; difficulty <= 3; ++difficulty) {
    auto g = newgame(gametypes::regular, 8, difficulty == 3 ? 6 : 30);
    g->difficulty = std::min(difficulty, 2);
    std::set<std::string> seen;
    for (int seed = 1; seed <= 150; ++seed) {
      g->rng.seed(seed);
      randomsource twin = g->rng;
      paint(*g, difficulty == 3 ? "#######" : "1.2/3..|.../...|.../...|4../...");
      spawnpiece(*g);
      EXPECT_TRUE(difficulty != 1 || g->piecesizey == 2);
      const std::string shape = picture(*g);
      if (twin.R(3) == 0 || difficulty == 3) seen.insert(shape);
    }
    EXPECT_EQ(seen.size(), size_t(std::array{1, 2, 6, 2}[difficulty]));
  }
}
