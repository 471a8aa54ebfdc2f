// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <array>
#include <random>
#include <tuple>

#include "model/colors.h"
#include "model/gamestate.h"
#include "model/piecebox.h"

// Wells and pieces to draw, for the scene tests and the render benchmark.
namespace scenes {

// A well of the given size with its lowest `full` rows filled, each cube in a colour of its own.
inline void fillrows(gamestate& g, int wellwidth, int wellheight, int full) {
  std::tie(g.wellwidth, g.wellheight, g.welldepth) = std::tuple{wellwidth, wellheight, wellwidth};
  for (int y = wellheight - full + 1; y <= wellheight; ++y) {
    for (int z = 1; z <= wellwidth; ++z) {
      for (int x = 1; x <= wellwidth; ++x) g.well.at(x, y, z) = 1 + (x * 977 + y * 131 + z * 37);
    }
  }
}

// Puts a T of four cubes at the top of the well as the falling piece.
inline void fallingt(gamestate& g, int32_t color) {
  std::tie(g.piecesizex, g.piecesizey, g.piecesizez, g.piecex, g.piecey, g.piecez) =
      std::tuple{2, 2, 1, 2, 0, 2};
  g.piece.at(1, 1, 1) = g.piece.at(2, 1, 1) = g.piece.at(3, 1, 1) = g.piece.at(2, 2, 1) = color;
}

// A random scene of the kind the game can reach. The well is mostly small, now and then as large as
// the game allows; the cells are whole numbers, halves (an odd depth typed into the panel), tenths
// (typed) or anything at all (a settings file), the depth step now and then larger than the front
// square, and rarely too large to copy cubes. Cubes in true colour or in the sixteen colours, the
// edges' blue and the marker's white among them, packed in a block and sprinkled over the well;
// a falling piece that may share cells with the well.
inline void randomscene(gamestate& g, std::mt19937& rng) {
  // One draw per statement: the order is fixed.
  auto pick = [&rng](int low, int high) { return std::uniform_int_distribution(low, high)(rng); };
  auto chance = [&rng](double p) { return std::bernoulli_distribution(p)(rng); };
  auto upto = [&](int most) { return pick(1, chance(0.2) ? most : std::min(most, 8)); };
  g.wellwidth = upto(40);
  g.welldepth = g.wellwidth;
  g.wellheight = upto(40);
  g.view = pick(1, 8);
  auto size = [&](double most) {
    const int steps = std::array{1, 2, 10, 0}[pick(0, 3)];
    if (steps == 0) return std::uniform_real_distribution(1.0, most)(rng);
    return pick(steps, static_cast<int>(most * steps)) / static_cast<double>(steps);
  };
  const bool huge = chance(0.03);
  if (huge) g.wellwidth = g.welldepth = g.wellheight = 2;
  g.squarewidth = size(huge ? 200 : 20);
  g.squareheight = size(std::max(1.0, chance(0.2) ? 2 * g.squarewidth : g.squarewidth));

  const bool sixteen = chance(0.3);
  auto color = [&] { return sixteen ? palettecolor(pick(1, 15)) : pick(1, 0xFFFFFE); };
  const double density = pick(0, 10) / 10.0;
  const int bx = pick(1, std::min(g.wellwidth, 8));
  const int by = pick(1, std::min(g.wellheight, 8));
  const int bz = pick(1, std::min(g.welldepth, 8));
  const int x0 = pick(1, g.wellwidth - bx + 1);
  const int y0 = pick(1, g.wellheight - by + 1);
  const int z0 = pick(1, g.welldepth - bz + 1);
  const double sprinkle =
      pick(0, 30) / static_cast<double>(g.wellwidth * g.wellwidth * g.wellheight);
  for (int y = 1; y <= g.wellheight; ++y) {
    for (int z = 1; z <= g.welldepth; ++z) {
      for (int x = 1; x <= g.wellwidth; ++x) {
        const bool inblock =
            x >= x0 && x < x0 + bx && y >= y0 && y < y0 + by && z >= z0 && z < z0 + bz;
        if (chance(inblock ? density : sprinkle)) g.well.at(x, y, z) = color();
      }
    }
  }
  g.piecesizex = pick(0, std::min(g.wellwidth, 4) - 1);
  g.piecesizey = pick(1, std::min(g.wellheight, 4));
  g.piecesizez = pick(1, std::min(g.welldepth, 4));
  g.piecex = pick(1, g.wellwidth - g.piecesizex);
  g.piecey = pick(0, g.wellheight - g.piecesizey);
  g.piecez = pick(0, g.welldepth - g.piecesizez);
  const int32_t piececolor = color();
  forbox(g, [&](int x, int y, int z) {
    if (chance(0.5)) g.piece.at(x, y, z) = piececolor;
  });
}

}  // namespace scenes
