#include <gtest/gtest.h>

#include <filesystem>

#include "soakbot.h"

namespace {

// A scratch folder as the working directory, for the settings file the bot may save.
struct scratchfolder {
  scratchfolder() {
    folder = std::filesystem::temp_directory_path() / ("kubrix-soak-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    previous = std::filesystem::current_path();
    std::filesystem::current_path(folder);
  }
  ~scratchfolder() {
    std::filesystem::current_path(previous);
    std::filesystem::remove_all(folder);
  }
  std::filesystem::path folder, previous;
};

TEST(Soak, RandomPlayKeepsEveryInvariant) {
  // Thousands of random events across kinds of game, sizes and hostile input break nothing.
  scratchfolder scratch;
  const soakresult result = soak(2026, 6000);
  for (const std::string& fault : result.faults) ADD_FAILURE() << fault;
  EXPECT_EQ(result.faultcount, 0u);
  EXPECT_GT(result.landings, 0u);
}

}  // namespace
