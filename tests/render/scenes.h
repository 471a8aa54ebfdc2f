#pragma once

#include <random>
#include <tuple>

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

// A small random scene: well size, contents, a piece that may share cells with the well, view,
// cell sizes (whole numbers or not) and nothing else.
inline void randomscene(gamestate& g, std::mt19937& rng, bool wholesizes) {
  auto pick = [&rng](int low, int high) { return std::uniform_int_distribution(low, high)(rng); };
  auto chance = [&rng](double p) { return std::bernoulli_distribution(p)(rng); };
  g.wellwidth = pick(1, 8);
  g.welldepth = g.wellwidth;
  g.wellheight = pick(1, 10);
  g.view = pick(1, 8);
  if (wholesizes) {
    g.squarewidth = pick(1, 20);
    g.squareheight = pick(0, static_cast<int>(g.squarewidth));
  } else {
    // Up to 20 deep, so that some receding grid lines are too long to be written directly.
    g.squarewidth = pick(8, 80) / 4.0;  // one draw per statement: the order is fixed
    g.squarewidth += chance(0.5) ? 0.1 * pick(1, 9) : 0;
    g.squareheight = pick(1, 80) / 4.0 + (chance(0.5) ? 0.1 * pick(1, 9) : 0);
  }
  const double density = pick(0, 10) / 10.0;
  for (int y = 1; y <= g.wellheight; ++y) {
    for (int z = 1; z <= g.welldepth; ++z) {
      for (int x = 1; x <= g.wellwidth; ++x) {
        if (chance(density)) g.well.at(x, y, z) = pick(1, 0xFFFFFE);
      }
    }
  }
  g.piecesizex = pick(0, g.wellwidth - 1);
  g.piecesizey = pick(1, g.wellheight);
  g.piecesizez = pick(1, g.welldepth);
  g.piecex = pick(1, g.wellwidth - g.piecesizex);
  g.piecey = pick(0, g.wellheight - g.piecesizey);
  g.piecez = pick(0, g.welldepth - g.piecesizez);
  const int32_t color = pick(1, 0xFFFFFE);
  forbox(g, [&](int x, int y, int z) {
    if (chance(0.5)) g.piece.at(x, y, z) = color;
  });
}

}  // namespace scenes
