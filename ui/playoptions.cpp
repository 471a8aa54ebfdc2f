// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/playoptions.h"

#include "persist/checkmarks.h"

void one_Click(window& w) {
  checkvalue(w, difficultymarks, 0);
}
void two_Click(window& w) {
  checkvalue(w, difficultymarks, 1);
}
void three_Click(window& w) {
  checkvalue(w, difficultymarks, 2);
}

void classic_Click(window& w) {
  checkvalue(w, gametypemarks, gametypes::easy);
}
void regular_Click(window& w) {
  checkvalue(w, gametypemarks, gametypes::regular);
}
void hard_Click(window& w) {
  checkvalue(w, gametypemarks, gametypes::hard);
}
void allsizes_Click(window& w) {
  checkvalue(w, gametypemarks, gametypes::allsizes);
}
void holeinone_Click(window& w) {
  checkvalue(w, gametypemarks, gametypes::holeinone);
}

void truecolor_Click(gamestate& g, window& w) {
  checkvalue(w, colormodemarks, 0);
  g.colormode = 0;
}
void color16_Click(gamestate& g, window& w) {
  checkvalue(w, colormodemarks, 1);
  g.colormode = 1;
}
void blockrandom_Click(gamestate& g, window& w) {
  checkvalue(w, blockcolormarks, 1);
  g.blockcolormode = 1;
}
void blockuniform_Click(gamestate& g, window& w) {
  checkvalue(w, blockcolormarks, 0);
  g.blockcolormode = 0;
}

void pauseonleave_Click(window& w) {
  w.setchecked(menuitem::pauseonleave, !w.checked(menuitem::pauseonleave));
}
void sound_Click(window& w) {
  w.setchecked(menuitem::sound, !w.checked(menuitem::sound));
}
