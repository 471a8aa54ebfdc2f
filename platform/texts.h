// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// The game's texts are English. The window's side may install a translator that gives a text in
// the player's language, looked up by its English and a context naming where it shows; until it
// does (the headless window never does), every text stays English.
using translatorfn = std::string (*)(const char* context, const char* english);
inline translatorfn translator = nullptr;

// A text the player reads, in the player's language. scripts/translations collects every call
// with literal arguments, and every KUBRIX_TEXT, into the translations.
inline std::string say(const char* context, const char* english) {
  return translator != nullptr ? translator(context, english) : english;
}

// Marks a text kept in a table and said later, so that it is collected all the same.
#define KUBRIX_TEXT(context, english) english

// `pattern` with %1 ... %9 replaced by `parts` in order, in one pass: a part that holds a "%" is
// kept as it is. A translation may put the parts in another order.
inline std::string fill(std::string_view pattern, std::initializer_list<std::string_view> parts) {
  std::string text;
  for (size_t i = 0; i < pattern.size(); ++i) {
    const size_t index = i + 1 < pattern.size() ? static_cast<size_t>(pattern[i + 1] - '1') : 9;
    if (pattern[i] == '%' && index < parts.size()) {
      text += parts.begin()[index];
      ++i;
    } else {
      text += pattern[i];
    }
  }
  return text;
}
