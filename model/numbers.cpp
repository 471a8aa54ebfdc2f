// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/numbers.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

double readnumber(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
    negative = text[i] == '-';
    ++i;
  }
  const size_t start = i;
  bool point = false;
  bool digits = false;
  while (i < text.size()) {
    const char c = text[i];
    if (c >= '0' && c <= '9') {
      digits = true;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      break;
    }
    ++i;
  }
  if (!digits) return 0;
  double value = 0;
  const auto [end, error] =
      std::from_chars(text.data() + start, text.data() + i, value, std::chars_format::fixed);
  // Out of range means hundreds of digits: too large (take the largest finite value) when the
  // whole part holds a non-zero digit, too small to tell from 0 otherwise.
  if (error == std::errc::result_out_of_range) {
    const std::string_view whole = text.substr(start, text.find('.', start) - start);
    const bool large = whole.find_first_not_of('0') != std::string_view::npos;
    value = large ? std::numeric_limits<double>::max() : 0;
  }
  (void)end;
  return negative ? -value : value;
}

std::string formatnumber(double value) {
  if (value == 0 || !std::isfinite(value)) return "0";
  char buffer[400];
  const auto [end, error] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
  if (error != std::errc()) return "0";
  return std::string(buffer, end);
}

double roundhalfeven(double value) { return std::nearbyint(value); }
