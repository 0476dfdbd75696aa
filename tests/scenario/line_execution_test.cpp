// The executor: how a line runs by its class and how the scene goes on after it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/layers.h"
#include "engine/text.h"
#include "platform/platform.h"
#include "scenario/auto_reading.h"
#include "scenario/balloon_geometry.h"
#include "scenario/face_slots.h"
#include "scenario/line_execution.h"
#include "scenario/script_conversion.h"
#include "scenario/script_store.h"
#include "scenario_fixture.h"

namespace {

using scenario_test::Script;
using scenario_test::ScenarioScene;

class LineExecutionTest : public scenario_test::ScenarioFixture {};

bool NoticeBoxShown() { return tq::ThePlatform().Screen().Layer(NoticeBoxLayer()).visible; }

struct ContinuationCase {
  const char* name;
  const char* line;
  int readSpeed;
  int frameSpeed;
  const char* timer;
};

// Text into a balloon that is already open ends its line at once; C5 decides how the
// scene goes on, scaled like every timer wait.
TEST(LineExecution, ContinuationArmsItsTimerAfterTheLine) {
  const ContinuationCase cases[] = {
      {"C5=1", "[フキA]：フ種=(10,0,-1)：文：続", 1, 1, "timer 100"},
      {"C5=1 fast skip", "[フキA]：フ種=(10,0,-1)：文：続", 2, 1, "timer 50"},
      {"C5=1 fastest skip", "[フキA]：フ種=(10,0,-1)：文：続", 3, 1, "timer 10"},
      {"C5=2", "[フキA]：フ種=(10,0,-1)：文：速続", 1, 1, "timer 1"},
      {"C5=1 slow game", "[フキA]：フ種=(10,0,-1)：文：続", 1, 0, "timer 120"},
  };
  for (const ContinuationCase& c : cases) {
    SCOPED_TRACE(c.name);
    ScenarioScene scene;
    Script({c.line});
    FaceSlot.SpeechState[0] = kBalloonShown;
    ReadState.ReadSpeed = c.readSpeed;
    GameConfig.FrameSpeed = c.frameSpeed;
    ExecuteScriptLine();
    EXPECT_EQ(scene.Timers(), std::vector<std::string>{c.timer});
    EXPECT_TRUE(scene.Loops().empty());
    EXPECT_EQ(ScriptStore.CurrentScriptLine, 1);
    EXPECT_FALSE(NoticeBoxShown());
  }
}

// "[ウェイト]" advances the line itself and arms its tenths of a second; it never
// finishes the line, so neither the wait kind nor the click-wait picture is touched.
TEST(LineExecution, WaitLineArmsTenthsOfASecondWithoutFinishingTheLine) {
  const struct {
    int frameSpeed;
    const char* timer;
  } cases[] = {{1, "timer 300"}, {0, "timer 360"}, {2, "timer 240"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.frameSpeed);
    ScenarioScene scene;
    Script({"[ウェイト]：Fu=3", "[ウェイト]：Fu=1"});
    GameConfig.FrameSpeed = c.frameSpeed;
    AnimationRun.WaitKind = 13;  // FinishScriptAction would clear it in normal reading
    ExecuteScriptLine();
    EXPECT_EQ(scene.Timers(), std::vector<std::string>{c.timer});
    EXPECT_EQ(ScriptStore.CurrentScriptLine, 1);
    EXPECT_EQ(AnimationRun.WaitKind, 13);
    EXPECT_FALSE(NoticeBoxShown());
  }
}

// A line without continuation in normal reading waits for a click: nothing is armed
// but the step's click-wait position 13 ms later, and the click-wait picture shows.
TEST_F(LineExecutionTest, LineWithoutContinuationWaitsForAClick) {
  Script({"[フキA]：フ種=(10,0,-1)：文"});
  FaceSlot.SpeechState[0] = kBalloonShown;
  ExecuteScriptLine();
  EXPECT_EQ(Timers(), std::vector<std::string>{"timer 13"});
  EXPECT_EQ(SceneCursor.SceneStep, -1);
  EXPECT_TRUE(NoticeBoxShown());
}

// A speech line for a hidden balloon opens it first (its text comes when the opening
// ends); for a shown balloon it prints at once. A class-0 line behaves the same.
TEST(LineExecution, BalloonLinesOpenAHiddenBalloonAndWriteIntoAShownOne) {
  const struct {
    const char* line;
    int stateBefore;
    bool opens;
  } cases[] = {
      {"[フキA]：●2：フ種=(10,0,-1)：文：続", kBalloonHidden, true},
      {"[フキA]：●2：フ種=(10,0,-1)：文：続", kBalloonShown, false},
      {"[フキ直接]：●2：フ種=(10,0,-1)：文：続", kBalloonHidden, true},
      {"[フキ直接]：●2：フ種=(10,0,-1)：文：続", kBalloonShown, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.line) + (c.opens ? " opens" : " writes"));
    ScenarioScene scene;
    Script({c.line});
    FaceSlot.SpeechState[2] = c.stateBefore;
    ExecuteScriptLine();
    EXPECT_EQ(scene.Loops(), c.opens ? std::vector<std::string>{"loop 1010"} : std::vector<std::string>{});
    // The continuation comes after the opening's last frame with its full 100 ms.
    EXPECT_EQ(scene.Timers(), std::vector<std::string>{"timer 100"});
    EXPECT_EQ(LineState.CurrentSlot, 2);
    EXPECT_EQ(ScriptStore.CurrentScriptLine, 1);
    EXPECT_EQ(FaceSlot.SpeechState[2], kBalloonShown);
  }
}

TEST_F(LineExecutionTest, KindNinetyNineReusesTheSlotsLastBalloon) {
  Script({"[フキA]：●3：フ種=(20,4,-1)：一：続", "[フキA]：●3：フ種=(99,0,-2)：二：続"});
  ExecuteScriptLine();
  ExecuteScriptLine();
  EXPECT_EQ(LineCode.MainParam, 20);
  EXPECT_EQ(LineCode.SubParam, 4);
  EXPECT_EQ(FaceSlot.SlotBalloonKind[3], 20);
  EXPECT_EQ(FaceSlot.SlotBalloonVariant[3], 4);
}

// Past the last pushed line the store holds empty lines; running one would open a
// phantom balloon of slot 0. Nothing runs, nothing is armed, and it is reported once.
TEST_F(LineExecutionTest, PastTheLastLineNothingRunsAndItIsReportedOnce) {
  Script({"[フキA]：フ種=(10,0,-1)：文：続"});
  ScriptStore.CurrentScriptLine = 1;
  ::testing::internal::CaptureStderr();
  ExecuteScriptLine();
  ExecuteScriptLine();
  const std::string err = ::testing::internal::GetCapturedStderr();
  EXPECT_TRUE(Timers().empty());
  EXPECT_TRUE(Loops().empty());
  EXPECT_EQ(ScriptStore.CurrentScriptLine, 1);
  EXPECT_EQ(FaceSlot.SpeechState[0], kBalloonHidden);
  EXPECT_NE(err.find("line 1 is past the end of the script (1 lines)"), std::string::npos) << err;
  EXPECT_EQ(err.find("past the end"), err.rfind("past the end")) << err;
}

// The animation a line starts, by class and kind, from stored code words (no
// conversion): the balloon openings by kind range, the minis by kind, and the
// erases by target and by the category of the slot's balloon.
TEST(LineExecution, EachClassStartsTheAnimationOfItsKind) {
  const struct {
    int execClass, mainParam, action, category;
    const char* loop;  // nullptr: nothing starts
  } cases[] = {
      {1, 5, 0, 0, "loop 1010"},    {1, 29, 0, 0, "loop 1010"},  {1, 30, 0, 0, "loop 1015"},
      {1, 49, 0, 0, "loop 1015"},   {1, 50, 0, 0, "loop 1017"},  {1, 59, 0, 0, "loop 1017"},
      {1, 60, 0, 0, "loop 1018"},   {1, 69, 0, 0, "loop 1018"},  {1, 4, 0, 0, nullptr},
      {1, 70, 0, 0, nullptr},       {5, 3, 30, 0, "loop 1030"},  {5, 3, 35, 0, "loop 1035"},
      {5, 3, 0, 0, nullptr},        {5, 3, 100, 0, nullptr},     {9, 88, 0, 0, "loop 1039"},
      {9, 99, 0, 0, "loop 1011"},   {9, 99, 0, 1, "loop 1011"},  {9, 99, 0, 5, "loop 1019"},
      {9, 50, 0, 0, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.execClass) + "/" + std::to_string(c.mainParam) + "/" + std::to_string(c.action) +
                 "/" + std::to_string(c.category));
    ScenarioScene scene;
    Script({"x", "y"});
    const int words[6] = {4, 1, c.mainParam, c.action, c.execClass, 1};
    for (int w = 0; w < 6; ++w) ScriptStore.ScriptCode[static_cast<size_t>(w)][0] = words[w];
    FaceSlot.SlotBalloonCategory[4] = c.category;
    ExecuteScriptLine();
    EXPECT_EQ(scene.Loops(), c.loop ? std::vector<std::string>{c.loop} : std::vector<std::string>{});
    EXPECT_EQ(LineState.CurrentSlot, 4);
  }
}

// Before every line the greyed texts of the speech and thought balloons (text slots 0
// to 19) are drawn again, each into its own layer; slots 20 to 29 never are.
TEST_F(LineExecutionTest, GreyedTextsOfTheFirstTwentySlotsAreRedrawnBeforeTheLine) {
  Script({"x"});
  ScriptStore.ScriptCode[4][0] = 2;
  FaceSlot.ThoughtLayer[1] = 33;
  FaceSlot.BalloonLayer[2] = 34;
  for (int i : {3, 4, 25}) {
    TextSlot.TextSlotState[static_cast<size_t>(i)] = 1;
    TextSlot.TextSlotFontSize[static_cast<size_t>(i)] = 20 + i;
  }
  // The last slot drawn is the one left in the text words.
  ShowPendingBalloonsThenExecute(0);
  EXPECT_EQ(FaceSlot.TextSlotIndex, 4);
  EXPECT_EQ(FaceSlot.TextSlotOwner, 2);
  EXPECT_EQ(FaceSlot.ReshowBalloonLayer, 34);
  EXPECT_EQ(TextStyle.TextFontSize, 24);

  // A redrawn text is greyed; slot 25 waits untouched.
  EXPECT_EQ(TextSlot.TextSlotState[25], 1);
  TextSlot.TextSlotState[3] = 1;
  TextSlot.TextSlotState[4] = 0;
  ShowPendingBalloonsThenExecute(0);
  EXPECT_EQ(FaceSlot.TextSlotIndex, 3);
  EXPECT_EQ(FaceSlot.ReshowBalloonLayer, 33);
  EXPECT_EQ(TextStyle.TextFontSize, 23);

  // Any other mode neither redraws nor runs the line.
  FaceSlot.TextSlotIndex = -1;
  ShowPendingBalloonsThenExecute(1);
  EXPECT_EQ(FaceSlot.TextSlotIndex, -1);
}

// Classes 2, 3 and 7 arm nothing and leave the line where it is.
TEST_F(LineExecutionTest, ClassesWithoutMeaningLeaveTheSceneIdle) {
  for (int cls : {2, 3, 7}) {
    SCOPED_TRACE(cls);
    Script({"x"});
    ScriptStore.ScriptCode[4][0] = cls;
    ScriptStore.ScriptCode[5][0] = 1;
    ExecuteScriptLine();
    EXPECT_EQ(ScriptStore.CurrentScriptLine, 0);
  }
  EXPECT_TRUE(Timers().empty());
  EXPECT_TRUE(Loops().empty());
}

struct FinishCase {
  const char* name;
  int readMode;
  int lineHeld;
  int autoContinue;
  int line;      // CurrentScriptLine afterwards
  int waitKind;  // WaitKind afterwards (10 before)
  bool notice;   // click-wait picture shown
};

TEST(LineExecution, FinishingALineFollowsTheReadingModeAndTheHold) {
  const FinishCase cases[] = {
      {"normal reading waits for a click", 1, 0, 0, 1, 0, true},
      {"automatic reading keeps its wait kind", 2, 0, 0, 1, 10, false},
      {"a held line does not advance", 1, -1, 0, 0, 0, true},
      {"a continuing line shows no click wait", 1, 0, -1, 1, 0, false},
  };
  for (const FinishCase& c : cases) {
    SCOPED_TRACE(c.name);
    ScenarioScene scene;
    Script({"a", "b"});
    LineCode.ExecClass = 5;
    LineCode.ContinueMode = 1;
    ReadState.ReadMode = c.readMode;
    LineExecution.LineHeld = c.lineHeld;
    LineExecution.AutoContinue = c.autoContinue;
    AnimationRun.WaitKind = 10;
    FinishScriptAction();
    EXPECT_EQ(ScriptStore.CurrentScriptLine, c.line);
    EXPECT_EQ(AnimationRun.WaitKind, c.waitKind);
    EXPECT_EQ(NoticeBoxShown(), c.notice);
  }
}

}  // namespace
