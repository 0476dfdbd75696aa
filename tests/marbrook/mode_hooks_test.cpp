// The Marbrook mode hooks: routing by scene code and phase, the
// conversation advance, keys, breaking the title's waits, the extras entry, and the
// menu click sound that every mode plays through this game's title table.
#include "marbrook/marbrook_mode.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/input_dispatch.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/system_menu.h"
#include "games/timed_effects.h"
#include "platform/platform.h"
#include "scenario/animation_dispatch.h"
#include "scenario/auto_reading.h"
#include "support/engine_harness.h"
#include "vadrim/vadrim_mode.h"

namespace {

using tq::testing::EngineHarness;
using Strings = std::vector<std::string>;

std::vector<std::string> calls;

constexpr int kSceneCodes[] = {10, 45, 51, 52, 53, 54, 55, 56, 59, 60, 99};

// Fills every screen's empty members with recorders; the conversation's frames stay
// the scenario engine's.
class MarbrookHooks : public ::testing::Test {
 protected:
  void SetUp() override {
    h_ = std::make_unique<EngineHarness>(kModeMarbrook);
    h_->Start();
    calls.clear();
    for (int code : kSceneCodes) saved_.push_back(MarbrookScreen(code));
    savedCalls_ = MarbrookNamedCalls;
  }
  void TearDown() override {
    for (size_t i = 0; i < saved_.size(); ++i) MarbrookScreen(kSceneCodes[i]) = saved_[i];
    MarbrookNamedCalls = savedCalls_;
  }
  void InstallRecorders() {
    // One recorder set per scene code would need a function each; the scene code read
    // at call time names the screen instead.
    for (int code : kSceneCodes) {
      ScreenHookSet& s = MarbrookScreen(code);
      s.Step = [] { calls.push_back("step " + std::to_string(SceneCursor.SceneCode)); };
      s.Hover = [] { calls.push_back("hover " + std::to_string(SceneCursor.SceneCode)); };
      s.OnKey = [] { calls.push_back("key " + std::to_string(SceneCursor.SceneCode)); };
      if (code != 10) {
        s.Frame = [] {
          calls.push_back("frame " + std::to_string(SceneCursor.SceneCode));
          return true;
        };
      }
    }
    // The room and kana adventures have no frames, the role-playing game no hover.
    MarbrookScreen(56).Frame = nullptr;
    MarbrookScreen(59).Frame = nullptr;
    MarbrookScreen(55).Hover = nullptr;
  }

  std::unique_ptr<EngineHarness> h_;
  std::vector<ScreenHookSet> saved_;
  MarbrookNamedCallSet savedCalls_;
};

TEST_F(MarbrookHooks, EventsReachTheScreenThatSceneCodeNames) {
  InstallRecorders();
  struct Case {
    int scene, phase;
    const char* call;  // "" when the event is dropped
    bool taken;
  } cases[] = {
      {99, 0, "step 99", true},  {99, 1, "hover 99", true}, {99, 2, "frame 99", true},
      {45, 0, "step 45", true},  {51, 2, "frame 51", true}, {54, 1, "hover 54", true},
      {55, 1, "", false},        {56, 2, "", false},        {59, 2, "", false},
      {59, 0, "step 59", true},  {60, 2, "frame 60", true}, {10, 0, "step 10", true},
      {10, 1, "hover 10", true}, {7, 0, "", false},         {99, 3, "", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.scene) + " phase " + std::to_string(c.phase));
    calls.clear();
    SceneCursor.SceneCode = c.scene;
    EXPECT_EQ(C00_OnEvent(c.phase), c.taken);
    EXPECT_EQ(calls, c.call[0] == '\0' ? Strings{} : Strings{c.call});
  }
}

TEST_F(MarbrookHooks, OnlyAnInputCutsTheVoiceBeforeTheConversationStep) {
  InstallRecorders();
  MarbrookScreen(10).Step = [] {
    calls.push_back("step, voice channel " + std::to_string(VoiceSettings.VoiceChannel));
  };
  SceneCursor.SceneCode = 10;
  VoiceSettings.VoiceCutOnAdvance = -1;
  GameConfig.VoiceLevel = 9;
  h_->Platform().Recorder().SetLength("Voice_1001.MP3", 5000);
  int channel = 0;
  float offset = 0.0f;
  CurrentModeHooks().PlaySound(1001, channel, offset);

  InputEvent.AdvanceRequest = 0;  // a tick
  C00_OnEvent(0);
  EXPECT_TRUE(h_->TraceOf("STStop").empty());
  InputEvent.AdvanceRequest = -1;  // a click
  C00_OnEvent(0);
  EXPECT_EQ(h_->TraceOf("STStop"), Strings{"STStop 9 1"});
  EXPECT_EQ(InputEvent.AdvanceRequest, 0);
  EXPECT_EQ(calls, (Strings{"step, voice channel 9", "step, voice channel 0"}));
}

TEST_F(MarbrookHooks, ConversationKeys) {
  InstallRecorders();
  MarbrookNamedCalls.C10_NextStage = [] { calls.push_back("next stage"); };
  MarbrookNamedCalls.C10_NextGame = [] { calls.push_back("next game"); };
  struct Case {
    const char* name;
    int state, key, advance;
    Strings calls;
    int autoSpeed, readSpeed, commandRun;
  } cases[] = {
      {"1 reads automatically at speed 0, skip speed kept", 10, '1', 0, {}, 0, 2, -1},
      {"numeric-pad 3", 10, tq::kKeyPad0 + 3, 0, {}, 2, 2, -1},
      {"4 skips at speed 2", 10, '4', 0, {}, 5, 2, -1},
      {"numeric-pad 5 skips at speed 3", 10, tq::kKeyPad0 + 5, 0, {}, 5, 3, -1},
      {"digits do nothing outside a running stage", 30, '1', 0, {}, 5, 2, 0},
      {"S in any state", 0, 'S', 0, {"next stage"}, 5, 2, -1},
      {"G in any state", 31, 'G', 0, {"next game"}, 5, 2, -1},
      {"an advance key steps", 5, tq::kKeyEnter, 1, {"step 10"}, 5, 2, 0},
      {"other keys do nothing", 10, tq::kKeyA, 0, {}, 5, 2, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    calls.clear();
    SceneCursor.SceneCode = 10;
    SceneCursor.SceneState = c.state;
    VoiceSettings.AutoSpeed = 5;
    ReadState.ReadSpeed = 2;
    ReadState.ReadMode = 1;
    AnimationRun.WaitKind = 0;
    InputEvent.KeyCommandRun = 0;
    InputEvent.KeyCode = c.key;
    InputEvent.AdvanceKeyDown = c.advance;
    const size_t timers = h_->TraceOf("timer").size();
    C00_OnKey();
    EXPECT_EQ(calls, c.calls);
    EXPECT_EQ(VoiceSettings.AutoSpeed, c.autoSpeed);
    EXPECT_EQ(ReadState.ReadSpeed, c.readSpeed);
    EXPECT_EQ(InputEvent.KeyCommandRun, c.commandRun);
    const bool automatic = c.key != 'S' && c.key != 'G' && c.commandRun == -1;
    EXPECT_EQ(ReadState.ReadMode, automatic ? 2 : 1);
    EXPECT_EQ(AnimationRun.WaitKind, automatic ? 10 : 0);
    EXPECT_EQ(h_->TraceOf("timer").size(), timers + (automatic ? 1 : 0));
    if (automatic) {
      EXPECT_EQ(AnimationRun.ScenarioWaitMs, 200);
      EXPECT_EQ(h_->TraceOf("timer").back(), ReadState.ReadSpeed == 3 ? "timer 20" : "timer 100");
    }
    FrameClock.TimerArmed = 0;
    FrameClock.WaitActive = 0;
  }
}

TEST_F(MarbrookHooks, KeysOnOtherScreens) {
  InstallRecorders();
  struct Case {
    int scene, key, advance;
    Strings calls;
  } cases[] = {
      {99, tq::kKeyEnter, 1, {"step 99"}}, {99, tq::kKeyA, 0, {}},          {45, tq::kKeyEscape, 0, {"key 45"}},
      {51, tq::kKeyA, 0, {"key 51"}},      {60, tq::kKeyEnter, 1, {"key 60"}}, {7, tq::kKeyEnter, 1, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.scene);
    calls.clear();
    SceneCursor.SceneCode = c.scene;
    InputEvent.KeyCode = c.key;
    InputEvent.AdvanceKeyDown = c.advance;
    C00_OnKey();
    EXPECT_EQ(calls, c.calls);
  }
}

TEST_F(MarbrookHooks, BreakingTheTitleAnimationsAndTheReels) {
  MarbrookNamedCalls.G04_StopReelClick = [] { calls.push_back("stop reel"); };
  for (int layer = 0; layer <= 9; ++layer) ShowLayer(layer, true);
  AnimationRun.WaitKind = 1000;
  FrameClock.FrameLoopRunning = -1;
  C00_BreakWait();
  EXPECT_EQ(FrameClock.FrameLoopRunning, 0);
  EXPECT_EQ(FrameClock.LoopAbortRequested, -1);
  EXPECT_EQ(AnimationRun.WaitKind, 0);
  EXPECT_EQ(SceneCursor.SceneStep, 5);
  EXPECT_FALSE(tq::ThePlatform().Screen().Layer(9).visible);
  EXPECT_EQ(h_->TraceOf("STStop"), Strings{"STStop 0 1"});

  AnimationRun.WaitKind = 1001;
  FrameClock.FrameLoopRunning = -1;
  FrameClock.LoopAbortRequested = 0;
  C00_BreakWait();
  EXPECT_EQ(FrameClock.LoopAbortRequested, -1);
  EXPECT_EQ(SceneCursor.SceneStep, 6);
  EXPECT_EQ(FrameClock.RearmPending, -1) << "the loop ends, then the step runs";

  AnimationRun.WaitKind = 100;
  C00_BreakWait();
  AnimationRun.WaitKind = 13;
  C00_BreakWait();
  EXPECT_EQ(calls, Strings{"stop reel"});
}

TEST_F(MarbrookHooks, ExtrasEntry) {
  struct Case {
    int code, scene, state, step;
  } cases[] = {{500, 45, 0, 1}, {510, 54, -1, 0}, {520, 45, 100, 0}, {530, 99, 0, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    SceneCursor = SceneCursorRecord{99, 0, 0, 0, 0};
    FrameClock.TimerArmed = 0;
    FrameClock.WaitActive = 0;
    const size_t timers = h_->TraceOf("timer 500").size();
    C00_EnterExtraGame(c.code);
    EXPECT_EQ(SceneCursor.SceneCode, c.scene);
    EXPECT_EQ(SceneCursor.SceneState, c.state);
    EXPECT_EQ(SceneCursor.SceneStep, c.step);
    EXPECT_EQ(h_->TraceOf("timer 500").size(), timers + (c.code == 530 ? 0 : 1));
  }
}

void StartInConversation() { SceneCursor.SceneCode = 10; }

TEST(MarbrookMenuClick, EveryModePlaysTheMenuClickThroughTheTitleTable) {
  for (const char* mode : {kModeMarbrook, kModeSkelvane, kModeVadrim, "Test"}) {
    SCOPED_TRACE(mode);
    EngineHarness h(mode);
    h.TestHooks().Init = StartInConversation;
    h.Start();
    // The Marbrook opening would hold the input: a scene without members stays idle.
    if (std::string(mode) == kModeMarbrook) SceneCursor.SceneCode = 7;
    // The Vadrim menu offers its rows by scene: its title, with the title's screen idle.
    if (std::string(mode) == kModeVadrim) {
      VadrimScreen(99) = {};
      SceneCursor.SceneCode = 99;
    }
    GameConfig.Settings[2] = 9;
    h.ClickAt(1000, 850, 600, tq::kButtonRight);
    h.MoveAt(1100, 749, 608);
    h.ClickAt(1200, 749, 608);
    h.RunUntil(2500);
    const Strings reads = h.TraceOf("STReadFile");
    EXPECT_EQ(std::count(reads.begin(), reads.end(), "STReadFile 0 Tanselr_Data/TanselrSnd/TanselrTitle/t26_pyo133.wav 5"), 1);
  }
}

}  // namespace
