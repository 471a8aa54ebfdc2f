// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "model/grid.h"
#include "model/random.h"
#include "model/recording.h"

// Game-type codes held in gametype and savedgametype.
namespace gametypes {
inline constexpr int allsizes = 1;
inline constexpr int regular = 0;
inline constexpr int hard = -1;
inline constexpr int easy = -2;
inline constexpr int holeinone = -7;
inline constexpr int over = -97;  // game over: no kind of game, no piece is generated
}  // namespace gametypes

// Everything the game knows. One instance lives for the whole run and every subsystem reads and
// writes it directly. At 16 MiB it is always created on the heap (std::make_unique<gamestate>()).
struct gamestate {
  // The four grids: landed cubes, scratch for layer removal, the falling piece in its own frame
  // (cubes in 1..piecesizex+1 x 1..piecesizey x 1..piecesizez), and scratch for the turns.
  grid well;
  grid layerbuffer;
  grid piece;
  grid turngrid;

  // Flags and values the event handlers share with the main loop.
  int restart = 1;
  int64_t score = 0;
  int64_t shownscore = -1;
  int shapeonly = 0;
  int paused = 0;
  int messagehold = 0;      // 1 while only an open message keeps the game paused, not the player
  int pausedbyleaving = 0;  // 1 while the game waits because the player left its window
  int gameover = 0;
  int gametype = gametypes::regular;
  int savedgametype = gametypes::regular;

  // Settings.
  int maxlayers = 1;
  int difficulty = 0;
  int maxsquares = 20;
  int blockcolormode = 1;  // 1 random, 0 uniform
  int colormode = 0;       // 0 true colour, 1 sixteen colours
  double squarewidth = 14;
  double squareheight = 5;
  int wellwidth = 10;
  int wellheight = 30;
  int welldepth = 10;

  // The falling piece: place and extents (piecesizex is the x extent minus one).
  int piecex = 1;
  int piecey = 0;
  int piecez = 0;
  int piecesizex = 0;
  int piecesizey = 0;
  int piecesizez = 0;

  int landed = 0;
  int blocked = 0;
  int view = 1;
  int lastview = -1;
  int redraw = 0;
  int32_t blockcolor = 0;

  // 1 once the game could not be saved at quit and the player was told: quitting again, before
  // anything else happens, leaves without saving.
  int quitwithoutsaving = 0;
  // The errno of the last keeping of the game after a landing, when it failed; 0 while the file
  // holds the game in play.
  int keepfailure = 0;
  // 1 while a signal or the desktop session ends the game: nothing may wait for the player.
  int ending = 0;
  // 1 in a game played again from its record: it reads and writes none of the game's files.
  int replaying = 0;
  // 1 in a replayed game nobody watches: it draws no picture, which takes no part in the game.
  int unseen = 0;
  // The replay the player chose in the high-score list, for the window to play; empty for none.
  std::string watchrequest;

  randomsource rng;
  recording record;
};
