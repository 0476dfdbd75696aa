// The flip-book: its parameters, how many frames of what length it runs by mode and
// reading, which picture each frame loads, and how a click or the voice ends it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/frame_model.h"
#include "engine/input_dispatch.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "platform/headless/headless_platform.h"
#include "platform/platform.h"
#include "scenario/auto_reading.h"
#include "scenario/face_slots.h"
#include "scenario/line_execution.h"
#include "scenario/picture_changes.h"
#include "scenario/script_store.h"
#include "scenario_fixture.h"

namespace {

using scenario_test::Script;
using scenario_test::ScenarioScene;

struct Load {
  int layer, kind, number;
  bool operator==(const Load&) const = default;
};
std::ostream& operator<<(std::ostream& os, const Load& l) {
  return os << "layer " << l.layer << " (" << l.kind << ", " << l.number << ")";
}

// Records the pictures the Skelvane catalogue is asked for while it lives.
class LoadRecorder {
 public:
  LoadRecorder() {
    saved_ = ModeHooksFor(ModeId::Skelvane).LoadPictureByKind;
    Loads().clear();
    ModeHooksFor(ModeId::Skelvane).LoadPictureByKind = [](int target, int kind, int number) {
      if (target == 1) Loads().push_back({DrawState.CurrentLayer, kind, number});
    };
  }
  ~LoadRecorder() { ModeHooksFor(ModeId::Skelvane).LoadPictureByKind = saved_; }
  LoadRecorder(const LoadRecorder&) = delete;
  LoadRecorder& operator=(const LoadRecorder&) = delete;
  static std::vector<Load>& Loads() {
    static std::vector<Load> loads;
    return loads;
  }

 private:
  void (*saved_)(int, int, int) = nullptr;
};

void SetParams(const std::string& remainder) {
  Script({remainder});
  PicAnimParams();
}

TEST(PictureChanges, ParamsReadFramesUpToTheFirstMissingOne) {
  const struct {
    const char* remainder;
    std::vector<int> first, second;  // frames 1 to 3
    int count, interval, mode;
  } cases[] = {
      {"第1_BMP番号=124：第1_BMP番号2=4：第2_BMP番号=124：第2_BMP番号2=5：分岐=1：間隔=200",
       {124, 124, -1}, {4, 5, -1}, 2, 200, 1},
      {"第1_BMP番号=3：第3_BMP番号=5", {3, -1, 5}, {-1, -1, -1}, 1, 0, 0},
      {"第1_BMP番号2=7：第2_BMP番号=8.5：間隔=40", {-1, 8, -1}, {7, -1, -1}, 2, 40, 0},
      {"間隔：第1_BMP番号：分岐=1", {0, -1, -1}, {-1, -1, -1}, 1, 0, 1},
      {"第1_BMP番号=1：第1_BMP番号=2：別=5", {2, -1, -1}, {-1, -1, -1}, 1, 0, 0},
      {"別=5", {-1, -1, -1}, {-1, -1, -1}, 0, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.remainder);
    ScenarioScene scene;
    SetParams(c.remainder);
    const PicAnimRecord& a = PicAnim;
    EXPECT_EQ(std::vector<int>(a.PicAnimNumber.begin(), a.PicAnimNumber.begin() + 3), c.first);
    EXPECT_EQ(std::vector<int>(a.PicAnimNumber2.begin(), a.PicAnimNumber2.begin() + 3), c.second);
    EXPECT_EQ(a.PicAnimFrameCount, c.count);
    EXPECT_EQ(a.PicAnimInterval, c.interval);
    EXPECT_EQ(a.PicAnimMode, c.mode);
  }
}

// Two pictures at 200 ms in mode 1: ten frames that alternate them in the face layer
// of the line's slot, 200 ms apart, then the line ends.
TEST(PictureChanges, FlipBookAlternatesThePicturesThenTheLineEnds) {
  ScenarioScene scene;
  LoadRecorder recorder;
  FaceSlot.FaceLayer[2] = 30;
  Script({"[ぴくアニメ]：●2：第1_BMP番号=124：第1_BMP番号2=4：第2_BMP番号=124：第2_BMP番号2=5：分岐=1：間隔=200：続", "次"});
  const uint32_t start = scene.harness.Now();
  ExecuteScriptLine();
  EXPECT_EQ(scene.harness.TraceOf("endloop"), std::vector<std::string>{"endloop 1063 10"});
  std::vector<Load> expected;
  for (int i = 0; i < 10; ++i) expected.push_back({30, 124, i % 2 == 0 ? 4 : 5});
  EXPECT_EQ(LoadRecorder::Loads(), expected);
  EXPECT_EQ(ScriptStore.CurrentScriptLine, 1);
  EXPECT_EQ(scene.Timers(), std::vector<std::string>{"timer 100"});
  // The tenth frame ends the loop at once, so the timer is armed 9 frames later.
  EXPECT_EQ(scene.harness.TimesOf("timer 100"), std::vector<uint32_t>{start + 9 * 200});
}

// How many frames a flip-book runs, by mode, interval and reading, and the frame
// length: a missing interval counts as the engine's 13 ms frame, a flip-book without
// pictures or with a mode of no length of its own ends after its first frame.
TEST(PictureChanges, RunLengthByModeIntervalAndReading) {
  const struct {
    const char* name;
    const char* fields;
    int readMode, autoSpeed;
    int frames, frameMs;
  } cases[] = {
      {"three at 200, mode 1", "第1_BMP番号=1：第2_BMP番号=2：第3_BMP番号=3：分岐=1：間隔=200", 1, 0, 15, 200},
      {"no interval", "第1_BMP番号=1：分岐=1", 1, 0, 76, 13},
      {"negative interval", "第1_BMP番号=1：分岐=1：間隔=-50", 1, 0, 76, 13},
      {"interval beyond a second", "第1_BMP番号=1：分岐=1：間隔=1500", 1, 0, 1, 1500},
      {"no pictures", "分岐=1：間隔=200", 1, 0, 1, 13},
      {"mode 2", "第1_BMP番号=1：分岐=2：間隔=200", 1, 0, 1, 200},
      {"automatic, speed 0", "第1_BMP番号=1：第2_BMP番号=2：第3_BMP番号=3：間隔=200", 2, 0, 30, 200},
      {"automatic, speed 1", "第1_BMP番号=1：第2_BMP番号=2：第3_BMP番号=3：間隔=200", 2, 1, 21, 200},
      {"automatic, speed 2", "第1_BMP番号=1：第2_BMP番号=2：第3_BMP番号=3：間隔=200", 2, 2, 12, 200},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ScenarioScene scene;
    ReadState.ReadMode = c.readMode;
    VoiceSettings.AutoSpeed = c.autoSpeed;
    Script({std::string("[ぴくアニメ]：") + c.fields + "：続", "次"});
    ExecuteScriptLine();
    EXPECT_EQ(scene.harness.TraceOf("endloop"), std::vector<std::string>{"endloop 1063 " + std::to_string(c.frames)});
    EXPECT_EQ(FrameClock.FrameLength, c.frameMs);
    EXPECT_EQ(ScriptStore.CurrentScriptLine, 1);
    if (c.readMode == 2) {
      EXPECT_EQ(AnimationRun.AutoVoiceWaited, -1);
    }
  }
}

// Mode 0 runs until the reader clicks; the click ends it and the scene goes on 1 ms
// later. The face keeps the last picture shown.
TEST(PictureChanges, ModeZeroRunsUntilAClick) {
  ScenarioScene scene;
  LoadRecorder recorder;
  FaceSlot.FaceLayer[1] = 10;
  // A left click on the window at 1000 ms, while the loop waits for its next frame.
  scene.harness.Platform().At(1000, [] {
    InputEvent.MouseButton = 1;
    int window = -1;
    MouseDownHandler(0, window);
  });
  Script({"[ぴくアニメ]：●1：第1_BMP番号=7：第2_BMP番号=8：分岐=0：間隔=100", "次"});
  ExecuteScriptLine();
  const std::vector<std::string> ends = scene.harness.TraceOf("endloop");
  ASSERT_EQ(ends.size(), 1u);
  EXPECT_EQ(ends[0], "endloop 1063 11");
  EXPECT_EQ(LoadRecorder::Loads().back(), (Load{10, 7, -1}));
  EXPECT_EQ(ScriptStore.CurrentScriptLine, 1);
  EXPECT_EQ(scene.Timers(), std::vector<std::string>{"timer 1"});
}

// In automatic reading with the voice wait on, the flip-book ends on the first frame
// after the line's voice has stopped.
TEST(PictureChanges, AutomaticReadingEndsWithTheVoice) {
  ScenarioScene scene;
  ReadState.ReadMode = 2;
  VoiceSettings.AutoWaitsForVoice = -1;
  VoiceSettings.VoiceOn = -1;
  VoiceSettings.VoiceChannel = 9;
  AnimationRun.BalloonSoundStarted = -1;
  scene.harness.Platform().Recorder().SetLength("voice.wav", 950);
  tq::ThePlatform().Sound().STReadFile(9, "voice.wav", 0);
  tq::ThePlatform().Sound().STPlay(9);
  const uint32_t start = scene.harness.Now();
  Script({"[ぴくアニメ]：第1_BMP番号=7：第2_BMP番号=8：分岐=0：間隔=100", "次"});
  ExecuteScriptLine();
  // Frames start every 100 ms; the voice stops at 950, so the frame at 1000 ends it.
  EXPECT_EQ(scene.harness.TraceOf("endloop"), std::vector<std::string>{"endloop 1063 11"});
  EXPECT_EQ(scene.harness.Now() - start, 1000u);
  EXPECT_EQ(ScriptStore.CurrentScriptLine, 1);
}

// Skipping in automatic reading passes over the flip-book at once.
TEST(PictureChanges, SkippingPassesOverTheFlipBook) {
  ScenarioScene scene;
  ReadState.ReadMode = 2;
  ReadState.ReadSpeed = 2;
  Script({"[ぴくアニメ]：第1_BMP番号=7：分岐=0：間隔=100：続", "次"});
  ExecuteScriptLine();
  EXPECT_TRUE(scene.Loops().empty());
  EXPECT_EQ(ScriptStore.CurrentScriptLine, 1);
}

}  // namespace
