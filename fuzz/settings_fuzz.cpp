#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "fuzz/fuzzcheck.h"
#include "persist/limits.h"
#include "persist/settings.h"
#include "platform/headless/headlesswindow.h"

namespace {

// Game states are 16 MiB each: made once, their settings overwritten by every input.
gamestate& loaded() {
  static const auto g = std::make_unique<gamestate>();
  return *g;
}
gamestate& reloaded() {
  static const auto g = std::make_unique<gamestate>();
  return *g;
}

void requireholdable(const gamestate& g) {
  FUZZ_REQUIRE(g.wellwidth >= 6 && g.wellwidth <= 40);
  FUZZ_REQUIRE(g.wellheight >= 6 && g.wellheight <= 40);
  FUZZ_REQUIRE(g.welldepth == g.wellwidth);
  FUZZ_REQUIRE(g.squarewidth > 0 && g.squarewidth <= 1000);
  FUZZ_REQUIRE(g.squareheight > 0 && g.squareheight <= 1000);
  FUZZ_REQUIRE(g.maxsquares >= 4 && g.maxsquares <= shapecap(g));
  FUZZ_REQUIRE(g.maxlayers >= 1 && g.maxlayers <= layercap(g));
  FUZZ_REQUIRE(g.difficulty >= 0 && g.difficulty <= 2);
  FUZZ_REQUIRE(g.colormode == 0 || g.colormode == 1);
  FUZZ_REQUIRE(g.blockcolormode == 0 || g.blockcolormode == 1);
  FUZZ_REQUIRE(g.gametype != gametypes::over);
}

}  // namespace

// Whatever a settings file holds loads as settings the game can play, and saving them writes a
// line that loads back as the very same settings.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  gamestate& g = loaded();
  headlesswindow w;
  applysettings(g, w, readsettingsline(text));
  requireholdable(g);

  // The first piece copies the loaded kind of game into savedgametype, which Save writes.
  g.savedgametype = g.gametype;
  gamestate& again = reloaded();
  headlesswindow w2;
  applysettings(again, w2, readsettingsline(settingsline(g)));
  again.savedgametype = again.gametype;
  FUZZ_REQUIRE(settingsline(again) == settingsline(g));
  for (control box : {control::Text1, control::Text2, control::Text3, control::Text4,
                      control::Text5, control::Text6}) {
    FUZZ_REQUIRE(w2.text(box) == w.text(box));
  }
  return 0;
}
