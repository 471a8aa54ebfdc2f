// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzzcheck.h"
#include "persist/replayfile.h"
#include "persist/savedgame.h"

// Whatever the file holds is either no replay or one whose every event is of a known kind with
// its numbers in range, moments that never go back and a start the kept game's reader takes; and
// written back it reads as the very same replay and writes the very same text. A record alone
// reads back the same once written.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  if (const auto replay = readreplay(text)) {
    FUZZ_REQUIRE(readsavedgame(replay->start));
    for (size_t i = 0; i < replay->events.size(); ++i) {
      const recordedevent& e = replay->events[i];
      FUZZ_REQUIRE(i == 0 || e.moment >= replay->events[i - 1].moment);
      FUZZ_REQUIRE(e.a >= 0 && e.b >= 0);
    }
    const std::string written = replaytext(*replay);
    const auto reread = readreplay(written);
    FUZZ_REQUIRE(reread && *reread == *replay && replaytext(*reread) == written);
  }
  if (const auto record = readrecording(text)) {
    FUZZ_REQUIRE(readrecording(recordingtext(*record)) == *record);
  }
  return 0;
}
