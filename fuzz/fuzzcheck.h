// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A property every input must keep; a broken one stops the fuzzer with the input saved. assert
// names the broken condition and its line, and must stay on whatever the build defines.
#undef NDEBUG
#include <cassert>
#define FUZZ_REQUIRE(condition) assert(condition)
