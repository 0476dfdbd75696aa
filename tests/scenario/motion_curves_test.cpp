// The motion curves: positions frame by frame, rounding, visibility, the pause
// curves' length, the sized curves, lengths that would divide by zero, and the
// balloon hop and speaker shake.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "app/register_games.h"
#include "engine/frame_model.h"
#include "engine/layers.h"
#include "platform/headless/headless_platform.h"
#include "platform/platform.h"
#include "scenario/balloon_geometry.h"
#include "scenario/conversation_scene.h"
#include "scenario/face_slots.h"
#include "scenario/line_execution.h"
#include "scenario/motion_curves.h"
#include "scenario/script_conversion.h"
#include "scenario/script_store.h"

namespace {

constexpr int kLayer = 7;

class MotionCurveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    tq::InstallPlatform(&platform);
    ResetAllState();
  }
  void TearDown() override { tq::InstallPlatform(nullptr); }

  tq::LayerSurface& Layer(int i) { return platform.Screen().Layer(i); }
  std::pair<int, int> At(int i) { return {Layer(i).x, Layer(i).y}; }

  // Slot `slot` moves kLayer from (sx, sy) to (ex, ey).
  void SetSlot(int slot, int sx, int sy, int ex, int ey, int pause = 0) {
    MotionSlotRecord& s = MotionSlot[static_cast<size_t>(slot)];
    s.MotionLayer = kLayer;
    s.MotionStartX = sx;
    s.MotionStartY = sy;
    s.MotionEndX = ex;
    s.MotionEndY = ey;
    s.MotionPause = pause;
    MotionState.CurrentMotionSlot = slot;
  }

  // One step at frame f of length len; returns where the layer now stands.
  std::pair<int, int> Step(int curve, int f, int len) {
    AnimationRun.AnimationFrame = f;
    AnimationRun.AnimationLength = len;
    MotionCurveStep(curve);
    EXPECT_EQ(DrawState.CurrentLayer, kLayer);
    EXPECT_EQ(DrawState.CurrentRect.X, Layer(kLayer).x);
    EXPECT_EQ(DrawState.CurrentRect.Y, Layer(kLayer).y);
    return {Layer(kLayer).x, Layer(kLayer).y};
  }

  tq::HeadlessPlatform platform;
};

struct CurveCase {
  const char* name;
  int curve;
  int sx, sy, ex, ey;
  int len;
  int pause;
  std::vector<std::pair<int, int>> frames;  // the position at F = 0, 1, 2, ...
};

TEST_F(MotionCurveTest, PositionsFrameByFrame) {
  const CurveCase cases[] = {
      // 2.5 rounds to 2 and 7.5 to 8: halves go to the even neighbour.
      {"linear", 10, 0, 0, 10, 20, 4, 0, {{0, 0}, {2, 5}, {5, 10}, {8, 15}, {10, 20}}},
      {"linear back", 10, 10, 20, 0, 0, 4, 0, {{10, 20}, {8, 15}, {5, 10}, {2, 5}, {0, 0}}},
      {"ease-out", 11, 0, 0, 10, 20, 4, 0, {{0, 0}, {4, 9}, {8, 15}, {9, 19}, {10, 20}}},
      {"ease-in", 12, 0, 0, 10, 20, 4, 0, {{0, 0}, {1, 1}, {2, 5}, {6, 11}, {10, 20}}},
      {"ease-out x, arc y", 13, 0, 0, 8, 12, 4, 9, {{0, 0}, {4, 9}, {6, 12}, {8, 9}, {8, 0}}},
      {"arc x, ease-out y", 14, 0, 0, 12, 8, 4, 9, {{0, 0}, {9, 4}, {12, 6}, {9, 8}, {0, 8}}},
      {"arc both", 19, 100, 50, 140, 10, 4, 9, {{100, 50}, {130, 20}, {140, 10}, {130, 20}, {100, 50}}},
      // X runs linearly over the pause (8 frames), Y arcs over L.
      {"linear x over pause, arc y", 50, 0, 0, 16, 12, 4, 8, {{0, 0}, {2, 9}, {4, 12}, {6, 9}, {8, 0}}},
      // The factor is kept in single precision: in double these would round to
      // 66 and 70 (exact halves), in single they fall just below and above.
      {"single-precision factor", 12, 0, 0, 262, 282, 6, 0,
       {{0, 0}, {7, 8}, {29, 31}, {65, 71}, {116, 125}, {182, 196}, {262, 282}}},
      {"single-precision factor, ease-out", 11, 0, 0, -250, 0, 6, 0,
       {{0, 0}, {-76, 0}, {-139, 0}, {-187, 0}, {-222, 0}, {-243, 0}, {-250, 0}}},
  };
  for (const CurveCase& c : cases) {
    SCOPED_TRACE(c.name);
    SetSlot(3, c.sx, c.sy, c.ex, c.ey, c.pause);
    for (size_t f = 0; f < c.frames.size(); ++f) {
      SCOPED_TRACE(f);
      EXPECT_EQ(Step(c.curve, static_cast<int>(f), c.len), c.frames[f]);
    }
  }
}

TEST_F(MotionCurveTest, FlickerShowsEndOnFirstFourFramesOfEight) {
  SetSlot(0, 1, 2, 30, 40);
  for (int f = 0; f < 24; ++f) {
    SCOPED_TRACE(f);
    const bool atEnd = f % 8 < 4;
    EXPECT_EQ(Step(30, f, 16), atEnd ? std::make_pair(30, 40) : std::make_pair(1, 2));
  }
}

TEST_F(MotionCurveTest, PauseCurvesSetLengthToPause) {
  for (int curve : {13, 14, 19, 50}) {
    SCOPED_TRACE(curve);
    SetSlot(5, 0, 0, 10, 10, 23);
    Step(curve, 2, 12);
    EXPECT_EQ(AnimationRun.AnimationLength, 23);
  }
  // The other curves leave the caller's length alone.
  for (int curve : {10, 11, 12, 15, 16, 30}) {
    SCOPED_TRACE(curve);
    SetSlot(5, 0, 0, 10, 10, 23);
    Step(curve, 2, 12);
    EXPECT_EQ(AnimationRun.AnimationLength, 12);
  }
}

TEST_F(MotionCurveTest, OnlyLinearEaseOutAndEaseInShowTheLayer) {
  for (int curve : {10, 11, 12, 13, 14, 15, 16, 19, 30, 50}) {
    SCOPED_TRACE(curve);
    ShowLayer(kLayer, false);
    SetSlot(1, 0, 0, 10, 10, 5);
    MotionSlot[1].MotionEndWidth = 10;
    MotionSlot[1].MotionEndHeight = 10;
    Step(curve, 1, 4);
    EXPECT_EQ(Layer(kLayer).visible, curve <= 12);
  }
  // ... and none of them hides a shown layer.
  ShowLayer(kLayer, true);
  SetSlot(1, 0, 0, 10, 10, 5);
  Step(19, 1, 4);
  EXPECT_TRUE(Layer(kLayer).visible);
}

TEST_F(MotionCurveTest, SizedCurvesResizeAndOthersKeepThePicture) {
  MoveLayer(kLayer, 0, 0, 30, 20);
  Layer(kLayer).image.Set(3, 4, 0xABCDEF);
  SetSlot(2, 0, 0, 50, 60);
  Step(10, 1, 2);
  EXPECT_EQ(Layer(kLayer).image.Width(), 30);
  EXPECT_EQ(Layer(kLayer).image.Height(), 20);
  EXPECT_EQ(Layer(kLayer).image.Get(3, 4), 0xABCDEFu);

  struct SizedCase {
    int curve;
    int f;
    Rect want;
  };
  const SizedCase cases[] = {
      {15, 1, {75, 75, 50, 25}},
      {15, 4, {0, 0, 200, 100}},
      // Ease-out: End - k x 9 with k = D / 16: 56.25, 87.5 (to 88) and 43.75.
      {16, 1, {56, 56, 88, 44}},
      {16, 4, {0, 0, 200, 100}},
  };
  for (const SizedCase& c : cases) {
    SCOPED_TRACE(c.curve * 100 + c.f);
    SetSlot(2, 100, 100, 0, 0);
    MotionSlotRecord& s = MotionSlot[2];
    s.MotionStartWidth = 0;
    s.MotionStartHeight = 0;
    s.MotionEndWidth = 200;
    s.MotionEndHeight = 100;
    Step(c.curve, c.f, 4);
    const Rect& r = DrawState.CurrentRect;
    EXPECT_EQ((std::vector<int>{r.X, r.Y, r.Width, r.Height}),
              (std::vector<int>{c.want.X, c.want.Y, c.want.Width, c.want.Height}));
    EXPECT_EQ(Layer(kLayer).image.Width(), c.want.Width);
    EXPECT_EQ(Layer(kLayer).image.Height(), c.want.Height);
  }
}

// A length of 0 would divide by zero; it counts as 1, so the curve is at its end
// from frame 1 on.
TEST_F(MotionCurveTest, ZeroLengthCountsAsOne) {
  for (int curve : {10, 11, 12, 15, 16}) {
    SCOPED_TRACE(curve);
    SetSlot(4, 10, 20, 30, 40);
    EXPECT_EQ(Step(curve, 0, 0), std::make_pair(10, 20));
    EXPECT_EQ(Step(curve, 1, 0), std::make_pair(30, 40));
    EXPECT_EQ(Step(curve, 1, -5), std::make_pair(30, 40));
  }
  // Type 50 with a pause of 0: X runs over one frame (the arc is back at its
  // start at F = L); the length still becomes the slot's pause.
  SetSlot(4, 0, 0, 16, 12, 0);
  EXPECT_EQ(Step(50, 1, 0), std::make_pair(16, 0));
  EXPECT_EQ(AnimationRun.AnimationLength, 0);
}

TEST_F(MotionCurveTest, UnknownTypesAndSlotsDoNothing) {
  MoveLayer(kLayer, 5, 6, 10, 10);
  SetSlot(0, 0, 0, 100, 100);
  DrawState.CurrentLayer = 42;
  for (int curve : {0, 1, 17, 18, 21, 29, 40, 49, 51, 99, -10}) {
    SCOPED_TRACE(curve);
    AnimationRun.AnimationFrame = 1;
    AnimationRun.AnimationLength = 2;
    MotionCurveStep(curve);
    EXPECT_EQ(DrawState.CurrentLayer, 42);
    EXPECT_EQ(Layer(kLayer).x, 5);
    EXPECT_EQ(AnimationRun.AnimationLength, 2);
  }
  for (int slot : {-1, kMotionSlotCount}) {
    MotionState.CurrentMotionSlot = slot;
    MotionCurveStep(10);
    EXPECT_EQ(Layer(kLayer).x, 5);
  }
  // A slot naming no layer computes its position and moves nothing.
  SetSlot(0, 0, 0, 100, 100);
  MotionSlot[0].MotionLayer = 250;
  AnimationRun.AnimationFrame = 1;
  AnimationRun.AnimationLength = 2;
  MotionCurveStep(10);
  EXPECT_EQ(DrawState.CurrentRect.X, 50);
}

// Positions far out keep to the 16-bit range instead of wrapping.
TEST_F(MotionCurveTest, ResultsStayInSixteenBits) {
  SetSlot(0, -32768, 32767, 32767, -32768);
  EXPECT_EQ(Step(12, 3, 2), std::make_pair(32767, -32768));
}

}  // namespace

// The Skelvane balloon window (layer 20) and its tail (layer 30) hop.
class MotionHopTest : public MotionCurveTest {
 protected:
  void SetUp() override {
    MotionCurveTest::SetUp();
    ConversationScene.DefaultWindowLayer = 20;
    ConversationScene.DefaultTailLayer = 30;
    MoveLayer(20, 100, 400, 50, 30);
    MoveLayer(30, 120, 380, 10, 10);
    // The line finishes without drawing or arming anything.
    LineCode.ExecClass = 5;
    LineCode.ContinueMode = 0;
    LineExecution.AutoContinue = -1;
    FrameClock.FrameLoopRunning = -1;
  }

  // Steps the hop until the line finishes (or 200 frames); the tops relative to
  // the rest positions after each step.
  std::vector<std::pair<int, int>> RunHop(int mainParam) {
    LineCode.MainParam = mainParam;
    std::vector<std::pair<int, int>> tops;
    while (FrameClock.FrameLoopRunning == -1 && tops.size() < 200) {
      MotionCurveStep(20);
      tops.emplace_back(Layer(20).y - 400, Layer(30).y - 380);
    }
    return tops;
  }
};

TEST_F(MotionHopTest, OneHopRisesAndFallsOverThirtyTwoFrames) {
  TextWindow.WindowLayer = 3;
  const int line = ScriptStore.CurrentScriptLine;
  const auto tops = RunHop(0);
  ASSERT_EQ(tops.size(), 32u);
  EXPECT_EQ(TextWindow.WindowLayer, 20);
  EXPECT_EQ(TextWindow.TailLayer, 30);
  const std::pair<int, int> want[] = {
      {-5, -2}, {-19, -12}, {-27, -18}, {-30, -20}, {-27, -18}, {-19, -12}, {-5, -2}};
  for (int i = 0; i < 7; ++i) EXPECT_EQ(tops[static_cast<size_t>(5 * i)], want[i]) << "frame " << 5 * i;
  // The last frame puts both back at rest and finishes the line.
  EXPECT_EQ(tops.back(), std::make_pair(0, 0));
  EXPECT_EQ(AnimationRun.AnimationFrame, 0);
  EXPECT_EQ(AnimationRun.AnimationSubStep, 1);
  EXPECT_EQ(AnimationRun.AnimationLength, 15);
  EXPECT_EQ(ScriptStore.CurrentScriptLine, line + 1);
  // Only the tops move.
  EXPECT_EQ(Layer(20).x, 100);
  EXPECT_EQ(Layer(30).x, 120);
}

TEST_F(MotionHopTest, HopCountFollowsMainParam) {
  struct HopCase {
    int mainParam;
    size_t frames;
  };
  // Values outside 0 to 2 would never end the line: they hop once.
  for (const HopCase c : {HopCase{0, 32}, HopCase{1, 64}, HopCase{2, 96}, HopCase{3, 32}, HopCase{-1, 32}}) {
    SCOPED_TRACE(c.mainParam);
    SetUp();
    const auto tops = RunHop(c.mainParam);
    EXPECT_EQ(tops.size(), c.frames);
    EXPECT_EQ(tops.back(), std::make_pair(0, 0));
    // Each hop starts again from the recorded rest.
    if (c.frames > 32) {
      EXPECT_EQ(tops[32], std::make_pair(-5, -2));
    }
  }
}

class MotionShakeTest : public MotionCurveTest {
 protected:
  void SetUp() override {
    MotionCurveTest::SetUp();
    LineCode.Speaker = 2;
    FaceSlot.FaceLayer[2] = 12;
    FaceSlot.BalloonLayer[2] = 22;  // its tail is layer 23
    MoveLayer(12, 300, 200, 80, 80);
    MoveLayer(22, 100, 50, 60, 40);
    MoveLayer(23, 150, 120, 10, 10);
  }

  // Offsets of face, balloon and tail from their rest after one step at frame f.
  std::vector<int> ShakeAt(int curve, int f) {
    AnimationRun.AnimationFrame = f;
    MotionCurveStep(curve);
    return {Layer(12).x - 300, Layer(12).y - 200, Layer(22).x - 100, Layer(22).y - 50,
            Layer(23).x - 150, Layer(23).y - 120};
  }
};

TEST_F(MotionShakeTest, FixedShakeMovesBalloonAndTailByTheirShares) {
  for (int f = 0; f <= 16; ++f) {
    SCOPED_TRACE(f);
    const std::vector<int> got = ShakeAt(35, f);
    EXPECT_EQ(AnimationRun.AnimationLength, 16);
    // 0.3 x 5 = 1.5 goes to the even neighbour 2.
    const std::vector<int> right = {5, -5, 3, -3, 2, -2};
    const std::vector<int> left = {-5, 5, -3, 3, -2, 2};
    const std::vector<int> rest(6, 0);
    if (f == 16) EXPECT_EQ(got, rest);  // the last frame puts all three back
    else if (f % 4 == 0) EXPECT_EQ(got, right);
    else if (f % 4 == 2) EXPECT_EQ(got, left);
    else EXPECT_EQ(got, rest);
  }
  FrameClockRecord expected = FrameClock;
  SetFrameLength(-2, 20);
  EXPECT_EQ(FrameClock.FrameLength, expected.FrameLength);
}

TEST_F(MotionShakeTest, RestIsRecordedOnFrameZeroOnly) {
  ShakeAt(35, 0);
  EXPECT_EQ(MotionSlot[0].MotionLayer, 12);
  EXPECT_EQ(MotionSlot[1].MotionLayer, 22);
  EXPECT_EQ(MotionSlot[2].MotionLayer, 23);
  EXPECT_EQ(At(12), std::make_pair(305, 195));
  // Frame 2 shakes around the rest of frame 0, not around where frame 0 left it.
  EXPECT_EQ(ShakeAt(35, 2), (std::vector<int>{-5, 5, -3, 3, -2, 2}));
}

TEST_F(MotionShakeTest, RandomShakesStayWithinTheirAmplitude) {
  struct RandomCase {
    int curve;
    int length;
    int frameMs;
    int (*half)(int f);  // the largest offset at frame f
  };
  const RandomCase cases[] = {
      {31, 16, 40, [](int) { return 6; }},
      {32, 60, 20, [](int f) { return (f < 30 ? f : 60 - f) / 2; }},
      {33, 50, 20, [](int f) { return (f <= 20 ? f + 10 : f <= 35 ? 40 : 50 - f) / 2; }},
  };
  for (const RandomCase& c : cases) {
    SCOPED_TRACE(c.curve);
    SetFrameLength(-2, c.frameMs);
    const int wantMs = FrameClock.FrameLength;
    SetFrameLength(-2, 1);
    for (int f = 0; f < c.length; ++f) {
      SCOPED_TRACE(f);
      const std::vector<int> got = ShakeAt(c.curve, f);
      EXPECT_EQ(AnimationRun.AnimationLength, c.length);
      EXPECT_EQ(FrameClock.FrameLength, wantMs);
      EXPECT_LE(std::abs(got[0]), c.half(f));
      EXPECT_LE(std::abs(got[1]), c.half(f));
      if (c.curve == 31) {
        // r from 4 to 6: (r, -r) on even frames, (-r, r) on odd ones.
        EXPECT_GE(std::abs(got[0]), 4);
        EXPECT_EQ(got[1], -got[0]);
        EXPECT_EQ(got[0] > 0, f % 2 == 0);
      }
      // The balloon and tail follow by 0.6 and 0.3 of the face's offset.
      // dx = -7 .. 7; 0.3 x 5 = 1.5 goes to 2.
      const int balloon[] = {-4, -4, -3, -2, -2, -1, -1, 0, 1, 1, 2, 2, 3, 4, 4};
      const int tail[] = {-2, -2, -2, -1, -1, -1, 0, 0, 0, 1, 1, 1, 2, 2, 2};
      if (std::abs(got[0]) <= 7) {
        EXPECT_EQ(got[2], balloon[got[0] + 7]);
        EXPECT_EQ(got[4], tail[got[0] + 7]);
      }
    }
    // The last frame puts all three back.
    EXPECT_EQ(ShakeAt(c.curve, c.length), std::vector<int>(6, 0));
  }
}

TEST_F(MotionShakeTest, StillTypesKeepTheLengthAndNoSpeakerMovesNothing) {
  for (int curve : {34, 36, 37, 38, 39}) {
    SCOPED_TRACE(curve);
    AnimationRun.AnimationLength = 77;
    EXPECT_EQ(ShakeAt(curve, 3), std::vector<int>(6, 0));
    EXPECT_EQ(AnimationRun.AnimationLength, 77);
  }
  // A speaker that is no face slot: nothing moves (not even the layers an earlier
  // shake recorded), the timing still runs.
  ShakeAt(35, 0);
  ShakeAt(35, 1);
  LineCode.Speaker = 12;
  AnimationRun.AnimationLength = 0;
  EXPECT_EQ(ShakeAt(35, 0), std::vector<int>(6, 0));
  EXPECT_EQ(AnimationRun.AnimationLength, 16);
}

TEST_F(MotionShakeTest, PicturePairOnlyForKindTen) {
  ConversationScene.DefaultWindowLayer = 20;
  ConversationScene.DefaultTailLayer = 30;
  MovePicturePair(9);
  EXPECT_EQ(TextWindow.WindowLayer, 0);
  MovePicturePair(10);
  EXPECT_EQ(TextWindow.WindowLayer, 20);
  EXPECT_EQ(TextWindow.TailLayer, 30);
}
