// The Marbrook stage scripts: every script the program holds (the intermissions'
// templates and every content/marbrook/stageNNN.txt) kept to the game's conventions
// (the rules and the stage table in support/marbrook_stage_rules, where a new story
// script adds its row), and the intermissions' shapes.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "engine/content_texts.h"
#include "engine/modes.h"
#include "marbrook/stage_dispatch.h"
#include "scenario/script_store.h"
#include "support/engine_harness.h"
#include "support/marbrook_stage_rules.h"
#include "support/marbrook_stages.h"

namespace {

using tq::testing::MarbrookBalloonLine;
using tq::testing::ReadMarbrookBalloonLine;

std::vector<std::string> Loaded(int stage) { return tq::testing::LoadedMarbrookStage(stage); }

// The faults as one text, one per line.
std::string Listed(const std::vector<std::string>& faults) {
  std::string out;
  for (const std::string& f : faults) out += "\n  " + f;
  return out;
}

TEST(MarbrookStageScripts, EveryScriptKeepsTheConventions) {
  tq::testing::EngineHarness harness(kModeMarbrook);
  std::set<int> held;
  for (const ContentFile& file : ContentFiles()) {
    if (std::string(file.Game) != "marbrook" || std::string(file.Name).rfind("stage", 0) != 0) continue;
    held.insert(std::atoi(file.Name + 5));
  }
  for (int stage = 1; stage <= 202; ++stage) {
    if (StageSourceOf(stage) == StageSource::Intermission) held.insert(stage);
  }
  for (int stage : held) {
    SCOPED_TRACE("stage " + std::to_string(stage));
    ASSERT_NE(tq::testing::MarbrookStageRowOf(stage), nullptr) << "a script the program holds needs its row";
    const std::vector<std::string> lines = Loaded(stage);
    // The finale's entries end where the next one's label is.
    std::set<size_t> entryEnds;
    if (stage == 100) {
      for (int entry : {105, 106, 110, 115, 120, 130, 131, 140, 145}) {
        entryEnds.insert(static_cast<size_t>(ScriptStore.ScriptLabels[static_cast<size_t>(entry - 100)]));
      }
    }
    const std::vector<std::string> faults = tq::testing::MarbrookStageFaults(stage, lines, entryEnds);
    EXPECT_TRUE(faults.empty()) << Listed(faults);
  }
}

// Every balloon text of every script the program holds fits its balloon.
TEST(MarbrookStageScripts, EveryBalloonTextFitsItsBalloon) {
  tq::testing::EngineHarness harness(kModeMarbrook);
  for (int stage = 1; stage <= 202; ++stage) {
    if (StageSourceOf(stage) == StageSource::None) continue;
    SCOPED_TRACE("stage " + std::to_string(stage));
    const std::vector<std::string> faults = tq::testing::MarbrookBalloonFitFaults(Loaded(stage));
    EXPECT_TRUE(faults.empty()) << Listed(faults);
  }
}

TEST(MarbrookStageScripts, TheFitCheckCatchesCrampedBalloons) {
  tq::testing::EngineHarness harness(kModeMarbrook);
  const std::vector<std::pair<std::string, bool>> cases = {
      {"●2：[フキA]：■フ種=(10,-12,-1)：■そ、そうよ。：私はベル。", true},
      {"●2：[フキA]：■フ種=(10,-12,-1)：■この行は十三文字よりずっと長すぎます。", false},
      {"●2：[フキA]：■フ種=(10,-12,-1)：■一：二：三：四：五", false},
      {"●2：[フキA]：■フ種=(10,-12,-1)：フFo=24：■一：二：三：四", false},
      {"[フキA]：■フ種=(51,00,*)：■七日間の祭り、十の勝負。", true},
  };
  for (const auto& [line, fits] : cases) {
    SCOPED_TRACE(line);
    MarbrookBalloonLine b;
    ASSERT_TRUE(ReadMarbrookBalloonLine(line, b));
    EXPECT_EQ(tq::testing::MarbrookBalloonFit(b, b.kind, b.style).empty(), fits);
  }
}

TEST(MarbrookStageScripts, TheValidatorCatchesFaults) {
  const std::vector<std::pair<std::string, bool>> cases = {
      {"●2：[フキA]：■フ種=(06,42,-2)：フ音=1000：■こんにちは。", true},
      {"●2：[フキA]：■フ種=(07,42,-2)：■こんにちは。", false},
      {"●2：[フキA]：■フ種=(06,42,-2)：フ音=999：■こんにちは。", false},
      {"[Tanselイベ]：Ｚ：Ev種=60", false},
      {"[ウェイト]：Fu=5：■語り", false},
      {"○1：[ウェイト]：Fu=5", false},
      {"[フキ生成]：Fu=5", false},
      {"●1：[BMP変更]：BMP番号=0400：BMP番号2=00", false},
      {"●1：「フキジャンプ」：Ｚ", true},
      {"●1：[顔の移動]：Ｚ：(中央,外上)→(中央,45)：Ty=10：回=1：反動=1：顔音=-1", true},
  };
  for (const auto& [line, ok] : cases) {
    SCOPED_TRACE(line);
    EXPECT_EQ(tq::testing::MarbrookLineFaults(line).empty(), ok);
  }
}

// The stage rules name a fault planted in a held script: a line more or less than
// its row, an end line before the last, a missing end, a curtain opening where none
// belongs, and balloon counts and voices off the row.
TEST(MarbrookStageScripts, TheStageRulesNameAPlantedFault) {
  tq::testing::EngineHarness harness(kModeMarbrook);
  using Lines = std::vector<std::string>;
  const Lines postGame = Loaded(5), story = Loaded(16);
  ASSERT_TRUE(tq::testing::MarbrookStageFaults(5, postGame).empty());
  ASSERT_TRUE(tq::testing::MarbrookStageFaults(16, story).empty());
  auto with = [](Lines lines, size_t at, const std::string& line) {
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), line);
    return lines;
  };
  auto voicedAgain = [&story] {
    Lines lines = story;
    for (std::string& line : lines) {
      MarbrookBalloonLine b;
      if (ReadMarbrookBalloonLine(line, b) && b.voice >= 1000) {
        line.replace(line.find("フ音=") + 7, 4, "0999");
        break;
      }
    }
    return lines;
  };
  const struct {
    const char* name;
    int stage;
    Lines lines;
    std::string fault;  // a part of the first fault's wording
  } cases[] = {
      {"a line more", 5, with(postGame, 2, "[ウェイト]：Fu=5"), "6 lines, not 5"},
      {"an end line before the last", 5, with(postGame, 1, "[別のゲームへ]"), "an end line that is not the last"},
      {"no end line", 5, Lines(postGame.begin(), postGame.end() - 1), "is no end line"},
      {"a curtain opening after a mini-game", 5, with(Lines(postGame.begin() + 1, postGame.end()), 0,
                                                          "[Tanselイベ]：Ｚ：Ev種=20：Ev分=00"),
       "opens the curtain group"},
      {"a voice below the story's numbers", 16, voicedAgain(), "voice"},
      {"a stage the table does not hold", 4, postGame, "no row"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::vector<std::string> faults = tq::testing::MarbrookStageFaults(c.stage, c.lines);
    ASSERT_FALSE(faults.empty());
    EXPECT_NE(Listed(faults).find(c.fault), std::string::npos) << Listed(faults);
  }
}

TEST(MarbrookStageScripts, TheTwoPicksOfTheBranchTellOneScene) {
  tq::testing::EngineHarness harness(kModeMarbrook);
  const std::vector<std::string> strong = Loaded(7);
  const std::vector<std::string> honest = Loaded(8);
  const std::set<std::string> strongSet(strong.begin(), strong.end());
  const std::set<std::string> honestSet(honest.begin(), honest.end());
  int shared = 0;
  for (const std::string& line : strongSet) shared += honestSet.count(line) ? 1 : 0;
  // Every distinct line of stage 7 is in stage 8 but the four Bell says her own way.
  EXPECT_EQ(strongSet.size(), 353u);
  EXPECT_EQ(shared, 349);
  ASSERT_GE(strong.size(), 10u);
  ASSERT_GE(honest.size(), 10u);
  EXPECT_TRUE(std::equal(strong.end() - 10, strong.end(), honest.end() - 10)) << "the same last ten lines";
  // Stage 8 adds Bell's inner voice: slot 1's thought balloons and their moves.
  int thoughts = 0, moves = 0, strongThoughts = 0;
  for (const std::string& line : honest) {
    MarbrookBalloonLine b;
    if (ReadMarbrookBalloonLine(line, b) && b.kind == 49) {
      ++thoughts;
      EXPECT_EQ(b.slot, 1) << line;
    }
    moves += line.find("[思フ移動]") != std::string::npos ? 1 : 0;
  }
  for (const std::string& line : strong) {
    MarbrookBalloonLine b;
    strongThoughts += (ReadMarbrookBalloonLine(line, b) && b.kind == 49) || line.find("[思フ移動]") != std::string::npos ? 1 : 0;
  }
  EXPECT_EQ(thoughts, 72);
  EXPECT_EQ(moves, 101);
  EXPECT_EQ(strongThoughts, 0);
}

TEST(MarbrookStageScripts, IntermissionShapes) {
  tq::testing::EngineHarness harness(kModeMarbrook);
  // Stage 3: three blocks back to back, nine rows that go on by themselves.
  const std::vector<std::string> three = Loaded(3);
  int rowWaits = 0;
  for (size_t i = 1; i < three.size(); ++i) {
    if (three[i].rfind("[ウェイト]", 0) == 0 && three[i - 1].find("Ev種=00：Ev分=") != std::string::npos) ++rowWaits;
  }
  EXPECT_EQ(rowWaits, 9);
  // Stages 30 and 75 differ only in their caption.
  const std::vector<std::string> thirty = Loaded(30);
  const std::vector<std::string> seventyFive = Loaded(75);
  int differing = 0;
  for (size_t i = 0; i < thirty.size(); ++i) differing += thirty[i] != seventyFive[i];
  EXPECT_EQ(differing, 2);
  // The post-game stages: caption in and out, a wait, one row, the end.
  for (int stage : {5, 15, 25, 35, 45, 50, 60, 70, 80, 90}) {
    SCOPED_TRACE(stage);
    const std::vector<std::string> lines = Loaded(stage);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[2], "[ウェイト]：Fu=5");
    EXPECT_EQ(lines[3].rfind("[Tanselイベ]：Ev種=00：Ev分=11：Ev細分=00：■", 0), 0u);
  }
  EXPECT_EQ(Loaded(6).back(), "[即実行イベ]：Ev種=00：Ev分岐0=30：Ev分岐1=-1：Ev分岐2=07：Ev分岐3=08");
}

// The whole corpus against its totals: 63 scripts (41 story scripts, the finale and
// 21 intermissions), 6,743 lines, 585 voiced balloon lines and 570 distinct voice
// numbers. A story or finale script missing from the program is named first.
TEST(MarbrookStageScripts, TheWholeCorpusMeetsItsTotals) {
  tq::testing::EngineHarness harness(kModeMarbrook);
  std::vector<int> scripts, missing;
  for (int stage = 1; stage <= 202; ++stage) {
    const StageSource source = StageSourceOf(stage);
    if (source == StageSource::None || (source == StageSource::Finale && stage != 100)) continue;
    scripts.push_back(stage);
    if (source != StageSource::Intermission && ContentLines("marbrook", StageScriptName(stage)).empty()) missing.push_back(stage);
  }
  EXPECT_EQ(scripts.size(), 63u);
  std::string list;
  for (int stage : missing) list += (list.empty() ? "" : ", ") + std::to_string(stage);
  ASSERT_TRUE(missing.empty()) << "no script in the program for stages " << list;
  int lines = 0, voiced = 0;
  std::set<int> voices;
  for (int stage : scripts) {
    for (const std::string& line : Loaded(stage)) {
      ++lines;
      MarbrookBalloonLine b;
      if (ReadMarbrookBalloonLine(line, b) && b.voice >= 1000) {
        ++voiced;
        voices.insert(b.voice);
      }
    }
  }
  EXPECT_EQ(lines, 6743);
  EXPECT_EQ(voiced, 585);
  EXPECT_EQ(voices.size(), 570u);
}

}  // namespace
