#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "fuzz/fuzzcheck.h"
#include "persist/savedgame.h"
#include "persist/settings.h"
#include "platform/headless/headlesswindow.h"

namespace {

// A game state is 16 MiB: made once, overwritten by every input that reads as a game.
gamestate& restored() {
  static const auto g = std::make_unique<gamestate>();
  return *g;
}

}  // namespace

// Whatever the file holds is either no saved game or one the game can be in: its settings taken
// by the settings loader unchanged, its piece inside the well (the grids trap any cube outside
// them), and written back it reads and writes again as the very same text.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto saved = readsavedgame(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!saved) return 0;
  gamestate& g = restored();
  headlesswindow w;
  applysavedgame(g, w, *saved);
  FUZZ_REQUIRE(holdable(settingsof(g)) == settingsof(g));
  FUZZ_REQUIRE(g.piecex >= 1 && g.piecey >= 0 && g.piecez >= 0 &&
               g.piecex + g.piecesizex <= g.wellwidth && g.piecey + g.piecesizey <= g.wellheight &&
               g.piecez + g.piecesizez <= g.welldepth);
  const std::string written = savedgametext(g, w);
  const auto again = readsavedgame(written);
  FUZZ_REQUIRE(again);
  headlesswindow w2;
  applysavedgame(g, w2, *again);
  FUZZ_REQUIRE(savedgametext(g, w2) == written);
  return 0;
}
