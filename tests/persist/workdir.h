// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <system_error>

#include "persist/gamefile.h"

// A fresh empty folder, the working directory while it lasts; then it goes with all it holds.
class scratchfolder {
 public:
  scratchfolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kubrix-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
      throw std::filesystem::filesystem_error("no scratch folder",
                                              std::error_code(errno, std::generic_category()));
    std::filesystem::current_path(folder_ = pattern);
  }
  scratchfolder(const scratchfolder&) = delete;
  scratchfolder& operator=(const scratchfolder&) = delete;
  const std::filesystem::path& path() const { return folder_; }
  ~scratchfolder() {
    waitforkeeping();  // the game in the background writes into this folder
    std::filesystem::current_path(home_);
    std::filesystem::remove_all(folder_);
  }

 private:
  std::filesystem::path home_ = std::filesystem::current_path();
  std::filesystem::path folder_;
};

// Runs each test in a fresh empty folder: the game keeps its settings and record files in the
// working directory, and no test may meet another's file or touch the repository.
class workdir : public ::testing::Test {
 protected:
  void SetUp() override { folder_.emplace(); }
  void TearDown() override { folder_.reset(); }
  const std::filesystem::path& folder() const { return folder_->path(); }

 private:
  std::optional<scratchfolder> folder_;
};

// The whole content of a file, empty when there is none.
inline std::string readtext(const std::filesystem::path& file) {
  std::ostringstream text;
  text << std::ifstream(file, std::ios::binary).rdbuf();
  return text.str();
}

// Runs `body` in a child process as a player without root's powers (as nobody when the tests run
// as root, as CI does), so that permissions bind; returns what `body` returned, 0 for success.
template <class Body>
int asplayer(Body body) {
  const pid_t child = fork();
  if (child == 0) {
    const bool dropped = geteuid() != 0 || (setgid(65534) == 0 && setuid(65534) == 0);
    _exit(dropped ? body() : 99);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 98;
}
