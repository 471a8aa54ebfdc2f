// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QBackingStore>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <filesystem>
#include <random>

#include "../persist/workdir.h"
#include "input/keyboard.h"
#include "model/colors.h"
#include "model/piecebox.h"
#include "persist/gamefile.h"
#include "persist/highscores.h"
#include "persist/savedgame.h"
#include "platform/qt/qtsignals.h"
#include "platform/qt/qtwindow.h"
#include "render/drawscene.h"
#include "render/literal.h"
#include "qtgame.h"

namespace {

// A scene drawn with Qt's painter on a picture of its own: by the game, or by the reference.
QImage picture(void (*draw)(const gamestate&, surface&), const gamestate& g, int w, int h) {
  qtsurface painter;
  painter.setsize(w, h);
  draw(g, painter);
  return painter.image();
}

// A random scene of the kind the game can reach. The well is mostly small, now and then as large as
// the game allows; the cells are whole numbers, halves (an odd depth typed into the panel), tenths
// (typed) or anything at all (a settings file), the depth step now and then larger than the front
// square, and rarely too large to copy cubes. Cubes in true colour or in the sixteen colours, the
// edges' blue and the marker's white among them, packed in a block and sprinkled over the well;
// a falling piece that may share cells with the well.
void randomscene(gamestate& g, std::mt19937& rng) {
  // One draw per declarator: the order is fixed.
  auto pick = [&rng](int low, int high) { return std::uniform_int_distribution(low, high)(rng); };
  auto chance = [&rng](double p) { return std::bernoulli_distribution(p)(rng); };
  auto upto = [&](int most) { return pick(1, chance(0.2) ? most : std::min(most, 8)); };
  auto size = [&](double most) {
    const int steps = std::array{1, 2, 10, 0}[pick(0, 3)];
    if (steps == 0) return std::uniform_real_distribution(1.0, most)(rng);
    return pick(steps, static_cast<int>(most * steps)) / static_cast<double>(steps);
  };
  const bool huge = chance(0.03);
  const int width = huge ? 2 : upto(40), height = huge ? 2 : upto(40), view = pick(1, 8);
  std::tie(g.wellwidth, g.welldepth, g.wellheight, g.view) = std::tuple(width, width, height, view);
  g.squarewidth = size(huge ? 200 : 20);
  g.squareheight = size(std::max(1.0, chance(0.2) ? 2 * g.squarewidth : g.squarewidth));
  const bool sixteen = chance(0.3);
  auto color = [&] { return sixteen ? palettecolor(pick(1, 15)) : pick(1, 0xFFFFFE); };
  // A block up to 8 cubes a side from a random corner, and cubes sprinkled over the rest.
  const int x0 = pick(1, width), y0 = pick(1, height), z0 = pick(1, width);
  const double density = pick(0, 10) / 10.0,
               sprinkle = pick(0, 30) / (1.0 * width * width * height);
  for (int i = 0; i < width * width * height; ++i) {
    const int x = 1 + i % width, y = 1 + i / (width * width), z = 1 + i / width % width;
    const bool inblock = x >= x0 && x < x0 + 8 && y >= y0 && y < y0 + 8 && z >= z0 && z < z0 + 8;
    if (chance(inblock ? density : sprinkle)) g.well.at(x, y, z) = color();
  }
  const int sx = pick(0, std::min(width, 4) - 1), sy = pick(1, std::min(height, 4)),
            sz = pick(1, std::min(width, 4));
  const int x = pick(1, width - sx), y = pick(0, height - sy), z = pick(0, width - sz);
  setbox(g, sx, sy, sz, x, y, z);
  const int32_t piececolor = color();
  forbox(g, [&](int px, int py, int pz) {
    if (chance(0.5)) g.piece.at(px, py, pz) = piececolor;
  });
}

TEST(QtRender, FastPictureMatchesTheReferenceOverRandomScenes) {
  // Skipping hidden cubes and writing pixels directly must never change a single pixel: any cell
  // size, view, well, colours and drawing area, from a few pixels to more than a screen, odd or
  // even (so that origins end in .5).
  qtapp();
  std::mt19937 rng(4242);
  auto side = [&rng] {  // now and then tiny, or larger than a screen
    const std::pair<int, int> ranges[] = {{1, 40}, {500, 2500}, {60, 500}};
    const auto [low, high] = ranges[std::min(std::uniform_int_distribution(0, 9)(rng), 2)];
    return std::uniform_int_distribution(low, high)(rng);
  };
  for (int round = 0; round < 150; ++round) {
    auto g = std::make_unique<gamestate>();
    randomscene(*g, rng);
    const int width = side(), height = side();
    ASSERT_TRUE(picture(drawscene, *g, width, height) ==
                picture(drawsceneliteral, *g, width, height))
        << "round " << round;
  }
}

TEST(QtWindow, ShowsTheSceneWhereTheProjectionPutsItSharpAndTheIndicationsOverIt) {
  // The floor, the walls and a falling cube's edge in their colours at the places the projection
  // gives, and nothing but the reference. "Paused" and the game-over line lie over the picture
  // where nothing is drawn, and go with their state. On a desktop scaled twice each picture
  // pixel shows as a sharp 2 x 2 block: nothing blurred, the cubes' hatched faces solid.
  if (QCoreApplication::instance() == nullptr) qputenv("QT_SCALE_FACTOR", "2");
  qtgame q;
  ASSERT_TRUE(q.started());
  q.key(Qt::Key_P, "p");
  // The falling piece: one cube in cell (3, 5, 3), held still.
  q.g->piece.clear();
  q.g->piece.at(1, 1, 1) = 0x3399ff;
  setbox(*q.g, 0, 1, 1, 3, 4, 2);
  q.g->redraw = 1;
  q.key(Qt::Key_S, "s");
  const auto shown = [&] {
    QImage grabbed = q.w.area().grab().toImage().convertToFormat(QImage::Format_RGB32);
    grabbed.setDevicePixelRatio(1);  // counted in device pixels
    return grabbed;
  };
  const QImage screen = shown().scaled(q.w.area().size());
  const origin o = sideorigin(*q.g, screen.width(), screen.height());
  const auto colorat = [&](double x, double y) {
    const QRgb p = screen.pixel(topixel(static_cast<float>(x)), topixel(static_cast<float>(y)));
    return rgb(qRed(p), qGreen(p), qBlue(p));
  };
  const double sw = q.g->squarewidth, sh = q.g->squareheight;
  // Between the crossings of the grid and away from the cube and its marker.
  EXPECT_EQ(colorat(o.x - 5 * sh + 7.5 * sw, o.y + 5 * sh), palettecolor(12));  // floor
  // The lower-left corner of the cube's front square.
  const point corner = frontsquare(*q.g, o, placeofcell(*q.g, 1, 3, 5, 3));
  EXPECT_EQ(colorat(corner.x, corner.y + sw), palettecolor(1));
  auto* status = q.w.area().findChild<QLabel*>("status");
  const auto overlaid = [&](const QString& text) {
    EXPECT_TRUE(status->isVisible() && status->text().startsWith(text)) << text.toStdString();
    QImage now = shown().scaled(q.w.area().size());
    QPainter(&now).fillRect(status->geometry(), Qt::black);
    EXPECT_TRUE(now == picture(drawsceneliteral, *q.g, now.width(), now.height()));
  };
  overlaid("Paused");
  q.key(Qt::Key_P, "p");
  EXPECT_FALSE(status->text().contains("Paused"));
  // The loop lands the piece on the top row, and with no points the game is over at once.
  std::tie(q.g->score, q.g->piecey, q.g->landed) = std::tuple(-10, 0, 1);
  q.key(Qt::Key_S, "s");
  overlaid("Game over");
  q.kubrix.menu_Click(menuitem::newgame);
  EXPECT_FALSE(status->text().contains("Game over"));
  QImage sharp = shown();
  const qreal ratio = q.app.devicePixelRatio();
  QPainter(&sharp).fillRect(
      QRectF(status->geometry().topLeft() * ratio, QSizeF(status->size()) * ratio), Qt::black);
  EXPECT_TRUE(sharp == q.w.picture().image().scaled(sharp.size()));
  EXPECT_EQ(sharp.size(), q.w.picture().image().size() * q.app.devicePixelRatio());
}

TEST(QtKeys, KeysReachTheGameAsTheirCodesWhateverTheModifiersAndRepeatWhileHeld) {
  // Shift, Caps Lock and Ctrl change the typed character but never the command, and keys the game
  // has no use for never reach it. A held arrow repeats as presses marked as repeats, each moving
  // the piece. F1 lists every key; gravity moves nothing while the list is open.
  qtgame q;
  ASSERT_TRUE(q.started());
  q.g->piece.clear();
  q.g->piece.at(1, 1, 1) = 0x3399ff;
  setbox(*q.g, 0, 1, 1, 1, 0, 3);
  // Pressed, let go and pressed again three times as repeats, then let go.
  for (int i = 0; i < 8; ++i)
    QTest::simulateEvent(q.w.windowHandle(), i % 2 == 0, Qt::Key_Right, {}, {}, i > 0 && i < 7);
  EXPECT_EQ(q.g->piecex, 5);
  // Then Enter on the keypad; P as typed, with Shift, with Caps Lock on and with Ctrl;
  // Ctrl-Shift-H, a and Shift-Z.
  const Qt::KeyboardModifiers none, shift = Qt::ShiftModifier, ctrl = Qt::ControlModifier;
  const std::tuple<Qt::Key, const char*, Qt::KeyboardModifiers> presses[] = {
      {Qt::Key_Return, "", none},      {Qt::Key_Left, "", none},
      {Qt::Key_Up, "", none},          {Qt::Key_F2, "", none},
      {Qt::Key_Escape, "", none},      {Qt::Key_Enter, "\r", Qt::KeypadModifier},
      {Qt::Key_P, "p", none},          {Qt::Key_P, "P", shift},
      {Qt::Key_P, "P", none},          {Qt::Key_P, "\x10", ctrl},
      {Qt::Key_H, "\b", shift | ctrl}, {Qt::Key_A, "a", none},
      {Qt::Key_Z, "Z", shift}};
  for (const auto& [key, text, modifiers] : presses) q.key(key, text, modifiers);
  EXPECT_EQ(q.kubrix.codes,
            (std::vector<int>{39, 39, 39, 39, 13, 37, 38, 13, 80, 80, 80, 80, 72, 65, 90}));
  const int row = q.g->piecey;
  size_t lines = 0;
  q.onmodal([&](QWidget* list) {
    lines = list->findChildren<QLabel*>().size() / 2;
    q.kubrix.Timer1_Timer();
    QTest::keyClick(list, Qt::Key_Escape);
  });
  q.key(Qt::Key_F1);
  EXPECT_EQ(std::tuple(lines, q.g->piecey, q.g->paused), std::tuple(keylist().size(), row, 0));
}

TEST(QtPanels, AFieldKeepsEveryKeyFromTheGameAndAMenuOverItLeavesNoHole) {
  // Keys a line edit has no use for must not fall through to the game under the panel: Ctrl+P
  // would resume it and Ctrl+R turn the view. Some window systems give back the area a menu
  // covered unpainted; the window must paint it afresh, panel and picture, as a fresh paint would.
  qtgame q;
  ASSERT_TRUE(q.started());
  q.kubrix.menu_Click(menuitem::choosesize);
  ASSERT_TRUE(
      QTest::qWaitFor([] { return qobject_cast<QLineEdit*>(QApplication::focusWidget()); }));
  q.key(Qt::Key_Up);
  q.key(Qt::Key_Down);
  q.key(Qt::Key_P, "\x10", Qt::ControlModifier);
  q.key(Qt::Key_R, "\x12", Qt::ControlModifier);
  q.key(Qt::Key_W, "w", Qt::AltModifier);
  EXPECT_EQ(std::tuple(q.kubrix.codes.size(), q.g->paused, q.g->view), std::tuple(0u, 1, 1));
  QMenuBar* bar = q.w.menuBar();
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(bar->actions().front()).center());
  QWidget* menu = QApplication::activePopupWidget();
  ASSERT_NE(menu, nullptr);
  QTest::qWait(50);  // the panel and the menu on show
  const QRect covered(q.w.mapFromGlobal(menu->pos()), menu->size());
  QBackingStore* store = q.w.backingStore();
  store->beginPaint(covered);
  QPainter(store->paintDevice()).fillRect(covered, Qt::black);
  store->endPaint();
  QTest::keyClick(menu, Qt::Key_Escape);
  auto image = [](const QPixmap& p) { return p.toImage().convertToFormat(QImage::Format_RGB32); };
  EXPECT_TRUE(QTest::qWaitFor([&] {
    return image(q.w.screen()->grabWindow(q.w.winId())).copy(covered) == image(q.w.grab(covered));
  }));
}

TEST(QtPanels, AMessageHoldsTheGameStillAndGivesItsPauseBack) {
  // While the player reads why the settings were not saved, or the high-score list, gravity moves
  // nothing and P does not reach the game; closing the message gives back the pause from before.
  // The window says "Paused" only for the player's own pause.
  qtgame q;
  ASSERT_TRUE(q.started());
  std::filesystem::create_directory("kubrix3d.settings");  // not even root saves over a folder
  for (const menuitem command : {menuitem::savesettings, menuitem::highscores}) {
    for (const int paused : {1, 0}) {
      if (q.g->paused != paused) q.key(Qt::Key_P, "p");
      const int row = q.g->piecey;
      int saidpaused = -1;  // no message shown
      q.onmodal([&](QWidget* box) {
        q.kubrix.Timer1_Timer();
        saidpaused = q.w.findChild<QLabel*>("status")->text().startsWith("Paused");
        q.key(Qt::Key_P, "p");
        qobject_cast<QDialog*>(box)->accept();
      });
      q.kubrix.menu_Click(command);
      EXPECT_EQ(std::tuple(q.g->piecey, q.g->paused, saidpaused), std::tuple(row, paused, paused));
    }
  }
  q.kubrix.Timer1_Timer();
  EXPECT_EQ(q.g->piecey, 1);
}

TEST(QtWindow, ClosingMidGameKeepsItAndTheNextStartShowsItPaused) {
  // Closing leaves the event loop at once with the game written; the next start shows the very
  // picture and title, and waits for P.
  std::pair<QImage, QString> shown;  // the picture and the title
  {
    qtgame q;
    ASSERT_TRUE(q.started());
    q.g->score = 130;
    q.key(Qt::Key_R, "r");
    QTimer::singleShot(0, &q.w, [&] { q.w.close(); });
    QTimer::singleShot(3000, &q.w, [] { QApplication::exit(1); });  // a hang fails the test
    EXPECT_EQ(QApplication::exec(), 0);
    shown = {q.w.picture().image(), q.w.windowTitle()};
  }
  qtgame q;
  ASSERT_TRUE(QTest::qWaitFor([&] { return q.g->shownscore == 130; }));
  EXPECT_TRUE(q.g->paused == 1 && std::pair(q.w.picture().image(), q.w.windowTitle()) == shown);
}

TEST(QtWindow, ASignalEndsTheGameAtOnceKeepingItAndAScoreThatWaitsForItsName) {
  // SIGTERM, as at a logout, while a message waits for the player: nobody answers it, the game is
  // kept and the loop left. Then at game over with a name half typed: the score is kept under it.
  std::filesystem::remove(gamefile);
  {
    qtgame q;
    ASSERT_TRUE(q.started());
    const signalwatch endings([&] { q.w.endsession(); });
    QTimer::singleShot(0, &q.w, [&] {
      q.onmodal([](QWidget*) { std::raise(SIGTERM); });
      q.kubrix.menu_Click(menuitem::highscores);
    });
    QTimer::singleShot(3000, &q.w, [] { QApplication::exit(1); });  // a hang fails the test
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_EQ(readtext(gamefile), savedgametext(savedgameof(*q.g, q.w)));
  }
  std::filesystem::remove(gamefile);
  qtgame q;
  ASSERT_TRUE(q.started());
  const signalwatch endings([&] { q.w.endsession(); });
  std::tie(q.g->score, q.g->landed) = std::tuple(120, 1);  // lands on its spawn row
  q.kubrix.Timer1_Timer();
  ASSERT_TRUE(q.w.visible(control::Text7));
  q.w.settext(control::Text7, "Dee");
  QTimer::singleShot(0, &q.w, [] { std::raise(SIGTERM); });
  QTimer::singleShot(3000, &q.w, [] { QApplication::exit(1); });
  EXPECT_EQ(QApplication::exec(), 0);
  const std::vector<highscore> records = readhighscores().records;
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(std::pair(records[0].name, records[0].score), std::pair(std::string("Dee"), 130L));
  EXPECT_FALSE(std::filesystem::exists(gamefile));
}

}  // namespace
