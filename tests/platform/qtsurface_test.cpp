#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <vector>

#include "platform/qt/qtsurface.h"
#include "qtapp.h"
#include "render/raster.h"

namespace {

// Paints the operation with Qt's painter and written straight into the pixels: both pictures must
// agree, and nothing may be handed on.
bool samepixels(const std::function<void(surface&)>& op) {
  static qtsurface painter, direct;
  for (qtsurface* s : {&painter, &direct}) {
    s->setsize(160, 120);
    s->clearsurface();
  }
  op(painter);
  rastersurface written(direct.pixels(), nullptr);
  op(written);
  return written.refused() == 0 && painter.image() == direct.image();
}

TEST(QtSurface, LinesAndBoxesWrittenDirectlyMatchQtsPainter) {
  // The fast picture is only exact if every line it writes itself has the painter's very pixels,
  // drawn either way round, inside the picture, cut by its sides or from far outside: horizontal,
  // vertical, at 45 degrees and, up to 128 across, rising one step steeper or flatter. Boxes given
  // back to front, with halves to round and partly outside the picture keep both corners.
  qtapp();
  std::vector<std::array<int, 4>> lines = {
      {-20000, 20130, 100, 30}, {30, 20000, 30, -20000}, {-30000, 60, 30000, 60}};
  for (auto [x, y] :
       {std::pair{3, 100}, {80, 60}, {-40, 70}, {60, 150}, {150, 20}, {40, -10}, {-5, 125}}) {
    for (int n = 0; n <= 130; ++n) {
      lines.insert(lines.end(), {{x, y, x + n, y}, {x, y, x, y - n}, {x, y, x + n, y - n}});
      lines.insert(lines.end(), {{x, y, x + n, y + n}});
      if (n < 128) lines.insert(lines.end(), {{x, y, x + n, y - n - 1}, {x, y, x + n + 1, y - n}});
    }
  }
  for (auto [x1, y1, x2, y2] : lines) {
    for (auto [a, b, c, d] : {std::array{x1, y1, x2, y2}, std::array{x2, y2, x1, y1}}) {
      EXPECT_TRUE(samepixels([&](surface& s) { s.drawline(a, b, c, d, 0x12ab34); }))
          << a << "," << b << " to " << c << "," << d;
    }
  }
  const std::array<float, 4> boxes[] = {{10, 10, 24, 24},      {24, 24, 10, 10},
                                        {10.5, 9.5, 3.5, 2.5}, {-5, 100, 30, 130},
                                        {150, -3, 170, 8},     {7, 7, 7, 7}};
  for (auto [x1, y1, x2, y2] : boxes) {
    EXPECT_TRUE(samepixels([&](surface& s) { s.fillbox(x1, y1, x2, y2, 0x00ff00); }));
    EXPECT_TRUE(samepixels([&](surface& s) { s.drawbox(x1, y1, x2, y2, 0x0000ff); }));
  }
}

}  // namespace
