// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/cubeshape.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string>

#include "model/colors.h"
#include "render/literal.h"

namespace {

// The pattern is drawn in this colour, so that it stands apart from the edges and the background.
constexpr int32_t patterncolor = rgb(255, 0, 0);

// A small picture to draw one cube into, with room on every side.
struct canvas {
  canvas(double w, double h)
      : cubew(static_cast<int>(std::ceil(w))),
        cubeh(static_cast<int>(std::ceil(h))),
        width(cubew + cubeh + 8),
        height(cubew + cubeh + 8),
        pixels(static_cast<size_t>(width) * height) {}
  // Where the cube's corner pixel goes: once rounded, its receding faces reach up to h + 1 up and
  // w + h + 2 right of it.
  int cornerx() const { return 3; }
  int cornery() const { return cubeh + 4; }
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

  int cubew;
  int cubeh;
  int width;
  int height;
  std::vector<uint32_t> pixels;
};

// Hands every operation on with each coordinate placed on its pixel, as the picture places it, and
// then moved by whole pixels: what is drawn keeps its very pixels.
class shifted : public surface {
 public:
  shifted(surface& to, int dx, int dy) : to_(to), dx_(dx), dy_(dy) {}

  void clearsurface() override { to_.clearsurface(); }
  void drawline(float x1, float y1, float x2, float y2, int32_t color) override {
    to_.drawline(x(x1), y(y1), x(x2), y(y2), color);
  }
  void drawbox(float x1, float y1, float x2, float y2, int32_t color) override {
    to_.drawbox(x(x1), y(y1), x(x2), y(y2), color);
  }
  void fillbox(float x1, float y1, float x2, float y2, int32_t color) override {
    to_.fillbox(x(x1), y(y1), x(x2), y(y2), color);
  }
  int surfacewidth() const override { return to_.surfacewidth(); }
  int surfaceheight() const override { return to_.surfaceheight(); }
  void printtext(const std::string& text) override { to_.printtext(text); }

 private:
  float x(float v) const { return static_cast<float>(topixel(v) + dx_); }
  float y(float v) const { return static_cast<float>(topixel(v) + dy_); }

  surface& to_;
  int dx_;
  int dy_;
};

}  // namespace

bool cubeshape::make(point corner, double w, double h) {
  if (!fits(w, h)) return false;
  canvas c(w, h);
  // Each part is drawn alone and read back as runs of one colour.
  auto readback = [&](std::vector<run>& runs) {
    runs.clear();
    for (int y = 0; y < c.height; ++y) {
      for (int x = 0; x < c.width;) {
        const uint32_t value = c.at(x, y);
        int end = x;
        while (end + 1 < c.width && c.at(end + 1, y) == value) ++end;
        if (value != pixelvalue(0)) {
          runs.push_back({y - c.cornery(), x - c.cornerx(), end - c.cornerx(),
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
    shifted onto(s, c.cornerx() - topixel(static_cast<float>(corner.x)),
                 c.cornery() - topixel(static_cast<float>(corner.y)));
    parts(onto);
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
  box_ = {whole_.front().x1, whole_.front().x2, whole_.front().dy, whole_.front().dy};
  for (const run& r : whole_) {
    box_ = {std::min(box_.left, r.x1), std::max(box_.right, r.x2), std::min(box_.top, r.dy),
            std::max(box_.bottom, r.dy)};
  }
  return true;
}

void cubeshape::paint(const std::vector<run>& runs, rastersurface& s, int x, int y,
                      uint32_t color) const {
  const uint32_t edge = pixelvalue(palettecolor(1));
  const pixelrows p = s.pixels();
  if (x + box_.left < 0 || x + box_.right >= p.width || y + box_.top < 0 ||
      y + box_.bottom >= p.height) {
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

bool cubeshapes::make(const cubeplacing& places, double w, double h) {
  ys_ = places.phasesy();
  shapes_.resize(static_cast<size_t>(places.phasesx()) * ys_);
  for (int x = 0; x < places.phasesx(); ++x) {
    for (int y = 0; y < ys_; ++y) {
      if (!shapes_[x * ys_ + y].make({places.samplex(x), places.sampley(y)}, w, h)) return false;
    }
  }
  return true;
}
