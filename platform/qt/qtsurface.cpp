// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/qtsurface.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <utility>

namespace {

QColor color(int32_t packed) {
  return QColor(packed & 0xFF, (packed >> 8) & 0xFF, (packed >> 16) & 0xFF);
}

void line(QImage& image, float x1, float y1, float x2, float y2, int32_t packed) {
  QPainter painter(&image);
  painter.setPen(QPen(color(packed), 1));
  painter.drawLine(topixel(x1), topixel(y1), topixel(x2), topixel(y2));
}

}  // namespace

void qtsurface::setsize(int width, int height) {
  if (width == image_.width() && height == image_.height()) return;
  image_ = QImage(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
  image_.fill(Qt::black);
  dirty_ = true;
}

bool qtsurface::takedirty() {
  return std::exchange(dirty_, false);
}

void qtsurface::clearsurface() {
  image_.fill(Qt::black);
  texty_ = 0;
  dirty_ = true;
}

void qtsurface::drawline(float x1, float y1, float x2, float y2, int32_t packed) {
  line(image_, x1, y1, x2, y2, packed);
  dirty_ = true;
}

void qtsurface::drawbox(float x1, float y1, float x2, float y2, int32_t packed) {
  QPainter painter(&image_);
  painter.setPen(QPen(color(packed), 1));
  const QPoint a(topixel(x1), topixel(y1));
  const QPoint b(topixel(x2), topixel(y2));
  painter.drawLine(a.x(), a.y(), b.x(), a.y());
  painter.drawLine(b.x(), a.y(), b.x(), b.y());
  painter.drawLine(b.x(), b.y(), a.x(), b.y());
  painter.drawLine(a.x(), b.y(), a.x(), a.y());
  dirty_ = true;
}

void qtsurface::fillbox(float x1, float y1, float x2, float y2, int32_t packed) {
  // From corner to corner whichever way round they come: QRect::normalized() would drop the
  // outermost pixels of a box given back to front.
  const auto [left, right] = std::minmax({topixel(x1), topixel(x2)});
  const auto [top, bottom] = std::minmax({topixel(y1), topixel(y2)});
  QPainter painter(&image_);
  painter.fillRect(QRect(QPoint(left, top), QPoint(right, bottom)), color(packed));
  dirty_ = true;
}

pixelrows qtsurface::pixels() {
  dirty_ = true;
  return {reinterpret_cast<uint32_t*>(image_.bits()), image_.width(), image_.height(),
          static_cast<int>(image_.bytesPerLine() / 4)};
}

void qtsurface::printtext(const std::string& text) {
  QPainter painter(&image_);
  painter.setPen(Qt::white);
  const QFontMetrics metrics(painter.font());
  painter.drawText(0, texty_ + metrics.ascent(), QString::fromStdString(text));
  texty_ += metrics.height();
  dirty_ = true;
}
