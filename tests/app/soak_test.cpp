// Every mode word under a seeded random stream of input: no crash, no hang, a clean
// end on Escape, and save files that stay whole. THORNQUILL_SOAK_MS and
// THORNQUILL_SOAK_SEED lengthen the run and change the stream (tools/soak).
#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/frame_model.h"
#include "engine/modes.h"
#include "platform/platform.h"
#include "support/save_files.h"
#include "support/soak.h"

namespace {

using tq::testing::RunSoak;
using tq::testing::SoakFigures;
using tq::testing::SoakOptions;

uint32_t FromEnvironment(const char* name, uint32_t fallback) {
  const char* text = std::getenv(name);
  if (text == nullptr || *text == '\0') return fallback;
  return static_cast<uint32_t>(std::strtoul(text, nullptr, 10));
}

struct ModeWord {
  const char* name;  // for the test's name
  const char* word;
  const char* script = nullptr;  // in tests/data/scripts, for every stage the mode loads
};

const ModeWord kModeWords[] = {
    {"Marbrook", "Marbrook"},
    {"Vadrim", "Vadrimの"},
    {"Skelvane", "Skelvane２"},
    {"SkelvaneWithScript", "Skelvane２", "balloons_skelvane.txt"},
    {"UnknownWord", "Quillwort"},
};

std::vector<std::string> ScriptLines(const char* file) {
  std::vector<std::string> lines;
  if (file == nullptr) return lines;
  std::istringstream in(tq::testing::ReadFileBytes(std::string(THORNQUILL_TEST_DATA) + "/scripts/" + file));
  for (std::string line; std::getline(in, line);) {
    std::erase(line, '\r');
    if (!line.empty()) lines.push_back(line);
  }
  return lines;
}

class SoakTest : public testing::TestWithParam<ModeWord> {};

TEST_P(SoakTest, RandomInputNeitherCrashesHangsNorSpoilsASave) {
  SoakOptions options;
  options.mode = GetParam().word;
  options.seed = FromEnvironment("THORNQUILL_SOAK_SEED", 1);
  options.virtualMs = FromEnvironment("THORNQUILL_SOAK_MS", 600000);
  options.stageScript = ScriptLines(GetParam().script);
  SoakFigures figures = RunSoak(options);
  std::cout << tq::testing::SoakSummary(options, figures) << std::endl;
  for (const std::string& failure : figures.failures) ADD_FAILURE() << failure;
  EXPECT_EQ(figures.virtualMs, options.virtualMs);
  EXPECT_GT(figures.layerClicks, 0);
  EXPECT_GT(figures.keys, 0);
}

INSTANTIATE_TEST_SUITE_P(EveryMode, SoakTest, testing::ValuesIn(kModeWords),
                         [](const testing::TestParamInfo<ModeWord>& info) { return std::string(info.param.name); });

// The soak itself must catch what it is there for: each fault below is planted in
// the "any other string" mode, and the soak must name it.
class SoakCatchesTest : public testing::Test {
 protected:
  void SetUp() override { saved_ = ModeHooksFor(ModeId::Other); }
  void TearDown() override { ModeHooksFor(ModeId::Other) = saved_; }
  ModeHookSet saved_;
};

TEST_F(SoakCatchesTest, PlantedFaults) {
  struct Case {
    const char* what;
    void (*init)();
    bool (*onEvent)(int phase);
    const char* expected;
  };
  const Case cases[] = {
      {"a frame loop that never ends",
       [] { SceneCursor.SceneCode = 7; },
       [](int phase) {
         if (phase == 0 && FrameClock.FrameLoopRunning == 0) Wait(1050, 13);
         return true;
       },
       "loop code 1050"},
      {"a status other than 0",
       nullptr,
       [](int phase) -> bool {
         if (phase == 0) throw tq::ProgramExit{4};
         return false;
       },
       "status 4"},
      {"a save file cut short",
       [] { tq::testing::WriteFileBytes(tq::ThePlatform().ProgramFolder() + "/Game.sav", "[Game]\r\n0=1"); },
       nullptr, "Game.sav: the last line has no CR LF"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ModeHooksFor(ModeId::Other).Init = c.init;
    ModeHooksFor(ModeId::Other).OnEvent = c.onEvent;
    SoakOptions options;
    options.mode = "Planted";
    options.virtualMs = tq::testing::kHangBoundMs + 30000;
    SoakFigures figures = RunSoak(options);
    ASSERT_FALSE(figures.failures.empty());
    EXPECT_NE(figures.failures.front().find(c.expected), std::string::npos) << figures.failures.front();
  }
}

}  // namespace
