// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/gamestate.h"

// The high-score table, in the working directory.
inline constexpr const char* highscorefile = "highscores.record65";
// How many of the best scores on each settings the table shows and a new score must get among.
inline constexpr size_t highscoreplaces = 10;

// One record of the table: who, how many points, and the settings the game was played on.
struct highscore {
  std::string name;
  int64_t score = 0;
  int64_t gametype = 0;
  int64_t difficulty = 0;
  int64_t wellwidth = 0;
  int64_t wellheight = 0;
  int64_t maxsquares = 0;
  std::string replay = {};  // the file in the replays folder that holds the game; empty for none
  bool operator==(const highscore&) const = default;
};

// The record the game just played would make, for the given name. After game over the kind of
// game is the one kept in savedgametype.
highscore highscoreof(const gamestate& g, const std::string& name);

// Whether two records compete: same kind of game, difficulty, well width and height, and for the
// all-sizes game the same largest piece.
bool samesettings(const highscore& a, const highscore& b);

// One line of the file: the seven fields in double quotes, separated by commas, ended by CR LF;
// an eighth names the replay when the record has one.
// The name is kept byte for byte (UTF-8 as typed) with each double quote doubled; a line break
// in it, which would split the record, is written as a blank.
std::string highscoreline(const highscore& record);

// One line of the file, with or without its line end, back into a record; nothing when it is not
// seven or eight fields, a quote is left open, a number field is not a whole decimal number, or
// the eighth is not a replay's name (replayname()).
std::optional<highscore> readhighscoreline(std::string_view line);

// The records of the file in file order, the lines that cannot be read skipped. A missing file is
// an empty table; error holds the errno when the file exists but cannot be opened or read.
struct highscoretable {
  std::vector<highscore> records;
  int error = 0;
};
highscoretable readhighscores();

// The records on the same settings as `current`, best first, as many as the table shows; equal
// scores keep the order they were made in.
std::vector<highscore> besthighscores(const std::vector<highscore>& records,
                                      const highscore& current);

// Once a record is added: the replays of the records on its settings that the table no longer
// shows are removed.
void dropunlistedreplays(const highscore& current);

// Appends the record at the end of the file, creating it when missing, and never rewrites what is
// there. A last line left without its line end (a write cut short) is ended first, so the new
// record stands on a line of its own. Returns 0, or the errno of the step that failed.
int appendhighscore(const highscore& record);
