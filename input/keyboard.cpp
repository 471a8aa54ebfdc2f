#include "input/keyboard.h"

#include "input/arrows.h"
#include "model/probes.h"
#include "model/turns.h"
#include "platform/keys.h"

namespace {

using keys::letter;

// The turn a key makes, numbered as turn() numbers them; 0 for a key that turns nothing.
int turnofkey(int keycode) {
  switch (keycode) {
    case letter('Y'):
      return 1;
    case letter('U'):
      return 2;
    case letter('I'):
      return 3;
    case letter('K'):
      return 4;
    case letter('H'):
      return 5;
    case letter('J'):
      return 6;
    default:
      return 0;
  }
}

// The turn that takes turn `kind` back: Y and U, I and K, H and J undo each other.
int undoing(int kind) {
  return kind % 2 == 1 ? kind + 1 : kind - 1;
}

bool isviewkey(int keycode) {
  return keycode == letter('R') || keycode == letter('S') || keycode == letter('T') ||
         keycode == letter('W');
}

// The view a quarter turn on within its group of four (side views 1..4, top views 5..8).
int turnedview(int view, int quarter) {
  if (view < 1 || view > 8) return view;
  const int first = view <= 4 ? 1 : 5;
  return first + (view - first + quarter + 4) % 4;
}

// Enter: one row down, or landed when a cube or the floor lies below. The probe runs first; a
// landed already set stays set.
void drop(gamestate& g) {
  g.redraw = 1;
  checkdown2(g);
  if (g.piecey + g.piecesizey >= g.wellheight) g.landed = 1;
  if (g.landed == 1) return;
  g.piecey += 1;
}

// A key turn and its push back. After the cell-size panel has shrunk the well under a wide piece,
// no push back could fit the turned piece inside; that turn is taken back and changes nothing.
bool turnandpushback(gamestate& g, int kind) {
  const int redraw = g.redraw;
  turn(g, kind);
  if (g.piecesizex + 1 > g.wellwidth || g.piecesizey > g.wellheight || g.piecesizez > g.welldepth) {
    turn(g, undoing(kind));
    g.redraw = redraw;
    return false;
  }
  pushback(g);
  return true;
}

}  // namespace

void Form_KeyDown(gamestate& g, surface& s, int keycode) {
  const int kind = turnofkey(keycode);
  if (kind != 0 && !turnfits(g, kind)) return;
  if (g.gameover == 1 && !isviewkey(keycode)) return;
  if (g.paused == 1 && keycode != letter('P')) return;

  // A piece that has landed, or been abandoned by New Game or New Shape, waits for the loop to take
  // it: moved now, a landed piece would be fixed wherever it went, even in mid-air.
  const bool pieceheld = g.landed == 1 || g.restart == 1;
  switch (keycode) {
    case keys::enter:
      if (!pieceheld) drop(g);
      break;
    case keys::left:
    case keys::up:
    case keys::right:
    case keys::down:
      if (pieceheld) break;
      g.redraw = 1;
      movesideways(g, arrowdirection(g.view, keycode));
      break;
    case letter('P'):
      g.paused = 1 - g.paused;
      break;
    case letter('R'):
      g.view = turnedview(g.view, 1);
      break;
    case letter('T'):
      g.view = turnedview(g.view, -1);
      break;
    case letter('W'):
      if (g.view <= 4) g.view += 4;
      break;
    case letter('S'):
      if (g.view > 4) g.view -= 4;
      break;
    default:
      if (kind == 0 || pieceheld || !turnandpushback(g, kind)) break;
      // The letters stay on the picture until the next redraw clears it.
      if (keycode == letter('I')) s.printtext("i");
      if (keycode == letter('K')) s.printtext("k");
      break;
  }
}
