// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "model/gamestate.h"
#include "model/recording.h"
#include "platform/window.h"

// The folder in the game's folder that keeps the replays of the listed high scores.
inline constexpr const char* replayfolder = "replays";
// The most events a record holds: a hundred hours of play and more. A game that goes on past them
// stops recording rather than let its kept file grow without end.
inline constexpr size_t largestrecord = 4'000'000;
// A replay file, or a kept game with its record, is never larger; reading stops a byte past it.
inline constexpr size_t replayreadlimit = size_t{128} * 1024 * 1024;

// A record as text: "area W H", "paused P", the start as a kept game's text, one line per event
// (its kind's letter, its moment, its numbers, a typed text last), and "done".
std::string recordingtext(const recording& r);

// A record's text back into the record, running. Nothing unless it is a whole record: a start the
// kept game's reader takes, events of known kinds with numbers in their ranges, moments that never
// go back, no more than largestrecord of them, and nothing after "done".
std::optional<recording> readrecording(std::string_view text);

// A replay file: "kubrix3d replay 1", "score N" with the final score the game recorded, "check H"
// with the digest of its final state, then its record.
std::string replaytext(const recording& r);
// Nothing unless the text is a whole replay of this version.
std::optional<recording> readreplay(std::string_view text);

// The record kept beside a kept game: "kubrix3d record 1", "game D" with the digest of the kept
// game's text it goes with, then the record.
std::string keptrecordtext(std::string_view gametext, const recording& r);
// The record, when the text is a whole kept record and goes with the kept game's text `gametext`;
// a record left from another game, or cut short, is none.
std::optional<recording> readkeptrecord(std::string_view text, std::string_view gametext);

// A digest of the game as its kept file would hold it: the well, the piece, the score, the random
// source, the settings, the view and the panel fields. Two games that differ in any differ here.
uint64_t gamecheck(const gamestate& g, const window& w);

// A replay file read: the record, or a message saying why there is none.
struct replayread {
  std::optional<recording> record;
  std::string error;
};
replayread readreplayfile(const std::filesystem::path& file);

// The name a high-score line may give its replay: letters, digits, '.', '-' and '_' ending in
// ".replay", not starting with '.', at most 64 of them, so that it always names a replay inside
// replayfolder.
bool replayname(std::string_view name);

// Writes a finished record into replayfolder, made when missing; returns the file's name there,
// or nothing when it could not be written.
std::optional<std::string> keepreplay(const recording& r);

// The replay a high-score line names, inside replayfolder.
std::filesystem::path replaypath(const std::string& name);
