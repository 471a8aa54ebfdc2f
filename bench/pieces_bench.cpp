// SPDX-License-Identifier: GPL-3.0-or-later
// Generation plus spawn of one piece, for each kind of game, in a 40 x 40 x 40 well (the largest
// New Game allows). Prints the mean per piece and, as "worst_us", the slowest piece of the run;
// the target is under 1 ms each. Build with -DCMAKE_BUILD_TYPE=Release for the figures.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <random>

#include "model/colors.h"
#include "model/generate.h"
#include "model/piecebox.h"
#include "model/spawn.h"

namespace {

constexpr int side = 40;

// A relief of up to three cubes per column with holes in the floor, as after some play.
void layrelief(gamestate& g) {
  std::mt19937 random(7);
  for (int z = 1; z <= side; ++z) {
    for (int x = 1; x <= side; ++x) {
      const int cubes = static_cast<int>(random() % 4);
      for (int y = side - 3; y <= side; ++y) g.well.at(x, y, z) = side - y < cubes ? 6 : 0;
    }
  }
}

// Arguments: game type, 1 to lay a relief, maxsquares.
void generateandspawn(benchmark::State& state) {
  auto g = std::make_unique<gamestate>();
  g->gametype = static_cast<int>(state.range(0));
  g->wellwidth = g->wellheight = g->welldepth = side;
  g->difficulty = 2;
  g->maxlayers = 3;
  g->maxsquares = static_cast<int>(state.range(2));
  if (state.range(1) == 1) layrelief(*g);
  double worst = 0;
  uint64_t seed = 0;
  for (auto _ : state) {
    // Each seed's piece is made three times and its fastest run counts, so that the worst case
    // is the slowest piece rather than the moment another process took the processor.
    ++seed;
    double fastest = 1;
    for (int run = 0; run < 3; ++run) {
      g->rng.seed(seed);
      const auto start = std::chrono::steady_clock::now();
      colorrule(*g);
      generatepiece(*g);
      spawnpiece(*g);
      const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
      fastest = std::min(fastest, took.count());
      forbox(*g, [&](int x, int y, int z) { g->piece.at(x, y, z) = 0; });
    }
    state.SetIterationTime(fastest);
    worst = std::max(worst, fastest);
  }
  state.counters["worst_us"] = worst * 1e6;
}

// Regular and hole-in-one stacked three high, hard, easy, all sizes at the default 20 cubes and
// at New Game's cap for this well (half of 37 x 37 x 37 cells).
BENCHMARK(generateandspawn)
    ->ArgNames({"gametype", "relief", "maxsquares"})
    ->Args({0, 0, 20})
    ->Args({0, 1, 20})
    ->Args({-7, 1, 20})
    ->Args({-1, 0, 20})
    ->Args({-1, 1, 20})
    ->Args({-2, 0, 20})
    ->Args({1, 0, 20})
    ->Args({1, 0, 25326})
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
