// The finale: one script of ten entries, each started at its label, held to its
// length, its balloon lines and its fixed button and branch lines.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/modes.h"
#include "engine/system_menu.h"
#include "marbrook/stage_dispatch.h"
#include "scenario/script_store.h"
#include "support/engine_harness.h"

namespace {

struct EntryRow {
  int stage, first, lines, balloons;
  const char* buttons;  // the effect line before a branch line, or nullptr
  const char* last;
};
constexpr const char* kTwoButtons = "[Tanselイベ]：Ｚ：Ev種=30：Ev分=00：Ev細分=15";
constexpr EntryRow kEntries[] = {
    {100, 0, 60, 29, kTwoButtons, "[即実行イベ]：Ev種=00：Ev分岐0=30：Ev分岐1=-1：Ev分岐2=105：Ev分岐3=110"},
    {105, 60, 12, 11, nullptr, "[別のゲームへ]"},
    {106, 72, 15, 5, nullptr, "[別のゲームへ]"},
    {110, 87, 12, 10, kTwoButtons, "[即実行イベ]：Ev種=00：Ev分岐0=30：Ev分岐1=-1：Ev分岐2=115：Ev分岐3=120"},
    {115, 99, 4, 3, nullptr, "[別のゲームへ]"},
    {120, 103, 6, 5, nullptr, "[別のゲームへ]"},
    {130, 109, 113, 58, "[Tanselイベ]：Ｚ：Ev種=31：Ev分=03：Ev細分=15",
     "[即実行イベ]：Ev種=00：Ev分岐0=31：Ev分岐1=-1：Ev分岐2=131：Ev分岐3=000"},
    {131, 222, 18, 9, nullptr, "[別のゲームへ]"},
    {140, 240, 28, 19, nullptr, "[別のゲームへ]"},
    {145, 268, 146, 87, nullptr, "[別のゲームへ]"},
};

void Load(int stage) {
  SceneCursor.StageNumber = stage;
  C15_LoadStage();
}
std::string Line(int i) { return ScriptStore.ScriptText[static_cast<size_t>(i)]; }
bool Has(const std::string& line, const char* part) { return line.find(part) != std::string::npos; }

TEST(MarbrookFinale, EveryEntryStartsAtItsLabelAndRestartsTheFinale) {
  tq::testing::EngineHarness harness(kModeMarbrook);
  for (const EntryRow& e : kEntries) {
    SCOPED_TRACE("entry " + std::to_string(e.stage));
    ScriptStore.CurrentScriptLine = 7;
    Load(e.stage);
    EXPECT_EQ(ScriptStore.ScriptLineCount, 414) << "the whole script, whatever the entry";
    EXPECT_EQ(ScriptStore.CurrentScriptLine, e.first);
    if (e.stage != 100) {
      EXPECT_EQ(ScriptStore.ScriptLabels[static_cast<size_t>(e.stage - 100)], e.first);
    }
    EXPECT_EQ(SystemMenuState.RestartStage, 100);
    EXPECT_EQ(SystemMenuState.RestartEffect, 0);
  }
  // The restart command reloads stage 100, which starts at the first line.
  Load(131);
  Load(SystemMenuState.RestartStage);
  EXPECT_EQ(ScriptStore.CurrentScriptLine, 0);
  // The numbers between the entries load nothing: the store keeps the finale.
  for (int stage : {101, 104, 107, 132, 144, 146}) {
    SCOPED_TRACE(stage);
    Load(131);
    Load(stage);
    EXPECT_EQ(ScriptStore.ScriptLineCount, 414);
    EXPECT_EQ(ScriptStore.CurrentScriptLine, 222);
    EXPECT_EQ(SystemMenuState.RestartStage, stage);
  }
}

TEST(MarbrookFinale, EntriesKeepTheirLengthsBalloonsAndBranchLines) {
  tq::testing::EngineHarness harness(kModeMarbrook);
  Load(100);
  int staffPauses = 0, kind60 = 0;
  for (const EntryRow& e : kEntries) {
    SCOPED_TRACE("entry " + std::to_string(e.stage));
    const int end = e.first + e.lines;
    int balloons = 0;
    for (int i = e.first; i < end; ++i) {
      const std::string line = Line(i);
      EXPECT_FALSE(Has(line, "フ音")) << "no voices: line " << i;
      if (!Has(line, "[フキA]")) continue;
      ++balloons;
      if (Has(line, "フ種=(60,")) {
        ++kind60;
        EXPECT_EQ(e.stage, 145);
        continue;
      }
      // Speech of the finale's three figures: kind 6, styles 40 to 46, slots 1 to 3.
      const int style = std::atoi(line.substr(line.find("フ種=(06,") + std::string("フ種=(06,").size()).c_str());
      EXPECT_TRUE(Has(line, "フ種=(06,") && style >= 40 && style <= 46) << line;
      EXPECT_TRUE(line.rfind("●1", 0) == 0 || line.rfind("●2", 0) == 0 || line.rfind("●3", 0) == 0) << line;
    }
    EXPECT_EQ(balloons, e.balloons);
    EXPECT_EQ(Line(end - 1), e.last);
    if (e.buttons != nullptr) {
      EXPECT_EQ(Line(end - 2), e.buttons);
    }
    for (int i = e.first; i < end; ++i) staffPauses += Has(Line(i), "BMP番号=0310") && Has(Line(i), "Ｓ");
  }
  EXPECT_EQ(kind60, 6);
  EXPECT_EQ(staffPauses, 5) << "the staff pictures 1 to 5 each wait for a click";
  EXPECT_EQ(Line(224), "●1：[Tanselイベ]：Ｚ：Ev種=35：Ev分=-1");
  EXPECT_EQ(Line(240), "●1：[BMP変更]：BMP番号=0300：BMP番号2=00");
  EXPECT_EQ(Line(268), "●1：[BMP変更]：BMP番号=0300：BMP番号2=03");
}

}  // namespace
