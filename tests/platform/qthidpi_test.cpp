#include <gtest/gtest.h>

#include <QPixmap>
#include <algorithm>

#include "qtapp.h"

namespace {

TEST(QtHiDpi, DesktopScaledTwiceShowsEveryPixelAsASharpBlock) {
  // On a 2x desktop the picture doubles: each picture pixel becomes a 2 x 2 block of one colour,
  // so nothing is blurred and the cubes' hatched faces stay solid.
  if (QCoreApplication::instance() == nullptr) qputenv("QT_SCALE_FACTOR", "2");
  qtgame q;
  if (q.app.devicePixelRatio() != 2) GTEST_SKIP() << "this process's desktop is not 2x";
  ASSERT_TRUE(q.started());
  q.g->well.at(1, q.g->wellheight, 1) = 0x3080F0;  // a landed cube in view 1's bottom-left corner
  q.g->redraw = 1;
  q.kubrix.Timer1_Timer();
  QApplication::processEvents();

  const QImage shown = q.w.area().grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QImage& picture = q.w.picture().image();
  ASSERT_EQ(shown.size(), 2 * picture.size());
  EXPECT_TRUE(shown == picture.convertToFormat(QImage::Format_RGB32)
                           .scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation));
  // The cube is there: its front face alone covers 15 x 15 picture pixels.
  const auto* pixels = reinterpret_cast<const QRgb*>(shown.constBits());
  EXPECT_GE(std::count(pixels, pixels + shown.width() * shown.height(), qRgb(0xF0, 0x80, 0x30)),
            4 * 15 * 15);
}

}  // namespace
