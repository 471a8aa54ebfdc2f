// One full redraw (clear, grid, cubes) on a 1000 x 1000 picture, in the four cases the game must
// draw quickly, side view (1) and top view (5). Each run reports the median of its repetitions and
// "differing_pixels", the pixels that differ from the reference drawn operation by operation with
// Qt's painter (which the "literal" runs time). Targets: A under 1 ms, B under 3 ms, C under 2 ms,
// D under 0.5 ms, and 0 differing pixels everywhere. E, without a target, shows cell sizes that
// are not whole numbers, where no cube is skipped. Build with -DCMAKE_BUILD_TYPE=Release.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/qt/qtsurface.h"
#include "render/drawscene.h"
#include "render/literal.h"
#include "tests/render/scenes.h"

namespace {

constexpr int side = 1000;

// Case A: full 10 x 30 x 10 well, 14 x 5. B: full 40 x 40 x 40, 6 x 3. C: the same with its 10
// lowest rows full. D: empty 10 x 30 x 10 well with a falling piece of 4 cubes, 14 x 5. E: A at
// 14.5 x 2.5 (a depth of 5 typed into the panel).
std::unique_ptr<gamestate> scene(int which, int view) {
  auto g = std::make_unique<gamestate>();
  g->view = view;
  switch (which) {
    case 'A':
    case 'E':
      scenes::fillrows(*g, 10, 30, 30);
      break;
    case 'B':
      scenes::fillrows(*g, 40, 40, 40);
      break;
    case 'C':
      scenes::fillrows(*g, 40, 40, 10);
      break;
    default:
      scenes::fillrows(*g, 10, 30, 0);
      scenes::fallingt(*g, 0x3399ff);
      break;
  }
  if (which == 'B' || which == 'C') {
    g->squarewidth = 6;
    g->squareheight = 3;
  }
  if (which == 'E') {
    g->squarewidth = 14.5;
    g->squareheight = 2.5;
  }
  return g;
}

int differingpixels(const gamestate& g) {
  qtsurface reference;
  reference.setsize(side, side);
  drawsceneliteral(g, reference);
  qtsurface game;
  game.setsize(side, side);
  drawscene(g, game);
  int count = 0;
  for (int y = 0; y < side; ++y) {
    const auto* p = reinterpret_cast<const uint32_t*>(reference.image().constScanLine(y));
    const auto* q = reinterpret_cast<const uint32_t*>(game.image().constScanLine(y));
    for (int x = 0; x < side; ++x) count += p[x] != q[x];
  }
  return count;
}

// A full redraw of the game's picture; the pixels differing from the reference are counted once.
void redraw(benchmark::State& state, int which, int view) {
  const auto g = scene(which, view);
  qtsurface picture;
  picture.setsize(side, side);
  for (auto _ : state) drawscene(*g, picture);
  static std::map<std::pair<int, int>, int> counted;
  const auto [found, fresh] = counted.try_emplace({which, view}, 0);
  if (fresh) found->second = differingpixels(*g);
  state.counters["differing_pixels"] = found->second;
}

// The reference: every operation through Qt's painter.
void literal(benchmark::State& state, int which, int view) {
  const auto g = scene(which, view);
  qtsurface picture;
  picture.setsize(side, side);
  for (auto _ : state) drawsceneliteral(*g, picture);
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  for (const bool reference : {false, true}) {
    for (const auto& [view, name] : {std::pair(1, "side"), std::pair(5, "top")}) {
      for (const int which : {'A', 'B', 'C', 'D', 'E'}) {
        const std::string label =
            std::string(reference ? "literal/" : "redraw/") + static_cast<char>(which) + "/" + name;
        auto* run =
            benchmark::RegisterBenchmark(label.c_str(), reference ? literal : redraw, which, view);
        run->Unit(benchmark::kMillisecond);
        if (reference) {
          run->Iterations(3);
        } else {
          run->Repetitions(15)->ReportAggregatesOnly(true)->ComputeStatistics(
              "max",
              [](const std::vector<double>& v) { return *std::max_element(v.begin(), v.end()); });
        }
      }
    }
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
