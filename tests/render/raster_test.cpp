#include "render/raster.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/headless/headlesswindow.h"

namespace {

TEST(RasterSurface, HandsOnEveryLineItCannotWriteExactly) {
  // Lines the picture's surface draws its own way must reach that surface unchanged, real
  // coordinates and all, or the fast picture would differ from the reference.
  struct example {
    float x1, y1, x2, y2;
    bool written;
  };
  const example examples[] = {
      {2, 3, 30, 3, true},             // horizontal
      {5.4f, 2, 5.4f, 25, true},       // vertical, rounding to one column
      {2, 25, 20, 7, true},            // 45 degrees
      {2, 25, 20, 8, true},            // rising, one step steeper
      {2, 25, 21, 7, true},            // rising, one step flatter
      {2, 2, 12, 13, false},           // falling, nearly 45 degrees
      {2, 2, 6, 20, false},            // steep
      {2, 140, 132, 11, false},        // nearly 45 degrees but longer than written directly
      {-40000, 40010, 10, 20, false},  // from beyond the reach of direct writes
  };
  std::vector<uint32_t> pixels(40 * 30, pixelvalue(0));
  headlesswindow behind;
  rastersurface direct({pixels.data(), 40, 30, 40}, &behind);
  rastersurface alone({pixels.data(), 40, 30, 40}, nullptr);
  std::vector<drawcall> handed;
  for (const example& e : examples) {
    direct.drawline(e.x1, e.y1, e.x2, e.y2, 0x123456);
    alone.drawline(e.x1, e.y1, e.x2, e.y2, 0x123456);
    if (!e.written) handed.push_back({drawcall::line, e.x1, e.y1, e.x2, e.y2, 0x123456, {}});
  }
  EXPECT_EQ(behind.calls, handed);
  EXPECT_EQ(alone.refused(), static_cast<int>(handed.size()));
}

TEST(RasterSurface, ClearingGoesThroughTheSurfaceBehind) {
  // The surface behind clears its own state with the picture: text printed after a redraw starts
  // again at the top.
  std::vector<uint32_t> pixels(4, pixelvalue(0x00ff00));
  headlesswindow behind;
  rastersurface direct({pixels.data(), 2, 2, 2}, &behind);
  direct.clearsurface();
  ASSERT_EQ(behind.calls.size(), 1u);
  EXPECT_EQ(behind.calls.front().what, drawcall::clear);
  rastersurface alone({pixels.data(), 2, 2, 2}, nullptr);
  alone.clearsurface();
  EXPECT_EQ(pixels, std::vector<uint32_t>(4, pixelvalue(0)));
}

}  // namespace
