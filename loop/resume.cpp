// SPDX-License-Identifier: GPL-3.0-or-later
#include "loop/resume.h"

#include <cstring>
#include <string>

#include "loop/mainloop.h"
#include "persist/gamefile.h"
#include "platform/texts.h"
#include "ui/message.h"

namespace {

// What the player reads about a saved game that could not be read.
std::string damagedmessage(int error) {
  if (error == 0) {
    return fill(say("message",
                    "The saved game could not be read from \"%1\"; it was renamed to "
                    "\"%2\" and a new game starts."),
                {gamefile, damagedgamefile});
  }
  return fill(say("message",
                  "The saved game could not be read, nor renamed to \"%1\", from "
                  "\"%2\": %3. A new game starts."),
              {damagedgamefile, gamefile, std::strerror(error)});
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
