// The frame dispatch of conversation scenes: routing, the codes that could never end,
// and the automatic-reading indicator.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/frame_model.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/system_menu.h"
#include "platform/platform.h"
#include "scenario/animation_dispatch.h"
#include "scenario/auto_reading.h"
#include "scenario/face_slots.h"
#include "scenario/line_execution.h"
#include "scenario/script_conversion.h"
#include "scenario/script_store.h"
#include "scenario/simultaneous_groups.h"
#include "scenario_fixture.h"

namespace {

using scenario_test::Script;
using scenario_test::ScenarioScene;

// Codes that no handler serves end their line in their first frame instead of
// keeping the scene in a loop for ever: mini kinds 36 to 38 and 40 to 49 and the
// picture-effect code 1090 among them.
TEST(AnimationDispatch, CodesWithoutFramesEndTheirLineAtOnce) {
  for (int code : {1036, 1038, 1040, 1049, 1059, 1061, 1090, 1099}) {
    SCOPED_TRACE(code);
    ScenarioScene scene;
    Script({"a", "b"});
    LineCode.ContinueMode = 1;
    LineExecution.AutoContinue = -1;
    ::testing::internal::CaptureStderr();
    Wait(code, 0);
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(scene.harness.TraceOf("endloop"), std::vector<std::string>{"endloop " + std::to_string(code) + " 1"});
    EXPECT_EQ(ScriptStore.CurrentScriptLine, 1);
    EXPECT_EQ(scene.Timers(), std::vector<std::string>{"timer 100"});
    EXPECT_NE(err.find(std::to_string(code)), std::string::npos) << err;
  }
}

TEST(AnimationDispatch, MiniKindWithoutAnimationIsRefusedAndTheScriptGoesOn) {
  ScenarioScene scene;
  Script({"[ミニ表示]：●1：ミ種=(42,0,1)：続", "next"});
  ::testing::internal::CaptureStderr();
  ExecuteScriptLine();
  ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(scene.Loops(), std::vector<std::string>{"loop 1042"});
  EXPECT_EQ(scene.harness.TraceOf("endloop"), std::vector<std::string>{"endloop 1042 1"});
  EXPECT_EQ(ScriptStore.CurrentScriptLine, 1);
  EXPECT_EQ(scene.Timers(), std::vector<std::string>{"timer 100"});
}

// Codes outside every range have no frames here: the engine ends the loop after one
// frame, and the line stays where it is.
TEST(AnimationDispatch, UnservedCodesHaveNoFrames) {
  for (int code : {1012, 1016, 1150, 5000}) {
    SCOPED_TRACE(code);
    ScenarioScene scene;
    Script({"a", "b"});
    FrameClock.AnimationCode = code;
    EXPECT_FALSE(ScenarioFrameDispatch());
    Wait(code, 0);
    EXPECT_EQ(scene.harness.TraceOf("endloop"), std::vector<std::string>{"endloop " + std::to_string(code) + " 1"});
    EXPECT_EQ(ScriptStore.CurrentScriptLine, 0);
  }
}

// A group run that could never end is refused: a queued item whose start frame is
// negative (it fires only on its exact frame), or a face hop with a count other than
// one to three hops.
TEST(AnimationDispatch, GroupRunsThatCouldNeverEndAreRefused) {
  const struct {
    const char* name;
    void (*setUp)();
  } cases[] = {
      {"queued sound before frame 0",
       [] {
         SimultaneousQueue.SoundQueueNumber[3] = 5;
         SimultaneousQueue.SoundQueueStart[3] = -2;
       }},
      {"queued event before frame 0",
       [] {
         SimultaneousQueue.EventQueueKind[0] = 1;
         SimultaneousQueue.EventQueueStart[0] = -1;
       }},
      {"queued picture before frame 0",
       [] {
         SimultaneousQueue.PictureQueueNumber[9] = 4;
         SimultaneousQueue.PictureQueueStart[9] = -30;
       }},
      {"hop counted by 5",
       [] {
         SimultaneousGroup.MaxGroup = 1;
         SimultaneousGroup.GroupActive[1] = 1;
         SimultaneousGroup.GroupMoveType[1] = 20;
         LineCode.MainParam = 5;
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ScenarioScene scene;
    Script({"a", "b"});
    c.setUp();
    ::testing::internal::CaptureStderr();
    Wait(1020, 0);
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(scene.harness.TraceOf("endloop"), std::vector<std::string>{"endloop 1020 1"});
    EXPECT_EQ(ScriptStore.CurrentScriptLine, 1);
    EXPECT_EQ(SimultaneousQueue.SoundQueueNumber[3], 0);
    EXPECT_EQ(SimultaneousQueue.EventQueueKind[0], 0);
    EXPECT_EQ(SimultaneousQueue.PictureQueueNumber[9], 0);
    EXPECT_EQ(SimultaneousGroup.MaxGroup, -1);
    EXPECT_NE(err.find("group run ends"), std::string::npos) << err;
  }
}

// The Marbrook conversation effects are reached in every mode, and during automatic
// reading the indicator stays in front of whatever a frame raised.
TEST(AnimationDispatch, IndicatorStaysInFrontDuringAutomaticReading) {
  ScenarioScene scene;
  Script({"a", "b"});
  SystemLayerSet.AutoIndicatorLayer = 92;
  ReadState.ReadMode = 2;
  static int frames = 0;
  frames = 0;
  CrossingHooks.MarbrookConvFrame = [] {
    LayerToFront(5);
    if (++frames == 3) FinishScriptAction();
  };
  Wait(1705, 0);
  CrossingHooks.MarbrookConvFrame = nullptr;
  const tq::Compositor& screen = tq::ThePlatform().Screen();
  EXPECT_EQ(frames, 3);
  EXPECT_GT(screen.ZIndex(92), screen.ZIndex(5));
  EXPECT_EQ(ScriptStore.CurrentScriptLine, 1);
}

}  // namespace
