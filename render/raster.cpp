// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/raster.h"

#include <algorithm>
#include <cstddef>
#include <cstdlib>

namespace {

// The longest line one pixel off 45 degrees that is written here.
constexpr int longestnearly = 128;

bool withinreach(int a, int b, int c, int d) {
  constexpr int reach = rastersurface::reach;
  return std::abs(a) <= reach && std::abs(b) <= reach && std::abs(c) <= reach &&
         std::abs(d) <= reach;
}

}  // namespace

void rastersurface::clearsurface() {
  // The surface behind clears its own state with the picture (such as where text goes next).
  if (behind_ != nullptr) {
    behind_->clearsurface();
    return;
  }
  for (int y = 0; y < picture_.height; ++y) run(y, 0, picture_.width - 1, pixelvalue(0));
}

template <typename Write, typename Handon>
void rastersurface::either(float x1, float y1, float x2, float y2, Write write, Handon handon) {
  const int a = topixel(x1);
  const int b = topixel(y1);
  const int c = topixel(x2);
  const int d = topixel(y2);
  if (withinreach(a, b, c, d) && write(a, b, c, d)) return;
  if (behind_ != nullptr) {
    handon(*behind_);
  } else {
    ++refused_;
  }
}

void rastersurface::drawline(float x1, float y1, float x2, float y2, int32_t color) {
  either(
      x1, y1, x2, y2,
      [&](int a, int b, int c, int d) { return line(a, b, c, d, pixelvalue(color)); },
      [&](surface& s) { s.drawline(x1, y1, x2, y2, color); });
}

void rastersurface::drawbox(float x1, float y1, float x2, float y2, int32_t color) {
  either(
      x1, y1, x2, y2,
      [&](int a, int b, int c, int d) {
        const uint32_t value = pixelvalue(color);
        return line(a, b, c, b, value) && line(c, b, c, d, value) && line(c, d, a, d, value) &&
               line(a, d, a, b, value);
      },
      [&](surface& s) { s.drawbox(x1, y1, x2, y2, color); });
}

void rastersurface::fillbox(float x1, float y1, float x2, float y2, int32_t color) {
  either(
      x1, y1, x2, y2,
      [&](int a, int b, int c, int d) {
        const uint32_t value = pixelvalue(color);
        const int top = std::max(std::min(b, d), 0);
        const int bottom = std::min(std::max(b, d), picture_.height - 1);
        for (int y = top; y <= bottom; ++y) run(y, std::min(a, c), std::max(a, c), value);
        return true;
      },
      [&](surface& s) { s.fillbox(x1, y1, x2, y2, color); });
}

void rastersurface::printtext(const std::string& text) {
  if (behind_ != nullptr) {
    behind_->printtext(text);
  } else {
    ++refused_;
  }
}

void rastersurface::run(int y, int x1, int x2, uint32_t value) {
  if (y < 0 || y >= picture_.height) return;
  x1 = std::max(x1, 0);
  x2 = std::min(x2, picture_.width - 1);
  if (x1 > x2) return;
  std::fill_n(picture_.first + static_cast<std::ptrdiff_t>(y) * picture_.stride + x1, x2 - x1 + 1,
              value);
}

bool rastersurface::line(int x1, int y1, int x2, int y2, uint32_t value) {
  if (y1 == y2) {
    run(y1, std::min(x1, x2), std::max(x1, x2), value);
  } else if (x1 == x2) {
    column(x1, std::min(y1, y2), std::max(y1, y2), value);
  } else if (std::abs(x2 - x1) == std::abs(y2 - y1)) {
    diagonal(x1, y1, x2, y2, value);
  } else if (!nearlydiagonal(x1, y1, x2, y2, value)) {
    return false;
  }
  return true;
}

bool rastersurface::nearlydiagonal(int x1, int y1, int x2, int y2, uint32_t value) {
  // Rising to the right, from the lower end (x1, y1) to the upper end (x2, y2).
  if (y1 < y2) {
    std::swap(x1, x2);
    std::swap(y1, y2);
  }
  const int across = x2 - x1;
  const int up = y1 - y2;
  if (across <= 0 || up <= 0 || std::max(across, up) > longestnearly) return false;
  if (up == across + 1) {
    // Steeper: the odd step is the lowest pixel.
    run(y1, x1, x1, value);
    diagonal(x1, y1 - 1, x2, y2, value);
  } else if (across == up + 1) {
    // Flatter: the odd step is the rightmost pixel.
    diagonal(x1, y1, x2 - 1, y2, value);
    run(y2, x2, x2, value);
  } else {
    return false;
  }
  return true;
}

void rastersurface::column(int x, int y1, int y2, uint32_t value) {
  if (x < 0 || x >= picture_.width) return;
  y1 = std::max(y1, 0);
  y2 = std::min(y2, picture_.height - 1);
  uint32_t* p = picture_.first + static_cast<std::ptrdiff_t>(y1) * picture_.stride + x;
  for (int y = y1; y <= y2; ++y, p += picture_.stride) *p = value;
}

void rastersurface::diagonal(int x1, int y1, int x2, int y2, uint32_t value) {
  // Downward from the upper end: pixel k is (x1 + step * k, y1 + k).
  if (y1 > y2) {
    std::swap(x1, x2);
    std::swap(y1, y2);
  }
  const int step = x2 > x1 ? 1 : -1;
  int first = std::max(0, -y1);
  int last = std::min(y2 - y1, picture_.height - 1 - y1);
  if (step > 0) {
    first = std::max(first, -x1);
    last = std::min(last, picture_.width - 1 - x1);
  } else {
    first = std::max(first, x1 - (picture_.width - 1));
    last = std::min(last, x1);
  }
  if (first > last) return;
  uint32_t* p = picture_.first + static_cast<std::ptrdiff_t>(y1 + first) * picture_.stride + x1 +
                static_cast<std::ptrdiff_t>(step) * first;
  const std::ptrdiff_t advance = picture_.stride + step;
  for (int k = first; k <= last; ++k, p += advance) *p = value;
}
