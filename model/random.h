// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

// The game's one random generator: uniform reals in [0, 1). Seeded once from the clock at start-up;
// tests seed it themselves so that every run is reproducible. The engine is xoshiro256**, seeded
// through splitmix64: small, fast (the largest all-sizes piece takes some 300 000 draws) and of
// good quality.
class randomsource {
 public:
  void seed(uint64_t value) {
    for (uint64_t& word : state_) {
      value += 0x9E3779B97F4A7C15ULL;
      uint64_t z = value;
      z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
      z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
      word = z ^ (z >> 31);
    }
  }

  // The engine's four words: a saved game goes on with the very draws it would have had.
  std::array<uint64_t, 4> state() const { return state_; }
  void setstate(const std::array<uint64_t, 4>& words) { state_ = words; }

  // A fresh uniform real in [0, 1): 53 random bits, so never 1.
  double next() { return static_cast<double>(bits() >> 11) * 0x1.0p-53; }

  // R(n): the whole part of n times a fresh random number. 1 + R(n) is 1..n with equal chances.
  int R(double n) { return static_cast<int>(n * next()); }
  // The same for a small whole n (0..2047), in exact integer arithmetic: the walks draw a
  // direction hundreds of thousands of times for the largest pieces.
  int R(int n) {
    if (n < 0 || n >= 2048) return R(static_cast<double>(n));
    return static_cast<int>(((bits() >> 11) * static_cast<uint64_t>(n)) >> 53);
  }

 private:
  static uint64_t rotl(uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

  uint64_t bits() {
    const uint64_t result = rotl(state_[1] * 5, 7) * 9;
    const uint64_t t = state_[1] << 17;
    state_[2] ^= state_[0];
    state_[3] ^= state_[1];
    state_[1] ^= state_[2];
    state_[0] ^= state_[3];
    state_[2] ^= t;
    state_[3] = rotl(state_[3], 45);
    return result;
  }

  std::array<uint64_t, 4> state_ = {0x9E3779B97F4A7C15ULL, 0xBF58476D1CE4E5B9ULL,
                                    0x94D049BB133111EBULL, 1};
};
