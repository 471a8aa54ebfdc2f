#include "render/cubeshape.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>

#include "model/colors.h"
#include "render/literal.h"

namespace {

// The pattern is drawn in this colour, so that it stands apart from the edges and the background.
constexpr int32_t patterncolor = rgb(255, 0, 0);

// A small picture to draw one cube into, with room on every side.
struct canvas {
  canvas(int w, int h)
      : width(w + h + 8), height(w + h + 8), pixels(static_cast<size_t>(width) * height) {}
  // Where the cube's corner goes: its receding faces reach h + 1 up and w + h + 1 right of it.
  int cornerx() const { return 3; }
  int cornery(int h) const { return h + 4; }
  void clear() { std::fill(pixels.begin(), pixels.end(), pixelvalue(0)); }
  rastersurface surface() { return rastersurface({pixels.data(), width, height, width}, nullptr); }
  uint32_t at(int x, int y) const { return pixels[y * width + x]; }
  bool edgefree() const {
    for (int x = 0; x < width; ++x) {
      if (at(x, 0) != pixelvalue(0) || at(x, height - 1) != pixelvalue(0)) return false;
    }
    for (int y = 0; y < height; ++y) {
      if (at(0, y) != pixelvalue(0) || at(width - 1, y) != pixelvalue(0)) return false;
    }
    return true;
  }

  int width;
  int height;
  std::vector<uint32_t> pixels;
};

}  // namespace

bool cubeshape::make(double w, double h) {
  const bool whole = w == std::floor(w) && h == std::floor(h);
  if (!whole || w < 0 || h < 0 || w > largest || h > largest) return false;
  const int iw = static_cast<int>(w);
  const int ih = static_cast<int>(h);
  canvas c(iw, ih);
  const point corner{static_cast<double>(c.cornerx()), static_cast<double>(c.cornery(ih))};
  // Each part is drawn alone and read back as runs of one colour.
  auto readback = [&](std::vector<run>& runs) {
    runs.clear();
    for (int y = 0; y < c.height; ++y) {
      for (int x = 0; x < c.width;) {
        const uint32_t value = c.at(x, y);
        int end = x;
        while (end + 1 < c.width && c.at(end + 1, y) == value) ++end;
        if (value != pixelvalue(0)) {
          runs.push_back({y - c.cornery(ih), x - c.cornerx(), end - c.cornerx(),
                          value != pixelvalue(patterncolor)});
        }
        x = end + 1;
      }
    }
  };
  int refused = 0;
  bool inside = true;
  auto draw = [&](auto&& parts, std::vector<run>& runs) {
    c.clear();
    rastersurface s = c.surface();
    parts(s);
    refused += s.refused();
    inside = inside && c.edgefree();
    readback(runs);
  };
  draw([&](surface& s) { drawfrontface(s, corner, w, patterncolor); }, front_);
  draw([&](surface& s) { drawfacesandedges(s, corner, w, h, patterncolor); }, rest_);
  draw(
      [&](surface& s) {
        drawfrontface(s, corner, w, patterncolor);
        drawfacesandedges(s, corner, w, h, patterncolor);
      },
      whole_);
  if (refused != 0 || !inside || whole_.empty()) return false;
  left_ = right_ = whole_.front().x1;
  top_ = bottom_ = whole_.front().dy;
  for (const run& r : whole_) {
    left_ = std::min(left_, r.x1);
    right_ = std::max(right_, r.x2);
    top_ = std::min(top_, r.dy);
    bottom_ = std::max(bottom_, r.dy);
  }
  return true;
}

std::vector<std::pair<int, int>> cubeshape::painted() const {
  std::vector<std::pair<int, int>> pixels;
  for (const run& r : whole_) {
    for (int x = r.x1; x <= r.x2; ++x) pixels.emplace_back(x, r.dy);
  }
  return pixels;
}

void cubeshape::paint(const std::vector<run>& runs, rastersurface& s, int x, int y,
                      uint32_t color) const {
  const uint32_t edge = pixelvalue(palettecolor(1));
  const pixelrows p = s.pixels();
  if (x + left_ < 0 || x + right_ >= p.width || y + top_ < 0 || y + bottom_ >= p.height) {
    for (const run& r : runs) s.run(y + r.dy, x + r.x1, x + r.x2, r.edge ? edge : color);
    return;
  }
  // Wholly inside the picture, as nearly every cube is: no cutting needed.
  uint32_t* const corner = p.first + static_cast<std::ptrdiff_t>(y) * p.stride + x;
  for (const run& r : runs) {
    uint32_t* const start = corner + static_cast<std::ptrdiff_t>(r.dy) * p.stride + r.x1;
    std::fill(start, start + (r.x2 - r.x1 + 1), r.edge ? edge : color);
  }
}

void cubeshape::paintfront(rastersurface& s, int x, int y, uint32_t color) const {
  paint(front_, s, x, y, color);
}

void cubeshape::paintrest(rastersurface& s, int x, int y, uint32_t color) const {
  paint(rest_, s, x, y, color);
}

void cubeshape::paintwhole(rastersurface& s, int x, int y, uint32_t color) const {
  paint(whole_, s, x, y, color);
}
