// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/keyboard.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "input/arrows.h"
#include "model/probes.h"
#include "model/turns.h"
#include "platform/keys.h"
#include "platform/texts.h"

namespace {

using keys::letter;

// A piece that has landed, or been abandoned by New Game or New Shape, waits for the loop to take
// it: moved now, a landed piece would be fixed wherever it went, even in mid-air.
bool pieceheld(const gamestate& g) {
  return g.landed == 1 || g.restart == 1;
}

void movekey(gamestate& g, surface&, int keycode) {
  if (pieceheld(g)) return;
  g.redraw = 1;
  movesideways(g, arrowdirection(g.view, keycode));
}

// Enter: one row down, or landed when a cube or the floor lies below. The probe runs first; a
// landed already set stays set.
void dropkey(gamestate& g, surface&, int) {
  if (pieceheld(g)) return;
  g.redraw = 1;
  checkdown2(g);
  if (g.piecey + g.piecesizey >= g.wellheight) g.landed = 1;
  if (g.landed == 1) return;
  g.piecey += 1;
}

// A pause by P is the player's own, whatever paused the game before.
void pausekey(gamestate& g, surface&, int) {
  g.paused = 1 - g.paused;
  g.pausedbyleaving = 0;
}

// The view a quarter turn on within its group of four (side views 1..4, top views 5..8).
template <int quarter>
void turnviewkey(gamestate& g, surface&, int) {
  if (g.view < 1 || g.view > 8) return;
  const int first = g.view <= 4 ? 1 : 5;
  g.view = first + (g.view - first + quarter + 4) % 4;
}

void topviewkey(gamestate& g, surface&, int) {
  if (g.view <= 4) g.view += 4;
}

void sideviewkey(gamestate& g, surface&, int) {
  if (g.view > 4) g.view -= 4;
}

// The turn that takes turn `kind` back: Y and U, I and K, H and J undo each other.
int undoing(int kind) {
  return kind % 2 == 1 ? kind + 1 : kind - 1;
}

// A key turn, numbered as turn() numbers them (1 Y, 2 U, 3 I, 4 K, 5 H, 6 J), and its push back.
// A turn the size guard refuses changes nothing. After the cell-size panel has shrunk the well
// under a wide piece, no push back could fit the turned piece inside; that turn is taken back.
template <int kind>
void turnkey(gamestate& g, surface& s, int) {
  if (!turnfits(g, kind) || pieceheld(g)) return;
  const int redraw = g.redraw;
  turn(g, kind);
  if (g.piecesizex + 1 > g.wellwidth || g.piecesizey > g.wellheight || g.piecesizez > g.welldepth) {
    turn(g, undoing(kind));
    g.redraw = redraw;
    return;
  }
  pushback(g);
  // The letters stay on the picture until the next redraw clears it.
  if (kind == 3) s.printtext("i");
  if (kind == 4) s.printtext("k");
}

// Every key the game knows, in the order of the Key-Help menu. Keys that share a text share a line
// of the key list. The letters are said as they are written on the keys.
struct keycommand {
  int keycode;
  const char* name;
  const char* what;
  void (*run)(gamestate& g, surface& s, int keycode);
  bool whilepaused = false;    // works while the game is paused
  bool aftergameover = false;  // works after game over
};

constexpr const char* sideways =
    KUBRIX_TEXT("keys", "Move the shape sideways, the way the picture shows it");
constexpr const char* aboutx = KUBRIX_TEXT("keys", "Rotate the shape about the X axis");
constexpr const char* abouty = KUBRIX_TEXT("keys", "Rotate the shape about the Y axis");
constexpr const char* aboutz = KUBRIX_TEXT("keys", "Rotate the shape about the Z axis");

const std::array<keycommand, 16> keycommands{{
    {keys::left, KUBRIX_TEXT("keys", "Left"), sideways, movekey},
    {keys::right, KUBRIX_TEXT("keys", "Right"), sideways, movekey},
    {keys::up, KUBRIX_TEXT("keys", "Up"), sideways, movekey},
    {keys::down, KUBRIX_TEXT("keys", "Down"), sideways, movekey},
    {letter('P'), "P", KUBRIX_TEXT("keys", "Pause or resume the game"), pausekey, true},
    {keys::enter, KUBRIX_TEXT("keys", "Enter"), KUBRIX_TEXT("keys", "Move the shape one row down"),
     dropkey},
    {letter('W'), "W", KUBRIX_TEXT("keys", "Switch to the top view"), topviewkey, false, true},
    {letter('S'), "S", KUBRIX_TEXT("keys", "Switch to the side view"), sideviewkey, false, true},
    {letter('R'), "R", KUBRIX_TEXT("keys", "Rotate the view clockwise"), turnviewkey<1>, false,
     true},
    {letter('T'), "T", KUBRIX_TEXT("keys", "Rotate the view counter-clockwise"), turnviewkey<-1>,
     false, true},
    {letter('J'), "J", aboutx, turnkey<6>},
    {letter('H'), "H", aboutx, turnkey<5>},
    {letter('U'), "U", abouty, turnkey<2>},
    {letter('Y'), "Y", abouty, turnkey<1>},
    {letter('I'), "I", aboutz, turnkey<3>},
    {letter('K'), "K", aboutz, turnkey<4>},
}};

}  // namespace

void Form_KeyDown(gamestate& g, surface& s, int keycode) {
  const auto key = std::find_if(keycommands.begin(), keycommands.end(),
                                [keycode](const keycommand& k) { return k.keycode == keycode; });
  if (key == keycommands.end()) return;
  if (g.gameover == 1 && !key->aftergameover) return;
  if (g.paused == 1 && !key->whilepaused) return;
  key->run(g, s, keycode);
}

void windowleft(gamestate& g) {
  if (g.paused == 1 || g.gameover == 1) return;
  g.paused = 1;
  g.pausedbyleaving = 1;
}

std::vector<keyhelp> keylist() {
  std::vector<keyhelp> lines;
  const char* shared = nullptr;  // the English text of the last line
  for (const keycommand& key : keycommands) {
    if (shared != nullptr && std::string_view(shared) == key.what) {
      lines.back().keys += ", " + say("keys", key.name);
    } else {
      lines.push_back({say("keys", key.name), say("keys", key.what)});
      shared = key.what;
    }
  }
  lines.push_back({"F1", say("keys", "Show this list")});
  return lines;
}
