// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/gamestate.h"
#include "model/recording.h"
#include "persist/savedgame.h"
#include "platform/window.h"

// Wires the window's events to the game: each handler acts on the shared state, then the main loop
// takes its turn (restart, landing, the next frame). Every event is also noted in the game's
// record, which starts with each game and ends at its game over.
class game : public events {
 public:
  game(gamestate& g, window& w);

  void Form_Activate() override;
  void Form_Deactivate() override;
  void Form_Resize() override;
  void Form_Unload() override;
  void Session_Commit() override;
  void Session_End() override;
  void Form_KeyDown(int keycode) override;
  void Timer1_Timer() override;
  void menu_Click(menuitem item) override;
  void button_Click(control c) override;
  void text_Change(control c) override;

  // In place of the first activation, for a game played again: starts as a resumed game starts,
  // from `saved` rather than the kept game's file.
  void startfrom(const savedgame& saved);
  // The window was left with "Pause When Window Is Left" on: the game waits for P. A replay plays
  // it so, whatever its own window's check mark says.
  void leftwindow();

 private:
  // A handler's run. Only events that reach the game on their own are noted: one that comes while
  // another handler still runs (a tick under an open message, in the message's own event loop)
  // changes nothing, but played again it would come after the message, which then returns at
  // once. A resize is noted either way, as the area's size lasts.
  class turn {
   public:
    turn(game& owner, recordedevent e);
    ~turn();
    turn(const turn&) = delete;
    turn& operator=(const turn&) = delete;

   private:
    game& owner_;
  };

  void note(recordedevent e);
  void beginrecord();
  // After the outermost handler: a game that has just ended closes its record.
  void settle();

  gamestate& g_;
  window& w_;
  // Anything the player does but closing means a later close tries to save again.
  void playeraction() { g_.quitwithoutsaving = 0; }

  bool started_ = false;
  int depth_ = 0;  // handlers running, the outermost included
};
