// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/projection.h"

#include <cmath>

origin sideorigin(const gamestate& g, int w, int h) {
  const double sw = g.squarewidth;
  const double sh = g.squareheight;
  const double wd = g.wellwidth;
  const double ht = g.wellheight;
  return {std::floor(w / 2.0) + std::floor(wd * sw + wd * sh) / 2 - std::floor(wd * sw),
          std::floor(h / 2.0) + std::floor(wd * sh + ht * sw) / 2 - std::floor(wd * sh)};
}

origin toporigin(const gamestate& g, int w, int h) {
  const double sw = g.squarewidth;
  const double sh = g.squareheight;
  const double wd = g.wellwidth;
  const double ht = g.wellheight;
  const double extent = std::floor(ht * sh + wd * sw) / 2;
  return {std::floor(w / 2.0) - extent + ht * sh, std::floor(h / 2.0) - extent + wd * sw};
}

cellplace placeofcell(const gamestate& g, int view, int x, int y, int z) {
  const int wd = g.wellwidth;
  const int ht = g.wellheight;
  const int dp = g.welldepth;
  switch (view) {
    case 1:
      return {x - 1, ht - y, z - 1};
    case 2:
      return {dp - z, ht - y, x - 1};
    case 3:
      return {wd - x, ht - y, dp - z};
    case 4:
      return {z - 1, ht - y, wd - x};
    case 5:
      return {x - 1, z - 1, ht - y};
    case 6:
      return {dp - z, x - 1, ht - y};
    case 7:
      return {wd - x, dp - z, ht - y};
    case 8:
      return {z - 1, wd - x, ht - y};
    default:
      return {0, 0, 0};
  }
}

cell cellatplace(const gamestate& g, int view, cellplace p) {
  const int wd = g.wellwidth;
  const int ht = g.wellheight;
  const int dp = g.welldepth;
  switch (view) {
    case 1:
      return {1 + p.c, ht - p.r, 1 + p.d};
    case 2:
      return {1 + p.d, ht - p.r, dp - p.c};
    case 3:
      return {wd - p.c, ht - p.r, dp - p.d};
    case 4:
      return {wd - p.d, ht - p.r, 1 + p.c};
    case 5:
      return {1 + p.c, ht - p.d, 1 + p.r};
    case 6:
      return {1 + p.r, ht - p.d, dp - p.c};
    case 7:
      return {wd - p.c, ht - p.d, dp - p.r};
    case 8:
      return {wd - p.r, ht - p.d, 1 + p.c};
    default:
      return {1, 1, 1};
  }
}

viewextent extentofview(const gamestate& g, int view) {
  const int wd = g.wellwidth;
  const int ht = g.wellheight;
  const int dp = g.welldepth;
  switch (view) {
    case 1:
    case 3:
      return {wd, ht, dp};
    case 2:
    case 4:
      return {dp, ht, wd};
    case 5:
    case 7:
      return {wd, dp, ht};
    case 6:
    case 8:
      return {dp, wd, ht};
    default:
      return {0, 0, 0};
  }
}

point frontsquare(const gamestate& g, origin o, cellplace p) {
  const double sw = g.squarewidth;
  const double sh = g.squareheight;
  return {o.x - sh + p.c * sw - p.d * sh, o.y + sh - sw - p.r * sw + p.d * sh};
}
