// SPDX-License-Identifier: GPL-3.0-or-later
// The main loop's cost: what the game takes from the machine while it waits, and the heaviest
// landing there is.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <tuple>

#include "app/game.h"
#include "loop/landing.h"
#include "persist/gamefile.h"
#include "platform/headless/headlesswindow.h"
#include "platform/keys.h"
#include "platform/qt/qtwindow.h"
#include "ui/menubar.h"

namespace {

double cpuseconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The real window on the offscreen platform, paused with P, left alone for ten seconds.
void PausedWindowCpu(benchmark::State& state) {
  qputenv("QT_QPA_PLATFORM",
          qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  static int argc = 1;
  static char name[] = "loop_bench";
  static char* argv[] = {name, nullptr};
  QApplication application(argc, argv);
  for (auto _ : state) {
    auto g = std::make_unique<gamestate>();
    qtwindow mainwindow(menubar(), panelcontrols());
    game kubrix(*g, mainwindow);
    mainwindow.connect(kubrix);
    mainwindow.show();
    QTimer::singleShot(500, [&] { kubrix.Form_KeyDown(keys::letter('P')); });
    QTimer::singleShot(1000, &application, &QApplication::quit);
    QApplication::exec();  // start-up, first frame, pause
    const double before = cpuseconds();
    QTimer::singleShot(10000, &application, &QApplication::quit);
    QApplication::exec();
    const double used = cpuseconds() - before;
    state.SetIterationTime(10.0);
    state.counters["cpu_ms_in_10s"] = used * 1000;
    state.counters["cpu_percent_of_core"] = used / 10.0 * 100;
    state.counters["paused"] = g->paused;
  }
}
BENCHMARK(PausedWindowCpu)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

// One landing in a 40 x 40 x 40 well whose 40 layers are all full: fix the piece, remove every
// layer, score.
void LandingFullWell(benchmark::State& state) {
  auto g = std::make_unique<gamestate>();
  headlesswindow w;
  g->wellwidth = g->wellheight = g->welldepth = 40;
  for (auto _ : state) {
    state.PauseTiming();
    for (int y = 1; y <= 40; ++y) {
      for (int z = 1; z <= 40; ++z) {
        for (int x = 1; x <= 40; ++x) g->well.at(x, y, z) = 0x112233;
      }
    }
    g->well.at(1, 40, 1) = 0;  // the piece fills the last gap
    g->piece.at(1, 1, 1) = 0x445566;
    g->piecesizex = 0;
    g->piecesizey = g->piecesizez = 1;
    g->piecex = 1;
    g->piecey = 39;
    g->piecez = 0;
    state.ResumeTiming();
    landing(*g, w);
    benchmark::DoNotOptimize(g->score);
  }
  state.counters["layers_left"] = [&] {
    int cubes = 0;
    for (int32_t cell : g->well.cell) cubes += cell != 0;
    return cubes;
  }();
}
BENCHMARK(LandingFullWell)->Unit(benchmark::kMillisecond);

// The heaviest keeping there is, as the game's thread pays for it: a landing in a 40 x 40 x 40 well
// whose every layer lacks one cube, the piece filling the top layer's gap, and the game with its
// 62,361 cubes left handed to the background for its file. The background's own time, writing the
// text and the file to the disk, is the counter write_ms.
void LandingAndKeepFullWell(benchmark::State& state) {
  std::string folder = (std::filesystem::temp_directory_path() / "kubrix-bench-XXXXXX").string();
  if (mkdtemp(folder.data()) == nullptr) return state.SkipWithError("no folder for the file");
  const std::filesystem::path home = std::filesystem::current_path();
  std::filesystem::current_path(folder);
  auto g = std::make_unique<gamestate>();
  headlesswindow w;
  g->wellwidth = g->wellheight = g->welldepth = 40;
  double written = 0;
  for (auto _ : state) {
    state.PauseTiming();
    for (int y = 1; y <= 40; ++y) {
      for (int z = 1; z <= 40; ++z) {
        for (int x = 1; x <= 40; ++x) g->well.at(x, y, z) = 0x112233;
      }
      g->well.at(1 + y % 40, y, 1 + y / 2) = 0;
    }
    g->piece.at(1, 1, 1) = 0x445566;
    std::tie(g->piecesizex, g->piecesizey, g->piecesizez) = std::tuple(0, 1, 1);
    std::tie(g->piecex, g->piecey, g->piecez) = std::tuple(1, 39, 20);
    state.ResumeTiming();
    landing(*g, w);
    keepinbackground(*g, w);
    state.PauseTiming();
    const auto start = std::chrono::steady_clock::now();
    if (waitforkeeping() != 0) state.SkipWithError("the game could not be kept");
    written +=
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    state.ResumeTiming();
  }
  state.counters["cubes_kept"] = static_cast<double>(
      std::count_if(g->well.cell.begin(), g->well.cell.end(), [](int32_t c) { return c != 0; }));
  state.counters["write_ms"] = written / static_cast<double>(state.iterations());
  std::filesystem::current_path(home);
  std::filesystem::remove_all(folder);
}
BENCHMARK(LandingAndKeepFullWell)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
