// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// Menu items the game talks to: clicked, checked, enabled. Key-Help items have no id: they only
// show text and do nothing when chosen.
enum class menuitem {
  none,
  newshape,
  newgame,
  savesettings,
  restoresettings,
  quit,
  highscores,
  one,
  two,
  three,
  classic,
  regular,
  hard,
  allsizes,
  holeinone,
  truecolor,
  color16,
  blockrandom,
  blockuniform,
  choosesize,
  choosegrid,
  chooseshape,
  chooselayers,
  // The desktop's own items, beside the play options and the key list.
  pauseonleave,
  sound,
  allkeys,
  howtoplay,
  about,
};

// One entry of the menu bar: a menu with children, or an item (checkable or not); an entry with
// no caption is a separator line.
struct menudef {
  std::string caption;
  menuitem id = menuitem::none;
  bool checkable = false;
  bool checked = false;
  std::vector<menudef> children;
};

// The panel controls placed over the drawing area, all hidden at start.
enum class control {
  Label1, Label2, Label3, Label4, Label5, Label6, Label7,
  Label8, Label9, Label10, Label11, Label12, Label13,
  Text1, Text2, Text3, Text4, Text5, Text6, Text7,
  Command1, Command2, Command3, Command4, Command5,
};

enum class controlkind { label, textfield, button };

// Where and how a control is drawn, in pixels of the drawing area's design size.
struct controldef {
  control id;
  controlkind kind;
  std::string caption;  // label and button text, a text field's initial text
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int color = 0xFFFFFF;  // label text colour, packed RGB
  int chars = 0;         // a text field's longest value, in characters: the field fits it
};
