// SPDX-License-Identifier: GPL-3.0-or-later
// Every test program runs in a fresh folder of its own, removed at its end: the game keeps its
// files in the working directory after every landing, and no test may meet a file of an earlier
// run or leave one in the build tree.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "persist/gamefile.h"

namespace {

class freshfolder : public ::testing::Environment {
 public:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "kubrix-run-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    std::filesystem::current_path(folder_ = pattern);
  }
  void TearDown() override {
    waitforkeeping();
    std::filesystem::current_path(home_);
    std::filesystem::remove_all(folder_);
  }

 private:
  std::filesystem::path home_ = std::filesystem::current_path();
  std::filesystem::path folder_;
};

[[maybe_unused]] ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new freshfolder);

}  // namespace
