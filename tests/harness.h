// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <tuple>

#include "app/game.h"
#include "app/replayer.h"
#include "platform/headless/headlesswindow.h"
#include "ui/menubar.h"

// The falling piece's box: its x extent minus one, its y and z extents, then its place.
inline void setbox(gamestate& g, int sizex, int sizey, int sizez, int x, int y, int z) {
  std::tie(g.piecesizex, g.piecesizey, g.piecesizez, g.piecex, g.piecey, g.piecez) =
      std::tie(sizex, sizey, sizez, x, y, z);
}

// A whole game on the headless window, started with a fixed seed. The window starts with the
// menu bar's design check marks, as the real one does.
struct harness {
  explicit harness(uint64_t seed = 12345, int width = 500, int height = 554)
      : w(width, height), kubrix(*g, w) {
    w.clock = seed;
    showdesignmarks(w, menubar());
    w.connect(kubrix);
  }

  // Start-up and the first piece.
  void start() { w.activate(); }

  std::unique_ptr<gamestate> g = std::make_unique<gamestate>();
  headlesswindow w;
  game kubrix;
};

// What tells two games apart for the player and for the rest of the game: the well, the piece,
// every setting and lasting flag, the random source, and the window's title, check marks and
// panel fields; empty when nothing does. Left out are scratch space (the turns' and the layer
// removal's grids, the probes' blocked flag), which nothing reads before writing it, and the
// requests and marks the loop settles at the end of every event (restart, shapeonly, landed,
// redraw, lastview, shownscore).
inline std::string difference(const harness& a, const harness& b) {
  const auto values = [](const gamestate& g, const headlesswindow& w) {
    std::string shown = w.title();
    for (int i = 1; i <= static_cast<int>(menuitem::chooselayers); ++i)
      shown += w.checked(static_cast<menuitem>(i)) ? '+' : '-';
    for (int i = static_cast<int>(control::Text1); i <= static_cast<int>(control::Text6); ++i)
      shown += '\n' + w.text(static_cast<control>(i));
    return std::tuple(shown, g.rng.state(), g.score, g.paused, g.messagehold, g.gameover,
                      g.gametype, g.savedgametype, g.maxlayers, g.difficulty, g.maxsquares,
                      g.blockcolormode, g.colormode, g.squarewidth, g.squareheight, g.wellwidth,
                      g.wellheight, g.welldepth, g.piecex, g.piecey, g.piecez, g.piecesizex,
                      g.piecesizey, g.piecesizez, g.view, g.blockcolor, g.quitwithoutsaving);
  };
  if (a.g->well.cell != b.g->well.cell || a.g->piece.cell != b.g->piece.cell) return "a grid";
  if (values(*a.g, a.w) != values(*b.g, b.w)) return "a setting, a flag or the window";
  return {};
}
