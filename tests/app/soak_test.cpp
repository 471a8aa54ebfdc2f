#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "soakbot.h"

namespace {

TEST(Soak, RandomPlayKeepsEveryInvariant) {
  // Thousands of random events across kinds of game, sizes and hostile input break nothing, and a
  // game closed and started again goes on unchanged. The bot writes files: it plays in a scratch
  // folder.
  namespace fs = std::filesystem;
  const fs::path previous = fs::current_path();
  const fs::path folder = fs::temp_directory_path() / ("kubrix-soak-" + std::to_string(getpid()));
  fs::create_directories(folder);
  fs::current_path(folder);
  const soakresult result = soak(2026, 6000);
  fs::current_path(previous);
  fs::remove_all(folder);
  for (const std::string& fault : result.faults) ADD_FAILURE() << fault;
  EXPECT_EQ(result.faultcount, 0u);
  EXPECT_GT(result.landings, 0u);
  EXPECT_GT(result.resumes, 0u);
}

}  // namespace
