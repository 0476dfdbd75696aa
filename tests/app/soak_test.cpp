// Every mode word under a seeded random stream of input: no crash, no hang, a clean
// end on Escape, and save files that stay whole. THORNQUILL_SOAK_MS and
// THORNQUILL_SOAK_SEED lengthen the run and change the stream (tools/soak).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <span>
#include <sstream>
#include <string>
#include <vector>

#include "engine/frame_model.h"
#include "engine/modes.h"
#include "platform/pictures.h"
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

using tq::testing::SoakEntry;

// Screens a player reaches, entered as the games enter them, so that random input
// spends its time there rather than on the way (and on the title's quit button).
const SoakEntry kMarbrookEntries[] = {
    {"RockPaperScissors", 51, -1, 0}, {"BoardGames", 52, 0, 0}, {"DiceRace", 52, 1, 0},
    {"MemoryPairs", 53, 0, 0},       {"Casino", 54, 1, 0},     {"CasinoFreePlay", 54, -1, 0},
    {"RolePlaying", 55, 0, 0},       {"RoomAdventure", 56, 0, 0}, {"KanaAdventure", 59, 0, 0},
    {"LastBossDuel", 60, 0, 3},      {"SceneReplay", 45, 0, 1}, {"BonusPictures", 45, 100, 0},
};
const SoakEntry kVadrimEntries[] = {
    {"RouteSelect", 99, 20, 0}, {"BoardSelect", 99, 50, -5}, {"Board1", 51, 1, 0, 1},    {"Board9", 51, 1, 0, 9},
    {"Board11", 51, 1, 0, 11},  {"Board21", 51, 1, 0, 21},   {"Board32", 51, 1, 0, 32},
};
const SoakEntry kSkelvaneEntries[] = {{"Title", 99, 0, 0}};

struct ModeWord {
  const char* name;  // for the test's name
  const char* word;
  const char* script = nullptr;  // in tests/data/scripts, for every stage the mode loads
  std::span<const SoakEntry> entries = {};
  bool showsPictures = true;  // the "any other string" mode shows none
};

const ModeWord kModeWords[] = {
    {"Marbrook", "Marbrook", nullptr, kMarbrookEntries},
    {"Vadrim", "Vadrimの", nullptr, kVadrimEntries},
    {"Skelvane", "Skelvane２", nullptr, kSkelvaneEntries},
    {"SkelvaneWithScript", "Skelvane２", "balloons_skelvane.txt"},
    {"UnknownWord", "Quillwort", nullptr, {}, false},
};

// One soak: a mode from its own start, or from one of its entries.
struct SoakCase {
  const ModeWord* mode;
  const SoakEntry* entry;  // nullptr: the mode's own start
  std::string name;
};

std::vector<SoakCase> SoakCases() {
  std::vector<SoakCase> cases;
  for (const ModeWord& m : kModeWords) {
    cases.push_back({&m, nullptr, m.name});
    for (const SoakEntry& e : m.entries) cases.push_back({&m, &e, std::string(m.name) + "_" + e.name});
  }
  return cases;
}

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

class SoakTest : public testing::TestWithParam<SoakCase> {};

// The suite's run is short: a mode's ten virtual minutes are shared among its start
// and its entries. THORNQUILL_SOAK_MS gives each of them that much (tools/soak).
TEST_P(SoakTest, RandomInputNeitherCrashesHangsNorSpoilsASave) {
  const ModeWord& mode = *GetParam().mode;
  SoakOptions options;
  options.mode = mode.word;
  options.entry = GetParam().entry;
  options.seed = FromEnvironment("THORNQUILL_SOAK_SEED", 1);
  options.virtualMs = FromEnvironment("THORNQUILL_SOAK_MS", 600000 / static_cast<uint32_t>(1 + mode.entries.size()));
  options.stageScript = ScriptLines(mode.script);
  options.expectPictures = mode.showsPictures;
  SoakFigures figures = RunSoak(options);
  std::cout << tq::testing::SoakSummary(options, figures) << std::endl;
  for (const std::string& failure : figures.failures) ADD_FAILURE() << failure;
  EXPECT_EQ(figures.virtualMs, options.virtualMs);
  EXPECT_GT(figures.layerClicks, 0);
  EXPECT_GT(figures.keys, 0);
  // The entry took: its screen ran for a while, not just for the first tick.
  if (options.entry != nullptr) {
    EXPECT_GE(figures.entryScreenMs, 1000u);
  }
}

INSTANTIATE_TEST_SUITE_P(EveryMode, SoakTest, testing::ValuesIn(SoakCases()),
                         [](const testing::TestParamInfo<SoakCase>& info) { return info.param.name; });

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
    bool standIns = false;
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
      // With the stand-ins: a run that never reaches the decoders, and one that
      // names a picture without a stand-in.
      {"no picture loaded", nullptr, nullptr, "no picture loaded", true},
      {"a picture without a stand-in",
       [] {
         tq::Surface picture;
         tq::LoadPictureFile(tq::ThePlatform().ProgramFolder() + "/Tanselr_Data/TanselrCG/none.bmp", picture);
       },
       nullptr, "1 loads of pictures that have no stand-in", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ModeHooksFor(ModeId::Other).Init = c.init;
    ModeHooksFor(ModeId::Other).OnEvent = c.onEvent;
    SoakOptions options;
    options.mode = "Planted";
    // Long enough for a hang to be one; the stand-ins' faults show at the start.
    options.virtualMs = c.standIns ? 10000 : tq::testing::kHangBoundMs + 30000;
    options.standIns = c.standIns;
    if (c.standIns) testing::internal::CaptureStderr();  // the missing picture's report
    SoakFigures figures = RunSoak(options);
    if (c.standIns) testing::internal::GetCapturedStderr();
    ASSERT_FALSE(figures.failures.empty());
    const auto named = [&c](const std::string& f) { return f.find(c.expected) != std::string::npos; };
    EXPECT_TRUE(std::any_of(figures.failures.begin(), figures.failures.end(), named)) << figures.failures.front();
  }
}

}  // namespace
