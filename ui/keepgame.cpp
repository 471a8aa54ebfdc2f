// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/keepgame.h"

#include "persist/gamefile.h"
#include "platform/texts.h"
#include "ui/highscorepanel.h"
#include "ui/message.h"

namespace {

std::string notsaved(int error) {
  return filefailure(say("message", "The game could not be saved to \"%1\": %2."), gamefile, error);
}

}  // namespace

bool keptforquit(gamestate& g, window& w) {
  if (g.quitwithoutsaving == 1) return true;
  const int error = keepgame(g, w);
  if (error == 0) return true;
  g.quitwithoutsaving = 1;
  warnplayer(g, w,
             notsaved(error) + " " +
                 say("message", "Quit or close the window again to leave without saving."));
  return false;
}

void commitsession(gamestate& g, window& w) {
  g.ending = 1;
  keephighscore(g, w);
  // Nobody was asked, so a later close still tries to save.
  if (const int error = keepgame(g, w); error != 0) warnplayer(g, w, notsaved(error));
  g.ending = 0;
}

void endsession(gamestate& g, window& w) {
  commitsession(g, w);
  w.quit();
}
