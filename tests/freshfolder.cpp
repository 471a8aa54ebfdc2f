// SPDX-License-Identifier: GPL-3.0-or-later
// Every test program runs in a fresh folder of its own, removed at its end: the game keeps its
// files in the working directory after every landing, and no test may meet a file of an earlier
// run or leave one in the build tree.
#include <gtest/gtest.h>

#include <optional>

#include "tests/persist/workdir.h"

namespace {

class freshfolder : public ::testing::Environment {
 public:
  void SetUp() override { folder_.emplace(); }
  void TearDown() override { folder_.reset(); }

 private:
  std::optional<scratchfolder> folder_;
};

[[maybe_unused]] ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new freshfolder);

}  // namespace
