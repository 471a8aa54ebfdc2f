#include "input/keyboard.h"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>
#include <vector>

#include "../harness.h"
#include "platform/headless/headlesswindow.h"
#include "platform/keys.h"
#include "render/projection.h"

namespace {

using keys::letter;

const int arrows[] = {keys::left, keys::up, keys::right, keys::down};

// An L of three cubes in the x-y plane, (1,1,1), (1,2,1) and (2,2,1), in the default 10 x 30 x 10
// well at piecex 5, piecey 10, piecez 4.
struct lpiece {
  lpiece() {
    g->piece.at(1, 1, 1) = 7;
    g->piece.at(1, 2, 1) = 7;
    g->piece.at(2, 2, 1) = 7;
    g->piecesizex = 1;
    g->piecesizey = 2;
    g->piecesizez = 1;
    g->piecex = 5;
    g->piecey = 10;
    g->piecez = 4;
    g->restart = 0;
  }
  void press(int keycode) { Form_KeyDown(*g, w, keycode); }

  std::unique_ptr<gamestate> g = std::make_unique<gamestate>();
  headlesswindow w;
};

// Everything a key may change, with the piece's corner cells.
auto keyed(const gamestate& g) {
  std::vector<int> cells;
  for (int z = 1; z <= 3; ++z)
    for (int y = 1; y <= 3; ++y)
      for (int x = 1; x <= 3; ++x) cells.push_back(g.piece.at(x, y, z));
  return std::tuple{g.piecex, g.piecey, g.piecez, g.piecesizex, g.piecesizey, g.piecesizez,
                    g.view,   g.paused, g.redraw, g.landed,     g.blocked,    cells};
}

// Where the picture shows the piece's first cube in the current view.
point shown(const gamestate& g) {
  const origin o = sideview(g.view) ? sideorigin(g, 500, 554) : toporigin(g, 500, 554);
  return frontsquare(g, o, placeofcell(g, g.view, g.piecex, g.piecey + 1, g.piecez + 1));
}

TEST(FormKeyDown, EachArrowMovesThePieceTheWayThePictureShows) {
  // Left and Right follow the picture's columns; Up goes away from the viewer in a side view
  // (up and right along the depth diagonal) and up the screen in a top view.
  const double sw = 14, sh = 5;
  for (int view = 1; view <= 8; ++view) {
    const bool side = view <= 4;
    const point expected[] = {{-sw, 0},
                              side ? point{sh, -sh} : point{0, -sw},
                              {sw, 0},
                              side ? point{-sh, sh} : point{0, sw}};
    for (int i = 0; i < 4; ++i) {
      lpiece p;
      p.g->view = view;
      const point before = shown(*p.g);
      p.press(arrows[i]);
      const point after = shown(*p.g);
      EXPECT_DOUBLE_EQ(after.x - before.x, expected[i].x)
          << "view " << view << " key " << arrows[i];
      EXPECT_DOUBLE_EQ(after.y - before.y, expected[i].y)
          << "view " << view << " key " << arrows[i];
      EXPECT_EQ(p.g->redraw, 1);
    }
  }
}

TEST(FormKeyDown, WallsAreTestedBeforeTheProbeAndCubesStopTheMove) {
  // Cubes just outside the walls would block every probe: a move at a wall must not even ask.
  struct wallcase {
    int key, x, z;
    bool againstcube;  // a cube inside the well in the way instead of the wall
  };
  const wallcase cases[] = {
      {keys::left, 1, 4, false}, {keys::right, 9, 4, false}, {keys::up, 5, 0, false},
      {keys::down, 5, 9, false}, {keys::left, 5, 4, true},   {keys::right, 5, 4, true},
      {keys::up, 5, 4, true},    {keys::down, 5, 4, true},
  };
  for (const wallcase& c : cases) {
    lpiece p;
    for (int y = 1; y <= 30; ++y) {
      for (int i = 0; i <= 11; ++i) {
        p.g->well.at(0, y, i) = p.g->well.at(11, y, i) = 1;
        p.g->well.at(i, y, 0) = p.g->well.at(i, y, 11) = 1;
      }
    }
    p.g->piecex = c.x;
    p.g->piecez = c.z;
    if (c.againstcube) {
      const int dx = c.key == keys::left ? -1 : c.key == keys::right ? 2 : 0;
      const int dz = c.key == keys::up ? -1 : c.key == keys::down ? 1 : 0;
      p.g->well.at(c.x + dx, 12, c.z + 1 + dz) = 1;
    }
    p.press(c.key);
    EXPECT_EQ(p.g->piecex, c.x) << "key " << c.key;
    EXPECT_EQ(p.g->piecez, c.z) << "key " << c.key;
    EXPECT_EQ(p.g->blocked, c.againstcube ? 1 : 0) << "key " << c.key;
    EXPECT_EQ(p.g->redraw, 1);
  }
}

TEST(FormKeyDown, UpReachesTheFirstLayerOfTheWell) {
  // piecez 0 is a legal place: the piece's cubes then lie in layer z = 1.
  lpiece p;
  p.g->piecez = 1;
  p.press(keys::up);
  EXPECT_EQ(p.g->piecez, 0);
  p.press(keys::up);
  EXPECT_EQ(p.g->piecez, 0);
}

TEST(FormKeyDown, EnterFallsOneRowOrLandsWithoutMoving) {
  lpiece free;
  free.press(keys::enter);
  EXPECT_EQ(free.g->piecey, 11);
  EXPECT_EQ(free.g->landed, 0);
  EXPECT_EQ(free.g->redraw, 1);

  // Resting on the floor: landed, and a second Enter before the loop takes it changes nothing.
  lpiece floor;
  floor.g->piecey = 28;
  floor.press(keys::enter);
  floor.press(keys::enter);
  EXPECT_EQ(floor.g->piecey, 28);
  EXPECT_EQ(floor.g->landed, 1);

  // A cube under the L's foot only.
  lpiece over;
  over.g->well.at(6, 13, 5) = 1;
  over.press(keys::enter);
  EXPECT_EQ(over.g->piecey, 10);
  EXPECT_EQ(over.g->landed, 1);
}

TEST(FormKeyDown, PieceWaitingForTheLoopIgnoresMovesDropsAndTurns) {
  // After Enter landed it, an arrow in the same batch of events would fix it in mid-air.
  for (int gamestate::*flag : {&gamestate::landed, &gamestate::restart}) {
    lpiece p;
    (*p.g).*flag = 1;
    const auto before = keyed(*p.g);
    for (int key : {keys::enter, keys::left, keys::up, keys::right, keys::down, letter('H'),
                    letter('I'), letter('J'), letter('K'), letter('U'), letter('Y')})
      p.press(key);
    EXPECT_EQ(keyed(*p.g), before);
    EXPECT_TRUE(p.w.calls.empty());
    p.press(letter('R'));
    p.press(letter('P'));
    EXPECT_EQ(p.g->view, 2);
    EXPECT_EQ(p.g->paused, 1);
  }
}

TEST(FormKeyDown, PauseLetsOnlyPThrough) {
  lpiece p;
  p.g->paused = 1;
  const auto before = keyed(*p.g);
  for (int key = 0; key < 256; ++key)
    if (key != letter('P')) p.press(key);
  EXPECT_EQ(keyed(*p.g), before);
  EXPECT_TRUE(p.w.calls.empty());
  p.press(letter('P'));
  EXPECT_EQ(p.g->paused, 0);
  p.press(letter('P'));
  EXPECT_EQ(p.g->paused, 1);
}

TEST(FormKeyDown, GameOverLetsOnlyTheViewKeysThrough) {
  lpiece p;
  p.g->gameover = 1;
  const auto before = keyed(*p.g);
  for (int key = 0; key < 256; ++key)
    if (key != letter('R') && key != letter('S') && key != letter('T') && key != letter('W'))
      p.press(key);
  EXPECT_EQ(keyed(*p.g), before);
  p.press(letter('R'));
  EXPECT_EQ(p.g->view, 2);
  // Paused as well: the pause wins, and P cannot lift it.
  p.g->paused = 1;
  p.press(letter('R'));
  p.press(letter('P'));
  EXPECT_EQ(p.g->view, 2);
  EXPECT_EQ(p.g->paused, 1);
}

TEST(FormKeyDown, ViewKeysTurnWithinTheirGroupAndSwitchKeepingTheTurn) {
  struct viewcase {
    char key;
    int from, to;
  };
  const viewcase cases[] = {
      {'R', 1, 2}, {'R', 4, 1}, {'R', 8, 5}, {'R', 6, 7}, {'T', 1, 4}, {'T', 5, 8},
      {'T', 3, 2}, {'W', 2, 6}, {'W', 7, 7}, {'S', 7, 3}, {'S', 4, 4},
  };
  for (const viewcase& c : cases) {
    lpiece p;
    p.g->view = c.from;
    p.press(letter(c.key));
    EXPECT_EQ(p.g->view, c.to) << c.key << " from " << c.from;
    EXPECT_EQ(p.g->redraw, 0) << "the loop notices a new view by itself";
  }
}

TEST(FormKeyDown, TurnKeysTurnPushBackAndWriteTheirLetters) {
  // I and K leave their letter on the picture; every turn asks for a redraw.
  for (char key : {'H', 'I', 'J', 'K', 'U', 'Y'}) {
    lpiece p;
    p.press(letter(key));
    EXPECT_EQ(p.g->redraw, 1) << key;
    const std::vector<drawcall> expected =
        key == 'I' || key == 'K'
            ? std::vector<drawcall>{{drawcall::text, 0, 0, 0, 0, 0, std::string(1, key + 32)}}
            : std::vector<drawcall>{};
    EXPECT_EQ(p.w.calls, expected) << key;
  }
  // A bar of three lying on the floor stands up and is lifted to keep its foot on the floor.
  lpiece floor;
  floor.g->piece.clear();
  for (int a = 1; a <= 3; ++a) floor.g->piece.at(a, 1, 1) = 3;
  floor.g->piecesizex = 2;
  floor.g->piecesizey = 1;
  floor.g->piecey = 29;
  floor.press(letter('H'));
  EXPECT_EQ(floor.g->piecesizey, 3);
  EXPECT_EQ(floor.g->piecey, 27);
}

TEST(FormKeyDown, RefusedTurnChangesNothing) {
  // H on a bar wider than a 6-high well is guarded; U on a piece deeper than a well the cell-size
  // panel shrank to 6 wide could not be pushed back inside.
  lpiece wide;
  wide.g->piece.clear();
  for (int a = 1; a <= 7; ++a) wide.g->piece.at(a, 1, 1) = 3;
  wide.g->piecesizex = 6;
  wide.g->piecesizey = 1;
  wide.g->wellheight = 6;
  wide.g->piecex = 2;
  wide.g->piecey = 0;

  lpiece deep;
  deep.g->piece.clear();
  for (int c = 1; c <= 8; ++c) deep.g->piece.at(1, 1, c) = 3;
  deep.g->piecesizex = 0;
  deep.g->piecesizey = 1;
  deep.g->piecesizez = 8;
  deep.g->piecez = 1;
  deep.g->wellwidth = deep.g->welldepth = 6;

  lpiece tall;  // I on an upright bar as tall as the well is wide: guarded, so no "i"
  tall.g->piece.clear();
  for (int b = 1; b <= 10; ++b) tall.g->piece.at(1, b, 1) = 3;
  tall.g->piecesizex = 0;
  tall.g->piecesizey = 10;

  for (auto [p, key] : {std::pair{&wide, 'H'}, {&deep, 'U'}, {&deep, 'Y'}, {&tall, 'I'}}) {
    const auto before = keyed(*p->g);
    p->press(letter(key));
    EXPECT_EQ(keyed(*p->g), before) << key;
    EXPECT_TRUE(p->w.calls.empty()) << key;
  }
}

TEST(FormKeyDown, KeysWorkThroughTheWholeGame) {
  // The route a player uses: window key event, handler, then the loop's frame draws the move.
  harness h;
  h.start();
  h.g->piece.clear();
  h.g->piece.at(1, 1, 1) = 9;
  h.g->piecesizex = 0;
  h.g->piecesizey = 1;
  h.g->piecesizez = 1;
  h.g->piecex = 3;
  h.g->piecey = 0;
  h.g->piecez = 3;
  h.w.takecalls();
  h.w.key(keys::right);
  h.w.key(keys::enter);
  EXPECT_EQ(h.g->piecex, 4);
  EXPECT_EQ(h.g->piecey, 1);
  EXPECT_FALSE(h.w.takecalls().empty());
  h.w.key(letter('P'));
  h.w.key(keys::enter);
  EXPECT_EQ(h.g->piecey, 1);
}

}  // namespace
