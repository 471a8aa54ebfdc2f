// SPDX-License-Identifier: GPL-3.0-or-later
// What recording costs the game, how large a replay grows, and how long checking one takes.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <tuple>

#include "app/game.h"
#include "app/replayer.h"
#include "persist/gamefile.h"
#include "persist/replayfile.h"
#include "platform/headless/headlesswindow.h"
#include "platform/keys.h"
#include "ui/menubar.h"

namespace {

// An empty folder of its own, the working directory while it lives: the game keeps its files there.
struct scratchfolder {
  scratchfolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kubrix-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) std::filesystem::current_path(folder = pattern);
  }
  ~scratchfolder() {
    waitforkeeping();
    std::filesystem::current_path(home);
    std::filesystem::remove_all(folder);
  }
  std::filesystem::path home = std::filesystem::current_path();
  std::filesystem::path folder;
};

// A game on the headless window in a classic game in the largest well, started with a fixed seed.
struct headlessgame {
  headlessgame() : kubrix(*g, w) {
    w.recording = false;
    showdesignmarks(w, menubar());
    w.connect(kubrix);
    w.activate();
    w.click(menuitem::classic);
    w.type(control::Text1, "40");
    w.type(control::Text2, "40");
    w.click(menuitem::newgame);
  }
  scratchfolder folder;
  std::unique_ptr<gamestate> g = std::make_unique<gamestate>();
  headlesswindow w;
  game kubrix;
};

// An hour of a busy player: every second gravity's tick, a move or a turn, and every other second
// a drop, the moments a third of a second apart. The largest well lasts the hour.
recording hourlonggame() {
  static const recording made = [] {
    headlessgame h;
    constexpr int moves[] = {keys::left, keys::right, keys::up, keys::down, 'H', 'U', 'I', 'J'};
    for (int second = 0; second < 3600 && h.g->gameover == 0; ++second) {
      h.w.millis += 333;
      h.w.tick();
      h.w.millis += 333;
      h.w.key(moves[(second * 7 + second / 5) % 8]);
      h.w.millis += 334;
      if (second % 2 == 0) h.w.key(keys::enter);
    }
    recording r = h.g->record;
    std::tie(r.state, r.finalscore, r.finalcheck) =
        std::tuple(recording::over, h.g->score, gamecheck(*h.g, h.w));
    return r;
  }();
  return made;
}

// Reading an hour-long replay and playing it again, as --verify does.
void VerifyHourLongGame(benchmark::State& state) {
  const std::string text = replaytext(hourlonggame());
  bool agrees = false;
  for (auto _ : state) {
    const auto read = readreplay(text);
    replayer again(*read);
    again.finish();
    agrees = again.agrees();
  }
  const recording r = *readreplay(text);
  const double minutes = static_cast<double>(r.events.back().moment) / 60'000;
  state.counters["events"] = static_cast<double>(r.events.size());
  state.counters["minutes"] = minutes;
  state.counters["replay_kib"] = static_cast<double>(text.size()) / 1024;
  state.counters["kib_per_minute"] = static_cast<double>(text.size()) / 1024 / minutes;
  state.counters["score"] = static_cast<double>(r.finalscore);
  state.counters["agrees"] = agrees;
}
BENCHMARK(VerifyHourLongGame)->Unit(benchmark::kMillisecond)->Iterations(3);

// A key the game has no use for, with the game recording or not: the difference is what noting
// one event costs the game's thread.
void KeyThatDoesNothing(benchmark::State& state) {
  headlessgame h;
  if (state.range(0) == 0) h.g->record = {};
  for (auto _ : state) {
    ++h.w.millis;
    h.w.key('Q');
  }
  state.counters["recorded"] = static_cast<double>(h.g->record.events.size());
}
BENCHMARK(KeyThatDoesNothing)->Arg(0)->Arg(1)->Iterations(1'000'000)->Unit(benchmark::kNanosecond);

}  // namespace

BENCHMARK_MAIN();
