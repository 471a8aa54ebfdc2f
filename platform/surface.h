// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

// The pixel a real drawing coordinate falls on: the nearest one, halves going to the larger
// number, so that moving a shape by whole pixels moves every pixel of it alike. Far-off values are
// held at a distance no picture reaches.
inline int topixel(float coordinate) {
  constexpr double far = 1 << 24;
  const double v = static_cast<double>(coordinate) + 0.5;  // a float has room to spare in a double
  if (!(v > -far)) return -(1 << 24);                      // also catches NaN
  if (v > far) return 1 << 24;
  const int whole = static_cast<int>(v);  // toward zero; one less below zero makes it the floor
  return whole > v ? whole - 1 : whole;
}

// The pixels of a picture kept in memory: 32-bit 0xffRRGGBB values, row after row.
struct pixelrows {
  uint32_t* first = nullptr;  // the top-left pixel; null when the surface gives no direct access
  int width = 0;
  int height = 0;
  int stride = 0;  // pixels from the start of one row to the start of the next
};

// The drawing area of the main window: pixels, y growing downward, black background.
// Colours are packed 24-bit RGB values (red + 256 x green + 65536 x blue).
class surface {
 public:
  virtual ~surface() = default;

  virtual void clearsurface() = 0;
  virtual void drawline(float x1, float y1, float x2, float y2, int32_t color) = 0;
  virtual void drawbox(float x1, float y1, float x2, float y2, int32_t color) = 0;  // outline
  virtual void fillbox(float x1, float y1, float x2, float y2,
                       int32_t color) = 0;  // outline + inside
  virtual int surfacewidth() const = 0;
  virtual int surfaceheight() const = 0;
  // Writes one line of text at the current text position; the next clear removes it.
  virtual void printtext(const std::string& text) = 0;

  // Direct access to the picture, for surfaces that keep it in memory; asking for it counts as
  // drawing. A surface that answers paints with the same pixels as writing them directly:
  // coordinates placed by topixel(); fillbox and drawbox covering both corners; a horizontal,
  // vertical or 45-degree line covering both ends and every pixel between them; and a line rising
  // to the right one pixel off 45 degrees, at most 128 pixels across, running at 45 degrees but
  // for one odd step at its lowest pixel (when steeper) or its rightmost pixel (when flatter).
  // Other lines are the surface's own affair.
  virtual pixelrows pixels() { return {}; }
};
