// SPDX-License-Identifier: GPL-3.0-or-later
// One full redraw (clear, grid, cubes) on a 1000 x 1000 picture, in the cases the game must draw
// quickly, side view (1) and top view (5). Each run reports the median of its repetitions and
// "differing_pixels", the pixels that differ from the reference drawn operation by operation with
// Qt's painter (which the "literal" runs time). Targets: A under 1 ms, B under 3 ms, C under 2 ms,
// D under 0.5 ms, E and H under 1 ms, F, G and I under 3 ms and no more than three times B, and 0
// differing pixels everywhere; "allocations", made by the timed redraws after a first one at the
// picture's size, must be 0. Build with -DCMAKE_BUILD_TYPE=Release.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>
#include <new>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/qt/qtsurface.h"
#include "render/drawscene.h"
#include "render/literal.h"

// Every allocation of the process is counted: a redraw must not make any.
namespace {
long allocations = 0;
}  // namespace

void* operator new(std::size_t size) {
  ++allocations;
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}

namespace {

constexpr int side = 1000;

// The cases: a well (width and depth, height), its lowest `full` rows filled, the cell sizes, and
// whether a T of four cubes falls at the top. A: the default well full. B: full 40 x 40 x 40.
// C: the same with its 10 lowest rows full. D: the default well empty with a falling piece. E: A
// at 14.5 x 2.5 (a depth of 5 typed into the panel). F, G, I: B at cell sizes that are not
// both whole numbers. H: A at 14 x 5.5.
struct scenecase {
  int wellwidth, wellheight, full;
  double squarewidth, squareheight;
  bool falling;
};
constexpr std::pair<char, scenecase> cases[] = {
    {'A', {10, 30, 30, 14, 5, false}},     {'B', {40, 40, 40, 6, 3, false}},
    {'C', {40, 40, 10, 6, 3, false}},      {'D', {10, 30, 0, 14, 5, true}},
    {'E', {10, 30, 30, 14.5, 2.5, false}}, {'F', {40, 40, 40, 6.5, 3.5, false}},
    {'G', {40, 40, 40, 7, 3.5, false}},    {'H', {10, 30, 30, 14, 5.5, false}},
    {'I', {40, 40, 40, 6.3, 2.7, false}},
};

std::unique_ptr<gamestate> scene(const scenecase& c, int view) {
  auto g = std::make_unique<gamestate>();
  g->view = view;
  std::tie(g->wellwidth, g->wellheight, g->welldepth) =
      std::tuple{c.wellwidth, c.wellheight, c.wellwidth};
  for (int y = c.wellheight - c.full + 1; y <= c.wellheight; ++y) {
    for (int z = 1; z <= c.wellwidth; ++z) {
      for (int x = 1; x <= c.wellwidth; ++x) g->well.at(x, y, z) = 1 + (x * 977 + y * 131 + z * 37);
    }
  }
  if (c.falling) {
    // A T of four cubes at the top of the well.
    std::tie(g->piecesizex, g->piecesizey, g->piecesizez, g->piecex, g->piecey, g->piecez) =
        std::tuple{2, 2, 1, 2, 0, 2};
    g->piece.at(1, 1, 1) = g->piece.at(2, 1, 1) = g->piece.at(3, 1, 1) = g->piece.at(2, 2, 1) =
        0x3399ff;
  }
  g->squarewidth = c.squarewidth;
  g->squareheight = c.squareheight;
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
void redraw(benchmark::State& state, char which, const scenecase& c, int view) {
  const auto g = scene(c, view);
  qtsurface picture;
  picture.setsize(side, side);
  drawscene(*g, picture);
  const long before = allocations;
  for (auto _ : state) drawscene(*g, picture);
  state.counters["allocations"] = static_cast<double>(allocations - before);
  static std::map<std::pair<int, int>, int> counted;
  const auto [found, fresh] = counted.try_emplace({which, view}, 0);
  if (fresh) found->second = differingpixels(*g);
  state.counters["differing_pixels"] = found->second;
}

// The reference: every operation through Qt's painter.
void literal(benchmark::State& state, const scenecase& c, int view) {
  const auto g = scene(c, view);
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
      for (const auto& [which, c] : cases) {
        const std::string label =
            std::string(reference ? "literal/" : "redraw/") + which + "/" + name;
        auto* run = reference ? benchmark::RegisterBenchmark(label.c_str(), literal, c, view)
                              : benchmark::RegisterBenchmark(label.c_str(), redraw, which, c, view);
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
