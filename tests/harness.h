#pragma once

#include <memory>
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
