// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/highscoretable.h"

#include <algorithm>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "persist/highscores.h"
#include "platform/texts.h"
#include "ui/message.h"

namespace {

// The records on the same settings as `current`, best first, as many as the table shows; equal
// scores keep the order they were made in.
std::vector<highscore> besthighscores(const std::vector<highscore>& records,
                                      const highscore& current) {
  std::vector<highscore> best;
  std::copy_if(records.begin(), records.end(), std::back_inserter(best),
               [&](const highscore& record) { return samesettings(record, current); });
  std::stable_sort(best.begin(), best.end(),
                   [](const highscore& a, const highscore& b) { return a.score > b.score; });
  if (best.size() > highscoreplaces) best.resize(highscoreplaces);
  return best;
}

}  // namespace

void highscores_Click(gamestate& g, window& w) {
  const highscoretable table = readhighscores();
  if (table.error != 0) {
    warnplayer(g, w,
               filefailure(say("message", "The high scores could not be read from \"%1\": %2."),
                           highscorefile, table.error));
    return;
  }
  const std::vector<highscore> best = besthighscores(table.records, highscoreof(g, {}));
  if (best.empty()) {
    informplayer(g, w, say("message", "No high scores yet on the current settings."));
    return;
  }
  std::ostringstream text;
  text << say("message", "High scores on the current settings:") << "\n";
  for (size_t i = 0; i < best.size(); ++i) {
    text << "\n" << i + 1 << ". " << best[i].name << ": " << best[i].score;
  }
  informplayer(g, w, text.str());
}
