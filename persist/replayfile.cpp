// SPDX-License-Identifier: GPL-3.0-or-later
#include "persist/replayfile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <memory>
#include <system_error>
#include <tuple>

#include "persist/replacefile.h"
#include "persist/savedgame.h"
#include "persist/textlines.h"
#include "platform/texts.h"

namespace {

using textlines::lines;
using textlines::wholes;

constexpr std::string_view versionline = "kubrix3d replay 1";
constexpr std::string_view keptversionline = "kubrix3d record 1";
// A start is a kept game of the first version, without a record of its own.
constexpr std::string_view startline = "kubrix3d game 1\n";
constexpr std::string_view startend = "\nend\n";
// A drawing area's side, either way; a window larger than any screen is no area the game had.
constexpr int32_t largestside = 100'000;
// Moments stay well inside what a double holds exactly, for the pacing of a watched replay.
constexpr uint64_t lastmoment = uint64_t{1} << 52;

void append(std::string& out, auto value) {
  char digits[24];
  out += ' ';
  out.append(digits, std::to_chars(digits, std::end(digits), value).ptr);
}

// A typed text on one line: backslash, line feed and carriage return written as \\, \n and \r.
void appendescaped(std::string& out, std::string_view text) {
  for (const char c : text) {
    if (c == '\\') {
      out += "\\\\";
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else {
      out += c;
    }
  }
}

std::optional<std::string> unescaped(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\') {
      out += text[i];
      continue;
    }
    if (++i == text.size()) return std::nullopt;
    switch (text[i]) {
      case '\\':
        out += '\\';
        break;
      case 'n':
        out += '\n';
        break;
      case 'r':
        out += '\r';
        break;
      default:
        return std::nullopt;
    }
  }
  return out;
}

bool within(int64_t value, int64_t low, int64_t high) {
  return value >= low && value <= high;
}

bool known(char kind) {
  return std::string_view("ktmbxrcseal").find(kind) != std::string_view::npos;
}

// One event's line after its kind letter and blank; nothing when its numbers are not those of its
// kind or out of their ranges.
std::optional<recordedevent> readevent(char kind, std::string_view words) {
  recordedevent e;
  e.what = static_cast<recordedevent::kind>(kind);
  const auto moment = [&](auto values) {
    if (!values || (*values)[0] > lastmoment) return false;
    e.moment = (*values)[0];
    return true;
  };
  switch (e.what) {
    case recordedevent::tick:
    case recordedevent::close:
    case recordedevent::commit:
    case recordedevent::end:
    case recordedevent::leave:
      if (!moment(wholes<uint64_t, 1>(words))) return std::nullopt;
      return e;
    case recordedevent::key:
    case recordedevent::menu:
    case recordedevent::button: {
      const auto values = wholes<uint64_t, 2>(words);
      const uint64_t most = e.what == recordedevent::key    ? INT32_MAX
                            : e.what == recordedevent::menu ? uint64_t(menuitem::about)  // the last
                                                            : uint64_t(control::Command5);
      if (!moment(values) || (*values)[1] > most) return std::nullopt;
      e.a = static_cast<int32_t>((*values)[1]);
      return e;
    }
    case recordedevent::resize:
    case recordedevent::resume: {
      const auto values = wholes<uint64_t, 3>(words);
      if (!moment(values) || (*values)[1] > largestside || (*values)[2] > largestside) {
        return std::nullopt;
      }
      e.a = static_cast<int32_t>((*values)[1]);
      e.b = static_cast<int32_t>((*values)[2]);
      return e;
    }
    case recordedevent::typed: {
      // The moment, the field, then the text after one blank, to the end of the line.
      const size_t first = words.find(' ');
      const size_t second = first == std::string_view::npos ? first : words.find(' ', first + 1);
      if (second == std::string_view::npos) return std::nullopt;
      const auto values = wholes<uint64_t, 2>(words.substr(0, second));
      auto text = unescaped(words.substr(second + 1));
      if (!moment(values) || !text ||
          !within(int64_t((*values)[1]), int64_t(control::Text1), int64_t(control::Text7))) {
        return std::nullopt;
      }
      e.a = static_cast<int32_t>((*values)[1]);
      e.text = std::move(*text);
      return e;
    }
  }
  return std::nullopt;
}

// Reads a record from `in`, up to and with its "done" line.
std::optional<recording> readrecord(lines& in) {
  recording r;
  const auto area = wholes<int32_t, 2>(in.take("area"));
  const auto paused = wholes<int, 1>(in.take("paused"));
  if (!area || !paused || !within((*area)[0], 0, largestside) ||
      !within((*area)[1], 0, largestside) || !within((*paused)[0], 0, 1)) {
    return std::nullopt;
  }
  std::tie(r.width, r.height, r.paused) = std::tuple((*area)[0], (*area)[1], (*paused)[0]);
  const std::string_view rest = in.rest();
  const size_t end = rest.find(startend);
  if (!rest.starts_with(startline) || end == std::string_view::npos) return std::nullopt;
  r.start = rest.substr(0, end + startend.size());
  if (!readsavedgame(r.start)) return std::nullopt;
  in.skip(r.start.size());
  while (const auto line = in.takeany()) {
    if (*line == "done") {
      r.state = recording::running;
      return r;
    }
    if (line->size() < 2 || !known((*line)[0]) || (*line)[1] != ' ' ||
        r.events.size() == largestrecord) {
      return std::nullopt;
    }
    auto e = readevent((*line)[0], line->substr(2));
    if (!e || (!r.events.empty() && e->moment < r.events.back().moment)) return std::nullopt;
    r.events.push_back(std::move(*e));
  }
  return std::nullopt;
}

uint64_t fnv1a(std::string_view text) {
  uint64_t hash = 0xcbf29ce484222325ULL;
  for (const char c : text) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 0x100000001b3ULL;
  }
  return hash;
}

}  // namespace

std::string recordingtext(const recording& r) {
  std::string out;
  // An event's line is some dozen bytes.
  out.reserve(64 + r.start.size() + 16 * r.events.size());
  out += "area";
  append(out, r.width);
  append(out, r.height);
  out += "\npaused";
  append(out, r.paused);
  out += '\n';
  out += r.start;
  for (const recordedevent& e : r.events) {
    out += static_cast<char>(e.what);
    append(out, e.moment);
    switch (e.what) {
      case recordedevent::key:
      case recordedevent::menu:
      case recordedevent::button:
        append(out, e.a);
        break;
      case recordedevent::resize:
      case recordedevent::resume:
        append(out, e.a);
        append(out, e.b);
        break;
      case recordedevent::typed:
        append(out, e.a);
        out += ' ';
        appendescaped(out, e.text);
        break;
      default:
        break;
    }
    out += '\n';
  }
  out += "done\n";
  return out;
}

std::optional<recording> readrecording(std::string_view text) {
  lines in(text);
  auto r = readrecord(in);
  if (!r || !in.done()) return std::nullopt;
  return r;
}

std::string replaytext(const recording& r) {
  std::string out(versionline);
  out += "\nscore";
  append(out, r.finalscore);
  out += "\ncheck";
  append(out, r.finalcheck);
  out += '\n';
  return out + recordingtext(r);
}

std::optional<recording> readreplay(std::string_view text) {
  lines in(text);
  if (!in.takeline(versionline)) return std::nullopt;
  const auto score = wholes<int64_t, 1>(in.take("score"));
  const auto check = wholes<uint64_t, 1>(in.take("check"));
  if (!score || !check) return std::nullopt;
  auto r = readrecord(in);
  if (!r || !in.done()) return std::nullopt;
  r->state = recording::over;
  r->finalscore = (*score)[0];
  r->finalcheck = (*check)[0];
  return r;
}

std::string keptrecordtext(std::string_view gametext, const recording& r) {
  std::string out(keptversionline);
  out += "\ngame";
  append(out, fnv1a(gametext));
  out += '\n';
  return out + recordingtext(r);
}

std::optional<recording> readkeptrecord(std::string_view text, std::string_view gametext) {
  lines in(text);
  const auto digest =
      in.takeline(keptversionline) ? wholes<uint64_t, 1>(in.take("game")) : std::nullopt;
  if (!digest || (*digest)[0] != fnv1a(gametext)) return std::nullopt;
  auto r = readrecord(in);
  if (!r || !in.done()) return std::nullopt;
  return r;
}

uint64_t gamecheck(const gamestate& g, const window& w) {
  savedgame s = savedgameof(g, w);
  s.record = {};
  return fnv1a(savedgametext(s));
}

replayread readreplayfile(const std::filesystem::path& file) {
  errno = 0;
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> in(std::fopen(file.c_str(), "rb"),
                                                           &std::fclose);
  if (!in) return {std::nullopt, std::strerror(errno != 0 ? errno : EIO)};
  const std::string text = textlines::readupto(in.get(), replayreadlimit);
  if (std::ferror(in.get())) return {std::nullopt, std::strerror(errno != 0 ? errno : EIO)};
  if (text.size() > replayreadlimit)
    return {std::nullopt, say("message", "larger than any replay")};
  auto r = readreplay(text);
  if (!r) return {std::nullopt, say("message", "not a whole replay of this version")};
  return {std::move(r), {}};
}

bool replayname(std::string_view name) {
  const auto allowed = [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
           c == '-' || c == '_';
  };
  return name.ends_with(".replay") && name.size() <= 64 && name.front() != '.' &&
         std::ranges::all_of(name, allowed);
}

std::filesystem::path replaypath(const std::string& name) {
  return std::filesystem::path(replayfolder) / name;
}

std::optional<std::string> keepreplay(const recording& r) {
  char digits[17];
  std::snprintf(digits, sizeof digits, "%016llx", static_cast<unsigned long long>(r.finalcheck));
  const std::string name = std::string(digits) + ".replay";
  std::error_code error;
  std::filesystem::create_directories(replayfolder, error);
  if (error || replacefile(replaypath(name).string(), replaytext(r)) != 0) return std::nullopt;
  return name;
}
