#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <set>
#include <tuple>
#include <vector>

#include "model/colors.h"
#include "model/generate.h"
#include "model/piecebox.h"

// One cube of a piece: its cell in the piece grid and its colour.
struct cubeat {
  int x, y, z;
  int32_t colour;
  auto operator<=>(const cubeat&) const = default;
};

// A game of the given kind with an empty well; the depth follows the width.
inline std::unique_ptr<gamestate> newgame(int gametype, int width, int height) {
  auto g = std::make_unique<gamestate>();
  g->gametype = gametype;
  g->wellwidth = g->welldepth = width;
  g->wellheight = height;
  return g;
}

// What the loop head does for a new piece: seed, draw the piece colour, generate.
inline void makepiece(gamestate& g, uint64_t seed) {
  g.rng.seed(seed);
  colorrule(g);
  generatepiece(g);
}

// Takes the cubes of the piece box out of the grid in box order, failing when a cube lies
// outside the box. The grid is empty afterwards.
inline std::vector<cubeat> takecubes(gamestate& g) {
  static const auto empty = std::make_unique<grid>();
  std::vector<cubeat> cubes;
  forbox(g, [&](int x, int y, int z) {
    if (g.piece.at(x, y, z) != 0) cubes.push_back({x, y, z, g.piece.at(x, y, z)});
    g.piece.at(x, y, z) = 0;
  });
  if (std::memcmp(g.piece.cell.data(), empty->cell.data(), sizeof(grid::cell)) != 0) {
    ADD_FAILURE() << "a cube lies outside the piece box";
    g.piece.clear();
  }
  return cubes;
}

// True when every cube can be reached from the first through shared faces.
inline bool connected(const std::vector<cubeat>& cubes) {
  using cell = std::tuple<int, int, int>;
  std::set<cell> left;
  for (const cubeat& c : cubes) left.insert({c.x, c.y, c.z});
  if (left.empty()) return true;
  std::vector<cell> reached = {*left.begin()};
  left.erase(left.begin());
  for (size_t i = 0; i < reached.size(); ++i) {
    const auto [x, y, z] = reached[i];
    for (const cell& next : {cell{x + 1, y, z}, cell{x - 1, y, z}, cell{x, y + 1, z},
                             cell{x, y - 1, z}, cell{x, y, z + 1}, cell{x, y, z - 1}}) {
      if (left.erase(next) == 1) reached.push_back(next);
    }
  }
  return left.empty();
}
