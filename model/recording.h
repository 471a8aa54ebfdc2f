// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One event as it reached the game, at its moment in milliseconds since the game began. What the
// two numbers hold depends on the kind: a key's code; a menu item; a control; a drawing area's
// width and height. A panel field's change carries the field's new text.
struct recordedevent {
  enum kind : char {
    key = 'k',
    tick = 't',
    menu = 'm',
    button = 'b',
    typed = 'x',  // a panel field's new text
    resize = 'r',
    close = 'c',
    commit = 's',  // the desktop session asked for the game to be kept
    end = 'e',     // a signal or the session ended the program
    resume = 'a',  // the next start went on with the game its last run kept
    leave = 'l',   // the window was left, with the pause for that on
  };
  uint64_t moment = 0;
  kind what = tick;
  int32_t a = 0;
  int32_t b = 0;
  std::string text;
  bool operator==(const recordedevent&) const = default;
};

// A game's record: where it started, as its kept file would hold it (the random source
// included), with what that file leaves out (the pause and the drawing area's size), then every
// event that reached it. It runs from the game's start to its end, across closes and resumes.
struct recording {
  enum phase { none, running, over };
  phase state = none;
  std::string start;  // the start as a kept game's text
  int32_t width = 0;
  int32_t height = 0;
  int paused = 0;
  std::vector<recordedevent> events;

  // Once over: the final score, and a digest of the final game as its file would hold it.
  int64_t finalscore = 0;
  uint64_t finalcheck = 0;
  // Not kept: the window's clock at the game's moment 0 in this run.
  uint64_t clockbase = 0;
  bool operator==(const recording& other) const {
    return state == other.state && start == other.start && width == other.width &&
           height == other.height && paused == other.paused && events == other.events &&
           finalscore == other.finalscore && finalcheck == other.finalcheck;
  }
};
