// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "platform/surface.h"

// A packed colour (red + 256 x green + 65536 x blue) as a pixel of the picture: 0xffRRGGBB.
constexpr uint32_t pixelvalue(int32_t packed) {
  const auto bits = static_cast<uint32_t>(packed);
  return 0xff000000u | ((bits & 0xffu) << 16) | (bits & 0xff00u) | ((bits >> 16) & 0xffu);
}

// Draws straight into a picture's pixels, each operation painting exactly what the picture's own
// surface would paint. What that surface promises to paint alike (boxes; horizontal, vertical,
// 45-degree and short nearly-45-degree lines) is written here; anything else, and anything far
// outside the picture, is handed to it. Without a surface behind, such an operation is refused and
// counted.
class rastersurface : public surface {
 public:
  // Pixels this far out are handed on: nothing checks that every surface places them alike.
  static constexpr int reach = 1 << 15;

  rastersurface(pixelrows picture, surface* behind) : picture_(picture), behind_(behind) {}

  void clearsurface() override;
  void drawline(float x1, float y1, float x2, float y2, int32_t color) override;
  void drawbox(float x1, float y1, float x2, float y2, int32_t color) override;
  void fillbox(float x1, float y1, float x2, float y2, int32_t color) override;
  int surfacewidth() const override { return picture_.width; }
  int surfaceheight() const override { return picture_.height; }
  void printtext(const std::string& text) override;
  pixelrows pixels() override { return picture_; }

  // Pixels x1..x2 (x1 <= x2) of row y, as far as they lie in the picture.
  void run(int y, int x1, int x2, uint32_t value);
  // Operations that could neither be written nor handed on.
  int refused() const { return refused_; }

 private:
  // Places the ends and writes the operation, or hands it on when it is too far out or `write`
  // answers false.
  template <typename Write, typename Handon>
  void either(float x1, float y1, float x2, float y2, Write write, Handon handon);
  // Writes a line between whole-pixel ends; false when it is not one of the promised kinds.
  bool line(int x1, int y1, int x2, int y2, uint32_t value);
  void diagonal(int x1, int y1, int x2, int y2, uint32_t value);
  bool nearlydiagonal(int x1, int y1, int x2, int y2, uint32_t value);
  void column(int x, int y1, int y2, uint32_t value);

  pixelrows picture_;
  surface* behind_;
  int refused_ = 0;
};
