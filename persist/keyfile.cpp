// SPDX-License-Identifier: GPL-3.0-or-later
#include "persist/keyfile.h"

#include <cstdio>
#include <memory>
#include <string_view>

#include "persist/replacefile.h"
#include "persist/textlines.h"

namespace {

// A window's few values fit in a few hundred bytes; anything past this is no such file.
constexpr size_t readlimit = 64 * 1024;

}  // namespace

keyvalues readkeyfile(const char* name) {
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(name, "rb"), &std::fclose);
  if (!file) return {};
  const std::string text = textlines::readupto(file.get(), readlimit);
  if (std::ferror(file.get()) || text.size() > readlimit) return {};
  keyvalues values;
  std::string section;
  for (std::string_view rest = text; !rest.empty();) {
    const size_t end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      section = line.substr(1, line.size() - 2);
    } else if (const size_t equals = line.find('='); equals != std::string_view::npos) {
      values[section + "/" + std::string(line.substr(0, equals))] = line.substr(equals + 1);
    }
  }
  return values;
}

int writekeyfile(const char* name, const keyvalues& values) {
  std::string text;
  std::string section;
  for (const auto& [key, value] : values) {
    const size_t slash = key.find('/');
    const std::string keysection = key.substr(0, slash);
    if (text.empty() || keysection != section) {
      text += (text.empty() ? "[" : "\n[") + keysection + "]\n";
      section = keysection;
    }
    text += key.substr(slash + 1) + "=" + value + "\n";
  }
  return replacefile(name, text);
}
