#include "persist/savesettings.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "persist/settings.h"
#include "persist/settingsline.h"

namespace {

// The permissions a plain new file would get, since mkstemp creates it private.
mode_t usualmode() {
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

bool writeall(int fd, const std::string& text) {
  size_t done = 0;
  while (done < text.size()) {
    const ssize_t written = write(fd, text.data() + done, text.size() - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    done += static_cast<size_t>(written);
  }
  return true;
}

// Writes the text into a temporary file in the working directory and renames it over the
// settings file. Returns 0, or the errno of the step that failed.
int replacefile(const std::string& text) {
  std::string temporary = std::string(settingsfile) + ".XXXXXX";
  const int fd = mkstemp(temporary.data());
  if (fd < 0) return errno;
  const bool written = fchmod(fd, usualmode()) == 0 && writeall(fd, text) && fsync(fd) == 0;
  int error = written ? 0 : errno;
  if (close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && std::rename(temporary.c_str(), settingsfile) != 0) error = errno;
  if (error != 0) unlink(temporary.c_str());
  return error;
}

}  // namespace

bool savesettings(const gamestate& g, window& w) {
  const int error = replacefile(settingsline(g));
  if (error == 0) return true;
  w.showmessage("The settings could not be saved to \"" + std::string(settingsfile) +
                "\": " + std::strerror(error) + ".");
  return false;
}
