// SPDX-License-Identifier: GPL-3.0-or-later
#include "persist/replacefile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace {

// Symbolic links are followed this deep at most, as the system itself does.
constexpr int deepestlink = 40;

// The file a name finally stands for: links followed, a relative link read from the link's own
// folder. A link to a file that does not exist yet names that file.
std::string target(std::string name) {
  for (int depth = 0; depth < deepestlink; ++depth) {
    struct stat info {};
    if (lstat(name.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return name;
    std::string link(static_cast<size_t>(info.st_size) + 1, '\0');
    const ssize_t length = readlink(name.c_str(), link.data(), link.size());
    if (length <= 0 || static_cast<size_t>(length) >= link.size()) return name;
    link.resize(static_cast<size_t>(length));
    const size_t slash = name.rfind('/');
    name =
        link.front() == '/' || slash == std::string::npos ? link : name.substr(0, slash + 1) + link;
  }
  return name;
}

// The permissions a new file gets: those of the file replaced, or what the umask leaves.
mode_t permissions(const std::string& name) {
  struct stat info {};
  if (stat(name.c_str(), &info) == 0) return info.st_mode & 07777;
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

// Writes, flushes and closes; the errno of the first step that failed, or 0.
int finish(int fd, const std::string& text, bool cut) {
  errno = 0;
  const bool written = writeall(fd, text) &&
                       (!cut || ftruncate(fd, static_cast<off_t>(text.size())) == 0) &&
                       fsync(fd) == 0;
  int error = written ? 0 : (errno != 0 ? errno : EIO);
  if (close(fd) != 0 && error == 0) error = errno;
  return error;
}

// The fallback: the file itself, overwritten from its start and cut to the new length.
int writeinplace(const std::string& name, const std::string& text) {
  const int fd = open(name.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0) return errno;
  return finish(fd, text, true);
}

}  // namespace

int replacefile(const std::string& name, const std::string& text) {
  const std::string file = target(name);
  const mode_t mode = permissions(file);
  std::string temporary = file + ".XXXXXX";
  errno = 0;
  const int fd = mkstemp(temporary.data());
  if (fd < 0) {
    const int error = errno;
    const bool folderlocked = error == EACCES || error == EPERM;
    return folderlocked && access(file.c_str(), F_OK) == 0 ? writeinplace(file, text) : error;
  }
  int error = fchmod(fd, mode) == 0 ? 0 : errno;
  if (const int written = finish(fd, text, false); error == 0) error = written;
  if (error == 0 && std::rename(temporary.c_str(), file.c_str()) != 0) error = errno;
  if (error != 0) unlink(temporary.c_str());
  return error;
}
