// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/textboxes.h"

#include <algorithm>
#include <cmath>

#include "model/numbers.h"
#include "persist/limits.h"

double boxnumber(const window& w, control box) {
  return readnumber(w.text(box));
}

void makeeven(window& w, control box) {
  const double number = boxnumber(w, box);
  if (std::fmod(roundhalfeven(number), 2) > 0) w.settext(box, formatnumber(number + 1));
}

void readwellsize(gamestate& g, const window& w) {
  g.wellwidth =
      wholewithin(boxnumber(w, control::Text1), limits::smallestwell, limits::largestwell);
  g.wellheight =
      wholewithin(boxnumber(w, control::Text2), limits::smallestwell, limits::largestwell);
  g.welldepth = g.wellwidth;
}

void layerrule(gamestate& g, window& w) {
  g.maxlayers =
      std::min(wholewithin(boxnumber(w, control::Text6), 1, g.wellheight / 2), g.wellwidth);
  w.settext(control::Text6, formatnumber(g.maxlayers));
}
