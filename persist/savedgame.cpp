// SPDX-License-Identifier: GPL-3.0-or-later
#include "persist/savedgame.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <span>
#include <tuple>

#include "model/colors.h"
#include "model/numbers.h"
#include "persist/checkmarks.h"
#include "persist/limits.h"
#include "persist/settings.h"
#include "persist/textlines.h"

namespace {

using textlines::lines;
using textlines::wholes;

// The first line. A later version of the game reads this one by its number.
constexpr std::string_view versionline = "kubrix3d game 1";

// The settings' lines, in the order of the settings line.
constexpr std::array<std::string_view, 11> settingnames{
    "gametype",     "difficulty", "wellwidth", "wellheight", "welldepth",     "squarewidth",
    "squareheight", "maxsquares", "maxlayers", "colormode",  "blockcolormode"};

// The panel fields New Game reads, each on a line named after it.
constexpr std::array<control, 6> fields{control::Text1, control::Text2, control::Text3,
                                        control::Text4, control::Text5, control::Text6};
std::string fieldname(size_t i) {
  return "Text" + std::to_string(i + 1);
}

// A check-mark group with no item checked, as after a settings file chose a kind of game that
// has none.
constexpr int nomark = gametypes::over;

// Every colour the game gives a cube.
bool cubecolor(int64_t color) {
  return color >= 1 && color <= lastcubecolor;
}

bool markable(std::span<const checkmark> group, int64_t value) {
  return value == nomark ||
         std::ranges::any_of(group, [&](const checkmark& mark) { return mark.value == value; });
}

// A panel field's text on one line of its own.
std::string oneline(std::string text) {
  std::ranges::replace_if(
      text, [](char c) { return c == '\r' || c == '\n'; }, ' ');
  return text;
}

// Reads the sections of a saved game in their order, each checked as it comes.
class reader {
 public:
  explicit reader(std::string_view text) : in_(text) {}

  std::optional<savedgame> game() {
    if (in_.takeline(versionline) && settings() && play() && piecebox() && nextgame() &&
        cubes("well", s_.well, s_.settings[2], s_.settings[3], s_.settings[4]) &&
        cubes("piece", s_.piece, s_.piecesizex + 1, s_.piecesizey, s_.piecesizez) &&
        in_.takeline("end") && in_.done()) {
      return std::move(s_);
    }
    return std::nullopt;
  }

 private:
  // Each setting in the one form the game writes it, and taken by the settings loader as it is.
  bool settings() {
    for (size_t i = 0; i < settingnames.size(); ++i) {
      const auto word = in_.take(settingnames[i]);
      if (!word) return false;
      s_.settings[i] = readnumber(*word);
      if (formatnumber(s_.settings[i]) != *word) return false;
    }
    return holdable(s_.settings) == s_.settings;
  }

  bool play() {
    const auto view = wholes<int, 1>(in_.take("view"));
    const auto score = wholes<int64_t, 1>(in_.take("score"));
    const auto color = wholes<int32_t, 1>(in_.take("blockcolor"));
    const auto random = wholes<uint64_t, 4>(in_.take("random"));
    // The generator never reaches the state of four zeros, from which it would draw only zeros.
    if (!view || !score || !color || !random || (*view)[0] < 1 || (*view)[0] > 8 ||
        !cubecolor((*color)[0]) || *random == std::array<uint64_t, 4>{} ||
        (*score)[0] > limits::largestscore || (*score)[0] < -limits::largestscore) {
      return false;
    }
    std::tie(s_.view, s_.score, s_.blockcolor, s_.random) =
        std::tuple((*view)[0], (*score)[0], (*color)[0], *random);
    return true;
  }

  // The piece's place and extents: the box lies inside the well.
  bool piecebox() {
    const auto place = wholes<int, 3>(in_.take("place"));
    const auto size = wholes<int, 3>(in_.take("extents"));
    if (!place || !size) return false;
    const auto [x, y, z] = *place;
    const auto [sizex, sizey, sizez] = *size;
    if (x < 1 || y < 0 || z < 0 || sizex < 0 || sizey < 0 || sizez < 0 ||
        sizex > s_.settings[2] - x || sizey > s_.settings[3] - y || sizez > s_.settings[4] - z) {
      return false;
    }
    std::tie(s_.piecex, s_.piecey, s_.piecez, s_.piecesizex, s_.piecesizey, s_.piecesizez) =
        std::tuple(x, y, z, sizex, sizey, sizez);
    return true;
  }

  // The panel fields and the check marks New Game will read.
  bool nextgame() {
    for (size_t i = 0; i < fields.size(); ++i) {
      const auto text = in_.take(fieldname(i));
      if (!text) return false;
      s_.fields[i] = *text;
    }
    const auto marks = wholes<int, 2>(in_.take("nextgame"));
    if (!marks || !markable(difficultymarks, (*marks)[0]) ||
        !markable(gametypemarks, (*marks)[1])) {
      return false;
    }
    std::tie(s_.nextdifficulty, s_.nextgametype) = std::tuple((*marks)[0], (*marks)[1]);
    return true;
  }

  // Every line named `name`: a cube inside 1..sizex x 1..sizey x 1..sizez.
  bool cubes(std::string_view name, std::vector<savedcube>& into, double sizex, double sizey,
             double sizez) {
    while (const auto line = in_.take(name)) {
      const auto cube = wholes<int, 4>(line);
      if (!cube) return false;
      const auto [x, y, z, color] = *cube;
      if (x < 1 || x > sizex || y < 1 || y > sizey || z < 1 || z > sizez || !cubecolor(color)) {
        return false;
      }
      into.push_back({x, y, z, color});
    }
    return true;
  }

  lines in_;
  savedgame s_;
};

}  // namespace

savedgame savedgameof(const gamestate& g, const window& w) {
  savedgame s;
  // In play the kind of game and the one the settings file would record are the same.
  s.settings = settingsof(g);
  std::tie(s.view, s.score, s.blockcolor, s.random) =
      std::tuple(g.view, g.score, g.blockcolor, g.rng.state());
  std::tie(s.piecex, s.piecey, s.piecez, s.piecesizex, s.piecesizey, s.piecesizez) =
      std::tie(g.piecex, g.piecey, g.piecez, g.piecesizex, g.piecesizey, g.piecesizez);
  const auto cubes = [](std::vector<savedcube>& into, const grid& cells, int sizex, int sizey,
                        int sizez) {
    for (int y = 1; y <= sizey; ++y) {
      for (int z = 1; z <= sizez; ++z) {
        for (int x = 1; x <= sizex; ++x) {
          if (const int32_t color = cells.at(x, y, z); color != 0) into.push_back({x, y, z, color});
        }
      }
    }
  };
  cubes(s.well, g.well, g.wellwidth, g.wellheight, g.welldepth);
  cubes(s.piece, g.piece, g.piecesizex + 1, g.piecesizey, g.piecesizez);
  for (size_t i = 0; i < fields.size(); ++i) s.fields[i] = oneline(w.text(fields[i]));
  s.record = g.record;
  s.nextdifficulty = checkedvalue(w, difficultymarks, nomark);
  s.nextgametype = checkedvalue(w, gametypemarks, nomark);
  return s;
}

std::string savedgametext(const savedgame& s) {
  std::string out;
  // A cube's line is at most some 30 bytes; one allocation for a full well.
  out.reserve(1024 + 32 * (s.well.size() + s.piece.size()));
  const auto number = [&out](auto value) {
    char digits[24];
    out += ' ';
    out.append(digits, std::to_chars(digits, std::end(digits), value).ptr);
  };
  const auto line = [&](std::string_view name, auto... values) {
    out += name;
    (number(values), ...);
    out += '\n';
  };
  out += versionline;
  out += '\n';
  for (size_t i = 0; i < settingnames.size(); ++i) {
    out += settingnames[i];
    out += ' ';
    out += formatnumber(s.settings[i]);
    out += '\n';
  }
  line("view", s.view);
  line("score", s.score);
  line("blockcolor", s.blockcolor);
  line("random", s.random[0], s.random[1], s.random[2], s.random[3]);
  line("place", s.piecex, s.piecey, s.piecez);
  line("extents", s.piecesizex, s.piecesizey, s.piecesizez);
  for (size_t i = 0; i < fields.size(); ++i) {
    out += fieldname(i);
    out += ' ';
    out += s.fields[i];
    out += '\n';
  }
  line("nextgame", s.nextdifficulty, s.nextgametype);
  for (const savedcube& cube : s.well) line("well", cube.x, cube.y, cube.z, cube.color);
  for (const savedcube& cube : s.piece) line("piece", cube.x, cube.y, cube.z, cube.color);
  out += "end\n";
  return out;
}

std::optional<savedgame> readsavedgame(std::string_view text) {
  return reader(text).game();
}

void applysavedgame(gamestate& g, window& w, const savedgame& saved) {
  storesettings(g, saved.settings);
  g.savedgametype = g.gametype;
  g.view = saved.view;
  g.score = saved.score;
  g.blockcolor = saved.blockcolor;
  g.rng.setstate(saved.random);
  std::tie(g.piecex, g.piecey, g.piecez, g.piecesizex, g.piecesizey, g.piecesizez) =
      std::tie(saved.piecex, saved.piecey, saved.piecez, saved.piecesizex, saved.piecesizey,
               saved.piecesizez);
  g.well.clear();
  for (const savedcube& cube : saved.well) g.well.at(cube.x, cube.y, cube.z) = cube.color;
  g.piece.clear();
  for (const savedcube& cube : saved.piece) g.piece.at(cube.x, cube.y, cube.z) = cube.color;
  g.record = saved.record;

  for (size_t i = 0; i < fields.size(); ++i) w.settext(fields[i], saved.fields[i]);
  checkfromsettings(w, g);
  checkvalue(w, difficultymarks, saved.nextdifficulty);
  checkvalue(w, gametypemarks, saved.nextgametype);

  // The piece is there already; the player sees the game and goes on with P.
  std::tie(g.restart, g.shapeonly, g.landed, g.gameover) = std::tuple(0, 0, 0, 0);
  g.paused = 1;
  g.redraw = 1;
  g.lastview = -1;
  g.shownscore = g.score == -1 ? 0 : -1;  // differs from the score: the frame writes the title
}
