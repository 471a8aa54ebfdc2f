#include "input/keyboard.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "platform/headless/headlesswindow.h"
#include "platform/keys.h"
#include "render/projection.h"
#include "ui/menubar.h"

namespace {

// A bar of n cubes along x (axis 0), y (1) or z (2) at piecex 5, piecey 10, piecez 4 of the
// default 10 x 30 x 10 well, with a surface that records what the keys write.
struct keyboard {
  explicit keyboard(int axis = 0, int n = 2) {
    for (int i = 1; i <= n; ++i)
      g->piece.at(axis == 0 ? i : 1, axis == 1 ? i : 1, axis == 2 ? i : 1) = 7;
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
  // Where the picture shows the piece's first cube in the current view.
  point shown() const {
    const origin o = sideview(g->view) ? sideorigin(*g, 500, 554) : toporigin(*g, 500, 554);
    return frontsquare(*g, o, placeofcell(*g, g->view, g->piecex, g->piecey + 1, g->piecez + 1));
  }

  std::unique_ptr<gamestate> g = std::make_unique<gamestate>();
  headlesswindow w;
};

TEST(FormKeyDown, EachArrowMovesThePieceTheWayThePictureShows) {
  // Left and Right follow the picture's columns; Up goes away from the viewer in a side view (up
  // and right along the depth diagonal) and up the screen in a top view. Steps: Left, Up, Right,
  // Down.
  for (int view = 1; view <= 8; ++view) {
    const double depth = view <= 4 ? 5 : 0, up = view <= 4 ? 5 : 14;
    const std::pair<double, double> steps[] = {{-14, 0}, {depth, -up}, {14, 0}, {-depth, up}};
    for (int key = keys::left; key <= keys::down; ++key) {
      keyboard k;
      k.g->view = view;
      const point before = k.shown();
      k.press(key);
      EXPECT_EQ(std::pair(k.shown().x - before.x, k.shown().y - before.y), steps[key - keys::left])
          << "view " << view << " key " << key;
      EXPECT_EQ(k.g->redraw, 1);
    }
  }
}

TEST(FormKeyDown, ArrowsAndEnterStopAtWallsCubesAndTheFloor) {
  // Each key pressed twice. A move at a wall must not even ask a probe (blocked stays -1), yet
  // every press asks for a redraw; piecez 0 is a legal place. Enter on the floor or over a cube
  // under the bar's second cube lands where it is.
  const std::array<int, 12> cases[] = {
      // key, piecex y z, a cube in the way, piecex y z, blocked, landed
      {keys::left, 1, 10, 4, 0, 0, 0, 1, 10, 4, -1, 0},
      {keys::right, 9, 10, 4, 0, 0, 0, 9, 10, 4, -1, 0},
      {keys::up, 5, 10, 0, 0, 0, 0, 5, 10, 0, -1, 0},
      {keys::down, 5, 10, 9, 0, 0, 0, 5, 10, 9, -1, 0},
      {keys::up, 5, 10, 1, 0, 0, 0, 5, 10, 0, 0, 0},
      {keys::left, 5, 10, 4, 4, 11, 5, 5, 10, 4, 1, 0},
      {keys::right, 5, 10, 4, 7, 11, 5, 5, 10, 4, 1, 0},
      {keys::up, 5, 10, 4, 5, 11, 4, 5, 10, 4, 1, 0},
      {keys::down, 5, 10, 4, 5, 11, 6, 5, 10, 4, 1, 0},
      {keys::enter, 5, 10, 4, 0, 0, 0, 5, 12, 4, -1, 0},
      {keys::enter, 5, 29, 4, 0, 0, 0, 5, 29, 4, -1, 1},
      {keys::enter, 5, 10, 4, 6, 12, 5, 5, 10, 4, -1, 1}};
  for (const auto& c : cases) {
    keyboard k;
    k.g->well.at(c[4], c[5], c[6]) = 1;
    std::tie(k.g->piecex, k.g->piecey, k.g->piecez, k.g->blocked) =
        std::tuple{c[1], c[2], c[3], -1};
    k.press(c[0]);
    k.press(c[0]);
    EXPECT_EQ((std::array{k.g->piecex, k.g->piecey, k.g->piecez, k.g->blocked, k.g->landed}),
              (std::array{c[7], c[8], c[9], c[10], c[11]}))
        << "key " << c[0] << " from " << c[1] << "," << c[2] << "," << c[3];
    EXPECT_EQ(k.g->redraw, 1);
  }
}

TEST(FormKeyDown, PauseGameOverAndAWaitingPieceLetOnlyTheirKeysThrough) {
  // A landed or abandoned piece waits for the loop: an arrow in the same batch of events as the
  // Enter that landed it would fix it in mid-air.
  const std::string playing = {keys::enter, keys::left, keys::up, keys::right, keys::down, 'H',
                               'I',         'J',        'K',      'U',         'Y'};
  // The flag raised, the keys that still work, and the keys ignored (all others when empty).
  const std::tuple<int gamestate::*, std::string, std::string> cases[] = {
      {&gamestate::paused, "P", ""},
      {&gamestate::gameover, "RWST", ""},
      {&gamestate::landed, "RP", playing},
      {&gamestate::restart, "RP", playing}};
  for (const auto& [flag, let, ignored] : cases) {
    keyboard k;
    (*k.g).*flag = 1;
    const auto before = k.keyed();
    for (int key = 0; key < 256; ++key) {
      const char c = static_cast<char>(key);
      if (let.find(c) == std::string::npos &&
          (ignored.empty() || ignored.find(c) != std::string::npos))
        k.press(key);
    }
    EXPECT_EQ(k.keyed(), before);
    for (char key : let) {
      const auto prior = k.keyed();
      k.press(keys::letter(key));
      EXPECT_NE(k.keyed(), prior) << key;
    }
  }
}

TEST(FormKeyDown, ViewKeysTurnWithinTheirGroupAndSwitchKeepingTheTurn) {
  // The loop notices a new view by itself: no key asks for a redraw.
  const std::tuple<char, int, int> cases[] = {{'R', 1, 2}, {'R', 4, 1}, {'R', 8, 5}, {'T', 1, 4},
                                              {'T', 5, 8}, {'T', 3, 2}, {'W', 4, 8}, {'W', 7, 7},
                                              {'S', 7, 3}, {'S', 4, 4}};
  for (const auto& [key, from, to] : cases) {
    keyboard k;
    k.g->view = from;
    k.press(keys::letter(key));
    EXPECT_EQ(std::pair(k.g->view, k.g->redraw), std::pair(to, 0)) << key << " from " << from;
  }
}

TEST(FormKeyDown, TurnKeysTurnPushBackAndWriteTheirLettersUnlessRefused) {
  // I and K leave their letter on the picture; every turn asks for a redraw. A bar of three lying
  // on the floor stands up and is lifted to keep its foot on the floor.
  for (char key : std::string("HIJKUY")) {
    keyboard k;
    k.press(keys::letter(key));
    EXPECT_EQ(k.g->redraw, 1) << key;
    const std::vector<drawcall> letter = {{drawcall::text, 0, 0, 0, 0, 0, {char(key + 32)}}};
    EXPECT_EQ(k.w.calls, key == 'I' || key == 'K' ? letter : std::vector<drawcall>{}) << key;
  }
  keyboard floor(0, 3);
  floor.g->piecey = 29;
  floor.press(keys::letter('H'));
  EXPECT_EQ(floor.g->piecey, 27);

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

TEST(FormKeyDown, TheKeyListNamesEveryKeyTheHandlerKnowsAndNoOther) {
  // F1's list is written from the handler's own table: every code that changes anything, in a side
  // view or a top view, is named there, and besides them only F1, which shows the list.
  const std::map<int, std::string> named{{keys::enter, "Enter"},
                                         {keys::left, "Left"},
                                         {keys::up, "Up"},
                                         {keys::right, "Right"},
                                         {keys::down, "Down"}};
  std::set<std::string> handled{"F1"};
  for (const int view : {1, 5}) {
    auto k = std::make_unique<keyboard>();
    for (int key = 0; key < 256; ++key) {
      k->g->view = view;
      const auto before = k->keyed();
      k->press(key);
      if (k->keyed() == before) continue;
      handled.insert(key >= 'A' && key <= 'Z' ? std::string(1, char(key)) : named.at(key));
      k = std::make_unique<keyboard>();
    }
  }
  // A line for each command of the Key-Help menu, then F1.
  EXPECT_EQ(keylist().size(), menubar().back().children.size() + 1);
  std::set<std::string> listed;
  for (const keyhelp& line : keylist()) {
    std::istringstream keys(line.keys);
    for (std::string key; std::getline(keys >> std::ws, key, ',');) listed.insert(key);
  }
  EXPECT_EQ(listed, handled);
}

}  // namespace
