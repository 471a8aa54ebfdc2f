// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

#include "platform/surface.h"

// The drawing operations on an off-screen image with Qt's own painter: whole-pixel coordinates
// (topixel), no antialiasing, a one-pixel pen. The widget shows the image only when a frame is
// complete.
class qtsurface : public surface {
 public:
  // Makes the image match the drawing area; its content is lost and the game redraws.
  void setsize(int width, int height);
  const QImage& image() const { return image_; }
  // True once something was drawn since the last call.
  bool takedirty();

  void clearsurface() override;
  void drawline(float x1, float y1, float x2, float y2, int32_t color) override;
  void drawbox(float x1, float y1, float x2, float y2, int32_t color) override;
  void fillbox(float x1, float y1, float x2, float y2, int32_t color) override;
  int surfacewidth() const override { return image_.width(); }
  int surfaceheight() const override { return image_.height(); }
  void printtext(const std::string& text) override;
  pixelrows pixels() override;

 private:
  QImage image_{500, 554, QImage::Format_RGB32};
  int texty_ = 0;  // the current text position: each printed line goes below the last
  bool dirty_ = true;
};
