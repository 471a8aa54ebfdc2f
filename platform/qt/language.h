// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QTranslator>

// The player's language for as long as it lives: the game's translation, built into the program,
// and Qt's own for the standard buttons, where installed. It is chosen from the locale's languages,
// which for the system's locale follow LANGUAGE, LC_ALL, LC_MESSAGES and LANG; with no translation
// for any of them the game stays English. The game's texts are translated from its making on,
// before the application exists; Qt's own once the application does.
class playerlanguage {
 public:
  explicit playerlanguage(const QLocale& locale = QLocale::system());
  ~playerlanguage();
  playerlanguage(const playerlanguage&) = delete;
  playerlanguage& operator=(const playerlanguage&) = delete;

  // Hands Qt's own translation to the application, once it has been made.
  void addqt();

 private:
  QTranslator game_;
  QTranslator qt_;
  bool qtadded_ = false;
};
