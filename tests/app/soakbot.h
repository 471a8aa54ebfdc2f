#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A deterministic random player: keys, gravity ticks, menu commands, panel values (hostile text
// included), resizes, new games, and closing and starting again, across every kind of game,
// difficulty, colour mode and well size, checking the game's invariants after every event.
struct soakresult {
  uint64_t events = 0;
  uint64_t games = 0;      // games started (New Game)
  uint64_t gameovers = 0;  // games that ended on their own
  uint64_t landings = 0;
  uint64_t resumes = 0;             // games closed and resumed
  std::vector<std::string> faults;  // the first few invariant violations, described
  uint64_t faultcount = 0;
};

// Plays `events` events from `seed`. Runs in the current directory, where "Save Settings" and
// closing the window write their files: call it from a scratch folder.
soakresult soak(uint64_t seed, uint64_t events);
