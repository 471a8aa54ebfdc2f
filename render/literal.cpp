// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/literal.h"

#include "model/colors.h"
#include "render/cells.h"

namespace {

// Palette colours of the scene.
constexpr int32_t floorcolor = rgb(255, 0, 0);       // light red
constexpr int32_t sidewallcolor = rgb(255, 0, 255);  // light magenta
constexpr int32_t backwallcolor = rgb(0, 255, 255);  // light cyan
constexpr int32_t edgecolor = rgb(0, 0, 128);        // blue
constexpr int32_t markercolor = rgb(255, 255, 255);  // white

void drawsidegrid(const gamestate& g, origin o, surface& s) {
  const int wd = g.wellwidth;
  const int ht = g.wellheight;
  const double sw = g.squarewidth;
  const double sh = g.squareheight;
  const double ox = o.x;
  const double oy = o.y;
  for (int a = 0; a <= wd; ++a) {
    s.drawline(ox + a * sw, oy, ox + a * sw - wd * sh, oy + wd * sh, floorcolor);
  }
  for (int n = 0; n <= wd; ++n) {
    s.drawline(ox - n * sh, oy + n * sh, ox - n * sh + wd * sw, oy + n * sh, floorcolor);
  }
  for (int n = 0; n <= wd; ++n) {
    s.drawline(ox - n * sh, oy + n * sh, ox - n * sh, oy + n * sh - ht * sw, sidewallcolor);
  }
  for (int r = 0; r <= ht; ++r) {
    s.drawline(ox, oy - r * sw, ox - wd * sh, oy - r * sw + wd * sh, sidewallcolor);
  }
  for (int a = 0; a <= wd; ++a) {
    s.drawline(ox + a * sw, oy, ox + a * sw, oy - ht * sw, backwallcolor);
  }
  for (int r = 0; r <= ht; ++r) {
    s.drawline(ox, oy - r * sw, ox + wd * sw, oy - r * sw, backwallcolor);
  }
}

void drawtopgrid(const gamestate& g, origin o, surface& s) {
  const int wd = g.wellwidth;
  const int ht = g.wellheight;
  const int dp = g.welldepth;
  const double sw = g.squarewidth;
  const double sh = g.squareheight;
  const double ox = o.x;
  const double oy = o.y;
  for (int a = 0; a <= wd; ++a) {
    s.drawline(ox + a * sw, oy, ox + a * sw - ht * sh, oy + ht * sh, sidewallcolor);
  }
  // The row of the floor's own edge belongs to the floor.
  for (int n = 1; n <= ht; ++n) {
    s.drawline(ox - n * sh, oy + n * sh, ox - n * sh + wd * sw, oy + n * sh, sidewallcolor);
  }
  for (int a = 0; a <= wd; ++a) {
    s.drawline(ox + a * sw, oy, ox + a * sw, oy - dp * sw, floorcolor);
  }
  for (int r = 0; r <= dp; ++r) {
    s.drawline(ox, oy - r * sw, ox + wd * sw, oy - r * sw, floorcolor);
  }
  for (int n = 0; n <= ht; ++n) {
    s.drawline(ox - n * sh, oy - dp * sw + n * sh, ox - n * sh, oy + n * sh, backwallcolor);
  }
  for (int r = 0; r <= dp; ++r) {
    s.drawline(ox, oy - r * sw, ox - ht * sh, oy - r * sw + ht * sh, backwallcolor);
  }
}

}  // namespace

origin sceneorigin(const gamestate& g, const surface& s) {
  const int w = s.surfacewidth();
  const int h = s.surfaceheight();
  return sideview(g.view) ? sideorigin(g, w, h) : toporigin(g, w, h);
}

void drawgrid(const gamestate& g, origin o, surface& s) {
  if (sideview(g.view)) {
    drawsidegrid(g, o, s);
  } else {
    drawtopgrid(g, o, s);
  }
}

void drawfrontface(surface& s, point at, double w, int32_t color) {
  s.fillbox(at.x, at.y, at.x + w, at.y + w, color);
}

void drawlandingmarker(surface& s, point at, double w, double h, int n, bool side) {
  const double x = at.x;
  if (side) {
    const double y = at.y + n * w;
    s.drawline(x, y, x + w, y, markercolor);
    s.drawline(x + w, y, x + w + h, y - h, markercolor);
    s.drawline(x, y, x + h, y - h, markercolor);
    s.drawline(x + h, y - h, x + w + h, y - h, markercolor);
  } else {
    const double markx = x + n * h;
    const double marky = at.y - n * h;
    s.drawbox(markx, marky, markx + w, marky + w, markercolor);
  }
}

void drawfacesandedges(surface& s, point at, double w, double h, int32_t color) {
  const double x = at.x;
  const double y = at.y;
  // Hatches one unit apart fill the receding faces; a one-pixel pen leaves no gaps between them.
  for (double t = 0; t <= w; ++t) s.drawline(x + t, y, x + t + h, y - h, color);
  for (double t = 0; t <= w; ++t) s.drawline(x + w, y + t, x + w + h, y + t - h, color);
  s.drawbox(x, y, x + w, y + w, edgecolor);
  s.drawline(x, y, x + h, y - h, edgecolor);
  s.drawline(x + h, y - h, x + h + w, y - h, edgecolor);
  s.drawline(x + w, y, x + w + h, y - h, edgecolor);
  // The lower-right edge reaches one unit further along the diagonal than the others.
  s.drawline(x + w, y + w, x + w + h + 1, y + w - h - 1, edgecolor);
  s.drawline(x + w + h, y - h, x + w + h, y + w - h, edgecolor);
}

void drawcubes(const gamestate& g, origin o, surface& s) {
  // Layers far to near, rows bottom to top, columns left to right: nearer, higher and
  // further-right cubes paint over what they hide.
  const viewextent e = extentofview(g, g.view);
  const double w = g.squarewidth;
  const double h = g.squareheight;
  for (int d = 0; d < e.layers; ++d) {
    for (int r = 0; r < e.rows; ++r) {
      for (int c = 0; c < e.columns; ++c) {
        const cell at = cellatplace(g, g.view, {c, r, d});
        const cellcube cube = cubeincell(g, at.x, at.y, at.z);
        if (cube.color == 0) continue;
        const point corner = frontsquare(g, o, {c, r, d});
        drawfrontface(s, corner, w, cube.color);
        if (cube.falling) {
          drawlandingmarker(s, corner, w, h, landingdepth(g, at.x, at.y, at.z), sideview(g.view));
        }
        drawfacesandedges(s, corner, w, h, cube.color);
      }
    }
  }
}

void drawsceneliteral(const gamestate& g, surface& s) {
  const origin o = sceneorigin(g, s);
  s.clearsurface();
  drawgrid(g, o, s);
  drawcubes(g, o, s);
}
