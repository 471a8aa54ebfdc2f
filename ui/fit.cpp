// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/fit.h"

#include <algorithm>
#include <cmath>
#include <tuple>

#include "persist/limits.h"

namespace {

constexpr int margin = 50;

// The picture's width and height in the side and in the top views against the drawing area, for
// a front square w and a depth step h.
bool toolarge(const gamestate& g, double w, double h, const surface& area) {
  const double width = g.wellwidth;
  const double height = g.wellheight;
  const double roomx = area.surfacewidth() - margin;
  const double roomy = area.surfaceheight() - margin;
  return w * width + h * width >= roomx || w * width + h * height >= roomx ||
         w * height + h * width >= roomy || w * width + h * height >= roomy;
}

// The cell shrinks while the front square is above 6 or the depth step above 3.
bool cellcanshrink(double w, double h) {
  return w > limits::smallestsquarewidth || h > limits::smallestsquareheight;
}

// Two cells off the well's larger side; false when that would take it below the smallest well.
bool shrinkwell(gamestate& g) {
  int& side = g.wellwidth >= g.wellheight ? g.wellwidth : g.wellheight;
  if (side - 2 < limits::smallestwell) return false;
  side -= 2;
  g.welldepth = g.wellwidth;
  return true;
}

// The smallest number at or above `low` (above it when `strict`) that differs from `like` by a
// whole multiple of `step`. Exact in floating point: only remainders are added to `low`.
double sameclassabove(double low, double like, double step, bool strict) {
  double offset = std::fmod(like, step) - std::fmod(low, step);
  while (offset < 0) offset += step;
  while (offset >= step) offset -= step;
  if (strict && offset == 0) offset = step;
  return low + offset;
}

// The lowest of the states lowest, lowest + step, ..., good at which `goeson` holds. It holds at
// good, and along such a run of states it can only turn false once, so halving finds the point.
template <class Test>
double furthest(double good, double lowest, double step, Test goeson) {
  if (goeson(lowest)) return lowest;
  double bad = lowest;
  while (good - bad > step) {
    const double middle = bad + step * std::floor((good - bad) / (2 * step));
    if (middle <= bad || middle >= good) break;
    (goeson(middle) ? good : bad) = middle;
  }
  return good;
}

// Skips passes of the fit that only shrink the cell, landing on a state the loop itself passes
// through. A typed 1000000000 would otherwise take half a billion passes. Pass by pass the cell
// runs one of three courses: while the front square is at least one above the depth step it alone
// drops, by 2 a pass; while the depth step is more than 2 above the square it alone drops, by 1;
// in between the two alternate, and every three passes take 2 off both. Each course is an evenly
// spaced run of states, and the loop goes on only while the cell can shrink and the picture is
// too large, which along a run can only turn false once.
void skipcellpasses(gamestate& g, const surface& area) {
  double& w = g.squarewidth;
  double& h = g.squareheight;
  const double ahead = h - w;
  const auto goeson = [&](double square, double step) {
    return cellcanshrink(square, step) && toolarge(g, square, step, area);
  };
  if (!goeson(w, h)) return;
  if (ahead <= -1) {
    // The square drops while it is at least the depth step.
    const double lowest = sameclassabove(h, w, 2, false);
    w = furthest(w, lowest, 2, [&](double square) { return goeson(square, h); });
  } else if (ahead > 2) {
    // The depth step drops until the next pass would leave it at or below the square.
    const double lowest = sameclassabove(w - 1, h, 1, true);
    h = furthest(h, lowest, 1, [&](double step) { return goeson(w, step); });
  } else {
    // Alternating: every third state is the same cell less 2 on both sides. Below the square
    // 3 - ahead the cell cannot shrink any more.
    const double lowest = sameclassabove(1 - ahead, w, 2, false);
    const double square = furthest(w, lowest, 2, [&](double s) { return goeson(s, s + ahead); });
    if (square != w) std::tie(w, h) = std::tuple(square, square + ahead);
  }
}

}  // namespace

bool fitpicture(gamestate& g, const surface& area) {
  bool shrank = false;
  while (toolarge(g, g.squarewidth, g.squareheight, area)) {
    skipcellpasses(g, area);
    if (cellcanshrink(g.squarewidth, g.squareheight)) {
      if (g.squarewidth >= g.squareheight) {
        g.squarewidth -= 2;
      } else {
        g.squareheight -= 1;
      }
    }
    if (!cellcanshrink(g.squarewidth, g.squareheight)) {
      if (!shrinkwell(g)) break;
      shrank = true;
    }
  }
  // Within what the game's files hold: only a screen some 6000 pixels across leaves more.
  g.squarewidth = std::clamp(g.squarewidth, limits::smallestsquarewidth, limits::largestsquare);
  g.squareheight = std::clamp(g.squareheight, limits::smallestsquareheight, limits::largestsquare);
  if (shrank) {
    g.maxsquares = std::min(g.maxsquares, shapecap(g));
    g.maxlayers = std::min(g.maxlayers, layercap(g));
  }
  return shrank;
}
