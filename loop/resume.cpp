// SPDX-License-Identifier: GPL-3.0-or-later
#include "loop/resume.h"

#include <string>

#include "loop/mainloop.h"
#include "persist/gamefile.h"
#include "ui/message.h"

namespace {

std::string quoted(const char* file) {
  return std::string("\"") + file + "\"";
}

// What the player reads about a saved game that could not be read.
std::string damagedmessage(int error) {
  if (error == 0) {
    return "The saved game could not be read from " + quoted(gamefile) + "; it was renamed to " +
           quoted(damagedgamefile) + " and a new game starts.";
  }
  return filefailure("The saved game could not be read, nor renamed to " + quoted(damagedgamefile) +
                         ", from",
                     gamefile, error) +
         " A new game starts.";
}

}  // namespace

bool resumeorstart(gamestate& g, window& w) {
  const resumed saved = resumegame(g, w);
  if (saved.found != resumed::restored) startpiece(g, w);
  framepass(g, w);
  // Told once the picture shows the game that goes on.
  if (saved.found == resumed::damaged) warnplayer(g, w, damagedmessage(saved.error));
  return saved.found == resumed::restored;
}
