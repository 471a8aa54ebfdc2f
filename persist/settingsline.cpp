// SPDX-License-Identifier: GPL-3.0-or-later
#include "persist/settingsline.h"

#include "model/numbers.h"

namespace {

bool lineend(char c) {
  return c == '\r' || c == '\n';
}

// Moves past the comma or the line end (CR LF, CR or LF) that closes a field.
size_t skipdelimiter(std::string_view text, size_t i) {
  if (i >= text.size()) return i;
  if (text[i] == ',' || text[i] == '\n') return i + 1;
  if (text[i] == '\r') return i + 1 < text.size() && text[i + 1] == '\n' ? i + 2 : i + 1;
  return i;
}

// The end of the field that starts at i: the next comma or line end, or the end of the text.
size_t fieldend(std::string_view text, size_t i) {
  while (i < text.size() && text[i] != ',' && !lineend(text[i])) ++i;
  return i;
}

}  // namespace

settingsvalues settingsof(const gamestate& g) {
  return {static_cast<double>(g.savedgametype),
          static_cast<double>(g.difficulty),
          static_cast<double>(g.wellwidth),
          static_cast<double>(g.wellheight),
          static_cast<double>(g.welldepth),
          g.squarewidth,
          g.squareheight,
          static_cast<double>(g.maxsquares),
          static_cast<double>(g.maxlayers),
          static_cast<double>(g.colormode),
          static_cast<double>(g.blockcolormode)};
}

std::string settingsline(const gamestate& g) {
  std::string line;
  for (double value : settingsof(g)) {
    if (!line.empty()) line += ',';
    line += '"' + formatnumber(value) + '"';
  }
  return line + "\r\n";
}

settingsvalues readsettingsline(std::string_view text) {
  settingsvalues values{};
  size_t i = 0;
  for (double& value : values) {
    if (i >= text.size()) break;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    std::string_view field;
    if (i < text.size() && text[i] == '"') {
      const size_t start = i + 1;
      const size_t close = std::min(text.find('"', start), text.size());
      field = text.substr(start, close - start);
      // Whatever stands between the closing quote and the delimiter is not part of the field.
      i = fieldend(text, std::min(close + 1, text.size()));
    } else {
      const size_t end = fieldend(text, i);
      field = text.substr(i, end - i);
      i = end;
    }
    value = readnumber(field);
    i = skipdelimiter(text, i);
  }
  return values;
}
