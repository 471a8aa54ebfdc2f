// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/gamestate.h"
#include "platform/window.h"

// Wires the window's events to the game: each handler acts on the shared state, then the main loop
// takes its turn (restart, landing, the next frame).
class game : public events {
 public:
  game(gamestate& g, window& w) : g_(g), w_(w) {}

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

 private:
  gamestate& g_;
  window& w_;
  // Anything the player does but closing means a later close tries to save again.
  void playeraction() { g_.quitwithoutsaving = 0; }

  bool started_ = false;
};
