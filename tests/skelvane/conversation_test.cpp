// The Skelvane conversation screen run by the engine: start, stage load and lines,
// the two-button choice, and the system menu's restart of the scene.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "engine/frame_model.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/system_menu.h"
#include "platform/platform.h"
#include "scenario/auto_reading.h"
#include "scenario/balloon_geometry.h"
#include "scenario/conversation_scene.h"
#include "scenario/face_slots.h"
#include "scenario/line_execution.h"
#include "scenario/script_conversion.h"
#include "scenario/script_store.h"
#include "scenario/skelvane_conversation.h"
#include "skelvane/conversation_hooks.h"
#include "support/engine_harness.h"
#include "support/save_files.h"

namespace {

using tq::testing::EngineHarness;
using tq::testing::LayerVisible;

// The engine's own frame hooks outlive a harness: a test that stands in for one puts
// it back afterwards.
struct EngineFrameHooksGuard {
  EngineFrameHookSet saved = EngineFrameHooks;
  ~EngineFrameHooksGuard() { EngineFrameHooks = saved; }
};

int Count(const std::vector<std::string>& lines, const std::string& line) {
  int n = 0;
  for (const std::string& l : lines) n += l == line;
  return n;
}

void PrepareShown(int layer, int x, int y) {
  DrawState.CurrentLayer = layer;
  DrawState.CurrentRect = {x, y, 120, 40};
  PrepareLayer(kPreparePictureShown);
}


TEST(SkelvaneConversation, StartsLoadsTheStageAndRunsItsLinesToTheEnd) {
  EngineHarness h(kModeSkelvane);
  SetStageScriptOverride({
      "[フキA]：●1：フ種=(10,0,-1)：こんにちは：続",
      "[ウェイト]：Fu=2",
      "[フキA]：●1：フ種=(99,0,-1)：二行目：続",
      "[フキ消去]：●1：続",
      "[効果音]：続",
  });
  std::vector<std::pair<int, int>> seen;
  for (uint32_t t : {399u, 405u, 420u, 432u}) {
    h.Platform().At(t, [&seen] { seen.emplace_back(SceneCursor.SceneState, SceneCursor.SceneStep); });
  }
  h.Start();
  ::testing::internal::CaptureStderr();
  h.RunUntil(3000);
  const std::string err = ::testing::internal::GetCapturedStderr();

  EXPECT_EQ(seen, (std::vector<std::pair<int, int>>{{0, 0}, {5, 0}, {5, 1}, {10, 0}}));
  EXPECT_EQ(SceneCursor.StageNumber, 10);
  EXPECT_EQ(h.TraceOf("timer"), (std::vector<std::string>{"timer 400", "timer 13", "timer 13", "timer 13", "timer 100",
                                                          "timer 200", "timer 100", "timer 100", "timer 100"}));
  EXPECT_EQ(h.TraceOf("loop"), (std::vector<std::string>{"loop 1010", "loop 1011"}));
  EXPECT_EQ(ScriptStore.CurrentScriptLine, 5);
  EXPECT_NE(err.find("line 5 is past the end of the script (5 lines)"), std::string::npos) << err;
}

TEST(SkelvaneConversation, AClickOnAChoiceButtonSetsTheResultAndRunsPictureEffect13) {
  EngineFrameHooksGuard guard;
  EngineHarness h(kModeSkelvane);
  SetStageScriptOverride({"[ウェイト]：Fu=1"});
  static std::vector<int> effects;
  effects.clear();
  EngineFrameHooks.PaintEffectTick = [] {
    effects.push_back(FrameClock.AnimationCode);
    return false;
  };
  int modeAfterMiss = -1;
  h.Platform().At(700, [] {
    PrepareShown(15, 100, 500);
    PrepareShown(16, 400, 500);
    SceneCursor.ButtonMode = 20;
  });
  h.ClickAt(800, 50, 50);  // on no button
  h.Platform().At(850, [&modeAfterMiss] { modeAfterMiss = SceneCursor.ButtonMode; });
  h.ClickAt(900, 410, 510);  // on layer 16
  h.Start();
  ::testing::internal::CaptureStderr();
  h.RunUntil(1500);
  ::testing::internal::GetCapturedStderr();

  EXPECT_EQ(modeAfterMiss, 20);
  EXPECT_EQ(effects, std::vector<int>{13});
  EXPECT_EQ(ReadState.ChoiceResult, 1);
  EXPECT_EQ(SceneCursor.ButtonMode, 0);
  EXPECT_FALSE(LayerVisible(15));
  EXPECT_TRUE(LayerVisible(16));
}

// The system menu's "back to the start of this scene": every open balloon of text
// slots 0 to 2 is erased with the normal erase, then the confirmation sequence runs.
// Its own row reloads the stage; any other row goes back to the current line.
TEST(SkelvaneConversation, RestartErasesTheOpenBalloonsThenReloadsOrGoesBack) {
  const struct {
    const char* name;
    int hoverItem;
    int openings;  // speech openings in all: 2 before the restart, 2 more on a reload
    int lineAfter;
  } cases[] = {{"confirmed", 3, 4, 4}, {"cancelled", -1, 2, 5}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EngineFrameHooksGuard guard;
    EngineHarness h(kModeSkelvane);
    SetStageScriptOverride({
        "[フキA]：●0：フ種=(10,0,-1)：一：続",
        "[フキA]：●0：フ種=(30,0,-1)：二：続",
        "[フキA]：●1：フ種=(20,0,-1)：三：続",
        "[ウェイト]：Fu=6",
    });
    EngineFrameHooks.MenuSequence = [] {
      Wait(0, 0);  // the confirmation sequence ends at once
      return true;
    };
    const int hover = c.hoverItem;
    int openBefore = 0;
    // The menu command, while the last line's wait runs (from 1528 to 2128 ms, after
    // the three balloons' openings).
    h.Platform().At(1800, [hover, &openBefore] {
      for (int i = 0; i <= 2; ++i) openBefore += TextSlot.TextSlotState[i] >= 1;
      SystemMenuState.MenuHoverItem = hover;
      ScriptStore.SceneLabel = -1;
      ConversationScene.RestartRequest = 9;
      SceneCursor.SceneState = 15;
      SceneCursor.SceneStep = 0;
      AnimationRun.ScenarioWaitMs = 200;
      Wait(3, 0);
    });
    h.Start();
    ::testing::internal::CaptureStderr();
    h.RunUntil(8000);
    ::testing::internal::GetCapturedStderr();

    const std::vector<std::string> loops = h.TraceOf("loop");
    EXPECT_EQ(openBefore, 3);
    EXPECT_EQ(Count(loops, "loop 1011"), 3);
    EXPECT_EQ(Count(loops, "loop 110"), 1);
    EXPECT_EQ(Count(loops, "loop 1010"), c.openings);
    EXPECT_EQ(Count(loops, "loop 90") + Count(loops, "loop 95"), 0);
    EXPECT_EQ(SceneCursor.SceneState, 10);
    EXPECT_EQ(ScriptStore.CurrentScriptLine, c.lineAfter);
    EXPECT_EQ(LineExecution.LineHeld, 0);
  }
}

// Each open balloon gets the erase of its kind; a kind with no window is cleared
// without one. Either way the step comes back for the next balloon.
TEST(SkelvaneConversation, RestartEraseTakesTheEraseOfTheBalloonsKind) {
  const struct {
    int kind;
    const char* loop;
    const char* timer;
  } cases[] = {{10, "loop 1011", "timer 1"}, {35, "loop 1011", "timer 1"},
               {50, "loop 1019", "timer 1"}, {0, nullptr, "timer 13"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.kind);
    EngineHarness h(kModeSkelvane);
    GameMode = kModeSkelvane;
    SceneCursor = {10, 15, 0, 10, 0};
    ConversationScene.RestartRequest = 9;
    TextSlot.TextSlotState[0] = 3;
    TextSlot.TextSlotKind[0] = c.kind;
    ScenarioStep();
    EXPECT_EQ(h.TraceOf("loop"), c.loop ? std::vector<std::string>{c.loop} : std::vector<std::string>{});
    EXPECT_EQ(h.TraceOf("timer"), std::vector<std::string>{c.timer});
    EXPECT_EQ(TextSlot.TextSlotState[0], 0);
    EXPECT_EQ(SceneCursor.SceneState, 15);
  }
}

// A click that stops automatic reading: the next step leaves automatic reading and,
// for a line that does not continue by itself, waits for a click without running it.
TEST(SkelvaneConversation, StoppingAutomaticReadingWaitsForAClickBeforeTheNextLine) {
  EngineHarness h(kModeSkelvane);
  GameMode = kModeSkelvane;
  SceneCursor = {10, 10, 0, 10, 0};
  ScriptStore.ScriptLineCount = 0;
  PushScriptLine("[ウェイト]：Fu=1");
  ReadState.ReadMode = 2;
  ReadState.AutoStopRequest = 1;
  ScenarioStep();
  EXPECT_EQ(ReadState.ReadMode, 1);
  EXPECT_EQ(ScriptStore.CurrentScriptLine, 0);
  EXPECT_TRUE(h.TraceOf("timer").empty());
  ScenarioStep();
  EXPECT_EQ(ScriptStore.CurrentScriptLine, 1);
  EXPECT_EQ(h.TraceOf("timer"), std::vector<std::string>{"timer 100"});
}

// Lines played by kind (state 11): each kind starts its effect and the next step
// moves to the next line; kind 52 reloads the scene with stage 101 instead.
TEST(SkelvaneConversation, LineKindsStartTheirEffectsAndKind52ReloadsStage101) {
  const struct {
    int kind;
    const char* started;  // the loop or timer the kind starts
    int state, step, stage;
  } cases[] = {
      {0, "loop 1215", 11, 1, 10},  {9, "loop 1215", 11, 1, 10},  {10, "loop 1217", 11, 1, 10},
      {19, "loop 1217", 11, 1, 10}, {-1, "loop 1216", 11, 1, 10}, {50, "loop 1210", 11, 1, 10},
      {51, "loop 1211", 11, 1, 10}, {90, "timer 200", 11, 1, 10}, {52, "timer 13", 5, 0, 101},
      {20, nullptr, 11, 1, 10},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.kind);
    EngineHarness h(kModeSkelvane);
    GameMode = kModeSkelvane;
    SceneCursor = {10, 11, 0, 10, 0};
    ScriptStore.ScriptLineCount = 0;
    PushScriptLine("消える文字");
    ScriptStore.ScriptCode[0][0] = c.kind;
    ScriptStore.ScriptCode[1][0] = 1;
    ScenarioStep();
    std::vector<std::string> started = h.TraceOf("loop");
    if (started.empty()) started = h.TraceOf("timer");
    EXPECT_EQ(started.empty() ? std::string() : started.front(), std::string(c.started ? c.started : ""));
    EXPECT_EQ(SceneCursor.SceneState, c.state);
    EXPECT_EQ(SceneCursor.SceneStep, c.step);
    EXPECT_EQ(SceneCursor.StageNumber, c.stage);
    EXPECT_EQ(ConversationScene.EffectTextCode, c.kind);
    EXPECT_EQ(ScriptStore.CurrentScriptLine, 0);
  }
  // Step 1 moves on, and a line that continues by itself runs the next one 13 ms later.
  EngineHarness h(kModeSkelvane);
  GameMode = kModeSkelvane;
  SceneCursor = {10, 11, 1, 10, 0};
  LineExecution.AutoContinue = -1;
  ScenarioStep();
  EXPECT_EQ(ScriptStore.CurrentScriptLine, 1);
  EXPECT_EQ(SceneCursor.SceneStep, 0);
  EXPECT_EQ(h.TraceOf("timer"), std::vector<std::string>{"timer 13"});
}

// The headless runner with --script: the conversation runs the file's lines.
TEST(SkelvaneConversation, RunnerStartsTheSceneAndPlaysAScriptFile) {
  namespace fs = std::filesystem;
  const fs::path dir = fs::temp_directory_path() /
                       ("thornquill-script-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
  fs::create_directories(dir);
  {
    std::ofstream script(dir / "script.txt", std::ios::binary);
    script << "[フキA]：●1：フ種=(10,0,-1)：こんにちは：続\r\n\r\n[ウェイト]：Fu=2\r\n[効果音]：続\r\n";
  }
  std::string command = std::string("'") + THORNQUILL_RUNNER + "' --mode 'Skelvane２' --script '" +
                        (dir / "script.txt").string() + "' --until 2000 --trace '" + (dir / "trace").string() + "'";
  // The scene cursor before the first tick, after each start-up step, and at the end.
  const std::vector<std::string> times = {"399", "405", "420", "432", "1900"};
  for (const std::string& t : times) command += " --dump " + t + ":'" + (dir / ("dump" + t)).string() + "'";
  command += " 2>'" + (dir / "err").string() + "'";
  ASSERT_EQ(std::system(command.c_str()), 0);
  auto read = [&dir](const std::string& name) { return tq::testing::ReadFileBytes((dir / name).string()); };
  std::vector<std::string> scenes;
  for (const std::string& t : times) {
    const std::string dump = read("dump" + t);
    const size_t at = dump.find("scene ");
    scenes.push_back(at == std::string::npos ? dump : dump.substr(at, dump.find('\n', at) - at));
  }
  const std::string trace = read("trace");
  const std::string err = read("err");
  fs::remove_all(dir);

  EXPECT_EQ(scenes, (std::vector<std::string>{"scene 10 0 0 0", "scene 10 5 0 10", "scene 10 5 1 10", "scene 10 10 0 10",
                                               "scene 10 10 0 10"}));
  EXPECT_NE(trace.find("439 loop 1010\n"), std::string::npos) << trace;
  // The balloon opens in 8 frames (439 to 530), and the line goes on 100 ms later.
  EXPECT_NE(trace.find("530 endloop 1010 8\n"), std::string::npos) << trace;
  EXPECT_NE(trace.find("630 timer 200\n"), std::string::npos) << trace;
  EXPECT_NE(err.find("line 3 is past the end of the script (3 lines)"), std::string::npos) << err;
}

}  // namespace
