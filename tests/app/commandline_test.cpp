// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"

#include <gtest/gtest.h>

#include "persist/highscores.h"
#include "persist/settings.h"
#include "tests/persist/workdir.h"

namespace {

using UserFiles = workdir;

TEST_F(UserFiles, UnderXdgDataHomeElseHomeInAFolderMadeWhenMissing) {
  // The XDG rules: XDG_DATA_HOME when absolute; unset, empty or relative means ~/.local/share.
  // The game opens its files by their plain names, so entering the folder is what puts them there.
  EXPECT_EQ(readcommandline({"kubrix3d", "--user-files"}, "/data", "/home/ann").folder,
            "/data/kubrix3d");
  for (const char* unset : {static_cast<const char*>(nullptr), "", "data"})
    EXPECT_EQ(userfolder(unset, "/home/ann"), "/home/ann/.local/share/kubrix3d");
  EXPECT_EQ(readcommandline({"kubrix3d", "--user-files"}, nullptr, nullptr).exitcode, usageerror);
  ASSERT_EQ(enterfolder("made/here"), std::nullopt);
  ASSERT_EQ(savesettings(*std::make_unique<gamestate>()), 0);
  ASSERT_EQ(appendhighscore(highscore{"Ann", 130}), 0);
  for (const char* name : {settingsfile, highscorefile})
    EXPECT_TRUE(std::filesystem::exists(folder() / "made/here" / name)) << name;
}

TEST(FolderName, IsTheBytesGivenInEveryFormAndInItsMessages) {
  // A name need not be UTF-8: any other reading makes and uses a folder the player never named.
  const std::string name = "caf\xe9\xff/\xc3\xa9t\xe9";
  for (const std::vector<std::string>& arguments :
       {std::vector<std::string>{"kubrix3d", "--folder", name}, {"kubrix3d", "--folder=" + name}})
    EXPECT_EQ(readcommandline(arguments, nullptr, nullptr).folder.native(), name);
  EXPECT_NE(readcommandline({"kubrix3d", name}, nullptr, nullptr).text.find("'" + name + "'"),
            std::string::npos);
}

}  // namespace
