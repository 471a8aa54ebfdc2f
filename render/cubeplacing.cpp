// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/cubeplacing.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "render/literal.h"
#include "render/raster.h"

namespace {

// Keeps the pixel each x (or y) coordinate of the operations lands on, and draws nothing.
class landings : public surface {
 public:
  landings(bool xaxis, std::vector<int>& kept) : xaxis_(xaxis), kept_(kept) {}

  void clearsurface() override {}
  void drawline(float x1, float y1, float x2, float y2, int32_t) override { keep(x1, y1, x2, y2); }
  void drawbox(float x1, float y1, float x2, float y2, int32_t) override { keep(x1, y1, x2, y2); }
  void fillbox(float x1, float y1, float x2, float y2, int32_t) override { keep(x1, y1, x2, y2); }
  int surfacewidth() const override { return 0; }
  int surfaceheight() const override { return 0; }
  void printtext(const std::string&) override {}

 private:
  void keep(float x1, float y1, float x2, float y2) {
    kept_.push_back(topixel(xaxis_ ? x1 : y1));
    kept_.push_back(topixel(xaxis_ ? x2 : y2));
  }

  bool xaxis_;
  std::vector<int>& kept_;
};

}  // namespace

template <typename Edge>
bool cubeplacing::placeaxis(axis& a, bool xaxis, int count, int layers, double w, double h,
                            Edge edge) {
  a.stride = count + 1;
  a.places.clear();
  a.samples.clear();
  std::vector<std::vector<int>> phases;  // each phase's coordinates, from the corner pixel
  std::vector<int> kept;
  landings recorder(xaxis, kept);
  for (int d = 0; d <= layers; ++d) {
    for (int i = 0; i <= count; ++i) {
      // The cube's own operations, drawn from this edge, say where its coordinates land.
      const double at = edge(i, d);
      kept.clear();
      const point corner = xaxis ? point{at, 0} : point{0, at};
      drawfrontface(recorder, corner, w, 0);
      drawfacesandedges(recorder, corner, w, h, 0);
      const int first = kept.front();  // the front face's corner
      for (int& k : kept) {
        if (std::abs(k) > rastersurface::reach) return false;
        k -= first;
      }
      auto known = std::find(phases.begin(), phases.end(), kept);
      if (known == phases.end()) {
        a.samples.push_back(at);
        known = phases.insert(known, kept);
      }
      a.places.push_back({first, static_cast<int>(known - phases.begin())});
    }
  }
  return true;
}

bool cubeplacing::make(const gamestate& g, origin o, viewextent e) {
  const double w = g.squarewidth;
  const double h = g.squareheight;
  return placeaxis(x_, true, e.columns, e.layers, w, h,
                   [&](int c, int d) {
                     return frontsquare(g, o, {c, 0, d}).x;
                   }) &&
         placeaxis(y_, false, e.rows, e.layers, w, h, [&](int r, int d) {
           return frontsquare(g, o, {0, r, d}).y;
         });
}
