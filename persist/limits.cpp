// SPDX-License-Identifier: GPL-3.0-or-later
#include "persist/limits.h"

#include <algorithm>
#include <cmath>

#include "model/numbers.h"

int shapecap(const gamestate& g) {
  return shapecap(g.wellwidth, g.wellheight, g.welldepth);
}
int shapecap(int width, int height, int depth) {
  return (width - 3) * (height - 3) * (depth - 3) / 2;
}

int layercap(const gamestate& g) {
  return layercap(g.wellwidth, g.wellheight);
}
int layercap(int width, int height) {
  return std::min(height / 2, width);
}

int wholewithin(double value, int low, int high) {
  if (std::isnan(value)) return low;
  return static_cast<int>(roundhalfeven(std::clamp<double>(value, low, high)));
}
