// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTimer>
#include <filesystem>
#include <memory>
#include <string>

#include "app/game.h"
#include "app/replayer.h"
#include "platform/qt/qtwindow.h"

// Between the window and the game: every event goes on to the game, except while a replay is
// watched. The replay then plays in the game's window at its recorded pace times the chosen
// speed, and the keys are the replay's: P pauses, + and - step the speed through 1/4x to 16x, End
// runs to the last move, Escape leaves. The game meanwhile gets no tick; leaving shows it again,
// paused and as it was.
class watching : public events {
 public:
  watching(game& kubrix, gamestate& g, qtwindow& w);

  // Starts watching a replay file; one the reader refuses is reported and the game goes on.
  void watch(const std::filesystem::path& file);
  // The same once the game has started and shown its first frame.
  void watchatstart(std::filesystem::path file) { pending_ = std::move(file); }
  bool active() const { return replay_ != nullptr; }
  // The speed as a multiple of the recorded pace.
  double speed() const;

  void Form_Activate() override;
  // While a replay plays the game is paused already.
  void Form_Deactivate() override {
    if (!active()) game_.Form_Deactivate();
  }
  void Form_Resize() override;
  void Form_Unload() override;
  void Session_Commit() override { game_.Session_Commit(); }
  void Session_End() override { game_.Session_End(); }
  void Form_KeyDown(int keycode) override;
  void Timer1_Timer() override;
  void menu_Click(menuitem item) override;
  void button_Click(control c) override;
  void text_Change(control c) override;

 private:
  void schedule();
  void advance();
  void show();
  void leave();

  game& game_;
  gamestate& g_;
  qtwindow& w_;
  std::unique_ptr<replayer> replay_;
  std::filesystem::path pending_;
  std::string name_;
  std::string gametitle_;  // the game's own title, shown again on leaving
  int speed_ = 2;          // 1x among the speeds
  bool paused_ = false;
  QTimer pace_;
};
