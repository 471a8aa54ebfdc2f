// SPDX-License-Identifier: GPL-3.0-or-later
#include "loop/status.h"

#include <algorithm>
#include <array>

namespace {

// An option panel is open while its Done button is shown.
constexpr std::array<control, 4> donebuttons{control::Command1, control::Command2,
                                             control::Command3, control::Command4};

}  // namespace

std::string gamestatus(const gamestate& g, const window& w) {
  if (w.visible(control::Text7)) return {};
  if (g.gameover == 1) return "Game over — Options › New Game starts a new one";
  const bool panelopen =
      std::any_of(donebuttons.begin(), donebuttons.end(), [&](control c) { return w.visible(c); });
  if (g.paused == 1 && g.messagehold == 0 && !panelopen) return "Paused";
  return {};
}

void updatestatus(const gamestate& g, window& w) {
  w.setstatus(gamestatus(g, w));
}
