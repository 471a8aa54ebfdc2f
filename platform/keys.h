// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Virtual key codes as the game receives them: letters are their upper-case code whatever the
// modifiers.
namespace keys {
inline constexpr int enter = 13;
inline constexpr int escape = 27;
inline constexpr int end = 35;
inline constexpr int left = 37;
inline constexpr int up = 38;
inline constexpr int right = 39;
inline constexpr int down = 40;
inline constexpr int plus = 107;  // the main keyboard's and the keypad's
inline constexpr int minus = 109;
inline constexpr int f1 = 112;
inline constexpr int letter(char upper) { return upper; }
}  // namespace keys
