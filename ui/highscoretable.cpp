// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/highscoretable.h"

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

#include "persist/highscores.h"
#include "persist/replayfile.h"
#include "platform/texts.h"
#include "ui/message.h"

namespace {

bool (*replayverifies)(const std::string& file) = nullptr;

// What the list says about an entry's replay: nothing when it plays out as recorded, or when the
// entry was made before games kept their replays.
std::string replaymark(const highscore& entry) {
  if (entry.replay.empty() || replayverifies == nullptr) return {};
  const std::string file = replaypath(entry.replay).string();
  if (!std::filesystem::exists(file)) return " (" + say("message", "replay missing") + ")";
  return replayverifies(file) ? "" : " (" + say("message", "replay does not verify") + ")";
}

}  // namespace

void checkreplayswith(bool (*verifies)(const std::string& file)) {
  replayverifies = verifies;
}

void highscores_Click(gamestate& g, window& w) {
  if (g.replaying == 1) return;
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
  std::vector<std::string> entries;
  std::vector<bool> watchable;
  for (size_t i = 0; i < best.size(); ++i) {
    entries.push_back(std::to_string(i + 1) + ". " + best[i].name + ": " +
                      std::to_string(best[i].score) + replaymark(best[i]));
    watchable.push_back(!best[i].replay.empty() &&
                        std::filesystem::exists(replaypath(best[i].replay)));
  }
  if (const auto chosen =
          choosescore(g, w, say("message", "High scores on the current settings:") + "\n", entries,
                      watchable)) {
    g.watchrequest = replaypath(best[*chosen].replay).string();
  }
}
