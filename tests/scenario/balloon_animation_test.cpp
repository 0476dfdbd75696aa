// Balloon opening and erasing, frame by frame through the engine's frame loop: the
// sizes of each frame, the edge that stays, the sounds, the states and the end.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/layers.h"
#include "engine/text.h"
#include "platform/platform.h"
#include "scenario/balloon_animation.h"
#include "scenario/balloon_geometry.h"
#include "scenario/balloon_layout.h"
#include "scenario/face_slots.h"
#include "scenario/line_execution.h"
#include "scenario/motion_curves.h"
#include "scenario/script_conversion.h"
#include "scenario/script_store.h"
#include "scenario/skelvane_conversation.h"
#include "scenario_faces.h"
#include "scenario_fixture.h"

namespace {

using scenario_test::FrameRecorder;
using scenario_test::ScenarioScene;
using scenario_test::Script;
using scenario_test::ShowFace;
using scenario_test::WindowSize;

struct Box {
  int x, y, w, h;
  bool shown;
  bool operator==(const Box&) const = default;
};

Box BoxOf(int layer) {
  const auto& l = tq::ThePlatform().Screen().Layer(layer);
  return {l.x, l.y, l.image.Width(), l.image.Height(), l.visible};
}

// A Skelvane scene with slot 1's 120 by 160 face on layer 20 (balloon 21, tail 22,
// thought 24, bubbles 25 to 27); narration on layer 19.
void SetUpScene(int faceX) {
  WindowSize();
  GameConfig.Settings[2] = 9;  // the effect level start-up reads
  TextWindow.NarrationLayer = 19;
  TextWindow.BalloonFrameThickness = 30;
  SetDefaultThoughtLayout();
  ShowFace(1, 20, faceX, 200, 120, 160);
}

// Runs one script line through the executor and records the given layers after every
// frame of the loop it starts.
std::vector<std::vector<Box>> RunLine(const std::string& line, const std::vector<int>& layers) {
  std::vector<std::vector<Box>> frames;
  FrameRecorder recorder([&frames, &layers] {
    std::vector<Box> boxes;
    for (int layer : layers) boxes.push_back(BoxOf(layer));
    frames.push_back(boxes);
  });
  Script({line});
  ExecuteScriptLine();
  return frames;
}

struct SpeechCase {
  const char* name;
  const char* open;
  int faceX;
  int fixedEdge;  // x of the edge that stays: the left (side 0) or the right (side 1)
  bool rightEdge;
};

// A 440 by 140 balloon grows from a fifth by a tenth per frame: 8 frames, widths 132
// to 440 and heights 42 to 140, the face-side edge fixed and the balloon centred on
// its final height; its sound starts on the first frame. Erasing it shrinks by 62 and
// 20 pixels a frame, hides the tail once it is three steps from nothing, ends on
// frame 8 and frees its text slot.
TEST(BalloonAnimation, SpeechBalloonOpensInEightFramesAndErasesInEight) {
  const SpeechCase cases[] = {
      {"side 0", "[フキA]：●1：フ種=(10,0,-1)：こんにちは", 300, 410, false},
      {"side 1", "[フキA]：●1：フ種=(20,0,-1)：こんにちは", 500, 510, true},
  };
  for (const SpeechCase& c : cases) {
    SCOPED_TRACE(c.name);
    ScenarioScene scene;
    SetUpScene(c.faceX);
    std::vector<int> speechStates;
    const auto frames = RunLine(c.open, {21, 22});
    ASSERT_EQ(frames.size(), 8u);
    for (size_t i = 0; i < frames.size(); ++i) {
      SCOPED_TRACE(i);
      const Box& b = frames[i][0];
      EXPECT_EQ(b.w, 132 + 44 * static_cast<int>(i));
      EXPECT_EQ(b.h, 42 + 14 * static_cast<int>(i));
      EXPECT_EQ(c.rightEdge ? b.x + b.w : b.x, c.fixedEdge);
      EXPECT_EQ(b.y, 280 + 70 - b.h / 2);
      EXPECT_TRUE(b.shown);
      EXPECT_TRUE(frames[i][1].shown);  // the tail box beside the face
    }
    EXPECT_EQ(scene.harness.TraceOf("endloop"), std::vector<std::string>{"endloop 1010 8"});
    const std::vector<uint32_t> sound = scene.harness.TimesOf("STReadFile 11 Sound_Data/Sound/Inter/Fu40_Pu_Timer.wav");
    ASSERT_EQ(sound.size(), 1u);
    EXPECT_EQ(sound[0], scene.harness.TimesOf("loop 1010")[0]);
    EXPECT_EQ(FaceSlot.SpeechState[1], kBalloonShown);
    EXPECT_EQ(TextSlot.TextSlotState[2], 1);
    EXPECT_EQ(ScriptStore.CurrentScriptLine, 1);

    const auto erase = RunLine("[フキ消去]：●1", {21, 22});
    ASSERT_EQ(erase.size(), 8u);
    for (size_t i = 0; i + 1 < erase.size(); ++i) {
      SCOPED_TRACE(i);
      const Box& b = erase[i][0];
      EXPECT_EQ(b.w, 440 - 62 * static_cast<int>(i + 1));
      EXPECT_EQ(b.h, std::max(0, 140 - 20 * static_cast<int>(i + 1)));
      if (b.w > 0) {
        EXPECT_EQ(c.rightEdge ? b.x + b.w : b.x, c.fixedEdge);
      }
      EXPECT_EQ(erase[i][1].shown, b.w > 3 * 62);
    }
    EXPECT_FALSE(erase.back()[0].shown);
    EXPECT_EQ(FaceSlot.SpeechState[1], kBalloonHidden);
    EXPECT_EQ(TextSlot.TextSlotState[2], 0);
  }
}

// Three bubbles pop one after another (5 frames of 24 ms each), then the body drops
// in with a bounce (20 frames of 13 ms): it grows while sinking 10 pixels, gets its
// text on its 10th frame, and rises back to its place.
TEST(BalloonAnimation, ThoughtBalloonPopsItsBubblesThenDropsItsBody) {
  ScenarioScene scene;
  SetUpScene(300);
  std::vector<size_t> printsAfter;
  std::vector<Box> body, bubble2;
  FrameRecorder recorder([&] {
    printsAfter.push_back(RecordedPrints().size());
    body.push_back(BoxOf(24));
    bubble2.push_back(BoxOf(27));
  });
  SetPrintRecording(true);
  Script({"[フキA]：●1：フ種=(30,0,-1)：なにをたべようかな"});
  ExecuteScriptLine();
  SetPrintRecording(false);

  ASSERT_EQ(body.size(), 35u);
  EXPECT_EQ(scene.harness.TimesOf("endloop 1015 35")[0] - scene.harness.TimesOf("loop 1015")[0], 15u * 24 + 19 * 13);
  // Bubble 2 (17 pixels at (389, 333)) overshoots to 26, 34, 30, 26 and settles.
  const int pop[5] = {26, 34, 30, 26, 17};
  for (int f = 0; f < 5; ++f) EXPECT_EQ(bubble2[10 + f].w, pop[f]) << f;
  EXPECT_EQ(bubble2[14], (Box{389, 333, 17, 17, true}));
  // The window is 320 by 105 at (403, 318).
  for (int f = 1; f <= 20; ++f) {
    SCOPED_TRACE(f);
    const Box& b = body[static_cast<size_t>(14 + f)];
    EXPECT_EQ(b.y, 318 + static_cast<int>(std::nearbyint(10 - 0.1 * (10 - f) * (10 - f))));
    EXPECT_EQ(b.x, 403);
    EXPECT_EQ(b.w, std::min(320, 64 + 32 * f));
    // Rounded as a whole, halves to even: the last frame's 332.5 gives 332.
    EXPECT_EQ(bubble2[static_cast<size_t>(14 + f)].y,
              static_cast<int>(std::nearbyint(333 + 7 - 0.075 * (10 - f) * (10 - f))));
  }
  EXPECT_EQ(printsAfter[23], 0u);
  EXPECT_EQ(printsAfter[24], 8u);                 // the body's 10th frame
  EXPECT_EQ(printsAfter.back(), 16u);             // and once more as the line ends
  EXPECT_EQ(body.back(), (Box{403, 318, 320, 105, true}));
  EXPECT_EQ(bubble2.back().y, 332);
  EXPECT_EQ(FaceSlot.ThoughtState[1], kBalloonShown);
  EXPECT_EQ(FaceSlot.SpeechState[1], kBalloonHidden);
}

// The end of a thought opening marks the speaker's thought balloon open, whatever
// slot the frames worked on; a speaker that is no face slot falls back to that slot.
TEST(BalloonAnimation, ThoughtOpeningMarksTheSpeakersThoughtBalloonOpen) {
  const struct {
    int speaker, opened;
  } cases[] = {{3, 3}, {12, 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.speaker);
    ScenarioScene scene;
    SetUpScene(300);
    Script({"思"});
    LineState.CurrentSlot = 1;
    LineState.LineVoice = -1;
    LineCode = {1, 0, 30, -1, 1, 0};
    BalloonLayout(0);
    LineCode.Speaker = c.speaker;
    int frames = 0;
    for (; frames < 100 && FaceSlot.ThoughtState[static_cast<size_t>(c.opened)] != kBalloonShown; ++frames) {
      AnimateBalloon(1015, 0);
    }
    EXPECT_EQ(frames, 35);
    for (int s = 0; s < 10; ++s) {
      if (s != c.opened) {
        EXPECT_EQ(FaceSlot.ThoughtState[static_cast<size_t>(s)], 0) << s;
      }
    }
  }
}

// Erasing a thought balloon marks the slot's speech state as erasing while it runs,
// and gives it back at the end: a speech balloon that was open stays open (its next
// line prints at once instead of opening it again), a hidden one stays hidden.
TEST(BalloonAnimation, ThoughtEraseGivesTheSpeechStateBack) {
  for (const bool speechOpen : {true, false}) {
    SCOPED_TRACE(speechOpen);
    ScenarioScene scene;
    SetUpScene(300);
    if (speechOpen) RunLine("[フキA]：●1：フ種=(10,0,-1)：はなし", {});
    RunLine("[フキA]：●1：フ種=(30,0,-1)：おもい", {});
    std::vector<int> during;
    FrameRecorder recorder([&during] { during.push_back(FaceSlot.SpeechState[1]); });
    Script({"[フキ消去]：●1"});
    ExecuteScriptLine();
    const int expected = speechOpen ? kBalloonShown : kBalloonHidden;
    ASSERT_FALSE(during.empty());
    EXPECT_EQ(during.front(), kBalloonErasing);
    EXPECT_EQ(during.back(), expected);
    EXPECT_EQ(FaceSlot.ThoughtState[1], kBalloonHidden);
    EXPECT_EQ(TextSlot.TextSlotState[3], 0);
    EXPECT_FALSE(BoxOf(24).shown);
    EXPECT_FALSE(BoxOf(25).shown);
    EXPECT_FALSE(BoxOf(27).shown);
    if (speechOpen) {
      const size_t openings = scene.harness.TraceOf("loop 1010").size();
      Script({"[フキA]：●1：フ種=(10,0,-1)：つづき"});
      ExecuteScriptLine();
      EXPECT_EQ(scene.harness.TraceOf("loop 1010").size(), openings);
      EXPECT_EQ(TextSlot.TextSlotText[2], "つづき");
    }
  }
}

// A multiple erase marks the open speech balloon, but the erase follows the slot's
// last balloon, a thought: the thought goes, and the speech balloon, still on
// screen, is shown again so that the multiple erase ends.
TEST(BalloonAnimation, MultipleEraseAfterAThoughtBalloonEnds) {
  ScenarioScene scene;
  SetUpScene(300);
  RunLine("[フキA]：●1：フ種=(10,0,-1)：はなし", {});
  RunLine("[フキA]：●1：フ種=(30,0,-1)：おもい", {});
  Script({"[フキ複数消去]：対象顔No=(1)"});
  ExecuteScriptLine();
  EXPECT_EQ(scene.harness.TraceOf("endloop 1060").size(), 1u);
  EXPECT_EQ(FaceSlot.SpeechState[1], kBalloonShown);
  EXPECT_EQ(FaceSlot.ThoughtState[1], kBalloonHidden);
  EXPECT_TRUE(BoxOf(21).shown);
  EXPECT_FALSE(BoxOf(24).shown);
}

// A narration box grows from its centre with sound 25, and its erase shrinks it from
// the layer's present rectangle by a fifth per frame (6 frames for a height of 93)
// with sound 25 a little softer.
TEST(BalloonAnimation, NarrationBoxGrowsAndShrinksAroundItsCentre) {
  ScenarioScene scene;
  SetUpScene(300);
  const auto open = RunLine("[フキA]：●1：フ種=(51,0,0)：ひるのかぜがふく：もりのほとりをそっとあるく", {19});
  // 347 by 93: the width (69, then 34 a frame) and the height (18, then 9 a frame)
  // both take 9 frames.
  ASSERT_EQ(open.size(), 9u);
  for (size_t i = 0; i < open.size(); ++i) {
    const Box& b = open[i][0];
    EXPECT_EQ(b.w, std::min(347, 103 + 34 * static_cast<int>(i))) << i;
    EXPECT_EQ(b.h, std::min(93, 27 + 9 * static_cast<int>(i))) << i;
    EXPECT_EQ(b.y, 345 - b.h / 2) << i;
    EXPECT_EQ(b.x, 460 - b.w / 2) << i;
  }
  EXPECT_EQ(open.back()[0], (Box{287, 299, 347, 93, true}));
  EXPECT_EQ(FaceSlot.NarrationState, kBalloonShown);
  EXPECT_EQ(TextSlot.TextSlotState[10], 3);

  const auto erase = RunLine("[フキ消去]：●1", {19});
  ASSERT_EQ(erase.size(), 6u);
  const int widths[6] = {278, 209, 140, 71, 2, 0};
  const int heights[6] = {75, 57, 39, 21, 3, 0};
  for (size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(erase[i][0].w, widths[i]) << i;
    EXPECT_EQ(erase[i][0].h, heights[i]) << i;
  }
  EXPECT_FALSE(erase.back()[0].shown);
  EXPECT_EQ(FaceSlot.NarrationState, kBalloonHidden);
  EXPECT_EQ(TextSlot.TextSlotState[10], 0);
  EXPECT_EQ(scene.harness.TraceOf("STSetVolume 0"), (std::vector<std::string>{"STSetVolume 0 90", "STSetVolume 0 80"}));
}

// A queued opening restores the slot's saved line, and at its end prints the text
// into the balloon without ending the script line.
TEST(BalloonAnimation, QueuedSpeechOpeningRestoresTheSavedLineAndKeepsTheLine) {
  ScenarioScene scene;
  SetUpScene(300);
  FaceSlotRecord& f = FaceSlot;
  f.SlotBalloonText[1] = "ならんでひらく";
  f.SlotSavedSubParam[1] = 0;
  f.SlotSavedMainParam[1] = 10;
  f.SlotSavedAction[1] = -3;
  f.SlotVoice[1] = -1;
  Script({"[同時スタートのみ]", "つぎ"});
  LineState.CurrentSlot = 1;
  LineCode = {1, 0, 10, -1, 4, 2};
  SetBalloonState(0);
  int frames = 0;
  for (; frames < 20 && f.SpeechState[1] != kBalloonShown; ++frames) {
    AnimationRun.AnimationFrame = frames;
    AnimateBalloon(10, 1);
  }
  EXPECT_EQ(frames, 8);
  EXPECT_EQ(ScriptStore.ScriptText[0], "ならんでひらく");
  EXPECT_EQ(ScriptStore.CurrentScriptLine, 0);
  EXPECT_EQ(TextSlot.TextSlotState[2], 3);
  EXPECT_EQ(TextSlot.TextSlotText[2], "ならんでひらく");
  EXPECT_EQ(BoxOf(21), (Box{410, 280, 440, 140, true}));
  EXPECT_TRUE(scene.harness.TraceOf("STReadFile").empty());  // "フ音" -1: silent
}

// Sizes that a tenth or a seventh cannot step, a size beyond what a layer can hold,
// and a window without a layer still open and erase in a bounded number of frames.
TEST(BalloonAnimation, OddSizesAndMissingLayersStillEnd) {
  const struct {
    const char* name;
    int width, height, layer;
  } cases[] = {{"tiny", 6, 3, 21}, {"empty", 0, 0, 21}, {"huge", 30000, 140, 21}, {"no layer", 440, 140, 150}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ScenarioScene scene;
    SetUpScene(300);
    FaceSlot.BalloonLayer[1] = c.layer;
    BalloonGeometry.SlotBalloonWidth[1] = c.width;
    BalloonGeometry.SlotBalloonHeight[1] = c.height;
    FaceSlot.SlotVoice[1] = -1;
    FaceSlot.SlotSavedMainParam[1] = 10;
    LineState.CurrentSlot = 1;
    int frames = 0;
    for (; frames < 100 && FaceSlot.SpeechState[1] != kBalloonShown; ++frames) {
      AnimationRun.AnimationFrame = frames;
      AnimateBalloon(10, 1);
      BalloonGeometry.SlotBalloonWidth[1] = c.width;  // the end's layout must not rescue it
      BalloonGeometry.SlotBalloonHeight[1] = c.height;
    }
    EXPECT_LT(frames, 100);
    // The erase shrinks the balloon from the size it has.
    MoveLayer(c.layer, 0, 0, c.width, c.height);
    FaceSlot.SlotBalloonCategory[1] = 0;
    FaceSlot.SpeechState[1] = kBalloonToErase;
    for (frames = 0; frames < 100 && FaceSlot.SpeechState[1] != kBalloonHidden; ++frames) AnimateBalloon(50, 1);
    EXPECT_LT(frames, 100);
  }
}

}  // namespace
