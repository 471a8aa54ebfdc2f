// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

#include "../harness.h"
#include "input/keyboard.h"
#include "platform/keys.h"
#include "render/projection.h"

namespace {

// A bar of n cubes coloured 1 to n along x (axis a = 0), y (1) or z (2) at piecex 5, piecey y,
// piecez z of the default 10 x 30 x 10 well, with a surface that records what the keys write.
struct keyboard {
  explicit keyboard(int a = 0, int n = 2, int y = 10, int z = 4) {
    for (int i = 1; i <= n; ++i) g->piece.at(a == 0 ? i : 1, a == 1 ? i : 1, a == 2 ? i : 1) = i;
    setbox(*g, a == 0 ? n - 1 : 0, a == 1 ? n : 1, a == 2 ? n : 1, 5, y, z);
    g->restart = 0;
  }
  void press(int keycode) { Form_KeyDown(*g, w, keycode); }
  // Everything a key may change: the values after the grids, the piece's rows 0 to 2 (any turn of
  // a bar here, the tall one too, would change them) and what was written.
  auto keyed() const {
    const auto* values = reinterpret_cast<const char*>(&g->restart);
    return std::tuple{
        std::vector(g->piece.cell.begin(), g->piece.cell.begin() + grid::index(0, 3, 0)),
        std::string(values, reinterpret_cast<const char*>(g.get() + 1)), w.calls};
  }
  // Where the picture shows the first cube of the piece at x, z.
  point shown(int x, int z) const {
    const origin o = sideview(g->view) ? sideorigin(*g, 500, 554) : toporigin(*g, 500, 554);
    return frontsquare(*g, o, placeofcell(*g, g->view, x, g->piecey + 1, z + 1));
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
    // i picks Left, Up, Right, Down or Enter.
    const int i = r() % 5, key = i < 4 ? keys::left + i : keys::enter;
    const int x = 1 + r() % 9, y = 27 + r() % 3, z = r() % 10, view = 1 + r() % 8;
    const std::array<int, 3> cube = {x - 1 + int(r() % 4), y + int(r() % 3), z + int(r() % 3)};
    std::tie(k.g->piecex, k.g->piecey, k.g->piecez, k.g->view) = std::tuple(x, y, z, view);
    std::tie(k.g->blocked, k.g->landed, k.g->redraw) = std::tuple(-1, 0, 0);
    // The picture's steps for Left, Up, Right and Down, and the neighbour each shows: d walks the
    // four (and the cell itself, which no step shows).
    const point at = k.shown(x, z);
    const double depth = view <= 4 ? 5 : 0, up = view <= 4 ? 5 : 14;
    const std::pair<double, double> steps[] = {{-14, 0}, {depth, -up}, {14, 0}, {-depth, up}};
    std::array<int, 3> to = {x, y + 1, z};
    for (int d = -2; d <= 2; ++d) {
      const point p = k.shown(x + d % 2, z + d / 2);
      if (i < 4 && std::pair(p.x - at.x, p.y - at.y) == steps[i]) to = {x + d % 2, y, z + d / 2};
    }
    const bool wall = to[0] < 1 || to[0] > 9 || to[2] < 0 || to[2] > 9 || to[1] > 29;
    const bool hit = cube[1] == to[1] + 1 && cube[2] == to[2] + 1 && unsigned(cube[0] - to[0]) < 2;
    k.g->well.at(cube[0], cube[1], cube[2]) = 1;
    k.press(key);
    k.press(i == 4 && (wall || hit) ? key : 0);
    k.g->well.at(cube[0], cube[1], cube[2]) = 0;
    ASSERT_EQ(std::tuple(std::array{k.g->piecex, k.g->piecey, k.g->piecez}, k.g->redraw,
                         k.g->blocked, k.g->landed),
              std::tuple(wall || hit ? std::array{x, y, z} : to, 1, i == 4 || wall ? -1 : int(hit),
                         int(i == 4 && (wall || hit))))
        << "view " << view << " key " << key << " from " << x << "," << y << "," << z;
  }
}

TEST(FormKeyDown, EachStateLetsThroughOnlyItsKeysAndTheKeyListNamesThemAll) {
  // Every code 0..255 on a fresh piece: the keys that change anything are exactly those F1's list
  // names, besides F1 itself. Paused, only P works; after game over, only the view keys; a landed
  // or abandoned piece waits for the loop, so only the keys that do not touch it work (an arrow in
  // the same batch as the Enter that landed it would fix it in mid-air). Each key that works is
  // noted with the view it leaves: R and T turn the view a quarter within the side views 1..4 or
  // the top views 5..8, W and S switch between them keeping the turn, nothing where already
  // there; the loop notices a new view by itself, so no view key asks for a redraw (noted "*").
  const std::array<std::string, 5> names = {"Enter", "Left", "Up", "Right", "Down"};
  const std::tuple<int gamestate::*, int, std::string> states[] = {
      {&gamestate::redraw, 1, ""},         {&gamestate::paused, 1, "P1"},
      {&gamestate::gameover, 1, "R2T4W5"}, {&gamestate::gameover, 2, "R3T1W6"},
      {&gamestate::gameover, 3, "R4T2W7"}, {&gamestate::gameover, 4, "R1T3W8"},
      {&gamestate::gameover, 5, "R6S1T8"}, {&gamestate::gameover, 6, "R7S2T5"},
      {&gamestate::gameover, 7, "R8S3T6"}, {&gamestate::gameover, 8, "R5S4T7"},
      {&gamestate::landed, 1, "P1R2T4W5"}, {&gamestate::restart, 5, "P5R6S1T8"}};
  std::set<std::string> all{"F1"};
  for (const auto& [flag, view, works] : states) {
    std::string changed;
    auto k = std::make_unique<keyboard>();
    for (int key = 0; key < 256; ++key) {
      std::tie((*k->g).*flag, k->g->view) = std::tuple(1, view);
      const auto before = k->keyed();
      k->press(key);
      if (k->keyed() == before) continue;
      const std::string name = key >= 'A' ? std::string(1, char(key))
                                          : names.at(key == keys::enter ? 0 : key - keys::left + 1);
      changed += name + std::to_string(k->g->view) + (k->g->redraw == 1 ? "*" : "");
      all.insert(name);
      k = std::make_unique<keyboard>();
    }
    EXPECT_TRUE(works.empty() || changed == works) << changed;
  }
  // A line for each key command of the Key-Help menu, then F1; every key named once.
  const std::vector<menudef> help = menubar().back().children;
  EXPECT_EQ(keylist().size(), std::count_if(help.begin(), help.end(), [](auto& m) {
                                return !m.children.empty();
                              }) + 1);
  // Each key that works struck off the list: none may be missing (find fails), none left over.
  std::string listed = ", ";
  for (const keyhelp& line : keylist()) listed += line.keys + ", ";
  for (const std::string& key : all) listed.erase(listed.find(", " + key + ", "), key.size() + 2);
  EXPECT_EQ(listed, ", ");
}

TEST(FormKeyDown, TurnKeysTurnPushBackAndWriteTheirLettersUnlessRefused) {
  // I and K leave their letter on the picture; every turn asks for a redraw. A bar of three lying
  // on the floor against the far wall stands up on the floor (H putting its last cube on top, J
  // its first), turns about the vertical (Y putting its last cube first, U its first) and is
  // pushed back off the wall, or turns on itself.
  for (char key : std::string("HIJKUY")) {
    keyboard k(0, 3, 29, 9);
    k.press(keys::letter(key));
    const drawcall letter = {drawcall::text, 0, 0, 0, 0, 0, {char(key + 32)}};
    EXPECT_EQ(std::tuple(k.g->redraw, k.g->piecey, k.g->piecez, k.g->piece.at(1, 1, 1), k.w.calls),
              std::tuple(1, key == 'H' || key == 'J' ? 27 : 29, key == 'U' || key == 'Y' ? 7 : 9,
                         key == 'H' || key == 'Y' ? 3 : 1,
                         std::vector<drawcall>(key == 'I' || key == 'K', letter)))
        << key;
  }
  // H on a bar wider than a 6-high well and I on one as tall as the well is wide are guarded; U or
  // Y on a bar deeper than a well the cell-size panel shrank to 6 could not be pushed back inside.
  const std::tuple<int, int, char, int, int> refused[] = {
      {0, 7, 'H', 10, 6}, {1, 10, 'I', 10, 30}, {2, 8, 'U', 6, 30}, {2, 8, 'Y', 6, 30}};
  for (auto [axis, n, key, width, height] : refused) {
    keyboard k(axis, n, 0, 1);
    std::tie(k.g->wellwidth, k.g->welldepth, k.g->wellheight) = std::tuple(width, width, height);
    const auto before = k.keyed();
    k.press(keys::letter(key));
    EXPECT_EQ(k.keyed(), before) << key;
  }
}

}  // namespace
