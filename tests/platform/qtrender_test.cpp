#include <gtest/gtest.h>

#include <QLabel>
#include <QPainter>
#include <random>

#include "model/colors.h"
#include "qtapp.h"
#include "render/drawscene.h"
#include "render/literal.h"
#include "render/projection.h"
#include "tests/render/scenes.h"

namespace {

// The picture of a scene drawn by the game's own drawing or, operation by operation with Qt's
// painter, by the reference.
QImage picture(void (*draw)(const gamestate&, surface&), const gamestate& g, int width,
               int height) {
  qtsurface painter;
  painter.setsize(width, height);
  draw(g, painter);
  return painter.image();
}

TEST(QtRender, FastPictureMatchesTheReferenceOverRandomScenes) {
  // Skipping hidden cubes and writing pixels directly must never change a single pixel: any cell
  // size, view, well, colours and drawing area, from a few pixels to more than a screen, odd or
  // even (so that origins end in .5).
  qtapp();
  std::mt19937 rng(4242);
  auto side = [&rng] {
    const int range = std::uniform_int_distribution(0, 9)(rng);
    const auto [low, high] = range == 0   ? std::pair(1, 40)
                             : range == 1 ? std::pair(500, 2500)
                                          : std::pair(60, 500);
    return std::uniform_int_distribution(low, high)(rng);
  };
  for (int round = 0; round < 150; ++round) {
    auto g = std::make_unique<gamestate>();
    scenes::randomscene(*g, rng);
    const int width = side();
    const int height = side();
    ASSERT_TRUE(picture(drawscene, *g, width, height) ==
                picture(drawsceneliteral, *g, width, height))
        << "round " << round << " view " << g->view << " cell " << g->squarewidth << " x "
        << g->squareheight << " well " << g->wellwidth << " x " << g->wellheight << " area "
        << width << " x " << height;
  }
}

TEST(QtRender, WindowShowsTheSceneWhereTheProjectionPutsIt) {
  // What the player sees after a resize: the floor, the walls and a falling cube's edge in their
  // colours at the places the projection gives for the new size, and nothing but the reference.
  // "Paused" is laid over it where nothing is drawn, and goes with the pause.
  qtgame q;
  ASSERT_TRUE(q.started()) << "no first frame";
  q.key(Qt::Key_P, "p");
  q.onecube(3, 4, 2);  // in cell (3, 5, 3), held still
  const int width = q.w.area().width() + 41;
  q.w.resize(q.w.width() + 41, q.w.height() + 20);
  // The window may settle in more than one step; the picture follows the drawing area each time.
  auto settled = [&] {
    return q.w.area().width() == width && q.w.picture().image().size() == q.w.area().size();
  };
  ASSERT_TRUE(QTest::qWaitFor(settled, 2000));
  QTest::qWait(50);
  ASSERT_TRUE(settled());
  // On a scaled screen every pixel of the picture is shown as a sharp block; one of each will do.
  const QImage grabbed = q.w.area().grab().toImage();
  const QImage shown =
      grabbed.scaled(q.w.area().size(), Qt::IgnoreAspectRatio, Qt::FastTransformation)
          .convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(shown.width(), width);

  const origin o = sideorigin(*q.g, shown.width(), shown.height());
  auto colorat = [&](double x, double y) {
    const QRgb p = shown.pixel(topixel(static_cast<float>(x)), topixel(static_cast<float>(y)));
    return rgb(qRed(p), qGreen(p), qBlue(p));
  };
  const double sw = q.g->squarewidth, sh = q.g->squareheight;
  // Between the crossings of the grid and away from the cube and its marker.
  EXPECT_EQ(colorat(o.x - 5 * sh + 7.5 * sw, o.y + 5 * sh), palettecolor(12));  // floor
  EXPECT_EQ(colorat(o.x - 5 * sh, o.y - 11.5 * sw), palettecolor(13));          // left wall
  EXPECT_EQ(colorat(o.x, o.y - 7.5 * sw), palettecolor(11));                    // back wall
  // The lower-left corner of the cube's front square.
  const point corner = frontsquare(*q.g, o, placeofcell(*q.g, 1, 3, 5, 3));
  EXPECT_EQ(colorat(corner.x, corner.y + sw), palettecolor(1));
  auto* status = q.w.area().findChild<QLabel*>("status");
  ASSERT_TRUE(status->isVisible() && status->text() == "Paused");
  QImage reference = picture(drawsceneliteral, *q.g, shown.width(), shown.height());
  QImage nothing(status->size(), reference.format());
  nothing.fill(Qt::black);
  EXPECT_TRUE(reference.copy(status->geometry()) == nothing);
  QPainter(&reference).drawImage(status->pos(), shown.copy(status->geometry()));
  EXPECT_TRUE(shown == reference);
  q.key(Qt::Key_P, "p");
  EXPECT_FALSE(status->isVisible());
}

}  // namespace
