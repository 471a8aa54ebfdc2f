#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// Runs each test in a fresh empty folder: the game reads and writes its settings file in the
// working directory, and no test may meet another's file or touch the repository.
class workdir : public ::testing::Test {
 protected:
  void SetUp() override {
    home_ = std::filesystem::current_path();
    std::string pattern = (std::filesystem::temp_directory_path() / "kubrix-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
    std::filesystem::current_path(folder_);
  }
  void TearDown() override {
    std::filesystem::current_path(home_);
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }

  static void writefile(const std::string& text) {
    std::ofstream("kubrix3d.settings", std::ios::binary) << text;
  }
  static std::string readfile() {
    std::ifstream in("kubrix3d.settings", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  // Every file in the folder, to see that a save leaves no temporary file behind.
  int filecount() const {
    return static_cast<int>(std::distance(std::filesystem::directory_iterator(folder_),
                                          std::filesystem::directory_iterator()));
  }

  std::filesystem::path home_;
  std::filesystem::path folder_;
};
