// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>

#include "../harness.h"
#include "../persist/workdir.h"
#include "app/replayer.h"
#include "persist/highscores.h"
#include "persist/replayfile.h"
#include "platform/keys.h"

namespace {

using Replays = workdir;
namespace fs = std::filesystem;

// Moves, turns and drops, a tick every few of them, a quarter second apart, until the game is
// over or `events` have been played.
void play(harness& h, int events, uint32_t seed) {
  constexpr std::array<int, 8> moves{keys::left, keys::right, keys::up, keys::down,
                                     'H',        'U',         'I',      keys::enter};
  for (int i = 0; i < events && h.g->gameover == 0; ++i) {
    seed = seed * 1664525 + 1013904223;
    h.w.millis += 250;
    if (seed >> 30 == 0) {
      h.w.tick();
    } else {
      h.w.key(moves[(seed >> 16) % moves.size()]);
    }
  }
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
  return text.replace(text.find(from), from.size(), to);
}

int verify(const std::string& text, std::string& report) {
  std::ofstream("changed.replay", std::ios::binary) << text;
  return verifyreplay("changed.replay", report);
}

TEST_F(Replays, AListedScoreKeepsItsGameAcrossACloseAndItVerifiesOnlyAsPlayed) {
  // A game in a small well, closed half way and resumed, then played to its end: its score asks
  // for a name, and the record joins the table as a file in replays/ that plays out as recorded,
  // reading and writing no file of the game's. A raised score, a key taken out, a file cut short
  // and garbage do not verify.
  {
    harness h;
    h.start();
    h.w.type(control::Text1, "6");
    h.w.type(control::Text2, "8");
    h.w.click(menuitem::newgame);
    play(h, 150, 7);
    h.w.close();
  }
  harness h(99, 640, 480);
  h.start();
  ASSERT_EQ(h.g->record.events.back().what, recordedevent::resume);
  h.w.key('P');
  // KUBRIX_REPLAY_SEED plays another game, to make replays in one build for the others to verify.
  const char* seed = std::getenv("KUBRIX_REPLAY_SEED");
  play(h, 20000, seed ? static_cast<uint32_t>(std::strtoul(seed, nullptr, 10)) : 11);
  ASSERT_TRUE(h.g->gameover == 1 && h.w.visible(control::Text7));
  h.w.type(control::Text7, "Ann");
  h.w.press(control::Command5);
  const highscoretable table = readhighscores();
  ASSERT_EQ(table.records.size(), 1u);
  const fs::path file = replaypath(table.records[0].replay);
  ASSERT_TRUE(fs::exists(file));
  if (const char* keep = std::getenv("KUBRIX_KEEP_REPLAY")) fs::copy_file(file, keep);

  fs::remove(gamefile);
  std::string report;
  EXPECT_EQ(verifyreplay(file.string(), report), 0) << report;
  const std::string score = std::to_string(h.g->score);
  EXPECT_NE(report.find("recorded score: " + score + "\nreplayed score: " + score),
            std::string::npos);
  EXPECT_FALSE(fs::exists(gamefile) || fs::exists(gamerecordfile) ||
               fs::exists("kubrix3d.settings"));

  const std::string text = readtext(file);
  const std::string raised = std::to_string(h.g->score + 10);
  EXPECT_EQ(verify(replaced(text, "\nscore " + score + "\n", "\nscore " + raised + "\n"), report),
            1);
  EXPECT_NE(report.find("recorded score: " + raised + "\nreplayed score: " + score),
            std::string::npos);
  // Without the P that went on after the resume the rest of the game stays paused.
  std::smatch pause;
  ASSERT_TRUE(std::regex_search(text, pause, std::regex("\nk \\d+ 80\n")));
  EXPECT_EQ(verify(pause.prefix().str() + '\n' + pause.suffix().str(), report), 1);
  for (const std::string& broken : {text.substr(0, text.size() / 2), std::string("garbage\n"),
                                    replaced(text, "\nt ", "\nt -")}) {
    EXPECT_EQ(verify(broken, report), 2);
    EXPECT_NE(report.find("cannot be read as a replay"), std::string::npos);
  }
  EXPECT_EQ(verifyreplay("missing.replay", report), 2);

  // The list marks the entry once its replay no longer plays out, and once it is gone.
  const std::string entry = "1. Ann: " + score;
  for (const auto& [kept, mark] : {std::pair(text, ""),
                                   {replaced(text, "\nt ", "\nk "), " (replay does not verify)"},
                                   {std::string(), " (replay missing)"}}) {
    if (kept.empty()) {
      fs::remove(file);
    } else {
      std::ofstream(file, std::ios::binary) << kept;
    }
    h.w.click(menuitem::highscores);
    EXPECT_EQ(h.w.informations.back(), "High scores on the current settings:\n\n" + entry + mark);
  }
}

TEST_F(Replays, HighScoreLinesNameTheirReplayOlderLinesStillReadAndAnUnlistedReplayGoes) {
  // The eighth field names a replay inside replays/ and nothing else; a record without it reads
  // as before. Once eleven games on the same settings have replays, the one the table no longer
  // lists loses its file, and games on other settings keep theirs.
  const highscore named{"Bo", 40, 0, 0, 10, 30, 20, "0123abcd.replay"};
  EXPECT_EQ(readhighscoreline(highscoreline(named)), named);
  EXPECT_EQ(readhighscoreline("\"Bo\",\"40\",\"0\",\"0\",\"10\",\"30\",\"20\"\r\n"),
            (highscore{"Bo", 40, 0, 0, 10, 30, 20}));
  for (const char* name : {"../x.replay", "x", ".replay", "a/b.replay", "x.replay "})
    EXPECT_FALSE(readhighscoreline("Bo,40,0,0,10,30,20," + std::string(name))) << name;

  fs::create_directory(replayfolder);
  const auto add = [](int score, int height) {
    const highscore record{"A", score, 0, 0, 10, height, 20, std::to_string(score) + ".replay"};
    std::ofstream(replaypath(record.replay)) << "x";
    appendhighscore(record);
    dropunlistedreplays(record);
  };
  add(5, 28);
  for (int score = 10; score <= 110; score += 10) add(score, 30);
  EXPECT_FALSE(fs::exists(replaypath("10.replay")));
  EXPECT_TRUE(fs::exists(replaypath("20.replay")) && fs::exists(replaypath("5.replay")));
}

}  // namespace
