// SPDX-License-Identifier: GPL-3.0-or-later
#include "persist/restoresettings.h"

#include "persist/checkmarks.h"

void restoresettings(gamestate& g, window& w) {
  w.settext(control::Text6, "1");
  w.settext(control::Text5, "20");
  w.settext(control::Text2, "30");
  w.settext(control::Text1, "10");
  checkvalue(w, colormodemarks, 0);
  checkvalue(w, blockcolormarks, 1);
  checkvalue(w, difficultymarks, 0);
  checkvalue(w, gametypemarks, gametypes::regular);
  g.colormode = 0;
  g.blockcolormode = 1;
}
