#include <gtest/gtest.h>

#include <QTest>
#include <memory>
#include <random>

#include "app/game.h"
#include "model/colors.h"
#include "platform/qt/qtsurface.h"
#include "platform/qt/qtwindow.h"
#include "qtapp.h"
#include "render/cells.h"
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
  // What the player sees at start: the floor, the walls and the falling piece's edges in their
  // colours at the places the projection gives, and nothing else than the reference picture.
  qtapp();
  auto g = std::make_unique<gamestate>();
  qtwindow mainwindow(menubar(), panelcontrols());
  game kubrix(*g, mainwindow);
  mainwindow.connect(kubrix);
  mainwindow.show();
  ASSERT_TRUE(QTest::qWaitFor([&] { return g->shownscore == 0; }, 2000)) << "no first frame";
  const QImage shown = mainwindow.area().grab().toImage().convertToFormat(QImage::Format_RGB32);
  const int width = shown.width();
  const int height = shown.height();
  const origin o = sideorigin(*g, width, height);
  auto colorat = [&](double x, double y) {
    const QRgb p = shown.pixel(topixel(static_cast<float>(x)), topixel(static_cast<float>(y)));
    return rgb(qRed(p), qGreen(p), qBlue(p));
  };
  // Off the crossings of the grid and low in the well, below the new piece.
  EXPECT_EQ(colorat(o.x + 50, o.y + 25), palettecolor(12));   // a line across the floor
  EXPECT_EQ(colorat(o.x - 25, o.y - 163), palettecolor(13));  // an upright of the left wall
  EXPECT_EQ(colorat(o.x, o.y - 105), palettecolor(11));       // an upright of the back wall

  // The front square's lower-left corner of a nearest cube of the piece: nothing drawn later
  // reaches it.
  cellplace nearest{0, 0, -1};
  for (int z = 1; z <= g->welldepth; ++z) {
    for (int y = 1; y <= g->wellheight; ++y) {
      for (int x = 1; x <= g->wellwidth; ++x) {
        const cellplace p = placeofcell(*g, g->view, x, y, z);
        if (cubeincell(*g, x, y, z).falling && p.d > nearest.d) nearest = p;
      }
    }
  }
  ASSERT_GE(nearest.d, 0) << "no piece";
  const point corner = frontsquare(*g, o, nearest);
  EXPECT_EQ(colorat(corner.x, corner.y + g->squarewidth), palettecolor(1));

  EXPECT_TRUE(shown == referencepicture(*g, width, height));
}

}  // namespace
