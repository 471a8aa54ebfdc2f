// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/newgame.h"

#include <cmath>

#include "model/numbers.h"
#include "persist/checkmarks.h"
#include "persist/limits.h"
#include "ui/fit.h"
#include "ui/highscorepanel.h"
#include "ui/keepgame.h"
#include "ui/textboxes.h"

namespace {

void writelimits(const gamestate& g, window& w) {
  w.settext(control::Text5, formatnumber(g.maxsquares));
  w.settext(control::Text6, formatnumber(g.maxlayers));
}

}  // namespace

void newgame_Click(gamestate& g, window& w) {
  g.landed = 0;
  makeeven(w, control::Text1);
  makeeven(w, control::Text2);
  readwellsize(g, w);
  g.gameover = 0;
  w.setenabled(menuitem::newshape, true);

  g.maxsquares = wholewithin(boxnumber(w, control::Text5), limits::smallestshape, shapecap(g));
  layerrule(g, w);
  writelimits(g, w);

  makeeven(w, control::Text1);
  makeeven(w, control::Text2);
  makeeven(w, control::Text3);
  readwellsize(g, w);
  makeeven(w, control::Text4);
  g.squarewidth = boxnumber(w, control::Text3);
  g.squareheight = std::trunc(boxnumber(w, control::Text4) / 2);
  // A well the fit shrank has lowered the piece limits with it.
  if (fitpicture(g, w.drawing())) writelimits(g, w);
  w.settext(control::Text3, formatnumber(g.squarewidth));
  w.settext(control::Text4, formatnumber(2 * g.squareheight));
  w.settext(control::Text1, formatnumber(g.wellwidth));
  w.settext(control::Text2, formatnumber(g.wellheight));

  // After game over gametype holds no kind of game; with no kind checked (a code loaded from a
  // file) the game played before goes on rather than a game that makes no pieces.
  const int current = g.gametype == gametypes::over ? g.savedgametype : g.gametype;
  g.gametype = checkedgametype(w, current);
  g.savedgametype = g.gametype;

  g.score = 0;
  g.shownscore = 5;  // differs from the new score: the title is rewritten at the next frame
  g.restart = 1;
  // The whole grid: no cube of an earlier, larger well may linger outside the new one.
  g.well.clear();
}

void newshape_Click(gamestate& g, window& w) {
  g.landed = 0;
  layerrule(g, w);
  g.restart = 1;
  g.shapeonly = 1;
  g.score -= 5;
}

void quit_Click(gamestate& g, window& w) {
  keephighscore(g, w);
  if (!keptforquit(g, w)) return;
  w.quit();
}
