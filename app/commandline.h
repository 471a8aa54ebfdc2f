// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// The exit code of a command line the game cannot follow.
inline constexpr int usageerror = 2;

// What the command line asks for: either a text to print and an exit code, without starting the
// game, or a replay to verify without a display, or the folder the game keeps its files in
// (empty: the working directory) and a replay to watch first.
struct commandline {
  std::optional<int> exitcode;
  std::string text;  // on standard output for exit code 0, else on standard error
  std::filesystem::path folder;
  std::filesystem::path verify = {};
  std::filesystem::path replay = {};  // absolute
};

// Reads the arguments, the program's name first, as the bytes the system passed: a folder is named
// by bytes, not text, and is kept byte for byte whatever the locale. It needs no application
// object, so that --help and --version work without a display. --user-files takes the folder
// from userfolder().
commandline readcommandline(const std::vector<std::string>& arguments, const char* xdgdatahome,
                            const char* home);

// The game's per-user data folder, "kubrix3d" under $XDG_DATA_HOME, by default ~/.local/share.
// A relative or empty variable counts as unset, as the XDG base directory rules say; empty when
// neither variable gives an absolute folder.
std::filesystem::path userfolder(const char* xdgdatahome, const char* home);

// Creates the folder when missing, checks that the game can write there and makes it the working
// directory, where the game opens its files by their plain names. Returns a message for the
// player when it cannot, the working directory left as it was.
std::optional<std::string> enterfolder(const std::filesystem::path& folder);
