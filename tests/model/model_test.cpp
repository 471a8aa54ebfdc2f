// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <random>
#include <set>
#include <string>

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
  int32_t colour = 0;
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

// The cubes of the piece box. Taking them empties the grid, and fails when a cube lies outside
// the box.
std::set<cubeat> cubesof(gamestate& g, bool take = false) {
  static const auto empty = std::make_unique<grid>();
  std::set<cubeat> cubes;
  forbox(g, [&](int x, int y, int z) {
    if (const int32_t c = g.piece.at(x, y, z); c != 0) cubes.insert({x, y, z, c});
  });
  if (!take) return cubes;
  for (const cubeat& c : cubes) g.piece.at(c.x, c.y, c.z) = 0;
  if (g.piece.cell == empty->cell) return cubes;
  ADD_FAILURE() << "a cube lies outside the piece box";
  g.piece.clear();
  return cubes;
}

// A piece box drawn layer by layer: '|' starts the next z, '/' the next row y, '.' is empty and
// any other character a cube coloured minus its code (no generated colour is negative).
void paint(gamestate& g, std::string_view picture) {
  g.piecesizez = 1 + static_cast<int>(std::ranges::count(picture, '|'));
  g.piecesizey = 1 + static_cast<int>(std::ranges::count(picture, '/')) / g.piecesizez;
  g.piecesizex = static_cast<int>(std::min(picture.find_first_of("/|"), picture.size())) - 1;
  forbox(g, [&, i = size_t{0}](int x, int y, int z) mutable {
    if (x == 1 && i > 0) ++i;  // the separator before each row but the first
    if (picture[i] != '.') g.piece.at(x, y, z) = -picture[i];
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
  cubesof(g, true);
  return out;
}

// Empties the cubes reachable from (x, y, z) through shared faces.
void flood(gamestate& g, int x, int y, int z) {
  if (std::exchange(g.piece.at(x, y, z), 0) == 0) return;
  for (const int d : {-1, 1}) flood(g, x + d, y, z), flood(g, x, y + d, z), flood(g, x, y, z + d);
}

// Where turn 1 Y, 2 U, 3 I, 4 K, 5 H or 6 J sends cube (a, b, c) of a box X by Y by Z.
cubeat turned(int kind, cubeat cube, int X, int Y, int Z) {
  const auto [a, b, c, colour] = cube;
  const cubeat to[] = {{c, b, X + 1 - a, colour}, {Z + 1 - c, b, a, colour},
                       {a, Z + 1 - c, b, colour}, {a, c, Y + 1 - b, colour},
                       {b, X + 1 - a, c, colour}, {Y + 1 - b, a, c, colour}};
  return to[kind - 1];
}

TEST(GeneratePiece, WalksCastTheFloorsHolesFixedShapesAreAsTabledHollowingTakesFullMiddles) {
  // Pieces against the floors they are cast from and the shapes as tabled. An empty ten-wide floor:
  // 1 + R(10) further cubes join the first, every count from 2 to 11 turning up; the hard walk
  // finds no support off the floor either. A hole walled in on four sides, or none once the well
  // was narrowed under a full row: one cube. Two holes side by side along x or z: always both,
  // whichever the walk starts in, so no direction may be lost (the hard walk in a well one row
  // high, where it cannot climb out of them). The floor holds cubes of colour fill except in holes
  // a and b (cell 53 is x 4, z 6).
  const std::tuple<int, int, int, int, int, size_t, size_t> cases[] = {
      {gametypes::regular, 0, 0, 0, 30, 2, 11},    {gametypes::hard, 0, 0, 0, 30, 2, 11},
      {gametypes::holeinone, 5, 53, 53, 30, 1, 1}, {gametypes::regular, 5, 53, 54, 30, 2, 2},
      {gametypes::regular, 5, 53, 63, 30, 2, 2},   {gametypes::hard, 5, 53, 54, 1, 2, 2},
      {gametypes::hard, 5, 53, 63, 1, 2, 2},       {gametypes::hard, 5, -1, -1, 30, 1, 1}};
  for (const auto& [gametype, fill, a, b, height, fewest, most] : cases) {
    auto g = newgame(gametype, 10, height);
    for (int c = 0; c < 100; ++c)
      g->well.at(1 + c % 10, height, 1 + c / 10) = c == a || c == b ? 0 : fill;
    std::set<std::pair<int, size_t>> counts;  // the layers and the cubes of each piece
    for (int seed = 1; seed <= 60; ++seed) {
      makepiece(*g, seed);
      counts.insert({g->piecesizey, cubesof(*g, true).size()});
    }
    EXPECT_EQ(std::tuple(gametype, b, *counts.begin(), *counts.rbegin(), counts.size()),
              std::tuple(gametype, b, std::pair(1, fewest), std::pair(1, most), most - fewest + 1));
  }
  // Hole-in-one: only a cube whose eight neighbours in its layer are all filled goes, two side by
  // side both; one with its four side neighbours but not all its corners stays (x 4, z 6).
  auto g = newgame(gametypes::easy, 10, 30);
  paint(*g, "#..#.|####.|####.|####.|#..#.|#####|#####");
  hollowpiece(*g);
  EXPECT_EQ(picture(*g), "#..#.|####.|#..#.|####.|#..#.|#####|#####");
  // The easy game's four shapes all turn up and nothing else; the codes a settings file may
  // carry build their shapes; game over and unknown codes build nothing and keep the extents.
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

TEST(WellReads, WalkStepsAndProbesMeetExactlyTheFilledCells) {
  // Random wells with empty walls around them, random piece grids. A walk cell on the floor or
  // one layer up: never a step down from the floor, up only from it; then a step back onto a cube
  // of the piece is always taken; any other needs an empty well cell ahead, inside the well, and
  // off the floor one of the eight cells beside the two cells (along the axes other than the
  // step's) filled. A step moves the walk and its well cell. A 3 x 3 x 3 piece with gaps at a
  // random place up to the walls: a probe raises its flag when some filled piece cell, moved one
  // step its way, lands on a filled well cell; a cell that meets only a gap of the piece counts
  // for nothing, one step outside the well reads as empty, and a flag already raised stays raised.
  void (*const probes[])(gamestate&) = {checkleft, checkright, checkup, checkdown, checkdown2};
  const std::array<int, 3> pushes[] = {{-1, 0, 0}, {1, 0, 0}, {0, 0, -1}, {0, 0, 1}, {0, 1, 0}};
  auto g = newgame(gametypes::hard, 5, 7);
  std::tie(g->piecesizex, g->piecesizey, g->piecesizez) = std::tuple{2, 3, 3};
  std::mt19937 r(9);
  for (int run = 0; run < 4000; ++run) {
    for (int i = 0; i < 8 * 8 * 8; ++i) {
      const int x = i % 8, y = i / 64, z = i / 8 % 8;
      g->well.at(x, y, z) = std::min({x, y, z}) >= 1 && std::max(x, z) <= 5 && r() % 4 == 0;
      g->piece.at(x, y, z) = r() % 3 == 0;
    }
    std::tie(g->piecex, g->piecey, g->piecez) = std::tuple(1 + r() % 3, r() % 5, r() % 3);
    for (int p = 0; p < 5; ++p) {
      const bool meets = std::ranges::any_of(cubesof(*g), [&](const cubeat& c) {
        return g->well.at(g->piecex + c.x - 1 + pushes[p][0], g->piecey + c.y + pushes[p][1],
                          g->piecez + c.z + pushes[p][2]) != 0;
      });
      const int before = g->blocked = g->landed = static_cast<int>(r() % 2);
      probes[p](*g);
      ASSERT_EQ(p == 4 ? g->landed : g->blocked, before == 1 || meets) << run << " " << p;
    }
    // The walk cell in the piece grid lies at (1, -4, 1) from its well cell.
    const int axis = static_cast<int>(r() % 3);
    std::array<int, 3> at = {1 + int(r() % 5), 6 + int(r() % 2), 1 + int(r() % 5)}, to = at, step{};
    to[axis] += step[axis] = int(r() % 2) * 2 - 1;
    g->well.at(at[0], at[1], at[2]) = 0;
    int support = 0;
    for (int i = 0; i < 8; ++i) {
      std::array<int, 3> beside = i < 4 ? at : to;
      beside[(axis + 1 + i / 2 % 2) % 3] += i % 2 * 2 - 1;
      support += g->well.at(beside[0], beside[1], beside[2]) != 0;
    }
    const bool taken = (axis != 1 || (step[1] > 0 ? at[1] < 7 : at[1] == 7)) &&
                       (g->piece.at(1 + to[0], to[1] - 4, 1 + to[2]) != 0 ||
                        (std::min(to[0], to[2]) >= 1 && std::max(to[0], to[2]) <= 5 && to[1] <= 7 &&
                         g->well.at(to[0], to[1], to[2]) == 0 && (to[1] == 7 || support > 0)));
    walk w{1 + at[0], at[1] - 4, 1 + at[2], at[0], at[1], at[2]};
    ASSERT_EQ(trystep(*g, w, {step[0], step[1], step[2]}), taken) << run;
    ASSERT_EQ((std::array{w.wellx, w.welly, w.wellz}), taken ? to : at);
    ASSERT_EQ((std::array{w.walkx - 1, w.walky + 4, w.walkz - 1}), taken ? to : at);
  }
}

TEST(Turns, SizeGuardAndDifficultyDecideWhichTurnsOccur) {
  // Seven wide in a well six high: H and J would stand it up too tall, U, Y, I and K fit; as
  // deep: I and K; as tall as the well is wide: only U and Y. One less fits every turn.
  auto g = newgame(gametypes::regular, 10, 6);
  const std::pair<std::tuple<int, int, int>, std::string_view> cases[] = {
      {{6, 1, 1}, "YUIK.."}, {{5, 1, 6}, "YU..HJ"}, {{0, 10, 1}, "YU...."}, {{5, 9, 5}, "YUIKHJ"}};
  for (const auto& [extents, fits] : cases) {
    std::tie(g->piecesizex, g->piecesizey, g->piecesizez) = extents;
    for (int turnkind = 1; turnkind <= 6; ++turnkind)
      EXPECT_EQ(turnfits(*g, turnkind), fits[turnkind - 1] != '.') << "turn " << turnkind;
  }
  // Spawned pieces given one turn (the count is drawn first): none at One, the two about the
  // vertical axis at Two, each of the six at Three, on a piece no turn maps onto itself; at Three
  // a bar seven long in the well six high never stands up.
  for (int difficulty = 0; difficulty <= 3; ++difficulty) {
    g->difficulty = std::min(difficulty, 2);
    std::set<std::string> seen;
    for (int seed = 1; seed <= 150; ++seed) {
      g->rng.seed(seed);
      randomsource twin = g->rng;
      paint(*g, difficulty == 3 ? "#######" : "1.2/3..|.../...|.../...|4../...");
      spawnpiece(*g);
      if (const std::string shape = picture(*g); twin.R(3) == 0 || difficulty == 3)
        seen.insert(shape);
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
  // The sixteen palette colours, packed as red + 256 x green + 65536 x blue; 2..10 make the
  // sixteen-colour mode's palette.
  const int32_t sixteen[] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                             0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                             0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
  for (int n = 0; n < 16; ++n) EXPECT_EQ(palettecolor(n), sixteen[n]) << n;
  const std::set<int32_t> palette(sixteen + 2, sixteen + 11);
  std::set<int32_t> drawn;
  std::array<int, 5> seen{};  // climbed, and spawned against the left, right, near, far wall
  auto g = newgame(gametypes::regular, 10, 30);
  for (int run = 0; run < 5 * 3 * 8; ++run) {
    const int gametype = std::array{1, 0, -1, -2, -7}[run / 24], difficulty = run / 8 % 3;
    // Wells 6 to 40 wide and high, never as high as wide.
    const int width = 6 + run * 13 % 35, height = 6 + (run * 13 + 1 + run % 33) % 35;
    std::tie(g->gametype, g->difficulty, g->wellwidth, g->welldepth, g->wellheight) =
        std::tuple{gametype, difficulty, width, width, height};
    g->well.clear();
    std::mt19937 relief(static_cast<unsigned>(width * 100 + height));
    for (int seed = 1; seed <= 16; ++seed) {
      // The top four rows: cubes at random, many over holes.
      for (int i = 0; i < width * width * 4; ++i)
        g->well.at(1 + i % width, height - i / (width * width), 1 + i / width % width) =
            relief() % 3 == 0 ? 6 : 0;
      const int blockcolormode = seed % 2, colormode = seed / 2 % 2,
                maxsquares = seed % 8 == 0 ? seed / 8 - 1 : 4 + seed * 7 % 60;
      std::tie(g->maxlayers, g->maxsquares, g->blockcolormode, g->colormode) =
          std::tuple{seed % 6 - 1, maxsquares, blockcolormode, colormode};
      makepiece(*g, seed);
      const std::set<cubeat> cubes = cubesof(*g, true);
      const auto [lowx, highx] = std::ranges::minmax(cubes, {}, &cubeat::x);
      const auto [lowy, highy] = std::ranges::minmax(cubes, {}, &cubeat::y);
      const auto [lowz, highz] = std::ranges::minmax(cubes, {}, &cubeat::z);
      ASSERT_EQ(
          std::tuple(highx.x, highy.y, highz.z, gametype == 1 || lowx.x + lowy.y + lowz.z == 3),
          std::tuple(g->piecesizex + 1, g->piecesizey, g->piecesizez, true));
      const int region = (width - 3) * (height - 3) * (width - 3);
      ASSERT_TRUE(gametype != 1 || (cubes.size() == size_t(std::clamp(g->maxsquares, 1, region)) &&
                                    highx.x <= width - 3 && highy.y <= height - 3));
      std::set<int32_t> colours;
      for (const cubeat& c : cubes) colours.insert(g->piece.at(c.x, c.y, c.z) = c.colour);
      // Layered: every cube has one in the next layer up, or the first layer after the last.
      const int layers = gametype != 0 && gametype != -7 ? 0 : g->maxlayers < 1 ? 2 : g->maxlayers;
      ASSERT_TRUE(layers == 0 ||
                  (g->piecesizey == layers && std::ranges::all_of(cubes, [&](auto& c) {
                     return g->piece.at(c.x, 1 + c.y % layers, c.z) != 0;
                   })));
      drawn.insert(colours.begin(), colours.end());
      ASSERT_TRUE(*colours.begin() > 0 && *colours.rbegin() < 16777215);
      ASSERT_TRUE(blockcolormode == 1 || colours == std::set{g->blockcolor});
      // Among hundreds of cubes two random colours may coincide.
      ASSERT_TRUE(blockcolormode == 0 || colormode == 1 || colours.size() * 10 >= cubes.size() * 9);
      ASSERT_TRUE(colormode == 0 || std::ranges::includes(palette, colours));
      bool fits = gametype != -1;
      for (int p = 0; p < width * width && !fits; ++p)
        fits = std::ranges::all_of(cubes, [&](const cubeat& c) {
          const int x = c.x + p % width, y = c.y + height - g->piecesizey, z = c.z + p / width;
          return x <= width && z <= width && g->well.at(x, y, z) == 0 &&
                 (y == height || g->well.at(x, y + 1, z) != 0 ||
                  g->piece.at(c.x, c.y + 1, c.z) != 0);
        });
      ASSERT_TRUE(fits && (gametype != -1 || g->piecesizey <= 2)) << width << " " << seed;
      seen[0] += gametype == -1 && g->piecesizey == 2;
      spawnpiece(*g);
      const int kind = 1 + seed % 6, X = g->piecesizex + 1, Y = g->piecesizey, Z = g->piecesizez;
      // The room left to the left, right, near and far wall.
      const std::array gaps = {g->piecex - 1, width + 1 - g->piecex - X, g->piecez - (Z < width),
                               width - g->piecez - Z};
      for (int i = 0; i < 4; ++i) seen[i + 1] += gaps[i] == 0;
      ASSERT_TRUE(std::ranges::min(gaps) >= 0 && g->piecey == 0 && g->redraw == 1 && Y <= height);
      ASSERT_TRUE(difficulty == 2 || (Y == highy.y && (difficulty == 1 || cubesof(*g) == cubes)));
      std::set<cubeat> expected;
      for (const cubeat& c : cubesof(*g)) expected.insert(turned(kind, c, X, Y, Z));
      const cubeat far = turned(kind, {X, Y, Z}, X, Y, Z), near = turned(kind, {1, 1, 1}, X, Y, Z);
      turn(*g, kind);
      ASSERT_EQ(std::tuple(g->piecesizex + 2, g->piecesizey + 1, g->piecesizez + 1),
                std::tuple(far.x + near.x, far.y + near.y, far.z + near.z));
      ASSERT_EQ(cubesof(*g), expected) << "turn " << kind;
      flood(*g, expected.begin()->x, expected.begin()->y, expected.begin()->z);
      ASSERT_TRUE(cubesof(*g, true).empty() || gametype == -7) << width << " " << seed;
    }
  }
  EXPECT_TRUE(std::ranges::includes(drawn, palette));
  EXPECT_TRUE(std::ranges::all_of(seen, [](int n) { return n > 10; }));
}

TEST(ClearLayers, FullRowsGoTheOthersSettleInOrderAndEachScores) {
  // Random wells, odd and even, whose rows are full (any colours), one cube short, sparse or
  // empty: the rows that are not full keep their order and settle on the floor; 10 x width x
  // depth points a row removed, then the landed piece's: 10 x maxlayers in the layered games, 10
  // in the others, none after game over (removal for a narrowed well scores nothing). Some wells
  // have no full row. Cells outside the playing space are never touched. The first well: rows 28
  // and 30 of 10 x 30 x 10 full, row 29 not, a cube on row 27.
  auto g = std::make_unique<gamestate>();
  const auto want = std::make_unique<grid>();
  std::mt19937 r(8);
  for (int run = 0; run < 40; ++run) {
    const int width = run == 0 ? 10 : 3 + run % 6, height = run == 0 ? 30 : 4 + run % 5;
    std::tie(g->gametype, g->wellwidth, g->welldepth, g->wellheight, g->maxlayers, g->gameover,
             g->score) = std::tuple(std::array{0, -7, -1, -2, 1}[run % 5], width, width, height,
                                    1 + run % 4, run % 7 == 6 ? 1 : 0, 5);
    for (grid* cells : {&g->well, want.get()}) cells->clear();
    // Rows come bottom up; a kept row is copied, as a whole layer of the grid, to row top, where it
    // settles. The rows left above the kept ones are the removed ones.
    int top = height;
    for (int y = height; y >= 1; --y) {
      const int kind = run == 0 ? (y < 27 ? 3 : "2010"[y - 27] - '0')
                                : static_cast<int>(run % 4 == 3 ? 1 + r() % 3 : r() % 4);
      for (int i = 0; i < width * width; ++i)
        g->well.at(1 + i % width, y, 1 + i / width) =
            kind < 2 || (kind == 2 && r() % 3 == 0) ? 1 + r() % 99 : 0;
      if (kind != 0) g->well.at(1 + r() % width, y, 1 + r() % width) = 0;
      if (kind != 0)
        std::copy_n(&g->well.at(0, y, 0), grid::side * grid::side, &want->at(0, top--, 0));
    }
    for (grid* cells : {&g->well, want.get()})
      cells->at(0, height, 0) = cells->at(width + 1, height, width + 1) = cells->at(1, 0, 1) = 7;
    const int removed = run % 2 == 1 ? removefulllayers(*g) : clearlayers(*g);
    const int piece = g->gametype == 0 || g->gametype == -7 ? 10 * g->maxlayers : 10;
    ASSERT_TRUE(removed == top && g->well.cell == want->cell) << run;
    EXPECT_EQ(g->score, run % 2 == 1 ? 5 : 5 + removed * 10 * width * width + piece * !g->gameover);
  }
}

}  // namespace
