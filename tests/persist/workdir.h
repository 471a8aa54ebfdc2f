#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

// Runs each test in a fresh empty folder: the game keeps its settings file in the working
// directory, and no test may meet another's file or touch the repository.
class workdir : public ::testing::Test {
 public:
  static void writefile(const std::string& text) {
    std::ofstream("kubrix3d.settings", std::ios::binary) << text;
  }
  static std::string readfile() {
    std::ostringstream text;
    text << std::ifstream("kubrix3d.settings", std::ios::binary).rdbuf();
    return text.str();
  }

 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "kubrix-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
    std::filesystem::current_path(folder_);
  }
  void TearDown() override {
    std::filesystem::current_path(home_);
    std::filesystem::remove_all(folder_);
  }

  // A save leaves no temporary file behind.
  int filecount() const {
    const std::filesystem::directory_iterator files(folder_);
    return static_cast<int>(std::distance(begin(files), end(files)));
  }

  std::filesystem::path home_ = std::filesystem::current_path();
  std::filesystem::path folder_;
};
