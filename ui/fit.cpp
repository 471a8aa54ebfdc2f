#include "ui/fit.h"

#include <algorithm>

#include "persist/limits.h"

namespace {

constexpr int margin = 50;
// No desktop shows a window side above this many pixels.
constexpr int largestscreen = 32768;

// The picture's width and height in the side and in the top views against the drawing area,
// measured afresh each time.
bool toolarge(const gamestate& g, const surface& area) {
  const double w = g.squarewidth;
  const double h = g.squareheight;
  const double width = g.wellwidth;
  const double height = g.wellheight;
  const double roomx = area.surfacewidth() - margin;
  const double roomy = area.surfaceheight() - margin;
  return w * width + h * width >= roomx || w * width + h * height >= roomx ||
         w * height + h * width >= roomy || w * width + h * height >= roomy;
}

// Two cells off the well's larger side; false when that would take it below the smallest well.
bool shrinkwell(gamestate& g) {
  int& side = g.wellwidth >= g.wellheight ? g.wellwidth : g.wellheight;
  if (side - 2 < limits::smallestwell) return false;
  side -= 2;
  g.welldepth = g.wellwidth;
  return true;
}

}  // namespace

bool fitpicture(gamestate& g, const surface& area) {
  // No cell larger than the drawing area: a typed 99999999999999999 must not cost billions of
  // passes, and steps of 1 would vanish in the rounding of so large a number.
  const double largest =
      std::clamp(std::min(area.surfacewidth(), area.surfaceheight()), 6, largestscreen);
  g.squarewidth = std::min(g.squarewidth, largest);
  g.squareheight = std::min(g.squareheight, largest);

  bool shrank = false;
  while (toolarge(g, area)) {
    if (g.squarewidth > limits::smallestsquarewidth ||
        g.squareheight > limits::smallestsquareheight) {
      if (g.squarewidth >= g.squareheight) {
        g.squarewidth -= 2;
      } else {
        g.squareheight -= 1;
      }
    }
    if (g.squarewidth <= limits::smallestsquarewidth &&
        g.squareheight <= limits::smallestsquareheight) {
      if (!shrinkwell(g)) break;
      shrank = true;
    }
  }
  g.squarewidth = std::max(g.squarewidth, limits::smallestsquarewidth);
  g.squareheight = std::max(g.squareheight, limits::smallestsquareheight);
  if (shrank) {
    g.maxsquares = std::min(g.maxsquares, shapecap(g));
    g.maxlayers = std::min(g.maxlayers, layercap(g));
  }
  return shrank;
}
