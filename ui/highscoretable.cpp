// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/highscoretable.h"

#include <algorithm>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "persist/highscores.h"
#include "ui/message.h"

void highscores_Click(gamestate& g, window& w) {
  if (g.replaying == 1) return;
  const highscoretable table = readhighscores();
  if (table.error != 0) {
    warnplayer(g, w,
               filefailure("The high scores could not be read from", highscorefile, table.error));
    return;
  }
  const std::vector<highscore> best = besthighscores(table.records, highscoreof(g, {}));
  if (best.empty()) {
    informplayer(g, w, "No high scores yet on the current settings.");
    return;
  }
  std::ostringstream text;
  text << "High scores on the current settings:\n";
  for (size_t i = 0; i < best.size(); ++i) {
    text << "\n" << i + 1 << ". " << best[i].name << ": " << best[i].score;
  }
  informplayer(g, w, text.str());
}
