// SPDX-License-Identifier: GPL-3.0-or-later
#include "persist/settings.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>

#include "model/numbers.h"
#include "persist/checkmarks.h"
#include "persist/limits.h"
#include "persist/replacefile.h"

namespace {

// A settings line is some fifty bytes; reading stops here, so a huge file costs nothing.
constexpr size_t readlimit = size_t{64} * 1024;

// The whole number nearest to value when it lies within low..high; fallback otherwise.
int wholeor(double value, int low, int high, int fallback) {
  if (!(value > low - 1.0 && value < high + 1.0)) return fallback;
  const int whole = static_cast<int>(roundhalfeven(value));
  return whole >= low && whole <= high ? whole : fallback;
}

double cellor(double value, double largest, double fallback) {
  return value > 0 && value <= largest ? value : fallback;
}

// A kind of game outside the menus is kept: it builds fixed shapes or no piece at all. Only the
// game-over code, which no file may start a game with, and absurd codes fall back to regular.
int gametypeor(double value) {
  const int code = wholeor(value, -32768, 32767, gametypes::regular);
  return code == gametypes::over ? gametypes::regular : code;
}

// The panel fields mirror the settings in force.
void showsettings(window& w, const gamestate& g) {
  w.settext(control::Text1, formatnumber(g.wellwidth));
  w.settext(control::Text2, formatnumber(g.wellheight));
  w.settext(control::Text3, formatnumber(g.squarewidth));
  w.settext(control::Text4, formatnumber(2 * g.squareheight));
  w.settext(control::Text5, formatnumber(g.maxsquares));
  w.settext(control::Text6, formatnumber(g.maxlayers));
}

}  // namespace

settingsvalues holdable(const settingsvalues& values) {
  const int width = wholeor(values[2], limits::smallestwell, limits::largestwell, 10);
  const int height = wholeor(values[3], limits::smallestwell, limits::largestwell, 30);
  const int shapes = shapecap(width, height, width);
  settingsvalues held{};
  held[0] = gametypeor(values[0]);
  held[1] = wholeor(values[1], 0, 2, 0);
  held[2] = width;
  held[3] = height;
  // The fifth field is not read: the depth always follows the width.
  held[4] = width;
  held[5] = cellor(values[5], limits::largestsquare, 14);
  held[6] = cellor(values[6], limits::largestsquare, 5);
  // The start-up default of 20 may itself be too large for a small loaded well.
  held[7] = std::min(wholeor(values[7], limits::smallestshape, shapes, 20), shapes);
  held[8] = wholeor(values[8], 1, layercap(width, height), 1);
  held[9] = wholeor(values[9], 0, 1, 0);
  held[10] = wholeor(values[10], 0, 1, 1);
  return held;
}

void storesettings(gamestate& g, const settingsvalues& values) {
  const settingsvalues held = holdable(values);
  const auto whole = [&](size_t i) { return static_cast<int>(held[i]); };
  g.gametype = whole(0);
  g.difficulty = whole(1);
  g.wellwidth = whole(2);
  g.wellheight = whole(3);
  g.welldepth = whole(4);
  g.squarewidth = held[5];
  g.squareheight = held[6];
  g.maxsquares = whole(7);
  g.maxlayers = whole(8);
  g.colormode = whole(9);
  g.blockcolormode = whole(10);
}

void applysettings(gamestate& g, window& w, const settingsvalues& values) {
  storesettings(g, values);
  showsettings(w, g);
  checkfromsettings(w, g);
}

bool loadsettings(gamestate& g, window& w) {
  if (g.replaying == 1) return false;
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(settingsfile, "rb"),
                                                             &std::fclose);
  if (!file) return false;
  std::string text(readlimit, '\0');
  text.resize(std::fread(text.data(), 1, text.size(), file.get()));
  // A name that opens but cannot be read (a folder, say) counts as no file.
  if (std::ferror(file.get())) return false;
  applysettings(g, w, readsettingsline(text));
  return true;
}

int savesettings(const gamestate& g) {
  if (g.replaying == 1) return 0;
  return replacefile(settingsfile, settingsline(g));
}
