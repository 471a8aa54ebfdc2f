// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"

#include <unistd.h>

#include <QCommandLineParser>
#include <QStringList>
#include <cerrno>
#include <system_error>

#include "platform/texts.h"

namespace {

constexpr const char* program = "kubrix3d";

// The parser wants text, but an argument is bytes in no known encoding. Latin-1 maps each byte to
// one character and back, so a folder's name, and an argument a message quotes, come out exactly
// as given. The texts of our own are UTF-8, and are composed as bytes beside the arguments.
QString text(const std::string& given) {
  return QString::fromLatin1(given.data(), static_cast<qsizetype>(given.size()));
}
std::string bytes(const QString& parsed) {
  return parsed.toLatin1().toStdString();
}

QString utf8(const std::string& text) {
  return QString::fromStdString(text);
}

commandline refused(const std::string& why) {
  return {usageerror,
          std::string(program) + ": " + why + "\n" +
              say("commandline", "Try 'kubrix3d --help' for the options.") + "\n",
          {}};
}

}  // namespace

commandline readcommandline(const std::vector<std::string>& arguments, const char* xdgdatahome,
                            const char* home) {
  QStringList texts;
  for (const std::string& argument : arguments) texts << text(argument);
  QCommandLineParser parser;
  parser.setApplicationDescription(
      utf8(say("commandline",
               "Vovov Kubrix 3d, a falling-block puzzle in three dimensions.\n"
               "Without options it keeps its settings and high scores in the working directory.")));
  const QCommandLineOption help({"h", "help"},
                                utf8(say("commandline", "Show this help and exit.")));
  const QCommandLineOption version("version",
                                   utf8(say("commandline", "Show the version and exit.")));
  const QCommandLineOption folder(
      "folder", utf8(say("commandline", "Keep the files in <folder>, made when missing.")),
      "folder");
  const QCommandLineOption userfiles(
      "user-files", utf8(say("commandline",
                             "Keep the files in $XDG_DATA_HOME/kubrix3d, by default "
                             "~/.local/share/kubrix3d, made when missing.")));
  const QCommandLineOption verify(
      "verify",
      utf8(say("commandline",
               "Play the replay <file> again without a display and exit: 0 when it ends as "
               "recorded.")),
      "file");
  const QCommandLineOption replay(
      "replay", utf8(say("commandline", "Watch the replay <file> in the game's window.")), "file");
  parser.addOptions({help, version, folder, userfiles, verify, replay});

  if (!parser.parse(texts)) return refused(bytes(parser.errorText()));
  if (!parser.positionalArguments().isEmpty()) {
    return refused(fill(say("commandline", "unexpected argument '%1'."),
                        {bytes(parser.positionalArguments().first())}));
  }
  if (parser.isSet(help)) {
    // Without an application object Qt cannot know the program's name.
    return {0, parser.helpText().replace("<executable_name>", program).toStdString(), {}};
  }
  if (parser.isSet(version)) return {0, std::string(program) + " " KUBRIX_VERSION "\n", {}};
  if (parser.isSet(verify)) {
    if (parser.value(verify).isEmpty())
      return refused(say("commandline", "--verify needs the name of a replay."));
    commandline c;
    c.verify = bytes(parser.value(verify));
    return c;
  }
  if (parser.isSet(replay) && parser.value(replay).isEmpty()) {
    return refused(say("commandline", "--replay needs the name of a replay."));
  }
  // A replay named from the working directory is read before the game enters its folder.
  const std::filesystem::path watched =
      parser.isSet(replay) ? std::filesystem::absolute(bytes(parser.value(replay))) : "";
  if (parser.isSet(folder) && parser.isSet(userfiles)) {
    return refused(say("commandline", "--folder and --user-files cannot be used together."));
  }
  if (parser.isSet(folder)) {
    if (parser.value(folder).isEmpty())
      return refused(say("commandline", "--folder needs the name of a folder."));
    return {{}, {}, bytes(parser.value(folder)), {}, watched};
  }
  if (parser.isSet(userfiles)) {
    std::filesystem::path data = userfolder(xdgdatahome, home);
    if (data.empty())
      return refused(say("commandline",
                         "--user-files needs XDG_DATA_HOME or HOME set to an absolute folder."));
    return {{}, {}, data, {}, watched};
  }
  return {{}, {}, {}, {}, watched};
}

std::filesystem::path userfolder(const char* xdgdatahome, const char* home) {
  auto absolute = [](const char* value) { return value && value[0] == '/'; };
  if (absolute(xdgdatahome)) return std::filesystem::path(xdgdatahome) / program;
  if (absolute(home)) return std::filesystem::path(home) / ".local/share" / program;
  return {};
}

std::optional<std::string> enterfolder(const std::filesystem::path& folder) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  // A folder the player cannot write in would lose every save without a word.
  if (!error && access(folder.c_str(), W_OK | X_OK) != 0)
    error.assign(errno, std::generic_category());
  if (!error) std::filesystem::current_path(folder, error);
  if (!error) return {};
  return std::string(program) + ": " +
         fill(say("commandline", "cannot keep the files in '%1': %2"),
              {folder.string(), error.message()}) +
         "\n";
}
