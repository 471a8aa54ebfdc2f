// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/menubar.h"

#include "model/colors.h"
#include "persist/limits.h"
#include "platform/texts.h"

namespace {

menudef item(std::string caption, menuitem id) {
  return {std::move(caption), id, false, false, {}};
}
menudef check(std::string caption, menuitem id, bool on) {
  return {std::move(caption), id, true, on, {}};
}
menudef menu(std::string caption, std::vector<menudef> children) {
  return {std::move(caption), menuitem::none, false, false, std::move(children)};
}
menudef separator() {
  return {};
}
// A Key-Help entry: an item that only shows the key in its one sub-item.
menudef keyhelp(std::string caption, std::string key) {
  return menu(std::move(caption), {menu(std::move(key), {})});
}

}  // namespace

std::vector<menudef> menubar() {
  return {
      menu(say("menu", "Options"),
           {
               item(say("menu", "New Shape"), menuitem::newshape),
               item(say("menu", "New Game"), menuitem::newgame),
               menu(say("menu", "Settings"),
                    {item(say("menu", "Save Settings"), menuitem::savesettings),
                     item(say("menu", "Restore Default Settings"), menuitem::restoresettings)}),
               item(say("menu", "High Scores"), menuitem::highscores),
               item(say("menu", "Quit"), menuitem::quit),
           }),
      menu(say("menu", "Play-Options"),
           {
               menu(say("menu", "Difficulty Level"),
                    {check(say("menu", "One (no rotation)"), menuitem::one, true),
                     check(say("menu", "Two (rotate four directions)"), menuitem::two, false),
                     check(say("menu", "Three (rotate all directions)"), menuitem::three, false)}),
               menu(say("menu", "Type of game"),
                    {check(say("menu", "Easy (Classic)"), menuitem::classic, false),
                     check(say("menu", "Regular"), menuitem::regular, true),
                     check(say("menu", "Hard"), menuitem::hard, false),
                     check(say("menu", "All Sizes"), menuitem::allsizes, false)}),
               menu(say("menu", "Other Game-Types"),
                    {check(say("menu", "Hole-in-One (regular)"), menuitem::holeinone, false)}),
               separator(),
               check(say("menu", "Pause When Window Is Left"), menuitem::pauseonleave, true),
               check(say("menu", "Sound"), menuitem::sound, true),
           }),
      menu(say("menu", "Size-Options"),
           {item(say("menu", "Choose Game-Size"), menuitem::choosesize),
            item(say("menu", "Choose Grid-Size"), menuitem::choosegrid)}),
      menu(say("menu", "Shape-Options"),
           {item(say("menu", "Choose shape-size (all-sizes mode)"), menuitem::chooseshape),
            item(say("menu", "Choose number of layers (regular mode)"), menuitem::chooselayers)}),
      menu(say("menu", "Color-Options"),
           {
               menu(say("menu", "Choose color-mode"),
                    {check(say("menu", "True color (default)"), menuitem::truecolor, true),
                     check(say("menu", "16-bit-color"), menuitem::color16, false)}),
               menu(say("menu", "Choose block-color"),
                    {check(say("menu", "Block-Color is random"), menuitem::blockrandom, true),
                     check(say("menu", "Block-Color is uniform"), menuitem::blockuniform, false)}),
           }),
      menu(say("menu", "Key-Help"),
           {
               keyhelp(say("menu", "Moving the shape"), say("menu", "{Use the arrow keys}")),
               keyhelp(say("menu", "Pausing the game"), say("menu", "{Press \"P\"}")),
               keyhelp(say("menu", "Moving shape downwards"), say("menu", "{Press Enter}")),
               keyhelp(say("menu", "Switching to Top-View"), say("menu", "{Press \"W\"}")),
               keyhelp(say("menu", "Switching to Side-View"), say("menu", "{Press \"S\"}")),
               keyhelp(say("menu", "Rotating view Clock-Wise"), say("menu", "{Press \"R\"}")),
               keyhelp(say("menu", "Rotating view Counter-Clock-Wise"),
                       say("menu", "{Press \"T\"}")),
               keyhelp(say("menu", "Rotating shape about the X-Axis"),
                       say("menu", "{Press \"J\" or \"H\"}")),
               keyhelp(say("menu", "Rotating shape about the Y-Axis"),
                       say("menu", "{Press \"U\" or \"Y\"}")),
               keyhelp(say("menu", "Rotating shape about the Z-Axis"),
                       say("menu", "{Press \"I\" or \"K\"} ")),
               separator(),
               item(say("menu", "All Keys (F1)"), menuitem::allkeys),
               item(say("menu", "How to Play"), menuitem::howtoplay),
               item(say("menu", "About Vovov Kubrix 3d"), menuitem::about),
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

controldef label(control id, std::string caption, int left, int top, int width, int32_t color) {
  return {id, controlkind::label, std::move(caption), px(left), px(top), px(width), px(300), color};
}
controldef prompt(control id, std::string caption) {
  return label(id, std::move(caption), 240, 720, 6900, yellow);
}
controldef field(control id, int left, int top, const char* initial, int chars) {
  return {id, controlkind::textfield, initial, px(left), px(top), px(495), px(285), 0, chars};
}
controldef button(control id, int left, int top) {
  return {id, controlkind::button, say("panel", "Done"), px(left), px(top), px(1215), px(495), 0};
}

}  // namespace

std::vector<controldef> panelcontrols() {
  return {
      // Game size.
      prompt(control::Label3, say("panel", "Please choose the width and height of the puzzle:")),
      label(control::Label1, say("panel", "Width of puzzle:"), 240, 1440, 1320, green),
      field(control::Text1, 1560, 1440, "10", wellchars),
      label(control::Label2, say("panel", "Height of puzzle:"), 240, 2280, 1320, green),
      field(control::Text2, 1560, 2280, "30", wellchars),
      button(control::Command1, 240, 3360),
      // Cell size.
      prompt(control::Label4, say("panel", "Please choose the width and height of one square:")),
      label(control::Label5, say("panel", "Width of square:"), 240, 1440, 1320, green),
      field(control::Text3, 1560, 1440, "14", cellchars),
      label(control::Label6, say("panel", "Height of square:"), 240, 2280, 1320, green),
      field(control::Text4, 1560, 2280, "10", cellchars),
      button(control::Command2, 240, 3360),
      // Shape size.
      prompt(control::Label7, say("panel", "Please choose the maximum size of the shape:")),
      label(control::Label8, say("panel", "Maximum number of squares:"), 240, 1440, 2160, green),
      field(control::Text5, 2400, 1440, "20", shapechars),
      button(control::Command3, 240, 2520),
      // Layers.
      prompt(control::Label10,
             say("panel", "Please choose the maximum number of layers (for regular mode):")),
      label(control::Label9, say("panel", "Maximum number of layers:"), 240, 1440, 2160, green),
      field(control::Text6, 2400, 1440, "1", layerchars),
      button(control::Command4, 240, 2520),
      // High score, after game over: a field wide enough for a name.
      prompt(control::Label12, say("panel", "CONGRADULATIONS!!!")),
      label(control::Label11, say("panel", "You have a new High-Score on the current settings!!!"),
            240, 1200, 6900, yellow),
      label(control::Label13, say("panel", "Please enter your name:"), 240, 1920, 2640, green),
      {control::Text7, controlkind::textfield, "", px(2880), px(1920), px(3000), px(285), 0},
      button(control::Command5, 240, 2760),
  };
}
