#pragma once

#include <memory>
#include <string>
#include <tuple>

#include "app/game.h"
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
    applydesign(menubar());
    w.connect(kubrix);
  }

  // Start-up and the first piece.
  void start() { w.activate(); }

  std::unique_ptr<gamestate> g = std::make_unique<gamestate>();
  headlesswindow w;
  game kubrix;

 private:
  void applydesign(const std::vector<menudef>& menus) {
    for (const menudef& m : menus) {
      if (m.checkable) w.setchecked(m.id, m.checked);
      applydesign(m.children);
    }
  }
};

// What tells two games apart for the player and for the rest of the game: the well, the piece,
// every setting and flag, the random source, the panel fields and the check marks; empty when
// nothing does. Scratch space is left out (the turns' and the layer removal's grids, the probes'
// blocked flag): nothing reads it before writing it.
inline std::string difference(const harness& a, const harness& b) {
  const auto values = [](const gamestate& g) {
    return std::tie(g.restart, g.score, g.shownscore, g.shapeonly, g.paused, g.gameover, g.gametype,
                    g.savedgametype, g.maxlayers, g.difficulty, g.maxsquares, g.blockcolormode,
                    g.colormode, g.squarewidth, g.squareheight, g.wellwidth, g.wellheight,
                    g.welldepth, g.piecex, g.piecey, g.piecez, g.piecesizex, g.piecesizey,
                    g.piecesizez, g.landed, g.view, g.lastview, g.redraw, g.blockcolor,
                    g.quitwithoutsaving);
  };
  if (a.g->well.cell != b.g->well.cell) return "the well";
  if (a.g->piece.cell != b.g->piece.cell) return "the piece";
  if (a.g->rng.state() != b.g->rng.state()) return "the random source";
  if (values(*a.g) != values(*b.g)) return "a setting or flag";
  for (control box : {control::Text1, control::Text2, control::Text3, control::Text4,
                      control::Text5, control::Text6}) {
    if (a.w.text(box) != b.w.text(box)) return "a panel field";
  }
  for (int i = 0; i <= static_cast<int>(menuitem::chooselayers); ++i) {
    const auto item = static_cast<menuitem>(i);
    if (a.w.checked(item) != b.w.checked(item)) return "a check mark";
  }
  return {};
}
