// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <random>
#include <set>
#include <sstream>

#include "input/keyboard.h"
#include "platform/headless/headlesswindow.h"
#include "platform/keys.h"
#include "render/projection.h"
#include "ui/menubar.h"

namespace {

// A bar of n cubes coloured 1 to n along x (axis 0), y (1) or z (2) at piecex 5, piecey 10,
// piecez 4 of the default 10 x 30 x 10 well, with a surface that records what the keys write.
struct keyboard {
  explicit keyboard(int axis = 0, int n = 2) {
    for (int i = 1; i <= n; ++i)
      g->piece.at(axis == 0 ? i : 1, axis == 1 ? i : 1, axis == 2 ? i : 1) = i;
    std::tie(g->piecesizex, g->piecesizey, g->piecesizez) =
        std::tuple{axis == 0 ? n - 1 : 0, axis == 1 ? n : 1, axis == 2 ? n : 1};
    std::tie(g->piecex, g->piecey, g->piecez, g->restart) = std::tuple{5, 10, 4, 0};
  }
  void press(int keycode) { Form_KeyDown(*g, w, keycode); }
  // Everything a key may change: the values after the grids, the piece's rows 0 to 10 (no bar
  // here is longer) and what was written.
  auto keyed() const {
    const auto* values = reinterpret_cast<const char*>(&g->restart);
    return std::tuple{
        std::vector(g->piece.cell.begin(), g->piece.cell.begin() + grid::index(0, 11, 0)),
        std::string(values, reinterpret_cast<const char*>(g.get() + 1)), w.calls};
  }
  // Where the picture shows the piece's first cube.
  point shown() const {
    const origin o = sideview(g->view) ? sideorigin(*g, 500, 554) : toporigin(*g, 500, 554);
    return frontsquare(*g, o, placeofcell(*g, g->view, g->piecex, g->piecey + 1, g->piecez + 1));
  }

  std::unique_ptr<gamestate> g = std::make_unique<gamestate>();
  headlesswindow w;
};

TEST(FormKeyDown, ArrowsAndEnterMoveThePieceTheWayThePictureShowsUnlessBlocked) {
  // Every view, random places up to the walls, a random cube next to the piece: an arrow moves it
  // one cell the way the picture shows it (Left and Right along the picture's columns, Up away
  // from the viewer in a side view and up the screen in a top view), Enter one row down, unless
  // a wall, the floor or a cube is in the way. A move the wall forbids asks no probe; every press
  // asks for a redraw; Enter on the floor or over a cube lands the piece where it is, for good.
  keyboard k;
  std::mt19937 r(2);
  for (int run = 0; run < 3000; ++run) {
    const int key = std::array{keys::left, keys::up, keys::right, keys::down, keys::enter}[r() % 5];
    const int x = 1 + r() % 9, y = 27 + r() % 3, z = r() % 10, view = 1 + r() % 8;
    const std::array<int, 3> cube = {x - 1 + int(r() % 4), y + int(r() % 3), z + int(r() % 3)};
    std::tie(k.g->piecex, k.g->piecey, k.g->piecez, k.g->view) = std::tuple(x, y, z, view);
    std::tie(k.g->blocked, k.g->landed, k.g->redraw) = std::tuple(-1, 0, 0);
    const point before = k.shown();
    // The picture's steps for Left, Up, Right and Down, and which cell each would move to.
    const double depth = view <= 4 ? 5 : 0, up = view <= 4 ? 5 : 14;
    const std::pair<double, double> steps[] = {{-14, 0}, {depth, -up}, {14, 0}, {-depth, up}};
    std::array<int, 3> to = {x, y + 1, z};
    for (const auto& [dx, dz] :
         {std::pair(-1, 0), std::pair(1, 0), std::pair(0, -1), std::pair(0, 1)}) {
      std::tie(k.g->piecex, k.g->piecez) = std::tuple(x + dx, z + dz);
      const point there = k.shown();
      const auto step = std::pair(there.x - before.x, there.y - before.y);
      if (key != keys::enter && step == steps[key - keys::left]) to = {x + dx, y, z + dz};
    }
    std::tie(k.g->piecex, k.g->piecez) = std::tuple(x, z);
    const bool wall = to[0] < 1 || to[0] > 9 || to[2] < 0 || to[2] > 9 || to[1] > 29;
    const bool hit = cube[1] == to[1] + 1 && cube[2] == to[2] + 1 && unsigned(cube[0] - to[0]) < 2;
    k.g->well.at(cube[0], cube[1], cube[2]) = 1;
    k.press(key);
    k.press(key == keys::enter && (wall || hit) ? key : 0);
    k.g->well.at(cube[0], cube[1], cube[2]) = 0;
    const std::array<int, 3> now = wall || hit ? std::array{x, y, z} : to;
    const int probed = key == keys::enter || wall ? -1 : hit;
    ASSERT_EQ(std::tuple(k.g->piecex, k.g->piecey, k.g->piecez, k.g->redraw, k.g->blocked),
              std::tuple(now[0], now[1], now[2], 1, probed))
        << "view " << view << " key " << key << " from " << x << "," << y << "," << z;
    ASSERT_EQ(k.g->landed, key == keys::enter && (wall || hit));
  }
}

TEST(FormKeyDown, EachStateLetsThroughOnlyItsKeysAndTheKeyListNamesThemAll) {
  // Every code 0..255 on a fresh piece in a side and a top view: the keys that change anything
  // are exactly those F1's list names, besides F1 itself. Paused, only P works; after game over,
  // only the view keys; a landed or abandoned piece waits for the loop, so only the keys that do
  // not touch it work (an arrow in the same batch as the Enter that landed it would fix it in
  // mid-air).
  const std::string arrows[] = {"Left", "Up", "Right", "Down"};
  const std::tuple<int gamestate::*, int, std::string> states[] = {
      {&gamestate::redraw, 1, ""},      {&gamestate::redraw, 5, ""},
      {&gamestate::paused, 1, "P"},     {&gamestate::gameover, 1, "RTW"},
      {&gamestate::gameover, 5, "RST"}, {&gamestate::landed, 1, "PRTW"},
      {&gamestate::restart, 1, "PRTW"}};
  std::set<std::string> all{"F1"};
  for (const auto& [flag, view, works] : states) {
    std::string changed;
    auto k = std::make_unique<keyboard>();
    for (int key = 0; key < 256; ++key) {
      std::tie((*k->g).*flag, k->g->view) = std::tuple(1, view);
      const auto before = k->keyed();
      k->press(key);
      if (k->keyed() == before) continue;
      const std::string name = key >= 'A'           ? std::string(1, char(key))
                               : key == keys::enter ? "Enter"
                                                    : arrows[key - keys::left];
      changed += name;
      all.insert(name);
      k = std::make_unique<keyboard>();
    }
    EXPECT_TRUE(works.empty() || changed == works) << changed;
  }
  // A line for each command of the Key-Help menu, then F1.
  EXPECT_EQ(keylist().size(), menubar().back().children.size() + 1);
  std::set<std::string> listed;
  for (const keyhelp& line : keylist()) {
    std::istringstream keys(line.keys);
    for (std::string key; std::getline(keys >> std::ws, key, ',');) listed.insert(key);
  }
  EXPECT_EQ(listed, all);
}

TEST(FormKeyDown, ViewKeysTurnWithinTheirGroupAndSwitchKeepingTheTurn) {
  // R and T turn the view a quarter within the side views 1..4 or the top views 5..8, W and S
  // switch between them keeping the turn, nothing where already there; the loop notices a new
  // view by itself, so no key asks for a redraw.
  const std::pair<char, std::string> after[] = {
      {'R', "23416785"}, {'T', "41238567"}, {'W', "56785678"}, {'S', "12341234"}};
  keyboard k;
  for (const auto& [key, views] : after) {
    for (int view = 1; view <= 8; ++view) {
      k.g->view = view;
      k.press(keys::letter(key));
      EXPECT_EQ(std::pair(k.g->view, k.g->redraw), std::pair(views[view - 1] - '0', 0))
          << key << view;
    }
  }
}

TEST(FormKeyDown, TurnKeysTurnPushBackAndWriteTheirLettersUnlessRefused) {
  // I and K leave their letter on the picture; every turn asks for a redraw. A bar of three lying
  // on the floor against the far wall stands up on the floor (H putting its last cube on top, J
  // its first), turns about the vertical (Y putting its last cube first, U its first) and is
  // pushed back off the wall, or turns on itself.
  for (char key : std::string("HIJKUY")) {
    keyboard k(0, 3);
    std::tie(k.g->piecey, k.g->piecez) = std::tuple(29, 9);
    k.press(keys::letter(key));
    const std::vector<drawcall> letter = {{drawcall::text, 0, 0, 0, 0, 0, {char(key + 32)}}};
    EXPECT_EQ(k.w.calls, key == 'I' || key == 'K' ? letter : std::vector<drawcall>{}) << key;
    EXPECT_EQ(std::tuple(k.g->redraw, k.g->piecey, k.g->piecez, k.g->piece.at(1, 1, 1)),
              std::tuple(1, key == 'H' || key == 'J' ? 27 : 29, key == 'U' || key == 'Y' ? 7 : 9,
                         key == 'H' || key == 'Y' ? 3 : 1))
        << key;
  }
  // H on a bar wider than a 6-high well and I on one as tall as the well is wide are guarded; U or
  // Y on a bar deeper than a well the cell-size panel shrank to 6 could not be pushed back inside.
  const std::tuple<int, int, char, int, int> refused[] = {
      {0, 7, 'H', 10, 6}, {1, 10, 'I', 10, 30}, {2, 8, 'U', 6, 30}, {2, 8, 'Y', 6, 30}};
  for (auto [axis, n, key, width, height] : refused) {
    keyboard k(axis, n);
    std::tie(k.g->wellwidth, k.g->welldepth, k.g->wellheight, k.g->piecey, k.g->piecez) =
        std::tuple{width, width, height, 0, 1};
    const auto before = k.keyed();
    k.press(keys::letter(key));
    EXPECT_EQ(k.keyed(), before) << key;
  }
}

}  // namespace
