// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "fuzz/fuzzcheck.h"
#include "persist/settings.h"
#include "platform/headless/headlesswindow.h"

// Whatever a settings file holds loads as settings the game can play (the loader's limits leave
// them as they are, no game-over code), and saving them writes a line that loads back as the very
// same settings and fields. A game state is 16 MiB: made once, its settings overwritten each time.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const auto g = std::make_unique<gamestate>();
  headlesswindow w, again;
  applysettings(*g, w,
                readsettingsline(std::string_view(reinterpret_cast<const char*>(data), size)));
  g->savedgametype = g->gametype;  // as the first piece does, which Save writes
  FUZZ_REQUIRE(holdable(settingsof(*g)) == settingsof(*g) && g->gametype != gametypes::over);
  const std::string line = settingsline(*g);
  applysettings(*g, again, readsettingsline(line));
  g->savedgametype = g->gametype;
  FUZZ_REQUIRE(settingsline(*g) == line);
  for (int box = int(control::Text1); box <= int(control::Text6); ++box)
    FUZZ_REQUIRE(again.text(control(box)) == w.text(control(box)));
  return 0;
}
