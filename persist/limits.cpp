#include "persist/limits.h"

#include <algorithm>
#include <cmath>

#include "model/numbers.h"

int shapecap(const gamestate& g) {
  return (g.wellwidth - 3) * (g.wellheight - 3) * (g.welldepth - 3) / 2;
}

int layercap(const gamestate& g) {
  return std::min(g.wellheight / 2, g.wellwidth);
}

int wholewithin(double value, int low, int high) {
  if (std::isnan(value)) return low;
  return static_cast<int>(roundhalfeven(std::clamp<double>(value, low, high)));
}
