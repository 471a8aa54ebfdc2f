// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/arrows.h"

#include "model/probes.h"
#include "platform/keys.h"

namespace {

using enum direction;

// Rows are views 1..8, columns the key codes 37..40: Left, Up, Right, Down.
constexpr direction arrowtable[8][4] = {
    {xminus, zminus, xplus, zplus}, {zplus, xminus, zminus, xplus}, {xplus, zplus, xminus, zminus},
    {zminus, xplus, zplus, xminus}, {xminus, zplus, xplus, zminus}, {zplus, xplus, zminus, xminus},
    {xplus, zminus, xminus, zplus}, {zminus, xminus, zplus, xplus},
};

// The probe decides whether a move the wall allows goes ahead.
void probeandmove(gamestate& g, void (*probe)(gamestate&), int& place, int step) {
  g.blocked = 0;
  probe(g);
  if (g.blocked == 0) place += step;
}

}  // namespace

direction arrowdirection(int view, int keycode) {
  if (view < 1 || view > 8 || keycode < keys::left || keycode > keys::down) return none;
  return arrowtable[view - 1][keycode - keys::left];
}

void movesideways(gamestate& g, direction d) {
  switch (d) {
    case xminus:
      if (g.piecex > 1) probeandmove(g, checkleft, g.piecex, -1);
      break;
    case xplus:
      if (g.piecex + g.piecesizex < g.wellwidth) probeandmove(g, checkright, g.piecex, 1);
      break;
    case zminus:
      if (g.piecez > 0) probeandmove(g, checkup, g.piecez, -1);
      break;
    case zplus:
      if (g.piecez + g.piecesizez < g.welldepth) probeandmove(g, checkdown, g.piecez, 1);
      break;
    case none:
      break;
  }
}
