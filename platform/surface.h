#pragma once

#include <cstdint>
#include <string>

// The drawing area of the main window: pixels, y growing downward, black background.
// Colours are packed 24-bit RGB values (red + 256 x green + 65536 x blue).
class surface {
 public:
  virtual ~surface() = default;

  virtual void clearsurface() = 0;
  virtual void drawline(float x1, float y1, float x2, float y2, int32_t color) = 0;
  virtual void drawbox(float x1, float y1, float x2, float y2, int32_t color) = 0;  // outline
  virtual void fillbox(float x1, float y1, float x2, float y2, int32_t color) = 0;  // outline + inside
  virtual int surfacewidth() const = 0;
  virtual int surfaceheight() const = 0;
  // Writes one line of text at the current text position; the next clear removes it.
  virtual void printtext(const std::string& text) = 0;
};
