// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

// The readers of the game's line-by-line files: each line ends in a line feed and starts with
// its name.
namespace textlines {

// The text line by line. Each line ends in a line feed and starts with its name.
class lines {
 public:
  explicit lines(std::string_view text) : rest_(text) {}

  // What follows `name` and a blank on the next line, which is then read; nothing, and the line
  // left unread, when the next line is not named so.
  std::optional<std::string_view> take(std::string_view name) {
    const size_t end = rest_.find('\n');
    const std::string_view line = rest_.substr(0, end);
    if (end == std::string_view::npos || !line.starts_with(name) || line.size() == name.size() ||
        line[name.size()] != ' ') {
      return std::nullopt;
    }
    rest_.remove_prefix(end + 1);
    return line.substr(name.size() + 1);
  }

  // Whether the next line is `line` itself, which is then read.
  bool takeline(std::string_view line) {
    if (!rest_.starts_with(line) || rest_.substr(line.size(), 1) != "\n") return false;
    rest_.remove_prefix(line.size() + 1);
    return true;
  }

  // The next line whatever it holds, which is then read; nothing when no whole line is left.
  std::optional<std::string_view> takeany() {
    const size_t end = rest_.find('\n');
    if (end == std::string_view::npos) return std::nullopt;
    const std::string_view line = rest_.substr(0, end);
    rest_.remove_prefix(end + 1);
    return line;
  }

  // What is left to read.
  std::string_view rest() const { return rest_; }
  void skip(size_t count) { rest_.remove_prefix(count); }

  bool done() const { return rest_.empty(); }

 private:
  std::string_view rest_;
};

// Exactly `count` whole numbers separated by single blanks.
template <class Number, size_t count>
std::optional<std::array<Number, count>> wholes(std::optional<std::string_view> words) {
  if (!words) return std::nullopt;
  std::array<Number, count> values{};
  const char* at = words->data();
  const char* const end = at + words->size();
  for (size_t i = 0; i < count; ++i) {
    if (i > 0 && (at == end || *at++ != ' ')) return std::nullopt;
    const auto [next, error] = std::from_chars(at, end, values[i]);
    if (error != std::errc()) return std::nullopt;
    at = next;
  }
  if (at != end) return std::nullopt;
  return values;
}

// The file's text up to a byte past `limit`, read a mebibyte at a time so that a small file costs
// no large buffer; the caller checks ferror() and the size.
inline std::string readupto(std::FILE* file, size_t limit) {
  std::string text;
  while (text.size() <= limit) {
    const size_t start = text.size();
    text.resize(std::min(start + (size_t{1} << 20), limit + 1));
    const size_t got = std::fread(text.data() + start, 1, text.size() - start, file);
    text.resize(start + got);
    if (got == 0) break;
  }
  return text;
}

}  // namespace textlines
