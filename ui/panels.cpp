// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/panels.h"

#include <array>
#include <span>

#include "ui/cellsize.h"

namespace {

// Locked while a panel is open. The play and colour options, "Quit" and "Key-Help" stay open.
constexpr std::array<menuitem, 8> lockeditems{
    menuitem::savesettings, menuitem::restoresettings, menuitem::choosesize, menuitem::choosegrid,
    menuitem::chooseshape,  menuitem::chooselayers,    menuitem::newshape,   menuitem::newgame};

// Each panel's controls, its first text field first.
using panel = std::span<const control>;
constexpr std::array<control, 6> gamesize{control::Text1,  control::Text2,  control::Label1,
                                          control::Label2, control::Label3, control::Command1};
constexpr std::array<control, 6> cellsize{control::Text3,  control::Text4,  control::Label4,
                                          control::Label5, control::Label6, control::Command2};
constexpr std::array<control, 4> shapesize{control::Text5, control::Label7, control::Label8,
                                           control::Command3};
constexpr std::array<control, 4> layers{control::Text6, control::Label9, control::Label10,
                                        control::Command4};

void openpanel(gamestate& g, window& w, panel controls) {
  for (menuitem item : lockeditems) w.setenabled(item, false);
  for (control c : controls) w.setvisible(c, true);
  g.paused = 1;
  w.setfocus(controls.front());
}

void closepanel(gamestate& g, window& w, panel controls) {
  for (control c : controls) w.setvisible(c, false);
  g.paused = 0;
  for (menuitem item : lockeditems) w.setenabled(item, true);
  w.setenabled(menuitem::newshape, g.gameover != 1);
}

}  // namespace

void choosesize_Click(gamestate& g, window& w) {
  openpanel(g, w, gamesize);
}
void choosegrid_Click(gamestate& g, window& w) {
  openpanel(g, w, cellsize);
}
void chooseshape_Click(gamestate& g, window& w) {
  openpanel(g, w, shapesize);
}
void chooselayers_Click(gamestate& g, window& w) {
  openpanel(g, w, layers);
}

void Command1_Click(gamestate& g, window& w) {
  closepanel(g, w, gamesize);
}

void Command2_Click(gamestate& g, window& w) {
  applycellsize(g, w);
  closepanel(g, w, cellsize);
  // A view no frame has drawn: the picture is redrawn with the new cell size at once, in play
  // as after game over.
  g.lastview = -987;
}

void Command3_Click(gamestate& g, window& w) {
  closepanel(g, w, shapesize);
}
void Command4_Click(gamestate& g, window& w) {
  closepanel(g, w, layers);
}
