// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <unistd.h>

#include <QAccessible>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryFile>
#include <cmath>
#include <filesystem>
#include <fstream>

#include "model/piecebox.h"
#include "persist/gamefile.h"
#include "platform/qt/keptwindow.h"
#include "qtgame.h"
#include "sounds/synth.h"

namespace {

// The points a text names: "Total Points: N" in the title, "N points" in the status line.
QString points(const QString& text) {
  const auto match = QRegularExpression("(?:Points: (-?\\d+)$)|(?:(-?\\d+) points$)").match(text);
  return match.captured(1) + match.captured(2);
}

QLabel& statusline(qtgame& q) {
  return *q.w.area().findChild<QLabel*>("status");
}

TEST(QtDesktop, TheStatusLineIsALabelWithTheTitlesPointsThroughALandingAndCtrlN) {
  // A screen reader reads the line as the label it is. The points follow the title when a piece
  // lands, and when Ctrl+N starts a new game, which never reaches the game as a key.
  qtgame q;
  ASSERT_TRUE(q.started());
  QAccessibleInterface* readable = QAccessible::queryAccessibleInterface(&statusline(q));
  ASSERT_NE(readable, nullptr);
  EXPECT_EQ(readable->role(), QAccessible::StaticText);
  std::tie(q.g->score, q.g->piecey, q.g->landed) = std::tuple(120, 1, 1);
  q.key(Qt::Key_S, "s");
  EXPECT_EQ(std::pair(points(q.w.windowTitle()), points(statusline(q).text())),
            std::pair(QString("130"), QString("130")));
  EXPECT_EQ(readable->text(QAccessible::Name), statusline(q).text());
  q.key(Qt::Key_N, "\x0e", Qt::ControlModifier);
  EXPECT_EQ(std::pair(points(q.w.windowTitle()), points(statusline(q).text())),
            std::pair(QString("0"), QString("0")));
  EXPECT_EQ(q.kubrix.codes, std::vector<int>{'S'});
}

TEST(QtDesktop, LeavingOrMinimisingPausesButTheGamesOwnMenusPanelsAndMessagesDoNot) {
  // Another window taking the focus pauses the game, and so does minimising it; P goes on. The
  // game's menus, an option panel and a message do not count as leaving. With the option off the
  // game runs on as it always did.
  qtgame q;
  ASSERT_TRUE(q.started());
  const auto leftpaused = [&] { return q.g->paused == 1 && q.g->pausedbyleaving == 1; };
  q.kubrix.menu_Click(menuitem::choosesize);
  ASSERT_TRUE(
      QTest::qWaitFor([] { return qobject_cast<QLineEdit*>(QApplication::focusWidget()); }));
  q.kubrix.button_Click(control::Command1);
  QMenuBar* bar = q.w.menuBar();
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(bar->actions().front()).center());
  ASSERT_NE(QApplication::activePopupWidget(), nullptr);
  QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
  q.onmodal([](QWidget* box) { qobject_cast<QDialog*>(box)->accept(); });
  q.kubrix.menu_Click(menuitem::about);
  q.w.activateWindow();  // the test platform gives the focus back to no window by itself
  ASSERT_TRUE(QTest::qWaitForWindowActive(&q.w));
  EXPECT_EQ(q.g->paused, 0);

  QWidget other;
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  EXPECT_TRUE(leftpaused());
  EXPECT_TRUE(statusline(q).text().startsWith("Paused — press P to go on"));
  q.w.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&q.w));
  q.key(Qt::Key_P, "p");
  q.w.showMinimized();
  EXPECT_TRUE(QTest::qWaitFor(leftpaused));
  QTest::qWait(20);  // the window system's hiding of the minimised window, told after
  q.w.showNormal();
  q.w.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&q.w));
  q.key(Qt::Key_P, "p");

  q.kubrix.menu_Click(menuitem::pauseonleave);
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  const int row = q.g->piecey;
  q.kubrix.Timer1_Timer();
  EXPECT_EQ(std::tuple(q.g->paused, q.g->piecey), std::tuple(0, row + 1));
}

// Writes the window's file as given.
void writewindowfile(const std::string& text) {
  std::filesystem::remove_all(windowfile);
  std::ofstream(windowfile, std::ios::binary) << text;
}

TEST(QtDesktop, TheWindowComesBackAtItsSizePlaceAndFullScreenWithItsChoices) {
  // Closed at a size and place of its own, with Sound off, the window comes back so; F11 full
  // screen comes back full screen, and at the size it had before. A size no screen now present
  // can hold is ignored, the picture keeping its cells.
  qtapp();
  const QRect place(60, 50, 620, 480);
  // A window made as the game makes it, from the file.
  struct kept {
    qtwindow w{menubar(), panelcontrols()};
    keptwindow file{w};
  };
  {
    qtgame q;
    keptwindow file(q.w);
    ASSERT_TRUE(q.started());
    q.w.setGeometry(place);
    q.kubrix.menu_Click(menuitem::sound);
  }
  const auto design = qtwindow(menubar(), panelcontrols()).size();
  {
    const kept back;
    EXPECT_EQ(std::tuple(back.w.geometry(), back.w.checked(menuitem::sound), back.w.isFullScreen()),
              std::tuple(place, false, false));
    qtgame q;
    keptwindow file(q.w);
    ASSERT_TRUE(q.started());
    q.key(Qt::Key_F11);
    ASSERT_TRUE(QTest::qWaitFor([&] { return q.w.isFullScreen(); }));
    file.write();
  }
  EXPECT_TRUE(kept().w.windowState() & Qt::WindowFullScreen);
  const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
  writewindowfile("[window]\nx=0\ny=0\nwidth=" + std::to_string(screen.width() + 1) +
                  "\nheight=300\n");
  EXPECT_EQ(kept().w.size(), design);
  std::filesystem::remove(windowfile);
}

TEST(QtDesktop, ADamagedWindowFileGivesTheDefaultsAndTheNextChoiceMendsIt) {
  // Junk, cut lines, numbers that are no numbers, a folder in the file's place: the design size,
  // both choices on, a normal window; and choosing again writes a file that reads back.
  qtapp();
  const auto design = qtwindow(menubar(), panelcontrols()).size();
  const std::string damaged[] = {
      std::string("\xff\xfe\0[win\0dow]\nwidth=3\0", 18),
      "[window]\nwidth=640x\nheight=\nstate=sideways\n[options]\nsound=fals\npausewhenleft=0\n",
      "[window]\nwidth\nheight==480=\n[options]\nsound\n",
      "[window]\nwidth=-640\nheight=480\nx=1e9\ny=one\n"};
  for (const std::string& text : damaged) {
    writewindowfile(text);
    qtwindow w(menubar(), panelcontrols());
    keptwindow file(w);
    EXPECT_EQ(std::tuple(w.size(), w.checked(menuitem::sound), w.checked(menuitem::pauseonleave),
                         w.windowState()),
              std::tuple(design, true, true, Qt::WindowNoState))
        << text;
    w.setchecked(menuitem::pauseonleave, false);
    qtwindow again(menubar(), panelcontrols());
    keptwindow reread(again);
    EXPECT_FALSE(again.checked(menuitem::pauseonleave)) << text;
  }
  std::filesystem::remove(windowfile);
  std::filesystem::create_directory(windowfile);
  qtwindow w(menubar(), panelcontrols());
  keptwindow file(w);
  file.write();
  EXPECT_EQ(std::tuple(w.size(), w.checked(menuitem::sound)), std::tuple(design, true));
  std::filesystem::remove(windowfile);
}

// The samples of a WAV file from the resources once its header is checked: PCM, 16-bit, mono, at
// the game's rate, each size field matching the file. Empty when anything is off.
std::vector<int16_t> wavsamples(const QByteArray& file) {
  const auto field = [&](int at, int bytes) {
    uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) value = value << 8 | static_cast<uint8_t>(file[at + i]);
    return value;
  };
  if (file.size() < 44 || !file.startsWith("RIFF") || file.mid(8, 8) != "WAVEfmt " ||
      field(4, 4) != static_cast<uint32_t>(file.size() - 8) || field(16, 4) != 16 ||
      field(20, 2) != 1 || field(22, 2) != 1 || field(24, 4) != samplerate ||
      field(28, 4) != 2 * samplerate || field(32, 2) != 2 || field(34, 2) != 16 ||
      file.mid(36, 4) != "data" || field(40, 4) != static_cast<uint32_t>(file.size() - 44))
    return {};
  std::vector<int16_t> samples;
  for (int at = 44; at + 1 < file.size(); at += 2) samples.push_back(int16_t(field(at, 2)));
  return samples;
}

TEST(QtSound, TheResourcesHoldEachEffectAsAShortWavAndMoreLayersSoundStronger) {
  // Every effect the game plays is in the resources as the generator made it: a valid WAV, long
  // enough to hear and short enough never to pile up, the landing (heard with nearly every
  // piece) the shortest. Layers cleared at once carry more sound the more there are.
  double landing = 0, energy = 0;
  for (size_t i = 0; i < soundnames.size(); ++i) {
    QFile file(QString(":/sounds/%1.wav").arg(soundnames[i]));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << soundnames[i];
    const std::vector<int16_t> samples = wavsamples(file.readAll());
    const double seconds = static_cast<double>(samples.size()) / samplerate;
    EXPECT_TRUE(seconds > 0.1 && seconds < 1.5) << soundnames[i] << " " << seconds;
    EXPECT_EQ(samples, synthesize(static_cast<soundeffect>(i))) << soundnames[i];
    if (i == 0) landing = seconds;
    EXPECT_GE(seconds, landing) << soundnames[i];
    if (i >= 1 && i <= 4) {
      double sum = 0;
      for (const int16_t s : samples) sum += std::pow(s / 32768.0, 2);
      EXPECT_GT(sum, energy) << soundnames[i];
      energy = sum;
    }
  }
}

TEST(QtSound, WithoutAnAudioDeviceTheGameStartsPlaysEverySoundAndQuitsInOneLineAtMost) {
  // No device, as in CI: the game says so once, whatever Qt Multimedia would say, and plays on
  // without waiting. The toolkit's own start (its lines about the session) comes first.
  qtapp();
  QTemporaryFile output;
  ASSERT_TRUE(output.open());
  fflush(stderr);
  const int saved = dup(2);
  dup2(output.handle(), 2);
  {
    qtgame q;
    ASSERT_TRUE(q.started());
    for (const soundeffect effect : {soundeffect::landing, soundeffect::layers4})
      q.w.playsound(effect);
    std::tie(q.g->score, q.g->piecey, q.g->landed) = std::tuple(-10, 0, 1);
    q.key(Qt::Key_S, "s");
    // Ctrl+Q quits, and never reaches the game as the key Q.
    QTimer::singleShot(0, &q.w, [&] { q.key(Qt::Key_Q, "\x11", Qt::ControlModifier); });
    QTimer::singleShot(3000, &q.w, [] { QApplication::exit(1); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_EQ(q.kubrix.codes, std::vector<int>{'S'});
  }
  fflush(stderr);
  dup2(saved, 2);
  close(saved);
  std::string said, line;
  int lines = 0;
  for (std::ifstream text(output.fileName().toStdString()); std::getline(text, line);
       said += line + '\n') {
    // The test platform's own notice, which no real display gives.
    lines += line != "This plugin does not support propagateSizeHints()";
  }
  EXPECT_LE(lines, 1) << said;
  std::filesystem::remove(gamefile);
}

}  // namespace
