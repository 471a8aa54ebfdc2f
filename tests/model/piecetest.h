#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <string_view>
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
  std::tie(g->gametype, g->wellwidth, g->welldepth, g->wellheight) =
      std::tuple{gametype, width, width, height};
  return g;
}

// What the loop head does for a new piece: seed, draw the piece colour, generate.
inline void makepiece(gamestate& g, uint64_t seed) {
  g.rng.seed(seed);
  colorrule(g);
  generatepiece(g);
}

// The cubes of the piece box in box order, left in place.
inline std::vector<cubeat> cubesof(const gamestate& g) {
  std::vector<cubeat> cubes;
  forbox(g, [&](int x, int y, int z) {
    if (const int32_t c = g.piece.at(x, y, z); c != 0) cubes.push_back({x, y, z, c});
  });
  return cubes;
}

// Takes the cubes of the piece box out of the grid, failing when a cube lies outside the box.
inline std::vector<cubeat> takecubes(gamestate& g) {
  static const auto empty = std::make_unique<grid>();
  const std::vector<cubeat> cubes = cubesof(g);
  for (const cubeat& c : cubes) g.piece.at(c.x, c.y, c.z) = 0;
  if (g.piece.cell == empty->cell) return cubes;
  ADD_FAILURE() << "a cube lies outside the piece box";
  g.piece.clear();
  return cubes;
}

// A piece box drawn layer by layer: '|' starts the next z, '/' the next row y, '.' is empty and
// any other character a cube coloured minus its code (no generated colour is negative).
inline void paint(gamestate& g, std::string_view picture) {
  const auto count = [&](char c) { return static_cast<int>(std::ranges::count(picture, c)); };
  g.piecesizez = 1 + count('|');
  g.piecesizey = 1 + count('/') / g.piecesizez;
  g.piecesizex = static_cast<int>(std::min(picture.find_first_of("/|"), picture.size())) - 1;
  std::string cells(picture);
  std::erase_if(cells, [](char c) { return c == '|' || c == '/'; });
  forbox(g, [&, i = size_t{0}](int x, int y, int z) mutable {
    if (cells[i] != '.') g.piece.at(x, y, z) = -cells[i];
    ++i;
  });
}

// The piece box drawn the same way, emptying the grid: a painted cube shows its character, any
// other cube '#'.
inline std::string picture(gamestate& g) {
  std::string out;
  forbox(g, [&](int x, int y, int z) {
    if (x == 1 && (y > 1 || z > 1)) out += y > 1 ? '/' : '|';
    const int32_t c = g.piece.at(x, y, z);
    out += c == 0 ? '.' : c < 0 ? static_cast<char>(-c) : '#';
  });
  takecubes(g);
  return out;
}
