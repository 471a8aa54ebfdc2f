#include "platform/qt/qtsurface.h"

#include <QFontMetrics>
#include <QPainter>
#include <utility>

namespace {

QColor color(int32_t packed) { return QColor(packed & 0xFF, (packed >> 8) & 0xFF, (packed >> 16) & 0xFF); }

int pixel(float coordinate) { return qRound(coordinate); }

void line(QImage& image, float x1, float y1, float x2, float y2, int32_t packed) {
  QPainter painter(&image);
  painter.setPen(QPen(color(packed), 1));
  painter.drawLine(pixel(x1), pixel(y1), pixel(x2), pixel(y2));
}

}  // namespace

void qtsurface::setsize(int width, int height) {
  if (width == image_.width() && height == image_.height()) return;
  image_ = QImage(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
  image_.fill(Qt::black);
  dirty_ = true;
}

bool qtsurface::takedirty() { return std::exchange(dirty_, false); }

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
  const QPoint a(pixel(x1), pixel(y1));
  const QPoint b(pixel(x2), pixel(y2));
  painter.drawLine(a.x(), a.y(), b.x(), a.y());
  painter.drawLine(b.x(), a.y(), b.x(), b.y());
  painter.drawLine(b.x(), b.y(), a.x(), b.y());
  painter.drawLine(a.x(), b.y(), a.x(), a.y());
  dirty_ = true;
}

void qtsurface::fillbox(float x1, float y1, float x2, float y2, int32_t packed) {
  QPainter painter(&image_);
  painter.fillRect(QRect(QPoint(pixel(x1), pixel(y1)), QPoint(pixel(x2), pixel(y2))).normalized(),
                   color(packed));
  dirty_ = true;
}

void qtsurface::printtext(const std::string& text) {
  QPainter painter(&image_);
  painter.setPen(Qt::white);
  const QFontMetrics metrics(painter.font());
  painter.drawText(0, texty_ + metrics.ascent(), QString::fromStdString(text));
  texty_ += metrics.height();
  dirty_ = true;
}
