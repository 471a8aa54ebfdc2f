// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/menubar.h"

#include "model/colors.h"
#include "persist/limits.h"

namespace {

menudef item(const char* caption, menuitem id) {
  return {caption, id, false, false, {}};
}
menudef check(const char* caption, menuitem id, bool on) {
  return {caption, id, true, on, {}};
}
menudef menu(const char* caption, std::vector<menudef> children) {
  return {caption, menuitem::none, false, false, std::move(children)};
}
menudef separator() {
  return {};
}
// A Key-Help entry: an item that only shows the key in its one sub-item.
menudef keyhelp(const char* caption, const char* key) {
  return menu(caption, {menu(key, {})});
}

}  // namespace

std::vector<menudef> menubar() {
  return {
      menu("Options",
           {
               item("New Shape", menuitem::newshape),
               item("New Game", menuitem::newgame),
               menu("Settings", {item("Save Settings", menuitem::savesettings),
                                 item("Restore Default Settings", menuitem::restoresettings)}),
               item("High Scores", menuitem::highscores),
               item("Quit", menuitem::quit),
           }),
      menu("Play-Options",
           {
               menu("Difficulty Level",
                    {check("One (no rotation)", menuitem::one, true),
                     check("Two (rotate four directions)", menuitem::two, false),
                     check("Three (rotate all directions)", menuitem::three, false)}),
               menu("Type of game", {check("Easy (Classic)", menuitem::classic, false),
                                     check("Regular", menuitem::regular, true),
                                     check("Hard", menuitem::hard, false),
                                     check("All Sizes", menuitem::allsizes, false)}),
               menu("Other Game-Types",
                    {check("Hole-in-One (regular)", menuitem::holeinone, false)}),
               separator(),
               check("Pause When Window Is Left", menuitem::pauseonleave, true),
               check("Sound", menuitem::sound, true),
           }),
      menu("Size-Options", {item("Choose Game-Size", menuitem::choosesize),
                            item("Choose Grid-Size", menuitem::choosegrid)}),
      menu("Shape-Options",
           {item("Choose shape-size (all-sizes mode)", menuitem::chooseshape),
            item("Choose number of layers (regular mode)", menuitem::chooselayers)}),
      menu("Color-Options",
           {
               menu("Choose color-mode", {check("True color (default)", menuitem::truecolor, true),
                                          check("16-bit-color", menuitem::color16, false)}),
               menu("Choose block-color",
                    {check("Block-Color is random", menuitem::blockrandom, true),
                     check("Block-Color is uniform", menuitem::blockuniform, false)}),
           }),
      menu("Key-Help",
           {
               keyhelp("Moving the shape", "{Use the arrow keys}"),
               keyhelp("Pausing the game", "{Press \"P\"}"),
               keyhelp("Moving shape downwards", "{Press Enter}"),
               keyhelp("Switching to Top-View", "{Press \"W\"}"),
               keyhelp("Switching to Side-View", "{Press \"S\"}"),
               keyhelp("Rotating view Clock-Wise", "{Press \"R\"}"),
               keyhelp("Rotating view Counter-Clock-Wise", "{Press \"T\"}"),
               keyhelp("Rotating shape about the X-Axis", "{Press \"J\" or \"H\"}"),
               keyhelp("Rotating shape about the Y-Axis", "{Press \"U\" or \"Y\"}"),
               keyhelp("Rotating shape about the Z-Axis", "{Press \"I\" or \"K\"} "),
               separator(),
               item("All Keys (F1)", menuitem::allkeys),
               item("How to Play", menuitem::howtoplay),
               item("About Vovov Kubrix 3d", menuitem::about),
           }),
  };
}

namespace {

// Every place is in the window's layout units, twips, 15 to a pixel. The fields and buttons stand
// at their design places; each label sits left of its field, each prompt above the fields. The
// window may move a field right of a label longer than designed, and widen it for its longest
// value.
constexpr int px(int twips) {
  return twips / 15;
}

const int32_t yellow = rgb(255, 255, 0);
const int32_t green = rgb(0, 255, 0);

constexpr int digits(int n) {
  return n < 10 ? 1 : 1 + digits(n / 10);
}
// The longest value each field takes: a well side, a cell (up to 1000, twice the depth step up to
// 2000), the all-sizes cap of the largest well, and the layers, at most half its height.
constexpr int wellchars = digits(limits::largestwell);
constexpr int cellchars = 4;
constexpr int shapechars =
    digits((limits::largestwell - 3) * (limits::largestwell - 3) * (limits::largestwell - 3) / 2);
constexpr int layerchars = digits(limits::largestwell / 2);

controldef label(control id, const char* caption, int left, int top, int width, int32_t color) {
  return {id, controlkind::label, caption, px(left), px(top), px(width), px(300), color};
}
controldef prompt(control id, const char* caption) {
  return label(id, caption, 240, 720, 6900, yellow);
}
controldef field(control id, int left, int top, const char* initial, int chars) {
  return {id, controlkind::textfield, initial, px(left), px(top), px(495), px(285), 0, chars};
}
controldef button(control id, int left, int top) {
  return {id, controlkind::button, "Done", px(left), px(top), px(1215), px(495), 0};
}

}  // namespace

std::vector<controldef> panelcontrols() {
  return {
      // Game size.
      prompt(control::Label3, "Please choose the width and height of the puzzle:"),
      label(control::Label1, "Width of puzzle:", 240, 1440, 1320, green),
      field(control::Text1, 1560, 1440, "10", wellchars),
      label(control::Label2, "Height of puzzle:", 240, 2280, 1320, green),
      field(control::Text2, 1560, 2280, "30", wellchars),
      button(control::Command1, 240, 3360),
      // Cell size.
      prompt(control::Label4, "Please choose the width and height of one square:"),
      label(control::Label5, "Width of square:", 240, 1440, 1320, green),
      field(control::Text3, 1560, 1440, "14", cellchars),
      label(control::Label6, "Height of square:", 240, 2280, 1320, green),
      field(control::Text4, 1560, 2280, "10", cellchars),
      button(control::Command2, 240, 3360),
      // Shape size.
      prompt(control::Label7, "Please choose the maximum size of the shape:"),
      label(control::Label8, "Maximum number of squares:", 240, 1440, 2160, green),
      field(control::Text5, 2400, 1440, "20", shapechars),
      button(control::Command3, 240, 2520),
      // Layers.
      prompt(control::Label10, "Please choose the maximum number of layers (for regular mode):"),
      label(control::Label9, "Maximum number of layers:", 240, 1440, 2160, green),
      field(control::Text6, 2400, 1440, "1", layerchars),
      button(control::Command4, 240, 2520),
      // High score, after game over: a field wide enough for a name.
      prompt(control::Label12, "CONGRADULATIONS!!!"),
      label(control::Label11, "You have a new High-Score on the current settings!!!", 240, 1200,
            6900, yellow),
      label(control::Label13, "Please enter your name:", 240, 1920, 2640, green),
      {control::Text7, controlkind::textfield, "", px(2880), px(1920), px(3000), px(285), 0},
      button(control::Command5, 240, 2760),
  };
}
