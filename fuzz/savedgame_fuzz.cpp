// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "fuzz/fuzzcheck.h"
#include "persist/savedgame.h"
#include "persist/settings.h"
#include "platform/headless/headlesswindow.h"

// Whatever the file holds is either no saved game or one the game can be in: its settings taken
// by the settings loader unchanged, its piece inside the well (the grids trap any cube outside
// them), and written back it reads and writes again as the very same text. A game state is
// 16 MiB: made once, overwritten by every input that reads as a game.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto saved = readsavedgame(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!saved) return 0;
  static const auto g = std::make_unique<gamestate>();
  headlesswindow w, again;
  applysavedgame(*g, w, *saved);
  FUZZ_REQUIRE(holdable(settingsof(*g)) == settingsof(*g));
  FUZZ_REQUIRE(g->piecex >= 1 && g->piecey >= 0 && g->piecez >= 0 &&
               g->piecex + g->piecesizex <= g->wellwidth &&
               g->piecey + g->piecesizey <= g->wellheight &&
               g->piecez + g->piecesizez <= g->welldepth);
  const std::string written = savedgametext(savedgameof(*g, w));
  const auto reread = readsavedgame(written);
  FUZZ_REQUIRE(reread);
  applysavedgame(*g, again, *reread);
  FUZZ_REQUIRE(savedgametext(savedgameof(*g, again)) == written);
  return 0;
}
