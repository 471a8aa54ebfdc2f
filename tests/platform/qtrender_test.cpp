#include <gtest/gtest.h>

#include <QTest>
#include <memory>
#include <random>

#include "app/game.h"
#include "model/colors.h"
#include "platform/qt/qtsurface.h"
#include "platform/qt/qtwindow.h"
#include "qtapp.h"
#include "render/drawscene.h"
#include "render/literal.h"
#include "tests/render/scenes.h"
#include "ui/menubar.h"

namespace {

// The reference drawn operation by operation with Qt's painter.
QImage referencepicture(const gamestate& g, int width, int height) {
  qtsurface painter;
  painter.setsize(width, height);
  drawsceneliteral(g, painter);
  return painter.image();
}

// The game's own picture.
QImage gamepicture(const gamestate& g, int width, int height) {
  qtsurface picture;
  picture.setsize(width, height);
  drawscene(g, picture);
  return picture.image();
}

TEST(QtRender, FastPictureMatchesTheReferenceOverRandomScenes) {
  // Skipping hidden cubes and writing pixels directly must never change a single pixel: any cell
  // size, view, surface size (odd or even, so origins end in .5) and well contents.
  qtapp();
  std::mt19937 rng(4242);
  for (int round = 0; round < 120; ++round) {
    auto g = std::make_unique<gamestate>();
    const bool whole = round % 3 != 0;
    scenes::randomscene(*g, rng, whole);
    const int width = std::uniform_int_distribution(60, 420)(rng);
    const int height = std::uniform_int_distribution(60, 420)(rng);
    ASSERT_TRUE(gamepicture(*g, width, height) == referencepicture(*g, width, height))
        << "round " << round << " view " << g->view << " cell " << g->squarewidth << " x "
        << g->squareheight << " well " << g->wellwidth << " x " << g->wellheight << " area "
        << width << " x " << height;
  }
}

TEST(QtRender, WindowShowsTheSceneWhereTheProjectionPutsIt) {
  // What the player sees after a resize: the floor, the walls and a falling cube's edge in their
  // colours at the places the projection gives for the new size, and nothing but the reference.
  qtapp();
  auto g = std::make_unique<gamestate>();
  qtwindow mainwindow(menubar(), panelcontrols());
  game kubrix(*g, mainwindow);
  mainwindow.connect(kubrix);
  mainwindow.show();
  ASSERT_TRUE(QTest::qWaitFor([&] { return g->shownscore == 0; }, 2000)) << "no first frame";
  // One cube falling in cell (3, 5, 3), held still.
  g->paused = 1;
  g->piece.clear();
  g->piece.at(1, 1, 1) = 0x3399ff;
  g->piecesizex = 0;
  g->piecesizey = 1;
  g->piecesizez = 1;
  g->piecex = 3;
  g->piecey = 4;
  g->piecez = 2;
  const int width = mainwindow.area().width() + 41;
  mainwindow.resize(mainwindow.width() + 41, mainwindow.height() + 20);
  // The window may settle in more than one step; the picture follows the drawing area each time.
  auto settled = [&] {
    return mainwindow.area().width() == width &&
           mainwindow.picture().image().size() == mainwindow.area().size();
  };
  ASSERT_TRUE(QTest::qWaitFor(settled, 2000));
  QTest::qWait(50);
  ASSERT_TRUE(settled());
  // On a scaled screen every pixel of the picture is shown as a sharp block; one of each will do.
  const QImage shown =
      mainwindow.area()
          .grab()
          .toImage()
          .scaled(mainwindow.area().size(), Qt::IgnoreAspectRatio, Qt::FastTransformation)
          .convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(shown.width(), width);

  const origin o = sideorigin(*g, shown.width(), shown.height());
  auto colorat = [&](double x, double y) {
    const QRgb p = shown.pixel(topixel(static_cast<float>(x)), topixel(static_cast<float>(y)));
    return rgb(qRed(p), qGreen(p), qBlue(p));
  };
  const double sw = g->squarewidth;
  const double sh = g->squareheight;
  // Between the crossings of the grid and away from the cube and its marker.
  EXPECT_EQ(colorat(o.x - 5 * sh + 7.5 * sw, o.y + 5 * sh), palettecolor(12));  // floor
  EXPECT_EQ(colorat(o.x - 5 * sh, o.y - 11.5 * sw), palettecolor(13));          // left wall
  EXPECT_EQ(colorat(o.x, o.y - 7.5 * sw), palettecolor(11));                    // back wall
  // The lower-left corner of the cube's front square.
  const point corner = frontsquare(*g, o, placeofcell(*g, 1, 3, 5, 3));
  EXPECT_EQ(colorat(corner.x, corner.y + sw), palettecolor(1));
  EXPECT_TRUE(shown == referencepicture(*g, shown.width(), shown.height()));
}

}  // namespace
