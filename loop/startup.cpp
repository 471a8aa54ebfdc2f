// SPDX-License-Identifier: GPL-3.0-or-later
#include "loop/startup.h"

#include "model/numbers.h"
#include "persist/settings.h"

void startup(gamestate& g, window& w) {
  g.shapeonly = 0;
  g.gameover = 0;
  g.paused = 0;
  g.squareheight = 5;
  g.squarewidth = 14;
  g.shownscore = -1;
  g.blockcolormode = 1;
  g.colormode = 0;
  g.maxsquares = 20;
  g.gametype = gametypes::regular;
  g.restart = 1;
  g.maxlayers = 1;
  g.score = 0;
  g.view = 1;
  g.rng.seed(w.timeofday());
  g.wellheight = 30;
  g.wellwidth = 10;
  g.welldepth = 10;
  w.settext(control::Text1, formatnumber(g.wellwidth));
  w.settext(control::Text2, formatnumber(g.wellheight));
  w.settext(control::Text3, formatnumber(g.squarewidth));
  w.settext(control::Text4, formatnumber(2 * g.squareheight));
  loadsettings(g, w);
}
