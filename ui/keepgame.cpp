// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/keepgame.h"

#include "persist/gamefile.h"
#include "ui/highscorepanel.h"
#include "ui/message.h"

bool keptforquit(gamestate& g, window& w) {
  if (g.quitwithoutsaving == 1) return true;
  const int error = keepgame(g, w);
  if (error == 0) return true;
  g.quitwithoutsaving = 1;
  warnplayer(g, w,
             filefailure("The game could not be saved to", gamefile, error) +
                 " Quit or close the window again to leave without saving.");
  return false;
}

void commitsession(gamestate& g, window& w) {
  g.ending = 1;
  keephighscore(g, w);
  g.quitwithoutsaving = 0;
  keptforquit(g, w);
  g.ending = 0;
}

void endsession(gamestate& g, window& w) {
  commitsession(g, w);
  w.quit();
}
