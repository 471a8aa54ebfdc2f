// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/fuzzcheck.h"
#include "model/numbers.h"
#include "persist/limits.h"

// Any text a player types or a file holds reads as a finite number that the game writes back
// unchanged, rounds without leaving the real line and turns into a whole setting without
// overflow.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const double value = readnumber(text);
  FUZZ_REQUIRE(std::isfinite(value));
  FUZZ_REQUIRE(readnumber(formatnumber(value)) == value);
  const double whole = roundhalfeven(value);
  FUZZ_REQUIRE(std::isfinite(whole) && std::fabs(whole - value) <= 0.5);
  const int setting = wholewithin(value, 6, 40);
  FUZZ_REQUIRE(setting >= 6 && setting <= 40);
  return 0;
}
