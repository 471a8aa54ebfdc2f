// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/cellsize.h"

#include <cmath>

#include "model/numbers.h"
#include "ui/fit.h"
#include "ui/narrowwell.h"
#include "ui/textboxes.h"

void applycellsize(gamestate& g, window& w) {
  for (control box : {control::Text3, control::Text4}) {
    if (boxnumber(w, box) < 6) w.settext(box, "6");
  }
  makeeven(w, control::Text3);
  makeeven(w, control::Text4);
  g.squarewidth = boxnumber(w, control::Text3);
  g.squareheight = std::trunc(boxnumber(w, control::Text4) / 2);
  if (fitpicture(g, w.drawing())) narrowwell(g);
  w.settext(control::Text3, formatnumber(g.squarewidth));
  w.settext(control::Text4, formatnumber(2 * g.squareheight));
}
