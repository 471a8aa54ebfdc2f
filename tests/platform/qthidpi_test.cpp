#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QPixmap>
#include <memory>

#include "app/game.h"
#include "platform/qt/qtwindow.h"
#include "qtapp.h"
#include "ui/menubar.h"

namespace {

TEST(QtHiDpi, DesktopScaledTwiceShowsEveryPixelAsASharpBlock) {
  // On a 2x desktop the picture doubles: each picture pixel becomes a 2 x 2 block of one colour,
  // so nothing is blurred and the cubes' hatched faces stay solid.
  if (QCoreApplication::instance() == nullptr) qputenv("QT_SCALE_FACTOR", "2");
  QApplication& application = qtapp();
  if (application.devicePixelRatio() != 2) GTEST_SKIP() << "this process's desktop is not 2x";

  auto g = std::make_unique<gamestate>();
  qtwindow mainwindow(menubar(), panelcontrols());
  game kubrix(*g, mainwindow);
  mainwindow.connect(kubrix);
  mainwindow.show();
  QElapsedTimer clock;
  clock.start();
  while (g->shownscore != 0 && clock.elapsed() < 2000) QApplication::processEvents();
  // A landed cube in the bottom-left corner of view 1.
  g->well.at(1, g->wellheight, 1) = 0x3080F0;
  g->redraw = 1;
  kubrix.Timer1_Timer();
  QApplication::processEvents();

  const QImage& picture = mainwindow.picture().image();
  const QImage shown = mainwindow.area().grab().toImage().convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(shown.width(), 2 * picture.width());
  ASSERT_EQ(shown.height(), 2 * picture.height());
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      const QRgb expected = picture.pixel(x, y);
      for (int dy = 0; dy < 2; ++dy) {
        for (int dx = 0; dx < 2; ++dx) {
          ASSERT_EQ(shown.pixel(2 * x + dx, 2 * y + dy), expected) << x << "," << y;
        }
      }
    }
  }
  // The cube is there: its front face alone covers 15 x 15 picture pixels.
  int cubepixels = 0;
  for (int y = 0; y < shown.height(); ++y) {
    for (int x = 0; x < shown.width(); ++x)
      cubepixels += shown.pixel(x, y) == qRgb(0xF0, 0x80, 0x30);
  }
  EXPECT_GE(cubepixels, 4 * 15 * 15);
}

}  // namespace
