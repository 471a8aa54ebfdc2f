// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <filesystem>

#include "persist/settings.h"
#include "platform/qt/language.h"
#include "platform/texts.h"
#include "qtgame.h"

namespace {

QStringList menutitles(qtgame& q) {
  QStringList titles;
  for (const QAction* menu : q.w.menuBar()->actions()) titles << menu->text();
  return titles;
}

// The texts a player meets first: the menus, the size panel with its Done, the title, the status
// line and the message about settings that could not be saved; and the picture of `same`, the
// game the other language played, in the same window size whatever the menu bar's width.
struct firstlook {
  QStringList menus;
  QString label, button, title, status, message;
  QImage picture;
  int labelright = 0, fieldleft = 0;
};

firstlook look(qtgame& q, const gamestate& same) {
  firstlook seen;
  seen.menus = menutitles(q);
  seen.title = q.w.windowTitle();
  seen.status = q.w.findChild<QLabel*>("status")->text();
  q.kubrix.menu_Click(menuitem::choosesize);
  const QList<QLabel*> labels = q.w.area().findChildren<QLabel*>();
  for (QLabel* label : labels) {
    if (label->isVisible() && label->y() == 96) {
      seen.label = label->text();
      seen.labelright = label->geometry().right();
    }
  }
  for (QLineEdit* field : q.w.area().findChildren<QLineEdit*>()) {
    if (field->isVisible() && field->y() == 96) seen.fieldleft = field->x();
  }
  for (QPushButton* button : q.w.area().findChildren<QPushButton*>()) {
    if (button->isVisible()) seen.button = button->text();
  }
  q.kubrix.button_Click(control::Command1);
  std::filesystem::create_directory(settingsfile);  // not even root saves over a folder
  q.onmodal([&](QWidget* box) {
    seen.message = qobject_cast<QMessageBox*>(box)->text();
    qobject_cast<QDialog*>(box)->accept();
  });
  q.kubrix.menu_Click(menuitem::savesettings);
  *q.g = same;
  q.w.resize(640, 600);
  QTest::qWait(20);
  seen.picture = q.w.picture().image();
  return seen;
}

}  // namespace

TEST(QtLanguage, InGermanEveryTextIsGermanAndThePictureIsTheEnglishOne) {
  qtapp();
  firstlook english;
  const auto played = std::make_unique<gamestate>();  // too large for the stack
  {
    qtgame q;
    ASSERT_TRUE(q.started());
    *played = *q.g;
    english = look(q, *played);
  }
  playerlanguage german(QLocale(QLocale::German, QLocale::Germany));
  german.addqt();
  qtgame q;
  ASSERT_TRUE(q.started());
  const firstlook seen = look(q, *played);
  EXPECT_EQ(seen.menus, QStringList({"Optionen", "Spiel-Optionen", "Größen-Optionen",
                                     "Form-Optionen", "Farb-Optionen", "Tastenhilfe"}));
  EXPECT_EQ(seen.title,
            "Vovov Kubrix 3d - Von Vendrisalo (20 Jahre) / Spielart: Normal / "
            "Schwierigkeit: Eins / Punkte insgesamt: 0");
  EXPECT_EQ(seen.status, "Normal · Schwierigkeit Eins · 0 Punkte");
  EXPECT_EQ(std::pair(seen.label, seen.button),
            std::pair(QString("Breite des Spielfelds:"), QString("Fertig")));
  EXPECT_LT(seen.labelright, seen.fieldleft);
  EXPECT_TRUE(
      seen.message.startsWith("Die Einstellungen konnten nicht in „kubrix3d.settings“ "
                              "gespeichert werden: "))
      << seen.message.toStdString();
  EXPECT_EQ(seen.picture, english.picture);
  EXPECT_NE(seen.labelright, english.labelright);  // the longer label did move its field
  // Qt's own buttons, where its translations are installed.
  if (QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_de.qm")) {
    QDialogButtonBox buttons(QDialogButtonBox::Close);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Close)->text(), "Schließen");
  }
}

TEST(QtLanguage, WithTheLanguageUnsetOrCEveryTextIsTheEnglishOne) {
  // Run by ctest with LANGUAGE, LC_ALL, LC_MESSAGES and LANG unset, and again with them C; in
  // another language it has nothing to say.
  for (const char* variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
    const QByteArray value = qgetenv(variable);
    const bool c = value.isEmpty() || value == "C" || value.startsWith("C.") || value == "POSIX";
    if (!c) GTEST_SKIP() << variable << " is " << value.data();
  }
  qtapp();
  const playerlanguage system;
  qtgame q;
  ASSERT_TRUE(q.started());
  const firstlook seen = look(q, *q.g);
  EXPECT_EQ(seen.menus, QStringList({"Options", "Play-Options", "Size-Options", "Shape-Options",
                                     "Color-Options", "Key-Help"}));
  EXPECT_EQ(seen.title,
            "Vovov Kubrix 3d - By Vendrisalo (Age 20) / Game-Type: Regular / "
            "Difficulty: One / Total Points: 0");
  EXPECT_EQ(seen.status, "Regular · Difficulty One · 0 points");
  EXPECT_EQ(std::pair(seen.label, seen.button),
            std::pair(QString("Width of puzzle:"), QString("Done")));
  EXPECT_TRUE(
      seen.message.startsWith("The settings could not be saved to \"kubrix3d.settings\": "));
  EXPECT_EQ(say("keys", "Left"), "Left");
}
