// SPDX-License-Identifier: GPL-3.0-or-later
#include "loop/highscore.h"

#include <algorithm>

#include "ui/highscorepanel.h"

bool makesthetable(const highscoretable& table, const highscore& game) {
  if (table.error != 0) return true;
  if (game.score <= 0) return false;
  // An older equal score is listed first, so it counts as ahead: a score that only ties the tenth
  // would be asked for a name and then not be listed.
  const auto ahead =
      std::count_if(table.records.begin(), table.records.end(), [&](const highscore& record) {
        return samesettings(record, game) && record.score >= game.score;
      });
  return static_cast<size_t>(ahead) < highscoreplaces;
}

void highscorecheck(gamestate& g, window& w) {
  if (g.replaying == 1) return;
  if (makesthetable(readhighscores(), highscoreof(g, {}))) showhighscorepanel(g, w);
}
