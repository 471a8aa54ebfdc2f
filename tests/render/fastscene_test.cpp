// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <new>
#include <vector>

#include "render/drawscene.h"
#include "render/raster.h"
#include "tests/render/scenes.h"

// Every allocation of this test program is counted.
namespace {
int allocations = 0;
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

TEST(DrawSceneFast, RedrawAllocatesNothingOnceTheSizesAreKnown) {
  // The step allocates nothing: once a side and a top view were drawn at these cell sizes, every
  // view redraws a changed scene without a single allocation.
  std::vector<uint32_t> pixels(size_t{500} * 554);
  rastersurface picture({pixels.data(), 500, 554, 500}, nullptr);
  auto g = std::make_unique<gamestate>();
  scenes::fillrows(*g, 10, 30, 12);
  scenes::fallingt(*g, 0x3399ff);
  std::tie(g->squarewidth, g->squareheight) = std::pair(6.3, 2.7);
  const int before = allocations;
  for (const int view : {1, 5}) {
    g->view = view;
    drawscene(*g, picture);
  }
  EXPECT_GT(allocations, before);  // the count works
  const int first = allocations;
  for (int view = 1; view <= 8; ++view) {
    g->view = view;
    g->piecey = view;
    g->well.at(view, 30, 1) = 0;
    drawscene(*g, picture);
  }
  EXPECT_EQ(allocations, first);
}

}  // namespace
