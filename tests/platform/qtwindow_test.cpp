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
#include <filesystem>
#include <random>

#include "../harness.h"
#include "input/keyboard.h"
#include "model/colors.h"
#include "model/piecebox.h"
#include "platform/qt/qtwindow.h"
#include "render/drawscene.h"
#include "render/literal.h"

namespace {

// The one QApplication of a test process, made on first use on the offscreen platform. It is never
// destroyed: tearing Qt down among the other statics at exit is not what these tests are about.
// The process also moves into an empty folder of its own, so that no settings or record file
// lying where the tests were started changes what the game does.
QApplication& qtapp() {
  static int argc = 1;
  static char name[] = "platform_test";
  static char* argv[] = {name, nullptr};
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static auto* application = new QApplication(argc, argv);
  static QTemporaryDir folder;
  [[maybe_unused]] static const bool moved = QDir::setCurrent(folder.path());
  return *application;
}

// A game in the real window, shown at once. The game keeps the key codes that reach it.
struct qtgame {
  struct watchedgame : game {
    using game::game;
    void Form_KeyDown(int keycode) override {
      codes.push_back(keycode);
      game::Form_KeyDown(keycode);
    }
    std::vector<int> codes;
  };

  qtgame() {
    w.connect(kubrix);
    w.show();
  }
  // Until the window is active and the first picture drawn.
  bool started() {
    return QTest::qWaitForWindowActive(&w) && QTest::qWaitFor([&] { return g->shownscore == 0; });
  }
  // A key pressed and let go through the window system: to the window, which hands it to its focus
  // widget.
  void key(Qt::Key key, const QString& text = {}, Qt::KeyboardModifiers modifiers = {}) {
    QTest::sendKeyEvent(QTest::Click, w.windowHandle(), key, text, modifiers);
  }
  // Runs `act` on the window the next step opens and waits in, once it shows.
  void onmodal(const std::function<void(QWidget*)>& act) {
    QTimer::singleShot(0, &w, [act] {
      if (QWidget* modal = QApplication::activeModalWidget()) act(modal);
    });
  }
  // Makes the falling piece one cube at piecex, piecey, piecez.
  void onecube(int x, int y, int z) {
    g->piece.clear();
    g->piece.at(1, 1, 1) = 0x3399ff;
    setbox(*g, 0, 1, 1, x, y, z);
  }

  QApplication& app = qtapp();
  std::unique_ptr<gamestate> g = std::make_unique<gamestate>();
  qtwindow w{menubar(), panelcontrols()};
  watchedgame kubrix{*g, w};
};

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
  // One draw per statement: the order is fixed.
  auto pick = [&rng](int low, int high) { return std::uniform_int_distribution(low, high)(rng); };
  auto chance = [&rng](double p) { return std::bernoulli_distribution(p)(rng); };
  auto upto = [&](int most) { return pick(1, chance(0.2) ? most : std::min(most, 8)); };
  g.wellwidth = upto(40);
  g.welldepth = g.wellwidth;
  g.wellheight = upto(40);
  g.view = pick(1, 8);
  auto size = [&](double most) {
    const int steps = std::array{1, 2, 10, 0}[pick(0, 3)];
    if (steps == 0) return std::uniform_real_distribution(1.0, most)(rng);
    return pick(steps, static_cast<int>(most * steps)) / static_cast<double>(steps);
  };
  const bool huge = chance(0.03);
  if (huge) g.wellwidth = g.welldepth = g.wellheight = 2;
  g.squarewidth = size(huge ? 200 : 20);
  g.squareheight = size(std::max(1.0, chance(0.2) ? 2 * g.squarewidth : g.squarewidth));

  const bool sixteen = chance(0.3);
  auto color = [&] { return sixteen ? palettecolor(pick(1, 15)) : pick(1, 0xFFFFFE); };
  const double density = pick(0, 10) / 10.0;
  const int bx = pick(1, std::min(g.wellwidth, 8));
  const int by = pick(1, std::min(g.wellheight, 8));
  const int bz = pick(1, std::min(g.welldepth, 8));
  const int x0 = pick(1, g.wellwidth - bx + 1);
  const int y0 = pick(1, g.wellheight - by + 1);
  const int z0 = pick(1, g.welldepth - bz + 1);
  const double sprinkle =
      pick(0, 30) / static_cast<double>(g.wellwidth * g.wellwidth * g.wellheight);
  for (int y = 1; y <= g.wellheight; ++y) {
    for (int z = 1; z <= g.welldepth; ++z) {
      for (int x = 1; x <= g.wellwidth; ++x) {
        const bool inblock =
            x >= x0 && x < x0 + bx && y >= y0 && y < y0 + by && z >= z0 && z < z0 + bz;
        if (chance(inblock ? density : sprinkle)) g.well.at(x, y, z) = color();
      }
    }
  }
  g.piecesizex = pick(0, std::min(g.wellwidth, 4) - 1);
  g.piecesizey = pick(1, std::min(g.wellheight, 4));
  g.piecesizez = pick(1, std::min(g.welldepth, 4));
  g.piecex = pick(1, g.wellwidth - g.piecesizex);
  g.piecey = pick(0, g.wellheight - g.piecesizey);
  g.piecez = pick(0, g.welldepth - g.piecesizez);
  const int32_t piececolor = color();
  forbox(g, [&](int x, int y, int z) {
    if (chance(0.5)) g.piece.at(x, y, z) = piececolor;
  });
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
    randomscene(*g, rng);
    const int width = side();
    const int height = side();
    ASSERT_TRUE(picture(drawscene, *g, width, height) ==
                picture(drawsceneliteral, *g, width, height))
        << "round " << round << " view " << g->view << " cell " << g->squarewidth << " x "
        << g->squareheight << " well " << g->wellwidth << " x " << g->wellheight << " area "
        << width << " x " << height;
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
  q.onecube(3, 4, 2);  // in cell (3, 5, 3), held still
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
  EXPECT_EQ(colorat(o.x - 5 * sh, o.y - 11.5 * sw), palettecolor(13));          // left wall
  EXPECT_EQ(colorat(o.x, o.y - 7.5 * sw), palettecolor(11));                    // back wall
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
  EXPECT_FALSE(status->isVisible());
  // The loop lands the piece on the top row, and with no points the game is over at once.
  std::tie(q.g->score, q.g->piecey, q.g->landed) = std::tuple(-10, 0, 1);
  q.key(Qt::Key_S, "s");
  overlaid("Game over");
  q.kubrix.menu_Click(menuitem::newgame);
  EXPECT_FALSE(status->isVisible());
  const QImage sharp = shown();
  EXPECT_TRUE(sharp == q.w.picture().image().scaled(sharp.size()));
  EXPECT_EQ(sharp.size(), q.w.picture().image().size() * q.app.devicePixelRatio());
}

TEST(QtKeys, KeysReachTheGameAsTheirCodesWhateverTheModifiersAndRepeatWhileHeld) {
  // Shift, Caps Lock and Ctrl change the typed character but never the command, and keys the game
  // has no use for never reach it. A held arrow repeats as presses marked as repeats, each moving
  // the piece. F1 lists every key; gravity moves nothing while the list is open.
  qtgame q;
  ASSERT_TRUE(q.started());
  q.onecube(1, 0, 3);
  // Pressed, let go and pressed again three times as repeats, then let go.
  for (int i = 0; i < 8; ++i)
    QTest::simulateEvent(q.w.windowHandle(), i % 2 == 0, Qt::Key_Right, {}, {}, i > 0 && i < 7);
  EXPECT_EQ(q.g->piecex, 5);
  for (Qt::Key key : {Qt::Key_Return, Qt::Key_Left, Qt::Key_Up, Qt::Key_F2, Qt::Key_Escape})
    q.key(key);
  // Enter on the keypad; P as typed, with Shift, with Caps Lock on and with Ctrl; then
  // Ctrl-Shift-H, a and Shift-Z.
  const Qt::KeyboardModifiers none, shift = Qt::ShiftModifier, ctrl = Qt::ControlModifier;
  q.key(Qt::Key_Enter, "\r", Qt::KeypadModifier);
  for (auto [text, modifiers] : {std::pair{"p", none}, {"P", shift}, {"P", none}, {"\x10", ctrl}})
    q.key(Qt::Key_P, text, modifiers);
  q.key(Qt::Key_H, "\b", shift | ctrl);
  q.key(Qt::Key_A, "a");
  q.key(Qt::Key_Z, "Z", shift);
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
        saidpaused = q.w.findChild<QLabel*>("status")->isVisible();
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
  QImage picture;
  QString title;
  {
    qtgame q;
    ASSERT_TRUE(q.started());
    q.g->score = 130;
    q.key(Qt::Key_R, "r");
    QTimer::singleShot(0, &q.w, [&] { q.w.close(); });
    QTimer::singleShot(3000, &q.w, [] { QApplication::exit(1); });  // a hang fails the test
    EXPECT_EQ(QApplication::exec(), 0);
    std::tie(picture, title) = std::tuple(q.w.picture().image(), q.w.windowTitle());
  }
  qtgame q;
  ASSERT_TRUE(QTest::qWaitFor([&] { return q.g->shownscore == 130; }));
  EXPECT_EQ(std::tuple(q.g->paused, q.w.windowTitle()), std::tuple(1, title));
  EXPECT_TRUE(q.w.picture().image() == picture);
}

}  // namespace
