#include <gtest/gtest.h>

#include <QImage>
#include <functional>
#include <vector>

#include "platform/qt/qtsurface.h"
#include "qtapp.h"
#include "render/raster.h"

namespace {

constexpr int width = 160;
constexpr int height = 120;

// One drawing operation, given to a surface.
using operation = std::function<void(surface&)>;

// Paints the operation once with Qt's painter and once written straight into the pixels; true
// when both pictures agree and nothing had to be handed on.
::testing::AssertionResult samepixels(const operation& op) {
  static qtsurface painter;
  static qtsurface direct;
  painter.setsize(width, height);
  painter.clearsurface();
  op(painter);
  direct.setsize(width, height);
  direct.clearsurface();
  rastersurface written(direct.pixels(), nullptr);
  op(written);
  if (written.refused() != 0) return ::testing::AssertionFailure() << "refused";
  if (painter.image() != direct.image()) return ::testing::AssertionFailure() << "pixels differ";
  return ::testing::AssertionSuccess();
}

// Ends of lines of every promised kind, inside the picture and across each of its sides.
struct ends {
  int x1, y1, x2, y2;
};
std::vector<ends> promisedlines() {
  std::vector<ends> lines;
  const std::vector<std::pair<int, int>> starts = {{3, 100},  {80, 60},  {-40, 70}, {60, 150},
                                                   {150, 20}, {40, -10}, {-5, 125}};
  for (const auto& [x, y] : starts) {
    for (int n = 0; n <= 130; ++n) {
      lines.push_back({x, y, x + n, y});          // horizontal
      lines.push_back({x, y, x, y - n});          // vertical
      lines.push_back({x, y, x + n, y - n});      // rising 45 degrees
      lines.push_back({x, y, x + n, y + n});      // falling 45 degrees
      if (n >= 128) continue;                     // nearly 45 degrees: up to 128 across
      lines.push_back({x, y, x + n, y - n - 1});  // rising, one step steeper
      lines.push_back({x, y, x + n + 1, y - n});  // rising, one step flatter
    }
  }
  // From far outside across the picture.
  lines.push_back({-20000, 20130, 100, 30});
  lines.push_back({30, 20000, 30, -20000});
  lines.push_back({-30000, 60, 30000, 60});
  return lines;
}

TEST(QtSurface, LinesWrittenDirectlyMatchQtsPainter) {
  // The fast picture is only exact if every line it writes itself has the painter's very pixels,
  // drawn either way round, inside the picture or cut by its sides.
  qtapp();
  for (const ends& e : promisedlines()) {
    EXPECT_TRUE(samepixels([&](surface& s) { s.drawline(e.x1, e.y1, e.x2, e.y2, 0x12ab34); }))
        << e.x1 << "," << e.y1 << " to " << e.x2 << "," << e.y2;
    EXPECT_TRUE(samepixels([&](surface& s) { s.drawline(e.x2, e.y2, e.x1, e.y1, 0x12ab34); }))
        << e.x2 << "," << e.y2 << " to " << e.x1 << "," << e.y1;
  }
}

TEST(QtSurface, BoxesMatchQtsPainterWhicheverWayRound) {
  // Boxes given back to front, with halves to round and partly outside the picture keep both
  // corners, as the painter's outline and the direct writes must agree on.
  qtapp();
  const std::vector<std::vector<float>> boxes = {{10, 10, 24, 24},      {24, 24, 10, 10},
                                                 {10.5, 9.5, 3.5, 2.5}, {-5, 100, 30, 130},
                                                 {150, -3, 170, 8},     {7, 7, 7, 7}};
  for (const auto& b : boxes) {
    EXPECT_TRUE(samepixels([&](surface& s) { s.fillbox(b[0], b[1], b[2], b[3], 0x00ff00); }));
    EXPECT_TRUE(samepixels([&](surface& s) { s.drawbox(b[0], b[1], b[2], b[3], 0x0000ff); }));
  }
}

}  // namespace
