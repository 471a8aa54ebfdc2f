// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Virtual key codes as the game receives them: letters are their upper-case code whatever the
// modifiers.
namespace keys {
inline constexpr int enter = 13;
inline constexpr int left = 37;
inline constexpr int up = 38;
inline constexpr int right = 39;
inline constexpr int down = 40;
inline constexpr int f1 = 112;
inline constexpr int letter(char upper) { return upper; }
}  // namespace keys
