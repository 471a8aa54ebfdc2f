// SPDX-License-Identifier: GPL-3.0-or-later
#include "persist/highscores.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <iterator>
#include <memory>
#include <system_error>

#include "persist/replayfile.h"

namespace {

// A record line is some fifty bytes; reading stops here, so a huge file costs a bounded time.
constexpr size_t readlimit = size_t{8} * 1024 * 1024;
// The fields of a record, the replay's name last and left out by older records; a line with more
// is not one.
constexpr size_t fieldcount = 8;

using file = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

file openfile(const char* mode) {
  return file(std::fopen(highscorefile, mode), &std::fclose);
}

// errno after a failed step; a step that failed without saying why counts as an I/O error.
int lasterror() {
  return errno != 0 ? errno : EIO;
}

bool blank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

std::string quotedfield(std::string_view text) {
  std::string field = "\"";
  for (char c : text) {
    if (c == '"') {
      field += "\"\"";
    } else {
      field += c == '\r' || c == '\n' ? ' ' : c;
    }
  }
  return field + '"';
}

// The fields of one line: a quoted field runs to its closing quote, two quotes inside it standing
// for one; an unquoted field runs to the next comma. Nothing when a quote is left open, text
// other than blanks follows a closing quote, or there are more fields than a record has.
std::optional<std::vector<std::string>> splitfields(std::string_view line) {
  std::vector<std::string> fields;
  size_t i = 0;
  while (fields.size() <= fieldcount) {
    while (i < line.size() && blank(line[i])) ++i;
    std::string field;
    if (i < line.size() && line[i] == '"') {
      ++i;
      while (true) {
        const size_t quote = line.find('"', i);
        if (quote == std::string_view::npos) return std::nullopt;
        field.append(line.substr(i, quote - i));
        i = quote + 1;
        if (i >= line.size() || line[i] != '"') break;
        field += '"';
        ++i;
      }
      while (i < line.size() && blank(line[i])) ++i;
      if (i < line.size() && line[i] != ',') return std::nullopt;
    } else {
      const size_t comma = std::min(line.find(',', i), line.size());
      field = line.substr(i, comma - i);
      i = comma;
    }
    fields.push_back(std::move(field));
    if (i >= line.size()) return fields;
    ++i;  // the comma
  }
  return std::nullopt;
}

// A whole decimal number with an optional minus sign and blanks around it, nothing else.
std::optional<int64_t> wholenumber(std::string_view text) {
  text = trimmed(text);
  int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// Whether the file's last line lacks its line end: a record cut short by a failed write.
bool endsinsideline() {
  const file records = openfile("rb");
  if (!records || std::fseek(records.get(), -1, SEEK_END) != 0) return false;
  const int last = std::fgetc(records.get());
  return last != EOF && last != '\n' && last != '\r';
}

}  // namespace

highscore highscoreof(const gamestate& g, const std::string& name) {
  return {name, g.score, g.savedgametype, g.difficulty, g.wellwidth, g.wellheight, g.maxsquares};
}

bool samesettings(const highscore& a, const highscore& b) {
  return a.gametype == b.gametype && a.difficulty == b.difficulty && a.wellwidth == b.wellwidth &&
         a.wellheight == b.wellheight &&
         (a.gametype != gametypes::allsizes || a.maxsquares == b.maxsquares);
}

std::string highscoreline(const highscore& record) {
  std::string line = quotedfield(record.name);
  for (int64_t value : {record.score, record.gametype, record.difficulty, record.wellwidth,
                        record.wellheight, record.maxsquares}) {
    line += ',' + quotedfield(std::to_string(value));
  }
  if (!record.replay.empty()) line += ',' + quotedfield(record.replay);
  return line + "\r\n";
}

std::optional<highscore> readhighscoreline(std::string_view line) {
  while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.remove_suffix(1);
  const auto fields = splitfields(line);
  if (!fields || fields->size() < fieldcount - 1) return std::nullopt;
  highscore record{(*fields)[0]};
  int64_t* numbers[] = {&record.score,     &record.gametype,   &record.difficulty,
                        &record.wellwidth, &record.wellheight, &record.maxsquares};
  for (size_t i = 0; i < std::size(numbers); ++i) {
    const auto value = wholenumber((*fields)[i + 1]);
    if (!value) return std::nullopt;
    *numbers[i] = *value;
  }
  if (fields->size() == fieldcount) {
    if (!replayname((*fields)[7])) return std::nullopt;
    record.replay = (*fields)[7];
  }
  return record;
}

highscoretable readhighscores() {
  highscoretable table;
  errno = 0;
  const file records = openfile("rb");
  if (!records) {
    if (errno != ENOENT) table.error = lasterror();
    return table;
  }
  std::string text;
  while (text.size() < readlimit) {
    const size_t start = text.size();
    text.resize(std::min(start + size_t{64} * 1024, readlimit));
    const size_t wanted = text.size() - start;
    const size_t got = std::fread(text.data() + start, 1, wanted, records.get());
    text.resize(start + got);
    if (got < wanted) break;
  }
  // A name that opens but cannot be read (a folder, say) cannot be opened as a table either.
  if (std::ferror(records.get())) {
    table.error = lasterror();
    return table;
  }
  // A file past the limit is cut at its last whole line.
  if (text.size() == readlimit) text.resize(text.find_last_of("\r\n") + 1);

  std::string_view rest = text;
  while (!rest.empty()) {
    const size_t end = std::min(rest.find_first_of("\r\n"), rest.size());
    if (auto record = readhighscoreline(rest.substr(0, end))) {
      table.records.push_back(std::move(*record));
    }
    rest.remove_prefix(std::min(end + 1, rest.size()));
  }
  return table;
}

int appendhighscore(const highscore& record) {
  const std::string line = (endsinsideline() ? "\r\n" : "") + highscoreline(record);
  errno = 0;
  std::FILE* records = std::fopen(highscorefile, "ab");
  if (records == nullptr) return lasterror();
  const bool written =
      std::fwrite(line.data(), 1, line.size(), records) == line.size() && std::fflush(records) == 0;
  int error = written ? 0 : lasterror();
  if (std::fclose(records) != 0 && error == 0) error = lasterror();
  return error;
}

std::vector<highscore> besthighscores(const std::vector<highscore>& records,
                                      const highscore& current) {
  std::vector<highscore> best;
  std::copy_if(records.begin(), records.end(), std::back_inserter(best),
               [&](const highscore& record) { return samesettings(record, current); });
  std::stable_sort(best.begin(), best.end(),
                   [](const highscore& a, const highscore& b) { return a.score > b.score; });
  if (best.size() > highscoreplaces) best.resize(highscoreplaces);
  return best;
}

void dropunlistedreplays(const highscore& current) {
  const highscoretable table = readhighscores();
  if (table.error != 0) return;
  const std::vector<highscore> listed = besthighscores(table.records, current);
  for (const highscore& record : table.records) {
    const auto shown = [&](const highscore& entry) { return entry.replay == record.replay; };
    if (record.replay.empty() || !samesettings(record, current) ||
        std::ranges::any_of(listed, shown)) {
      continue;
    }
    std::error_code ignored;
    std::filesystem::remove(replaypath(record.replay), ignored);
  }
}
