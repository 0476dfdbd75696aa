// The frame model on the virtual clock: timer waits, frame loops, their nesting,
// the first tick and the shutdown fade.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/modes.h"
#include "engine/sound_channels.h"
#include "platform/platform.h"
#include "scenario/auto_reading.h"
#include "support/engine_harness.h"

using tq::testing::EngineHarness;

namespace {

// What the stand-in game saw, and what it does on each phase.
struct StandIn {
  std::vector<std::pair<int, uint32_t>> phases;  // (phase, time)
  std::vector<uint32_t> frameTimes;
  std::function<void()> step;   // phase 0
  std::function<bool()> frame;  // phase 2; false: no Frame member
};
StandIn* standIn = nullptr;

bool StandInOnEvent(int phase) {
  standIn->phases.emplace_back(phase, tq::ThePlatform().Now());
  if (phase == 0 && standIn->step) standIn->step();
  if (phase == 2) {
    standIn->frameTimes.push_back(tq::ThePlatform().Now());
    return standIn->frame ? standIn->frame() : false;
  }
  return true;
}

class FrameModelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    standIn = &game;
    harness.TestHooks().OnEvent = StandInOnEvent;
  }
  void TearDown() override { standIn = nullptr; }

  // Runs `step` once on the first tick.
  void OnFirstTick(std::function<void()> step) {
    game.step = [this, step] {
      if (ran) return;
      ran = true;
      step();
    };
  }

  EngineHarness harness;
  StandIn game;
  bool ran = false;
};

TEST_F(FrameModelTest, FirstTickComes400msAfterStartUpAndReachesPhase0) {
  harness.Start();
  harness.RunUntil(1000);
  ASSERT_EQ(game.phases.size(), 1u);
  EXPECT_EQ(game.phases[0], std::make_pair(0, 400u));
  EXPECT_EQ(harness.TimesOf("timer 400"), std::vector<uint32_t>{0});
  EXPECT_EQ(harness.TimesOf("tick"), std::vector<uint32_t>{400});
}

struct ScaleCase {
  const char* name;
  int frameSpeed;
  int sceneCode;
  int readSpeed;
  int type;
  int ms;
  int expected;
};

TEST_F(FrameModelTest, SetFrameLengthScalesSkipFirstThenSpeed) {
  const ScaleCase cases[] = {
      {"normal 13", 1, 99, 1, 0, 0, 13},
      {"slow 13", 0, 99, 1, 0, 0, 16},
      {"fast 13", 2, 99, 1, 0, 0, 10},
      {"slow 10", 0, 99, 1, -1, 10, 12},
      {"fast 10", 2, 99, 1, -1, 10, 8},
      {"type 20 is 13", 1, 99, 1, 20, 0, 13},
      {"type -1 with 0 is 1", 1, 99, 1, -1, 0, 1},
      {"type 14", 1, 99, 1, 14, 0, 65},
      {"type 15", 1, 99, 1, 15, 0, 78},
      {"type 1210", 1, 99, 1, 1210, 0, 100},
      {"skip 2 outside conversation ignored", 1, 99, 2, 1, 0, 50},
      {"skip 2 in conversation", 1, 10, 2, 1, 0, 25},
      {"skip 3 in scene -1", 1, -1, 3, 2, 0, 50},
      {"skip 3 slow", 0, 10, 3, 2, 0, 60},
      {"skip 3 then floor 1", 1, 10, 3, 0, 0, 1},
      {"skip 2 slow, skip first", 0, 10, 2, 0, 0, 7},
  };
  for (const ScaleCase& c : cases) {
    GameConfig.FrameSpeed = c.frameSpeed;
    SceneCursor.SceneCode = c.sceneCode;
    ReadState.ReadSpeed = c.readSpeed;
    SetFrameLength(c.type, c.ms);
    EXPECT_EQ(FrameClock.FrameLength, c.expected) << c.name;
  }
}

struct TimerCase {
  const char* name;
  int frameSpeed;
  int sceneCode;
  int readSpeed;
  int type;
  int ms;
  int scenarioWaitMs;
  int expected;
};

TEST_F(FrameModelTest, TimerWaitsArmTheScaledInterval) {
  const TimerCase cases[] = {
      {"type -2 given", 1, 99, 1, -2, 250, 0, 250},
      {"type 0", 1, 99, 1, 0, 999, 0, 13},
      {"type 1", 1, 99, 1, 1, 0, 0, 100},
      {"type 2", 1, 99, 1, 2, 0, 0, 500},
      {"type 3 reads the scenario wait", 1, 99, 1, 3, 0, 200, 200},
      {"type 3 with 0 gives 1", 1, 99, 1, 3, 0, 0, 1},
      {"13 at read speed 3", 1, 10, 3, 0, 0, 0, 1},
      {"500 at read speed 3", 1, 10, 3, 2, 0, 0, 50},
      {"500 at read speed 3, slow", 0, 10, 3, 2, 0, 0, 60},
      {"13 slow at read speed 2", 0, 10, 2, 0, 0, 0, 7},
  };
  harness.Start();
  for (const TimerCase& c : cases) {
    GameConfig.FrameSpeed = c.frameSpeed;
    SceneCursor.SceneCode = c.sceneCode;
    ReadState.ReadSpeed = c.readSpeed;
    AnimationRun.ScenarioWaitMs = c.scenarioWaitMs;
    Wait(c.type, c.ms);
    EXPECT_EQ(harness.TraceOf("timer").back(), "timer " + std::to_string(c.expected)) << c.name;
    EXPECT_EQ(FrameClock.TimerArmed, -1) << c.name;
    EXPECT_EQ(FrameClock.WaitActive, -1) << c.name;
  }
}

TEST_F(FrameModelTest, FirstFrameOfALoopScalesSpeedFirst) {
  // 13 ms at slow speed and skip 2 in a conversation: 8 ms for a loop's first frame.
  harness.Start();
  OnFirstTick([] {
    GameConfig.FrameSpeed = 0;
    SceneCursor.SceneCode = 10;
    ReadState.ReadSpeed = 2;
    Wait(1000, 0);
  });
  int frames = 0;
  game.frame = [&frames] {
    if (++frames == 2) FrameClock.FrameLoopRunning = 0;
    return true;
  };
  harness.RunUntil(1000);
  ASSERT_EQ(game.frameTimes.size(), 2u);
  EXPECT_EQ(game.frameTimes[1] - game.frameTimes[0], 8u);
}

TEST_F(FrameModelTest, TimerWaitInsideAFrameEndsTheLoopAndArmsAfterwardsWithoutItsMs) {
  harness.Start();
  OnFirstTick([] { Wait(1000, 0); });
  game.frame = [] {
    Wait(-1, 500);
    return true;
  };
  harness.RunUntil(2000);
  EXPECT_EQ(harness.TraceOf("endloop"), std::vector<std::string>{"endloop 1000 1"});
  // The step runs again 1 ms after the loop: the 500 was dropped, the type kept.
  EXPECT_EQ(harness.TraceOf("timer"), (std::vector<std::string>{"timer 400", "timer 1"}));
  EXPECT_EQ(FrameClock.ArmedType, -1);
}

TEST_F(FrameModelTest, TwoTimerWaitsInOneLoopTheLastTypeWins) {
  harness.Start();
  OnFirstTick([] { Wait(1000, 0); });
  int frames = 0;
  game.frame = [&frames] {
    ++frames;
    if (frames == 1) {
      Wait(2, 0);
      Wait(1, 0);
    }
    return true;
  };
  harness.RunUntil(2000);
  EXPECT_EQ(frames, 1);
  EXPECT_EQ(harness.TraceOf("timer").back(), "timer 100");
}

TEST_F(FrameModelTest, NestedBusyWaitRunsItsLoopThenEndsTheOuterOne) {
  harness.Start();
  OnFirstTick([] { Wait(1000, 0); });
  int innerFrames = 0;
  game.frame = [&innerFrames] {
    if (FrameClock.AnimationCode == 1000) {
      Wait(1001, 0);
    } else if (++innerFrames == 3) {
      FrameClock.FrameLoopRunning = 0;
    }
    return true;
  };
  harness.RunUntil(2000);
  EXPECT_EQ(harness.TraceOf("loop"), (std::vector<std::string>{"loop 1000", "loop 1001"}));
  EXPECT_EQ(harness.TraceOf("endloop"), (std::vector<std::string>{"endloop 1001 3", "endloop 1000 1"}));
}

TEST_F(FrameModelTest, ALoopWithoutAFrameHandlerEndsAfterOneFrame) {
  for (int code : {1000, 15, 77, 130}) {
    EngineHarness h;
    StandIn local;
    standIn = &local;
    h.TestHooks().OnEvent = StandInOnEvent;
    h.Start();
    bool started = false;
    local.step = [&started, code] {
      if (started) return;
      started = true;
      Wait(code, 0);
    };
    h.RunUntil(1000);
    EXPECT_EQ(h.TraceOf("endloop"), std::vector<std::string>{"endloop " + std::to_string(code) + " 1"}) << code;
  }
  standIn = &game;
}

TEST_F(FrameModelTest, InputIsBlockedUntilTheTickAfterALoopEndsWithTheTimerArmed) {
  harness.Start();
  OnFirstTick([] {
    Wait(-1, 300);  // armed before the loop: its tick can come inside it
    Wait(1000, 0);
  });
  game.frame = [] {
    FrameClock.FrameLoopRunning = 0;
    return true;
  };
  harness.RunUntil(450);
  EXPECT_EQ(FrameClock.WaitActive, -1);
  harness.RunUntil(800);
  EXPECT_EQ(FrameClock.WaitActive, 0);
}

struct FadeCase {
  int frameSpeed;
  uint32_t step;
  uint32_t last;
};

TEST(ShutdownTest, EscapeFadesTheMusicAndEndsInsideARunningLoop) {
  for (FadeCase c : {FadeCase{1, 10, 13}, FadeCase{0, 12, 16}, FadeCase{2, 8, 10}}) {
    EngineHarness h;
    StandIn local;
    standIn = &local;
    h.TestHooks().OnEvent = StandInOnEvent;
    bool started = false;
    local.step = [&started] {
      if (started) return;
      started = true;
      Wait(1000, 0);  // a loop that never ends by itself
    };
    local.frame = [] { return true; };
    h.Start();
    GameConfig.FrameSpeed = c.frameSpeed;
    h.KeyAt(1000, tq::kKeyEscape);
    tq::SessionResult result = h.RunUntil(5000);
    standIn = nullptr;

    ASSERT_TRUE(result.ended) << c.frameSpeed;
    EXPECT_EQ(result.status, 0);
    std::vector<std::string> expected;
    for (int v = 98; v >= 50; v -= 2) expected.push_back("STSetVolume 100 " + std::to_string(v));
    expected.push_back("STSetVolume 100 0");
    EXPECT_EQ(h.TraceOf("STSetVolume"), expected) << c.frameSpeed;
    std::vector<uint32_t> times = h.TimesOf("STSetVolume 100");
    ASSERT_EQ(times.size(), 26u);
    EXPECT_EQ(times[1] - times[0], c.step) << c.frameSpeed;
    uint32_t stop = h.TimesOf("STStop 100 1").at(0);
    EXPECT_EQ(stop - times.back(), c.last) << c.frameSpeed;
    EXPECT_EQ(h.TimesOf("STEnd"), std::vector<uint32_t>{stop});
    EXPECT_EQ(h.TimesOf("quit"), std::vector<uint32_t>{stop});
  }
}

TEST(ShutdownTest, ASecondCloseATickOrAKeyDuringTheFadeChangeNothing) {
  EngineHarness h;
  StandIn local;
  standIn = &local;
  h.TestHooks().OnEvent = StandInOnEvent;
  local.step = [] { Wait(-1, 600); };  // ticks at 400 and 1000, the second inside the fade
  h.Start();
  h.KeyAt(990, tq::kKeyEscape);
  h.CloseAt(1005);
  h.KeyAt(1010, tq::kKeyEscape);
  h.ClickAt(1020, 5, 5);
  tq::SessionResult result = h.RunUntil(5000);
  standIn = nullptr;

  ASSERT_TRUE(result.ended);
  ASSERT_EQ(local.phases.size(), 1u);  // only the tick at 400 reached the game
  EXPECT_EQ(h.TraceOf("STSetVolume").size(), 26u);
  EXPECT_EQ(h.TraceOf("STStop").size(), 1u);
  EXPECT_EQ(h.TraceOf("STEnd").size(), 1u);
  EXPECT_LT(h.TimesOf("STStop").at(0), h.TimesOf("STEnd").at(0) + 1);
}

// A close request (the window manager's close; SIGTERM or SIGINT on the window's back
// end) ends the program within a second from inside a loop started inside another,
// and cuts a frame of two seconds short.
TEST(ShutdownTest, ACloseEndsNestedLoopsAndLongFramesWithinASecond) {
  const struct {
    const char* name;
    std::function<bool()> frame;
    const char* loops;  // loops begun and not ended when the program ends
  } cases[] = {
      {"a loop inside a loop",
       [] {
         if (FrameClock.AnimationCode == 1000) Wait(1001, 0);  // runs until the end
         return true;
       },
       "loop 1000,loop 1001,"},
      {"a frame of two seconds",
       [] {
         SetFrameLength(-1, 2000);  // the next frame would come at 2400
         return true;
       },
       "loop 1000,"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EngineHarness h;
    StandIn local;
    standIn = &local;
    h.TestHooks().OnEvent = StandInOnEvent;
    bool started = false;
    local.step = [&started] {
      if (started) return;
      started = true;
      Wait(1000, 0);
    };
    local.frame = c.frame;
    h.Start();
    h.CloseAt(1000);
    tq::SessionResult result = h.RunUntil(10000);
    standIn = nullptr;
    ASSERT_TRUE(result.ended);
    EXPECT_EQ(result.status, 0);
    EXPECT_LT(result.endedAt, 2000u);
    EXPECT_EQ(h.TimesOf("quit"), std::vector<uint32_t>{result.endedAt});
    std::string open;
    for (const std::string& line : h.TraceOf("loop")) open += line + ",";
    EXPECT_EQ(open, c.loops);
    EXPECT_TRUE(h.TraceOf("endloop").empty());
  }
}

TEST(ShutdownTest, SilentMusicStaysSilentOnTheWayOut) {
  EngineHarness h("Test");
  h.Start();
  GameConfig.Settings[1] = 0;
  h.KeyAt(500, tq::kKeyEscape);
  ASSERT_TRUE(h.RunUntil(5000).ended);
  EXPECT_EQ(h.TraceOf("STSetVolume"), std::vector<std::string>{"STSetVolume 100 0"});
  EXPECT_EQ(h.TraceOf("STStop"), std::vector<std::string>{"STStop 100 1"});
}

TEST(ShutdownTest, LowerMusicLevelFadesFromItsOwnVolume) {
  EngineHarness h("Test");
  h.Start();
  GameConfig.Settings[1] = 3;  // volume 88
  h.KeyAt(500, tq::kKeyEscape);
  ASSERT_TRUE(h.RunUntil(5000).ended);
  std::vector<std::string> volumes = h.TraceOf("STSetVolume");
  ASSERT_FALSE(volumes.empty());
  EXPECT_EQ(volumes.front(), "STSetVolume 100 86");
  EXPECT_EQ(volumes.back(), "STSetVolume 100 0");
}

}  // namespace
