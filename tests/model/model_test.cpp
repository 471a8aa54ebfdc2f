// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "model/colors.h"
#include "model/flatpiece.h"
#include "model/generate.h"
#include "model/layers.h"
#include "model/piecebox.h"
#include "model/probes.h"
#include "model/spawn.h"
#include "model/turns.h"
#include "model/walk.h"

namespace {

// One cube of a piece: its cell in the piece grid and its colour.
struct cubeat {
  int x, y, z;
  int32_t colour;
  auto operator<=>(const cubeat&) const = default;
};

// A game of the given kind with an empty well; the depth follows the width.
std::unique_ptr<gamestate> newgame(int gametype, int width, int height) {
  auto g = std::make_unique<gamestate>();
  std::tie(g->gametype, g->wellwidth, g->welldepth, g->wellheight) =
      std::tuple{gametype, width, width, height};
  return g;
}

// What the loop head does for a new piece: seed, draw the piece colour, generate.
void makepiece(gamestate& g, uint64_t seed) {
  g.rng.seed(seed);
  colorrule(g);
  generatepiece(g);
}

// The cubes of the piece box in box order, left in place.
std::vector<cubeat> cubesof(const gamestate& g) {
  std::vector<cubeat> cubes;
  forbox(g, [&](int x, int y, int z) {
    if (const int32_t c = g.piece.at(x, y, z); c != 0) cubes.push_back({x, y, z, c});
  });
  return cubes;
}

// Takes the cubes of the piece box out of the grid, failing when a cube lies outside the box.
std::vector<cubeat> takecubes(gamestate& g) {
  static const auto empty = std::make_unique<grid>();
  const std::vector<cubeat> cubes = cubesof(g);
  for (const cubeat& c : cubes) g.piece.at(c.x, c.y, c.z) = 0;
  if (g.piece.cell == empty->cell) return cubes;
  ADD_FAILURE() << "a cube lies outside the piece box";
  g.piece.clear();
  return cubes;
}

// A piece box drawn layer by layer: '|' starts the next z, '/' the next row y, '.' is empty and
// any other character a cube coloured minus its code (no generated colour is negative).
void paint(gamestate& g, std::string_view picture) {
  const auto count = [&](char c) { return static_cast<int>(std::ranges::count(picture, c)); };
  g.piecesizez = 1 + count('|');
  g.piecesizey = 1 + count('/') / g.piecesizez;
  g.piecesizex = static_cast<int>(std::min(picture.find_first_of("/|"), picture.size())) - 1;
  std::string cells(picture);
  std::erase_if(cells, [](char c) { return c == '|' || c == '/'; });
  forbox(g, [&, i = size_t{0}](int x, int y, int z) mutable {
    if (cells[i] != '.') g.piece.at(x, y, z) = -cells[i];
    ++i;
  });
}

// The piece box drawn the same way, emptying the grid: a painted cube shows its character, any
// other cube '#'.
std::string picture(gamestate& g) {
  std::string out;
  forbox(g, [&](int x, int y, int z) {
    if (x == 1 && (y > 1 || z > 1)) out += y > 1 ? '/' : '|';
    const int32_t c = g.piece.at(x, y, z);
    out += c == 0 ? '.' : c < 0 ? static_cast<char>(-c) : '#';
  });
  takecubes(g);
  return out;
}

// Empties the cubes reachable from (x, y, z) through shared faces.
void flood(gamestate& g, int x, int y, int z) {
  if (std::exchange(g.piece.at(x, y, z), 0) == 0) return;
  for (const int d : {-1, 1}) flood(g, x + d, y, z), flood(g, x, y + d, z), flood(g, x, y, z + d);
}

// Where turn 1 Y, 2 U, 3 I, 4 K, 5 H or 6 J sends cube (a, b, c) of a box X by Y by Z.
std::array<int, 3> turned(int kind, int a, int b, int c, int X, int Y, int Z) {
  const std::array<int, 3> to[] = {{c, b, X + 1 - a}, {Z + 1 - c, b, a}, {a, Z + 1 - c, b},
                                   {a, c, Y + 1 - b}, {b, X + 1 - a, c}, {Y + 1 - b, a, c}};
  return to[kind - 1];
}

TEST(FlatWalk, CastsTheFloorsHolesWhole) {
  // An empty ten-wide floor: 1 + R(10) further cubes join the first, every count from 2 to 11
  // turning up; the hard walk finds no support off the floor either. A hole walled in on four
  // sides, or none once the well was narrowed under a full row: one cube. Two holes side by side
  // along x or z: always both, whichever the walk starts in, so no direction may be lost (the
  // hard walk in a well one row high, where it cannot climb out of them).
  // Floor: 'e' empty, 'h' full but for x 4, z 6, 'x' also x 5, 'z' also z 7, 'f' full.
  const std::tuple<int, char, int, size_t, size_t> cases[] = {
      {gametypes::regular, 'e', 30, 2, 11},  {gametypes::hard, 'e', 30, 2, 11},
      {gametypes::holeinone, 'h', 30, 1, 1}, {gametypes::regular, 'x', 30, 2, 2},
      {gametypes::regular, 'z', 30, 2, 2},   {gametypes::hard, 'x', 1, 2, 2},
      {gametypes::hard, 'z', 1, 2, 2},       {gametypes::hard, 'f', 30, 1, 1}};
  for (const auto& [gametype, floor, height, fewest, most] : cases) {
    auto g = newgame(gametype, 10, height);
    for (int c = 0; c < 100; ++c) {
      const bool hole = c == 53 || (floor == 'x' && c == 54) || (floor == 'z' && c == 63);
      g->well.at(1 + c % 10, height, 1 + c / 10) = floor == 'e' || (floor != 'f' && hole) ? 0 : 5;
    }
    std::set<size_t> counts;
    for (int seed = 1; seed <= 60; ++seed) {
      makepiece(*g, seed);
      ASSERT_EQ(g->piecesizey, 1);
      counts.insert(takecubes(*g).size());
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
  // than the step's) filled; up only from the floor. A step moves the walk and its well cell.
  const std::array<int, 3> steps[] = {{1, 0, 0},  {-1, 0, 0}, {0, 1, 0},
                                      {0, -1, 0}, {0, 0, 1},  {0, 0, -1}};
  auto g = newgame(gametypes::hard, 5, 7);
  std::mt19937 r(9);
  for (int run = 0; run < 4000; ++run) {
    for (int i = 0; i < 7 * 7 * 4; ++i) {
      const int x = i % 7, y = 4 + i / 49, z = i / 7 % 7;
      g->well.at(x, y, z) = x % 6 != 0 && z % 6 != 0 && r() % 3 == 0;
      g->piece.at(45 + x, 43 + y, 45 + z) = y >= 6 && r() % 4 == 0;
    }
    const std::array<int, 3> at = {1 + int(r() % 5), 6 + int(r() % 2), 1 + int(r() % 5)};
    const std::array<int, 3> step = steps[r() % 6];
    const int axis = step[0] != 0 ? 0 : step[1] != 0 ? 1 : 2;
    const std::array<int, 3> to = {at[0] + step[0], at[1] + step[1], at[2] + step[2]};
    g->well.at(at[0], at[1], at[2]) = 0;
    int support = 0;
    for (int i = 0; i < 8; ++i) {
      std::array<int, 3> beside = i < 4 ? at : to;
      beside[(axis + 1 + i / 2 % 2) % 3] += i % 2 * 2 - 1;
      support += g->well.at(beside[0], beside[1], beside[2]) != 0;
    }
    const bool fast = g->piece.at(45 + to[0], 43 + to[1], 45 + to[2]) != 0;
    const bool open = to[0] >= 1 && to[0] <= 5 && to[1] <= 7 && to[2] >= 1 && to[2] <= 5 &&
                      g->well.at(to[0], to[1], to[2]) == 0;
    const bool taken =
        (axis != 1 || step[1] > 0 || at[1] == 7) && (fast || (open && (to[1] == 7 || support > 0)));
    walk w;
    std::tie(w.wellx, w.welly, w.wellz) = std::tuple(at[0], at[1], at[2]);
    std::tie(w.walkx, w.walky, w.walkz) = std::tuple(45 + at[0], 43 + at[1], 45 + at[2]);
    ASSERT_EQ(trystep(*g, w, {step[0], step[1], step[2]}), taken) << run;
    const std::array<int, 3> now = taken ? to : at;
    ASSERT_EQ(std::tuple(w.wellx, w.welly, w.wellz, w.walkx - 45, w.walky - 43, w.walkz - 45),
              std::tuple(now[0], now[1], now[2], now[0], now[1], now[2]));
  }
}

TEST(Turns, SizeGuardRefusesExactlyTheTurnsThatWouldNotFitTheWell) {
  // Seven wide in a well six high: H and J would stand it up too tall, U, Y, I and K fit; as
  // deep: I and K; as tall as the well is wide: only U and Y. One less fits every turn.
  auto g = newgame(gametypes::regular, 10, 6);
  const std::pair<std::tuple<int, int, int>, std::string_view> cases[] = {
      {{6, 1, 1}, "YUIK.."}, {{5, 1, 6}, "YU..HJ"}, {{0, 10, 1}, "YU...."}, {{5, 9, 5}, "YUIKHJ"}};
  for (const auto& [extents, fits] : cases) {
    std::tie(g->piecesizex, g->piecesizey, g->piecesizez) = extents;
    for (int turnkind = 1; turnkind <= 6; ++turnkind) {
      EXPECT_EQ(turnfits(*g, turnkind), fits[turnkind - 1] != '.') << "turn " << turnkind;
    }
  }
}

TEST(SpawnPiece, DifficultyDecidesWhichTurnsOccur) {
  // Among pieces given one turn (the count is drawn first): none at One, the two about the
  // vertical axis at Two, each of the six at Three, on a piece no turn maps onto itself; at Three
  // a bar seven long in a well six high never stands up.
  for (int difficulty = 0; difficulty <= 3; ++difficulty) {
    auto g = newgame(gametypes::regular, 8, difficulty == 3 ? 6 : 30);
    g->difficulty = std::min(difficulty, 2);
    std::set<std::string> seen;
    for (int seed = 1; seed <= 150; ++seed) {
      g->rng.seed(seed);
      randomsource twin = g->rng;
      paint(*g, difficulty == 3 ? "#######" : "1.2/3..|.../...|.../...|4../...");
      spawnpiece(*g);
      const std::string shape = picture(*g);
      if (twin.R(3) == 0 || difficulty == 3) seen.insert(shape);
    }
    EXPECT_EQ(seen.size(), size_t(std::array{1, 2, 6, 2}[difficulty]));
  }
}

TEST(PiecesProperty, EveryKindDifficultyAndWellSizeGivesATightSoundPlacedPiece) {
  // Thousands of seeded pieces over random reliefs, with overhangs. As generated: cubes only inside
  // the box, the box exactly as tight as the kind allows (from (1, 1, 1) to the farthest cube; an
  // all-sizes piece may leave its first rows empty, has maxsquares cubes, at least one, and stays
  // in its region); a hard piece fits the relief it was cast from, at most two layers tall as it
  // climbs from the floor only; colours by the modes, every one of the sixteen colours' 2..10
  // drawn. A layered piece is maxlayers copies of its first layer (two when 0 or less). Spawned: on
  // the top row inside the well and off the z = 1 wall, against every wall now and then; unturned
  // at One, as tall at Two. Any turn then moves each cube as tabled, with the box, and the piece
  // stays connected (hole-in-one may cut it apart). An index outside 0..100 traps.
  const std::pair<int, int> wells[] = {{6, 7},   {7, 6},   {9, 40}, {40, 13},
                                       {23, 31}, {40, 39}, {15, 8}, {38, 40}};
  std::set<int32_t> palette, drawn;
  for (int n = 2; n <= 10; ++n) palette.insert(palettecolor(n));
  std::array<int, 5> seen{};  // climbed, and spawned against the left, right, near, far wall
  auto g = newgame(gametypes::regular, 10, 30);
  for (int run = 0; run < 5 * 3 * 8; ++run) {
    const int gametype = std::array{1, 0, -1, -2, -7}[run / 24], difficulty = run / 8 % 3;
    const auto [width, height] = wells[run % 8];
    std::tie(g->gametype, g->difficulty, g->wellwidth, g->welldepth, g->wellheight) =
        std::tuple{gametype, difficulty, width, width, height};
    g->well.clear();
    std::mt19937 relief(static_cast<unsigned>(width * 100 + height));
    for (int seed = 1; seed <= 16; ++seed) {
      for (int c = 0; c < width * width; ++c) {
        const int cubes = static_cast<int>(relief() % 4), overhang = height - 2 + relief() % 3 * 9;
        for (int y = height - 3; y <= height; ++y)
          g->well.at(1 + c % width, y, 1 + c / width) = height - y < cubes || y == overhang ? 6 : 0;
      }
      const int blockcolormode = seed % 2, colormode = seed / 2 % 2;
      std::tie(g->maxlayers, g->maxsquares, g->blockcolormode, g->colormode) =
          std::tuple{seed % 6 - 1, seed % 8 == 0 ? seed / 8 - 1 : 4 + seed * 7 % 60, blockcolormode,
                     colormode};
      makepiece(*g, seed);
      const std::vector<cubeat> cubes = takecubes(*g);
      const auto [lowx, highx] = std::ranges::minmax(cubes, {}, &cubeat::x);
      const auto [lowy, highy] = std::ranges::minmax(cubes, {}, &cubeat::y);
      const auto [lowz, highz] = std::ranges::minmax(cubes, {}, &cubeat::z);
      ASSERT_EQ(std::tuple(highx.x, highy.y, highz.z),
                std::tuple(g->piecesizex + 1, g->piecesizey, g->piecesizez));
      ASSERT_TRUE(gametype == 1 || std::tuple(lowx.x, lowy.y, lowz.z) == std::tuple(1, 1, 1));
      const int region = (width - 3) * (height - 3) * (width - 3);
      ASSERT_TRUE(gametype != 1 || (cubes.size() == size_t(std::clamp(g->maxsquares, 1, region)) &&
                                    highx.x <= width - 3 && highy.y <= height - 3));
      std::set<int32_t> colours;
      for (const cubeat& c : cubes) colours.insert(g->piece.at(c.x, c.y, c.z) = c.colour);
      const int layers = std::max(g->maxlayers, g->maxlayers == 1 ? 1 : 2);
      ASSERT_TRUE(
          (gametype != 0 && gametype != -7) ||
          (g->piecesizey == layers &&
           std::ranges::count(cubes, 1, &cubeat::y) * layers == std::ssize(cubes) &&
           std::ranges::all_of(cubes, [&](auto& c) { return g->piece.at(c.x, 1, c.z) != 0; })));
      drawn.insert(colours.begin(), colours.end());
      ASSERT_TRUE(*colours.begin() > 0 && *colours.rbegin() < 16777215);
      ASSERT_TRUE(blockcolormode == 1 || colours == std::set{g->blockcolor});
      // Among hundreds of cubes two random colours may coincide.
      ASSERT_TRUE(blockcolormode == 0 || colormode == 1 || colours.size() * 10 >= cubes.size() * 9);
      ASSERT_TRUE(colormode == 0 || std::ranges::includes(palette, colours));
      bool fits = gametype != -1;
      for (int p = 0; p < width * width && !fits; ++p) {
        fits = std::ranges::all_of(cubes, [&](const cubeat& c) {
          const int x = c.x + p % width, y = c.y + height - g->piecesizey, z = c.z + p / width;
          return x <= width && z <= width && g->well.at(x, y, z) == 0 &&
                 (y == height || g->well.at(x, y + 1, z) != 0 ||
                  g->piece.at(c.x, c.y + 1, c.z) != 0);
        });
      }
      ASSERT_TRUE(fits && (gametype != -1 || g->piecesizey <= 2)) << width << " " << seed;
      seen[0] += gametype == -1 && g->piecesizey == 2;
      spawnpiece(*g);
      ASSERT_TRUE(g->piecex >= 1 && g->piecex + g->piecesizex <= width);
      ASSERT_TRUE(g->piecey == 0 && g->piecesizey <= height && g->redraw == 1);
      ASSERT_TRUE(g->piecez >= (g->piecesizez < width) && g->piecez + g->piecesizez <= width);
      ASSERT_TRUE(difficulty != 0 || cubesof(*g) == cubes);
      ASSERT_TRUE(difficulty != 1 || g->piecesizey == highy.y);
      const std::array<bool, 4> walls = {g->piecex == 1, g->piecex + g->piecesizex == width,
                                         g->piecez == 1, g->piecez + g->piecesizez == width};
      for (int i = 0; i < 4; ++i) seen[i + 1] += walls[i];
      const int kind = 1 + seed % 6, X = g->piecesizex + 1, Y = g->piecesizey, Z = g->piecesizez;
      std::vector<cubeat> expected;
      for (const cubeat& c : cubesof(*g)) {
        const auto [x, y, z] = turned(kind, c.x, c.y, c.z, X, Y, Z);
        expected.push_back({x, y, z, c.colour});
      }
      const auto far = turned(kind, X, Y, Z, X, Y, Z), near = turned(kind, 1, 1, 1, X, Y, Z);
      turn(*g, kind);
      ASSERT_EQ(std::tuple(g->piecesizex + 1, g->piecesizey, g->piecesizez),
                std::tuple(std::max(far[0], near[0]), std::max(far[1], near[1]),
                           std::max(far[2], near[2])));
      std::vector<cubeat> now = cubesof(*g);
      std::ranges::sort(now);
      std::ranges::sort(expected);
      ASSERT_EQ(now, expected) << "turn " << kind;
      flood(*g, now[0].x, now[0].y, now[0].z);
      ASSERT_TRUE(takecubes(*g).empty() || gametype == -7) << width << "x" << height << " " << seed;
    }
  }
  EXPECT_TRUE(std::ranges::includes(drawn, palette));
  EXPECT_TRUE(std::ranges::all_of(seen, [](int n) { return n > 10; }));
}

TEST(Probes, RaiseTheirFlagExactlyWhenAFilledCubeWouldMeetAFilledCell) {
  // Random 3 x 3 x 3 pieces with gaps, at random places up to the walls, over random wells: a
  // probe raises its flag when some filled piece cell, moved one step its way, lands on a filled
  // well cell; a cell that meets only a gap of the piece counts for nothing, one step outside the
  // well reads as empty, and a flag already raised stays raised.
  void (*const probes[])(gamestate&) = {checkleft, checkright, checkup, checkdown, checkdown2};
  const std::array<int, 3> steps[] = {{-1, 0, 0}, {1, 0, 0}, {0, 0, -1}, {0, 0, 1}, {0, 1, 0}};
  auto g = newgame(gametypes::regular, 5, 6);
  std::tie(g->piecesizex, g->piecesizey, g->piecesizez) = std::tuple{2, 3, 3};
  std::mt19937 r(3);
  for (int run = 0; run < 3000; ++run) {
    for (int i = 0; i < 150; ++i) g->well.at(1 + i % 5, 1 + i / 25, 1 + i / 5 % 5) = r() % 6 == 0;
    for (int i = 0; i < 27; ++i) g->piece.at(1 + i % 3, 1 + i / 9, 1 + i / 3 % 3) = r() % 3 == 0;
    std::tie(g->piecex, g->piecey, g->piecez) = std::tuple(1 + r() % 3, r() % 4, r() % 3);
    for (int p = 0; p < 5; ++p) {
      bool meets = false;
      for (int i = 0; i < 27; ++i) {
        const int x = g->piecex + i % 3, y = g->piecey + 1 + i / 9, z = g->piecez + 1 + i / 3 % 3;
        meets |= g->piece.at(1 + i % 3, 1 + i / 9, 1 + i / 3 % 3) != 0 &&
                 g->well.at(x + steps[p][0], y + steps[p][1], z + steps[p][2]) != 0;
      }
      const int before = static_cast<int>(r() % 2);
      g->blocked = g->landed = before;
      probes[p](*g);
      ASSERT_EQ(p == 4 ? g->landed : g->blocked, before == 1 || meets) << run << " " << p;
    }
  }
}

TEST(ClearLayers, FullRowsGoTheOthersSettleInOrderAndEachScores) {
  // Random wells, odd and even, whose rows are full (any colours), one cube short, sparse or
  // empty: the rows that are not full keep their order and settle on the floor; 10 x width x
  // depth points a row removed, then the landed piece's: 10 x maxlayers in the layered games, 10
  // in the others, none after game over (removal for a narrowed well scores nothing). Some wells
  // have no full row. Cells outside the playing space are never touched. The first well: rows 28
  // and 30 of 10 x 30 x 10 full, row 29 not, a cube on row 27.
  auto g = std::make_unique<gamestate>();
  std::mt19937 r(8);
  for (int run = 0; run < 40; ++run) {
    const int width = run == 0 ? 10 : 3 + run % 6, height = run == 0 ? 30 : 4 + run % 5;
    std::tie(g->gametype, g->wellwidth, g->welldepth, g->wellheight, g->maxlayers, g->gameover) =
        std::tuple(std::array{0, -7, -1, -2, 1}[run % 5], width, width, height, 1 + run % 4,
                   run % 7 == 6 ? 1 : 0);
    g->well.clear();
    std::vector<std::vector<int32_t>> kept;
    for (int y = 1; y <= height; ++y) {
      const int kind = run == 0 ? (y < 27 ? 3 : "2010"[y - 27] - '0')
                                : static_cast<int>(run % 4 == 3 ? 1 + r() % 3 : r() % 4);
      std::vector<int32_t> row(width * width);
      for (int32_t& cell : row) cell = kind == 3 ? 0 : kind < 2 || r() % 3 == 0 ? 1 + r() % 99 : 0;
      if (kind == 1) row[r() % row.size()] = 0;
      if (std::ranges::count(row, 0) > 0) kept.push_back(row);
      for (int i = 0; i < width * width; ++i) g->well.at(1 + i % width, y, 1 + i / width) = row[i];
    }
    g->well.at(0, height, 0) = g->well.at(width + 1, height, width + 1) = g->well.at(1, 0, 1) = 7;
    g->score = 5;
    const int removed = run % 2 == 1 ? removefulllayers(*g) : clearlayers(*g);
    ASSERT_EQ(removed, height - static_cast<int>(kept.size())) << run;
    const int piece = g->gametype == 0 || g->gametype == -7 ? 10 * g->maxlayers : 10;
    EXPECT_EQ(g->score, run % 2 == 1 ? 5 : 5 + removed * 10 * width * width + piece * !g->gameover);
    for (int i = 0; i < width * width * height; ++i) {
      const int y = 1 + i / (width * width);
      const int32_t expected = y > removed ? kept[y - removed - 1][i % (width * width)] : 0;
      ASSERT_EQ(g->well.at(1 + i % width, y, 1 + i / width % width), expected) << run << " " << y;
    }
    ASSERT_EQ(
        g->well.at(0, height, 0) + g->well.at(width + 1, height, width + 1) + g->well.at(1, 0, 1),
        21);
  }
}

TEST(Colours, PaletteIsTheStandardSixteen) {
  // Bits 4, 2 and 1 turn red, green and blue on at 128, or 255 from 9 on; 7 is light grey and 8
  // dark grey.
  for (int n = 0; n < 16; ++n) {
    const int on = n == 7 ? 192 : n > 8 ? 255 : 128, bits = n == 7 || n == 8 ? 7 : n;
    EXPECT_EQ(palettecolor(n),
              (bits & 4 ? on : 0) + 256 * (bits & 2 ? on : 0) + 65536 * (bits & 1 ? on : 0))
        << n;
  }
}

}  // namespace
