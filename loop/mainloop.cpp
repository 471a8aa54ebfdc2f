// SPDX-License-Identifier: GPL-3.0-or-later
#include "loop/mainloop.h"

#include "loop/landing.h"
#include "loop/status.h"
#include "loop/title.h"
#include "model/colors.h"
#include "model/generate.h"
#include "model/spawn.h"
#include "persist/checkmarks.h"
#include "persist/gamefile.h"
#include "render/drawscene.h"

namespace {

// A new game takes the difficulty and the kind of game from the check marks; the last checked
// item wins and no kind checked keeps the current one.
void readplayoptions(gamestate& g, const window& w) {
  g.difficulty = checkedvalue(w, difficultymarks, 0);
  g.gametype = checkedgametype(w, g.gametype);
  g.savedgametype = g.gametype;
}

}  // namespace

void startpiece(gamestate& g, window& w) {
  if (g.restart == 1 && g.shapeonly == 0) readplayoptions(g, w);
  g.shapeonly = 0;
  g.restart = 0;
  g.lastview = -1;
  // The whole grid, not just the current well: a well narrowed since must keep no stale cube.
  g.piece.clear();
  colorrule(g);
  generatepiece(g);
  spawnpiece(g);
  g.redraw = 1;
}

void framepass(gamestate& g, window& w) {
  g.keepfailure = keepingerror();
  updatestatus(g, w);
  // While the high-score panel waits for a name the loop stands still: the area stays clear
  // behind it, and the picture comes back, in the view chosen meanwhile, once the name is in.
  if (w.visible(control::Text7)) return;
  if (g.view != g.lastview || g.redraw == 1) {
    g.redraw = 0;
    if (g.unseen == 0) drawscene(g, w.drawing());
  }
  g.lastview = g.view;
  updatetitle(g, w);
}

void afteryield(gamestate& g, window& w) {
  if (g.restart == 1) {
    startpiece(g, w);
    keepinbackground(g, w);
  } else if (g.landed == 1) {
    landing(g, w);
    startpiece(g, w);
    keepinbackground(g, w);
  }
  framepass(g, w);
}
