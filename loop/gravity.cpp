// SPDX-License-Identifier: GPL-3.0-or-later
#include "loop/gravity.h"

#include "model/probes.h"

void Timer1_Timer(gamestate& g) {
  if (g.paused == 1 || g.gameover == 1 || g.landed == 1) return;
  if (g.piecey + g.piecesizey >= g.wellheight) {
    g.landed = 1;
    return;
  }
  checkdown2(g);
  if (g.landed != 1) {
    g.piecey += 1;
    g.redraw = 1;
  }
}
