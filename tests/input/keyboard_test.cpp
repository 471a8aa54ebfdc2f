#include "input/keyboard.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <tuple>
#include <vector>

#include "platform/headless/headlesswindow.h"
#include "platform/keys.h"
#include "render/projection.h"

namespace {

using keys::letter;

// A bar of n cubes along x (axis 0), y (1) or z (2) at piecex 5, piecey 10, piecez 4 of the
// default 10 x 30 x 10 well, with a surface that records what the keys write.
struct keyboard {
  explicit keyboard(int axis = 0, int n = 2) {
    for (int i = 1; i <= n; ++i)
      g->piece.at(axis == 0 ? i : 1, axis == 1 ? i : 1, axis == 2 ? i : 1) = 7;
    g->piecesizex = axis == 0 ? n - 1 : 0;
    g->piecesizey = axis == 1 ? n : 1;
    g->piecesizez = axis == 2 ? n : 1;
    g->piecex = 5;
    g->piecey = 10;
    g->piecez = 4;
    g->restart = 0;
  }
  void press(int keycode) { Form_KeyDown(*g, w, keycode); }
  // Everything a key may change, with the first cells of the piece.
  auto keyed() const {
    std::vector<int> cells;
    for (int i = 1; i <= 8; ++i)
      cells.insert(cells.end(), {g->piece.at(i, 1, 1), g->piece.at(1, i, 1), g->piece.at(1, 1, i)});
    return std::tuple{g->piecex,     g->piecey, g->piecez,     g->piecesizex, g->piecesizey,
                      g->piecesizez, g->view,   g->paused,     g->redraw,     g->landed,
                      g->blocked,    cells,     w.calls.size()};
  }

  std::unique_ptr<gamestate> g = std::make_unique<gamestate>();
  headlesswindow w;
};

// Where the picture shows the piece's first cube in the current view.
point shown(const gamestate& g) {
  const origin o = sideview(g.view) ? sideorigin(g, 500, 554) : toporigin(g, 500, 554);
  return frontsquare(g, o, placeofcell(g, g.view, g.piecex, g.piecey + 1, g.piecez + 1));
}

TEST(FormKeyDown, EachArrowMovesThePieceTheWayThePictureShows) {
  // Left and Right follow the picture's columns; Up goes away from the viewer in a side view (up
  // and right along the depth diagonal) and up the screen in a top view.
  const double sw = 14, sh = 5;
  for (int view = 1; view <= 8; ++view) {
    const bool side = view <= 4;
    const std::pair<int, point> moves[] = {{keys::left, {-sw, 0}},
                                           {keys::right, {sw, 0}},
                                           {keys::up, side ? point{sh, -sh} : point{0, -sw}},
                                           {keys::down, side ? point{-sh, sh} : point{0, sw}}};
    for (const auto& [key, step] : moves) {
      keyboard k;
      k.g->view = view;
      const point before = shown(*k.g);
      k.press(key);
      const point after = shown(*k.g);
      EXPECT_DOUBLE_EQ(after.x - before.x, step.x) << "view " << view << " key " << key;
      EXPECT_DOUBLE_EQ(after.y - before.y, step.y) << "view " << view << " key " << key;
      EXPECT_EQ(k.g->redraw, 1);
    }
  }
}

TEST(FormKeyDown, ArrowsStopAtTheWallsWithoutProbingAndAtCubes) {
  // Cubes just outside the walls would block any probe: a move at a wall must not even ask, yet
  // every press asks for a redraw. piecez 0 is a legal place (cubes in layer 1).
  struct arrowcase {
    int key, x, z;
    bool cube;  // a cube inside the well in the way
    int tox, toz;
  };
  const arrowcase cases[] = {
      {keys::left, 1, 4, false, 1, 4}, {keys::right, 9, 4, false, 9, 4},
      {keys::up, 5, 0, false, 5, 0},   {keys::down, 5, 9, false, 5, 9},
      {keys::up, 5, 1, false, 5, 0},   {keys::left, 5, 4, true, 5, 4},
      {keys::right, 5, 4, true, 5, 4}, {keys::up, 5, 4, true, 5, 4},
      {keys::down, 5, 4, true, 5, 4},
  };
  for (const arrowcase& c : cases) {
    keyboard k;
    for (int y = 1; y <= 30; ++y) {
      for (int i = 0; i <= 11; ++i) {
        k.g->well.at(0, y, i) = k.g->well.at(11, y, i) = k.g->well.at(i, y, 0) =
            k.g->well.at(i, y, 11) = 1;
      }
    }
    k.g->piecex = c.x;
    k.g->piecez = c.z;
    if (c.cube) {
      const int dx = c.key == keys::left ? -1 : c.key == keys::right ? 2 : 0;
      const int dz = c.key == keys::up ? -1 : c.key == keys::down ? 1 : 0;
      k.g->well.at(c.x + dx, 11, c.z + 1 + dz) = 1;
    }
    k.press(c.key);
    EXPECT_EQ(k.g->piecex, c.tox) << "key " << c.key << " from " << c.x << "," << c.z;
    EXPECT_EQ(k.g->piecez, c.toz) << "key " << c.key << " from " << c.x << "," << c.z;
    EXPECT_EQ(k.g->blocked, c.cube ? 1 : 0) << "key " << c.key << " from " << c.x << "," << c.z;
    EXPECT_EQ(k.g->redraw, 1);
  }
}

TEST(FormKeyDown, EnterFallsOneRowOrLandsWithoutMoving) {
  keyboard free;
  free.press(keys::enter);
  EXPECT_EQ(free.g->piecey, 11);
  EXPECT_EQ(free.g->landed, 0);
  EXPECT_EQ(free.g->redraw, 1);

  // On the floor, or over a cube under its second cube: landed where it is, even pressed twice.
  keyboard floor, over;
  floor.g->piecey = 29;
  over.g->well.at(6, 12, 5) = 1;
  for (keyboard* k : {&floor, &over}) {
    const int row = k->g->piecey;
    k->press(keys::enter);
    k->press(keys::enter);
    EXPECT_EQ(k->g->piecey, row);
    EXPECT_EQ(k->g->landed, 1);
  }
}

TEST(FormKeyDown, PauseGameOverAndAWaitingPieceLetOnlyTheirKeysThrough) {
  // A landed or abandoned piece waits for the loop: an arrow in the same batch of events as the
  // Enter that landed it would fix it in mid-air.
  const std::vector<int> playing = {keys::enter, keys::left,  keys::up,    keys::right,
                                    keys::down,  letter('H'), letter('I'), letter('J'),
                                    letter('K'), letter('U'), letter('Y')};
  std::vector<int> everykey;
  for (int key = 0; key < 256; ++key) everykey.push_back(key);
  struct filtercase {
    int gamestate::*flag;
    std::vector<int> ignored;
    std::vector<int> let;  // keys that still work
  };
  const filtercase cases[] = {
      {&gamestate::paused, everykey, {letter('P')}},
      {&gamestate::gameover, everykey, {letter('R'), letter('W'), letter('S'), letter('T')}},
      {&gamestate::landed, playing, {letter('R'), letter('P')}},
      {&gamestate::restart, playing, {letter('R'), letter('P')}},
  };
  for (const filtercase& c : cases) {
    keyboard k;
    (*k.g).*c.flag = 1;
    const auto before = k.keyed();
    for (int key : c.ignored) {
      if (std::find(c.let.begin(), c.let.end(), key) == c.let.end()) k.press(key);
    }
    EXPECT_EQ(k.keyed(), before);
    for (int key : c.let) {
      const auto prior = k.keyed();
      k.press(key);
      EXPECT_NE(k.keyed(), prior) << key;
    }
  }
}

TEST(FormKeyDown, ViewKeysTurnWithinTheirGroupAndSwitchKeepingTheTurn) {
  const std::tuple<char, int, int> cases[] = {
      {'R', 1, 2}, {'R', 4, 1}, {'R', 8, 5}, {'T', 1, 4}, {'T', 5, 8},
      {'T', 3, 2}, {'W', 2, 6}, {'W', 7, 7}, {'S', 7, 3}, {'S', 4, 4},
  };
  for (const auto& [key, from, to] : cases) {
    keyboard k;
    k.g->view = from;
    k.press(letter(key));
    EXPECT_EQ(k.g->view, to) << key << " from " << from;
    EXPECT_EQ(k.g->redraw, 0) << "the loop notices a new view by itself";
  }
}

TEST(FormKeyDown, TurnKeysTurnPushBackAndWriteTheirLetters) {
  // I and K leave their letter on the picture; every turn asks for a redraw.
  for (char key : {'H', 'I', 'J', 'K', 'U', 'Y'}) {
    keyboard k;
    k.press(letter(key));
    EXPECT_EQ(k.g->redraw, 1) << key;
    std::vector<drawcall> letters;
    if (key == 'I' || key == 'K')
      letters.push_back({drawcall::text, 0, 0, 0, 0, 0, {char(key + 32)}});
    EXPECT_EQ(k.w.calls, letters) << key;
  }
  // A bar of three lying on the floor stands up and is lifted to keep its foot on the floor.
  keyboard floor(0, 3);
  floor.g->piecey = 29;
  floor.press(letter('H'));
  EXPECT_EQ(floor.g->piecey, 27);
}

TEST(FormKeyDown, RefusedTurnChangesNothing) {
  // H on a bar wider than a 6-high well and I on one as tall as the well is wide are guarded; U or
  // Y on a bar deeper than a well the cell-size panel shrank to 6 could not be pushed back inside.
  keyboard wide(0, 7), tall(1, 10), deep(2, 8);
  wide.g->wellheight = 6;
  wide.g->piecey = 0;
  deep.g->piecez = 1;
  deep.g->wellwidth = deep.g->welldepth = 6;
  for (auto [k, key] : {std::pair{&wide, 'H'}, {&tall, 'I'}, {&deep, 'U'}, {&deep, 'Y'}}) {
    const auto before = k->keyed();
    k->press(letter(key));
    EXPECT_EQ(k->keyed(), before) << key;
  }
}

}  // namespace
