// SPDX-License-Identifier: GPL-3.0-or-later
#include "persist/gamefile.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <string>

#include "persist/gamekeeper.h"
#include "persist/replayfile.h"
#include "persist/savedgame.h"
#include "persist/textlines.h"

namespace {

// A full 40 x 40 x 40 well under a piece as large, with long panel fields, stays under 4 MiB. A
// larger file is no saved game, and reading stops a byte past this.
constexpr size_t readlimit = size_t{8} * 1024 * 1024;

// The file's text; nothing when there is none. A file that cannot be read, or is larger than
// `limit`, gives an empty text, which is neither a saved game nor a record.
std::optional<std::string> readkept(const char* name, size_t limit) {
  errno = 0;
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(name, "rb"), &std::fclose);
  if (!file) {
    if (errno == ENOENT) return std::nullopt;
    return std::string();
  }
  std::string text = textlines::readupto(file.get(), limit);
  if (std::ferror(file.get()) || text.size() > limit) return std::string();
  return text;
}

// 0 after a call that succeeded, the errno it left after one that failed.
int failure(int result) {
  return result == 0 ? 0 : errno;
}

gamekeeper& keeper() {
  static gamekeeper keeper;
  return keeper;
}

}  // namespace

void keepinbackground(const gamestate& g, const window& w) {
  if (g.replaying == 1) return;
  if (g.gameover == 1) {
    keeper().remove(gamefile, gamerecordfile);
  } else {
    keeper().keep(gamefile, gamerecordfile, savedgameof(g, w));
  }
}

int keepingerror() {
  return keeper().lasterror();
}

int waitforkeeping() {
  return keeper().wait();
}

int keepgame(const gamestate& g, const window& w) {
  if (g.replaying == 1) return 0;
  keepinbackground(g, w);
  return waitforkeeping();
}

resumed resumegame(gamestate& g, window& w) {
  const std::optional<std::string> text = readkept(gamefile, readlimit);
  if (!text) return {};
  std::optional<savedgame> saved = readsavedgame(*text);
  if (!saved) return {resumed::damaged, failure(std::rename(gamefile, damagedgamefile))};
  if (const auto record = readkept(gamerecordfile, replayreadlimit)) {
    saved->record = readkeptrecord(*record, *text).value_or(recording{});
  }
  applysavedgame(g, w, *saved);
  return {resumed::restored, 0};
}
