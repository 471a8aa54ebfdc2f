// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <memory>
#include <random>

#include "../harness.h"
#include "../persist/workdir.h"
#include "app/replayer.h"
#include "persist/limits.h"
#include "persist/replayfile.h"
#include "persist/savedgame.h"
#include "platform/keys.h"

namespace {

// Typed into the panels' fields, and keys pressed, moves the most often. (Tables: clang-format
// would give each text a line.)
// clang-format off
constexpr std::array<const char*, 24> hostiletexts = {
    "6", "7", "10", "12", "25", "30", "40", "41", "100", "0", "-3", "2.5", "14.5", "abc", "",
    "  9", "1e999", "nan", "inf", "99999999999999999", "-0", "3..5", "Ärger, \"quoted\"", "   "};
constexpr std::array<int, 22> presses = {
    keys::enter, keys::enter, keys::enter, keys::left, keys::up, keys::right, keys::down,
    keys::left, keys::up, keys::right, keys::down, 'H', 'U', 'J', 'I', 'K', 'Y', 'R', 'T', 'W', 'S',
    'P'};
// clang-format on

// The menu item or control `n` places after `first` in its list.
template <typename T>
T nth(T first, int n) {
  return static_cast<T>(static_cast<int>(first) + n);
}

bool in(double value, double low, double high) {
  return value >= low && value <= high;
}

// A deterministic random player: keys, gravity ticks, menu commands, hostile text in the panels'
// fields, resizes, new games of every kind, difficulty, colour mode and well size, and closing
// and starting again, checking the game's invariants after every event.
struct bot {
  explicit bot(uint64_t seed) : h(std::make_unique<harness>(seed)), random(seed * 7919 + 1) {
    h->w.recording = false;
    h->start();
  }

  void step() {
    const int roll = pick(1000);
    if (roll < 500) {
      h->w.tick();
    } else if (roll < 800) {
      // Now and then the player leaves the window, which may pause the game.
      roll < 795 ? h->w.key(roll < 780 ? presses[pick(presses.size())] : pick(256)) : h->w.leave();
      if (h->g->paused == 1 && pick(3) == 0) h->w.key('P');  // don't stay paused for long
    } else if (roll < 860) {
      h->w.click(nth(menuitem::newshape, pick(22)));  // any command, Quit included
    } else if (roll < 920) {
      h->w.type(nth(control::Text1, pick(7)), hostiletexts[pick(hostiletexts.size())]);
    } else if (roll < 950) {
      for (int i = 0; i < 5; ++i) h->w.press(nth(control::Command1, i));  // the Done on show
    } else if (roll < 975 && h->g->gameover == 0) {
      const bool tiny = pick(4) == 0;
      const int width = tiny ? pick(60) : 200 + pick(1800);  // one draw per statement
      h->w.resize(width, tiny ? pick(60) : 200 + pick(1400));
    } else if (roll < 985) {
      largestcell();
    } else {
      newgame();
    }
    ++events;
    h->w.millis += 250;
    if (h->w.quitrequested) startagain();
    check(*h->g);
  }

  int pick(size_t n) { return static_cast<int>(random() % n); }

  // A well, a largest all-sizes piece and a number of layers typed into the fields New Game reads;
  // the kind of game, difficulty and colours are what the menus were left at.
  void newgame() {
    const int width = 500 + pick(1500);
    h->w.resize(width, 554 + pick(1000));
    h->w.type(control::Text1, std::to_string(6 + pick(35)));
    h->w.type(control::Text2, std::to_string(6 + pick(35)));
    h->w.type(control::Text5, std::to_string(pick(900)));
    h->w.type(control::Text6, std::to_string(pick(25)));
    h->w.click(menuitem::newgame);
    games += h->g->score == 0 && h->g->gameover == 0;
  }

  // A drawing area up to 8000 pixels a side, a new game in the smallest well and a huge cell typed:
  // the cell grows as large as the game holds.
  void largestcell() {
    const int width = 2000 + pick(6000);
    h->w.resize(width, 2000 + pick(6000));
    h->w.type(control::Text1, "6");
    h->w.type(control::Text2, "6");
    h->w.click(menuitem::newgame);
    h->w.click(menuitem::choosegrid);
    const bool square = pick(2) == 0;
    h->w.type(control::Text3, square ? "99999999999999999" : "6");
    h->w.type(control::Text4, square ? "6" : "99999999999999999");
    h->w.press(control::Command2);
  }

  // The window was closed: the next start goes on exactly where the game was, or, when it was
  // over, starts anew.
  void startagain() {
    auto next =
        std::make_unique<harness>(h->w.clock + 1, h->w.surfacewidth(), h->w.surfaceheight());
    next->w.recording = false;
    next->start();
    const bool over = h->g->gameover == 1;
    if (!over && next->g->paused != h->g->paused) next->w.key('P');
    expect(over ? next->g->score == 0 && next->g->gameover == 0 : difference(*h, *next).empty(),
           over ? "a game over was resumed" : "the resumed game differs");
    resumes += !over;
    h = std::move(next);
  }

  void expect(bool holds, const std::string& what) {
    if (!holds && faults++ < 10) ADD_FAILURE() << "event " << events << ": " << what;
  }

  void check(const gamestate& g) {
    const bool over = g.gameover == 1;
    expect(in(g.wellwidth, 6, 40) && in(g.wellheight, 6, 40) && g.welldepth == g.wellwidth &&
               in(g.squarewidth, 6, 1000) && in(g.squareheight, 3, 1000) &&
               in(g.maxsquares, 4, shapecap(g)) && in(g.maxlayers, 1, layercap(g)),
           "a size or limit out of range");
    expect(g.gametype == (over ? gametypes::over : g.savedgametype) && g.landed == 0 &&
               g.restart == 0 && g.shapeonly == 0,
           "a kind of game or a flag out of place after the loop");
    expect(over || (in(g.piecex, 1, g.wellwidth - g.piecesizex) &&
                    in(g.piecey, 0, g.wellheight - g.piecesizey) &&
                    in(g.piecez, 0, g.welldepth - g.piecesizez)),
           "piece box outside the well");
    if (events % 25 == 0) {
      checkgrids(g);
      checkkept();
    }
    if (events % 300 == 0 || (over && !wasover)) checkreplay();
    checkscore(g);
    gameovers += over && !wasover;
    score = g.score;
    wasover = over;
  }

  // The well's cubes inside the playing space, no full layer left after a landing. An all-sizes
  // piece has exactly its number of cubes. After game over there is no piece.
  void checkgrids(const gamestate& g) {
    int cubes = 0;
    bool outside = false;
    for (int y = 0; y <= 41; ++y) {
      int filled = 0;
      for (int i = 0; i < 42 * 42; ++i) {
        const int x = i % 42, z = i / 42;
        const bool cube = g.well.at(x, y, z) != 0;
        filled += cube;
        outside |=
            cube && !(in(x, 1, g.wellwidth) && in(y, 1, g.wellheight) && in(z, 1, g.welldepth));
        cubes += g.piece.at(x, y, z) != 0;
      }
      expect(filled < g.wellwidth * g.welldepth, "a full layer left in the well");
    }
    expect(!outside, "a cube outside the well");
    if (g.gameover == 1) return expect(cubes == 0, "a piece left after game over");
    expect(g.gametype != gametypes::allsizes || cubes == g.maxsquares,
           "an all-sizes piece not of its number of cubes");
  }

  // Whatever state the game is in, its file holds it: written and read back it is the same game,
  // and written again the very same text.
  void checkkept() {
    const std::string text = savedgametext(savedgameof(*h->g, h->w));
    const auto read = readsavedgame(text);
    expect(read && savedgametext(*read) == text, "a game its own file cannot hold");
  }

  // The game's record, written as a replay, read back and played again from its start through
  // every close and resume, ends where the game is, or was at its game over: the same well, piece,
  // score, random source, settings, panel fields and title. A score the table lists has kept its
  // record, which the game checked the same way.
  void checkreplay() {
    const bool listed = h->g->gameover == 1 && h->w.visible(control::Text7);
    expect(!listed || h->g->record.state == recording::over, "a listed game lost its record");
    if (h->g->record.state == recording::none) return;
    // A record ends at game over, as it recorded it; one in play ends where the game is now.
    recording made = h->g->record;
    if (made.state == recording::running) {
      std::tie(made.state, made.finalscore, made.finalcheck) =
          std::tuple(recording::over, h->g->score, gamecheck(*h->g, h->w));
    }
    const auto read = readreplay(replaytext(made));
    expect(read && *read == made, "a replay its own reader cannot read");
    if (!read) return;
    replayer again(*read);
    again.finish();
    expect(again.agrees() && again.view().title() == h->w.title(),
           "a replay differs from its game");
    ++replays;
    replayed += read->events.size();
    replayedresumes +=
        std::ranges::count(read->events, recordedevent::resume, &recordedevent::what);
  }

  // The score moves only by the rules: a landed piece's points (10, or 10 for each layer of a
  // regular piece) and 10 x width x depth for each layer taken out; 5 off for a new shape; 0 at a
  // new game.
  void checkscore(const gamestate& g) {
    const int64_t delta = g.score - score;
    if (delta == 0 || delta == -5 || g.score == 0) return;
    const bool layered =
        g.savedgametype == gametypes::regular || g.savedgametype == gametypes::holeinone;
    const int64_t layers = delta - (layered ? 10 * g.maxlayers : 10);
    const int64_t layer = 10LL * g.wellwidth * g.welldepth;
    expect(layers >= 0 && layers % layer == 0 && layers / layer <= g.wellheight,
           "the score changed by " + std::to_string(delta));
    ++landings;
  }

  std::unique_ptr<harness> h;
  std::mt19937_64 random;
  uint64_t events = 0, games = 0, gameovers = 0, landings = 0, resumes = 0, faults = 0;
  uint64_t replays = 0, replayed = 0, replayedresumes = 0;
  int64_t score = 0;
  bool wasover = false;
};

using Soak = workdir;  // the player saves settings, games and records

TEST_F(Soak, RandomPlayKeepsEveryInvariant) {
  // Thousands of random events across kinds of game, sizes and hostile input break nothing, and a
  // game closed and started again goes on unchanged. KUBRIX_SOAK=<events> plays a longer soak.
  const char* length = std::getenv("KUBRIX_SOAK");
  bot player(2026);
  while (player.events < (length ? std::strtoull(length, nullptr, 10) : 6000)) player.step();
  player.checkreplay();
  std::cout << "soak: " << player.events << " events, " << player.games << " new games, "
            << player.gameovers << " game overs, " << player.landings << " landings, "
            << player.resumes << " games resumed, " << player.replays << " replays of "
            << player.replayed << " events and " << player.replayedresumes << " resumes, "
            << player.faults << " faults\n";
  EXPECT_TRUE(player.landings > 0 && player.gameovers > 0 && player.resumes > 0 &&
              player.replayedresumes > 0);
}

}  // namespace
