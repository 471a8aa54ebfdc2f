// SPDX-License-Identifier: GPL-3.0-or-later
#include "persist/checkmarks.h"

void checkvalue(window& w, std::span<const checkmark> group, int value) {
  for (const checkmark& mark : group) w.setchecked(mark.item, false);
  for (const checkmark& mark : group) {
    if (mark.value == value) w.setchecked(mark.item, true);
  }
}

int checkedvalue(const window& w, std::span<const checkmark> group, int current) {
  int chosen = current;
  for (const checkmark& mark : group) {
    if (w.checked(mark.item)) chosen = mark.value;
  }
  return chosen;
}

int checkedgametype(const window& w, int current) {
  return checkedvalue(w, gametypemarks, current);
}

void checkfromsettings(window& w, const gamestate& g) {
  checkvalue(w, difficultymarks, g.difficulty);
  checkvalue(w, gametypemarks, g.gametype);
  checkvalue(w, colormodemarks, g.colormode);
  checkvalue(w, blockcolormarks, g.blockcolormode);
}
