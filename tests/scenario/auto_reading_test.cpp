// Automatic reading: the delays after a line, the text measuring across repeated
// lines, leaving it, and the waits that listen to the voice channel.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/layers.h"
#include "engine/system_menu.h"
#include "platform/headless/headless_platform.h"
#include "platform/platform.h"
#include "scenario/auto_reading.h"
#include "scenario/face_slots.h"
#include "scenario/script_store.h"
#include "scenario_fixture.h"

namespace {

using scenario_test::Script;
using scenario_test::ScenarioScene;

std::string Repeat(const std::string& unit, int n) {
  std::string s;
  for (int i = 0; i < n; ++i) s += unit;
  return s;
}

// Measures the current line (as printing its balloon does) and arms the delay.
void MeasureAndContinue(const std::string& text) {
  Script({text});
  ScriptStore.CurrentScriptLine = 0;
  AutoReadControl(5);
  AutoReadControl(0);
}

TEST(AutoReading, PacedDelayFollowsTheTextLengthAndTheAutomaticSpeed) {
  const struct {
    int length;
    int autoSpeed;
    const char* timer;
  } cases[] = {
      {0, 0, "timer 250"},     {0, 1, "timer 175"},     {0, 2, "timer 100"},
      {4, 0, "timer 1500"},    {6, 0, "timer 1500"},    {7, 0, "timer 1560"},
      {20, 0, "timer 2600"},   {20, 1, "timer 1820"},   {20, 2, "timer 1040"},
      // Beyond 397 characters the delay no longer fits 16 bits; it must not wrap.
      {398, 0, "timer 32840"}, {500, 0, "timer 41000"}, {1000, 2, "timer 32400"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.length) + " characters, automatic speed " + std::to_string(c.autoSpeed));
    ScenarioScene scene;
    ReadState.ReadMode = 2;
    VoiceSettings.AutoSpeed = c.autoSpeed;
    MeasureAndContinue(Repeat("あ", c.length));
    EXPECT_EQ(scene.Timers(), std::vector<std::string>{c.timer});
    EXPECT_EQ(ReadState.AutoReadLength, 0);
  }
}

// Skipping ignores the text and the voice; the engine's skip scaling applies on a
// conversation screen.
TEST(AutoReading, SkippingArmsAFixedShortDelay) {
  const struct {
    int readSpeed;
    const char* timer;
  } cases[] = {{2, "timer 50"}, {3, "timer 1"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.readSpeed);
    ScenarioScene scene;
    ReadState.ReadMode = 2;
    ReadState.ReadSpeed = c.readSpeed;
    VoiceSettings.AutoWaitsForVoice = -1;
    VoiceSettings.VoiceOn = -1;
    MeasureAndContinue(Repeat("あ", 40));
    EXPECT_EQ(scene.Timers(), std::vector<std::string>{c.timer});
    EXPECT_TRUE(scene.Loops().empty());
  }
}

TEST(AutoReading, NormalReadingNeitherMeasuresNorArms) {
  ScenarioScene scene;
  ReadState.AutoReadPrevText[0] = "前";
  MeasureAndContinue("あいうえお");
  EXPECT_TRUE(scene.Timers().empty());
  EXPECT_EQ(ReadState.AutoReadLength, 0);
  EXPECT_EQ(ReadState.AutoReadPrevText[0], "前");
}

// A line that repeats the start of the previous one is paced by what it adds.
TEST(AutoReading, RepeatedTextIsPacedByWhatItAdds) {
  const std::string a20 = "あいう" + Repeat("か", 17);
  const std::string b10 = "さしす" + Repeat("た", 7);
  const struct {
    const char* name;
    std::string older, previous, text;
    int length;
  } cases[] = {
      {"adds 10", "", a20, a20 + Repeat("な", 10), 10},
      {"adds 40 to 20", "", a20, a20 + Repeat("な", 40), 50},
      {"adds 20, 40 long", "", a20, a20 + Repeat("な", 20), 20},
      {"adds 20, 60 long", "", a20 + Repeat("は", 20), a20 + Repeat("は", 20) + Repeat("な", 20), 40},
      {"identical", "", a20, a20, 20},
      {"shorter", "", a20, "あいう", 3},
      {"repeats the older line", b10, a20, b10 + Repeat("な", 5), 5},
      {"new text", b10, a20, "まみむめも", 5},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ScenarioScene scene;
    ReadState.ReadMode = 2;
    ReadState.AutoReadPrevText[1] = c.older;
    ReadState.AutoReadPrevText[0] = c.previous;
    Script({c.text});
    AutoReadControl(5);
    EXPECT_EQ(ReadState.AutoReadLength, c.length);
    EXPECT_EQ(ReadState.AutoReadPrevText[0], c.text);
    EXPECT_EQ(ReadState.AutoReadPrevText[1], c.previous);
  }
}

TEST(AutoReading, LeavingResetsTheReadingStateAndHidesTheIndicator) {
  ScenarioScene scene;
  SystemLayerSet.AutoIndicatorLayer = 92;
  ShowLayer(92, true);
  ReadState = {2, 3, 1, 12, {"a", "b"}, 0};
  AnimationRun.WaitKind = kWaitAutoRead;
  AutoReadControl(10);
  EXPECT_EQ(ReadState.ReadMode, 1);
  EXPECT_EQ(ReadState.ReadSpeed, 1);
  EXPECT_EQ(ReadState.AutoStopRequest, 0);
  EXPECT_EQ(ReadState.AutoReadLength, 0);
  EXPECT_EQ(ReadState.AutoReadPrevText[0], "");
  EXPECT_EQ(AnimationRun.WaitKind, kWaitNone);
  EXPECT_FALSE(tq::ThePlatform().Screen().Layer(92).visible);
}

// Plays a voice of the given length on channel 9 from now on.
void PlayVoiceFor(tq::testing::EngineHarness& h, uint32_t ms) {
  h.Platform().Recorder().SetLength("voice.wav", ms);
  tq::ThePlatform().Sound().STReadFile(9, "voice.wav", 0);
  tq::ThePlatform().Sound().STPlay(9);
  VoiceSettings.VoiceChannel = 9;
}

// "[音声待ち]": the wait ends on the first 13 ms frame at which the voice has stopped.
TEST(AutoReading, VoiceWaitEndsOnTheFirstFrameAfterTheVoiceStops) {
  ScenarioScene scene;
  Script({"[音声待ち]", "next"});
  PlayVoiceFor(scene.harness, 100);
  AnimationRun.WaitKind = kWaitVoice;
  Wait(1062, 0);
  EXPECT_EQ(scene.harness.TimesOf("endloop 1062"), std::vector<uint32_t>{104});
  EXPECT_EQ(scene.harness.TraceOf("endloop"), std::vector<std::string>{"endloop 1062 9"});
  EXPECT_EQ(ScriptStore.CurrentScriptLine, 1);
  EXPECT_EQ(AnimationRun.WaitKind, kWaitNone);
}

// Waiting for the voice in paced reading: the next line follows 1 ms after the voice,
// with no text delay added.
TEST(AutoReading, PacedReadingWaitsForTheVoiceInsteadOfTheText) {
  ScenarioScene scene;
  ReadState.ReadMode = 2;
  VoiceSettings.AutoWaitsForVoice = -1;
  VoiceSettings.VoiceOn = -1;
  PlayVoiceFor(scene.harness, 60);
  MeasureAndContinue(Repeat("あ", 30));
  EXPECT_EQ(scene.harness.TimesOf("endloop 1100"), std::vector<uint32_t>{65});
  EXPECT_EQ(scene.Timers(), std::vector<std::string>{"timer 1"});
  EXPECT_EQ(AnimationRun.AutoVoiceWaited, 0);
}

// Several balloons closing together: the line ends once none is erasing any more.
TEST(AutoReading, MultipleEraseEndsWhenNoListedBalloonIsErasing) {
  ScenarioScene scene;
  Script({"[フキ複数消去]", "next"});
  FaceSlotRecord& f = FaceSlot;
  f.EraseCount = 2;
  f.EraseList[1] = 3;
  f.EraseList[2] = 4;
  f.SpeechState[3] = kBalloonToErase;
  f.SpeechState[4] = kBalloonToErase;
  Wait(1060, 0);
  EXPECT_EQ(scene.harness.TraceOf("endloop"), std::vector<std::string>{"endloop 1060 1"});
  EXPECT_EQ(f.SpeechState[3], kBalloonHidden);
  EXPECT_EQ(f.SpeechState[4], kBalloonHidden);
  EXPECT_EQ(ScriptStore.CurrentScriptLine, 1);
}

// All ten listed balloons close, the tenth included (slot 0 named and 1 to 9 by 全消去).
TEST(AutoReading, MultipleEraseClosesATenthListedBalloon) {
  ScenarioScene scene;
  Script({"[フキ複数消去]", "next"});
  FaceSlotRecord& f = FaceSlot;
  f.EraseCount = 10;
  for (int k = 1; k <= 10; ++k) {
    f.EraseList[static_cast<size_t>(k)] = (k + 2) % 10;  // slot 2 first, slot 1 last
    f.SpeechState[static_cast<size_t>((k + 2) % 10)] = kBalloonToErase;
  }
  Wait(1060, 0);
  for (int slot = 0; slot < 10; ++slot) EXPECT_EQ(f.SpeechState[static_cast<size_t>(slot)], kBalloonHidden) << slot;
  EXPECT_EQ(ScriptStore.CurrentScriptLine, 1);
}

}  // namespace
