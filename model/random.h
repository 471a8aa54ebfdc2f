#pragma once

#include <cstdint>
#include <random>

// The game's one random generator: uniform reals in [0, 1). Seeded once from the clock at start-up;
// tests seed it themselves so that every run is reproducible.
class randomsource {
 public:
  void seed(uint64_t value) { engine_.seed(value); }

  // A fresh uniform real in [0, 1); never 1, whatever the engine yields.
  double next() { return static_cast<double>(engine_() >> 11) * 0x1.0p-53; }

  // R(n): the whole part of n times a fresh random number. 1 + R(n) is 1..n with equal chances.
  int R(double n) { return static_cast<int>(n * next()); }

 private:
  std::mt19937_64 engine_{0};
};
