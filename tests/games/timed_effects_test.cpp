// The common timed effects, run as a Marbrook screen runs them: its step fills the
// parameters and calls Wait(code, 0); its frame procedure hands the frames on.
#include "games/timed_effects.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/sound_channels.h"
#include "marbrook/marbrook_mode.h"
#include "platform/platform.h"
#include "scenario/motion_curves.h"
#include "support/engine_harness.h"

namespace {

using tq::testing::EngineHarness;
using Strings = std::vector<std::string>;

constexpr int kLayer = 30;

struct Snap {
  int x, y;
  bool visible;
  bool operator==(const Snap&) const = default;
};

std::function<void()> setUpEffect;
int effectCode = 0;
int stepCalls = 0;
int watched = kLayer;
std::vector<Snap> frames;

Snap SnapOf(int layer) {
  const tq::LayerSurface& l = tq::testing::WindowLayer(layer);
  return {l.x, l.y, l.visible};
}

void TestStep() {
  if (++stepCalls != 1) return;
  setUpEffect();
  Wait(effectCode, 0);
}

bool TestFrame() {
  C40_EffectStep();
  frames.push_back(SnapOf(watched));
  return true;
}

// Puts kLayer (50 by 20) at (x, y) and makes it CurrentLayer and CurrentRect.
void PlaceTestLayer(int x, int y) {
  DrawState.CurrentLayer = kLayer;
  DrawState.CurrentRect = {x, y, 50, 20};
  PrepareLayer(kPreparePictureShown);
}

class TimedEffects : public ::testing::Test {
 protected:
  void SetUp() override {
    h_.reset();  // the old session uninstalls its platform when it goes
    h_ = std::make_unique<EngineHarness>(kModeMarbrook);
    saved_ = MarbrookScreen(99);
    MarbrookScreen(99).Step = TestStep;
    MarbrookScreen(99).Frame = TestFrame;
    stepCalls = 0;
    watched = kLayer;
    frames.clear();
    h_->Start();
  }
  void TearDown() override { MarbrookScreen(99) = saved_; }

  // Runs the effect from the title scene's first step (at 400 ms).
  void PlayEffect(int code, std::function<void()> setUp, uint32_t until = 3000) {
    effectCode = code;
    setUpEffect = std::move(setUp);
    h_->RunUntil(until);
  }
  std::vector<uint32_t> Times(const std::string& prefix) { return h_->TimesOf(prefix); }

  std::unique_ptr<EngineHarness> h_;
  ScreenHookSet saved_;
};

TEST_F(TimedEffects, MovePlacesTheLayerFramesPlusOneTimesAndEndsAtItsTarget) {
  GameConfig.Settings[2] = 9;
  PlayEffect(kEffectMove, [] {
    PlaceTestLayer(100, 50);
    DrawState.TargetRect = {300, 150, 0, 0};
    EffectParams.EffectFrames = 10;
    EffectParams.EffectMotionKind = kMotionLinear;
    EffectParams.EffectFrameDelay = 20;
    EffectParams.EffectSoundCue = {13, 0, 5, 0.0f};
  });
  ASSERT_EQ(frames.size(), 11u);
  for (int f = 0; f <= 10; ++f) EXPECT_EQ(frames[static_cast<size_t>(f)], (Snap{100 + 20 * f, 50 + 10 * f, true})) << f;
  EXPECT_EQ(Times("loop 800"), std::vector<uint32_t>{400});
  EXPECT_EQ(Times("endloop 800 11"), std::vector<uint32_t>{600}) << "ten frames of 20 ms";
  EXPECT_EQ(h_->TraceOf("STReadFile"), Strings{"STReadFile 5 Tanselr_Data/TanselrSnd/TanselrGame/G00_コマンド.wav 5"});
  EXPECT_EQ(stepCalls, 1) << "EffectResumesStep 0 returns to the caller";
  EXPECT_EQ(EffectParams.EffectMotionKind, kMotionEaseOut);
  EXPECT_EQ(EffectParams.EffectResumesStep, -1);
  EXPECT_EQ(EffectParams.EffectFrameDelay, 13);
  EXPECT_EQ(EffectParams.EffectSoundCue.EffectSound, 0);
}

TEST_F(TimedEffects, ResizingMoveLeavesItsOwnMotionKindAndResumesTheStep) {
  PlayEffect(kEffectMoveResize, [] {
    PlaceTestLayer(0, 0);
    DrawState.TargetRect = {40, 60, 100, 80};
    EffectParams.EffectFrames = 4;
    EffectParams.EffectMotionKind = kMotionSizedLinear;
    EffectParams.EffectResumesStep = -1;
  });
  EXPECT_EQ(frames.size(), 5u);
  const tq::LayerSurface& l = tq::ThePlatform().Screen().Layer(kLayer);
  EXPECT_EQ(l.x, 40);
  EXPECT_EQ(l.image.Width(), 100);
  EXPECT_EQ(l.image.Height(), 80);
  EXPECT_EQ(EffectParams.EffectMotionKind, kMotionSizedEaseOut);
  EXPECT_EQ(stepCalls, 2) << "EffectResumesStep -1 runs the step again";
  EXPECT_EQ(h_->TraceOf("timer 13").size(), 1u);
}

TEST_F(TimedEffects, PauseLastsOneFrameOfTheDelay) {
  PlayEffect(kEffectPause, [] { EffectParams.EffectFrameDelay = 300; });
  EXPECT_EQ(Times("endloop 700 2"), std::vector<uint32_t>{700});
  EXPECT_EQ(EffectParams.EffectFrameDelay, 13);
  EXPECT_EQ(EffectParams.EffectResumesStep, -1);
}

TEST_F(TimedEffects, MusicFade) {
  struct Case {
    const char* name;
    int level, base;
    Strings volumes;
  } cases[] = {
      {"from 100 by tens", 9, 100,
       {"STSetVolume 100 90", "STSetVolume 100 80", "STSetVolume 100 70", "STSetVolume 100 60", "STSetVolume 100 50",
        "STSetVolume 100 40", "STSetVolume 100 30", "STSetVolume 100 20", "STSetVolume 100 10", "STSetVolume 100 0"}},
      {"a base below 10 steps by 1", 9, 3, {"STSetVolume 100 2", "STSetVolume 100 1", "STSetVolume 100 0"}},
      {"music off: no volume, the channel stops", 0, 100, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TearDown();
    SetUp();
    PlayEffect(kEffectMusicFade, [&] {
      GameConfig.Settings[1] = c.level;
      SoundState.MusicFadeBase = c.base;
      EffectParams.EffectFrameDelay = 50;
    });
    EXPECT_EQ(h_->TraceOf("STSetVolume"), c.volumes);
    EXPECT_EQ(h_->TraceOf("STStop"), Strings{"STStop 100 1"});
    EXPECT_EQ(h_->TraceOf("endloop 750").size(), 1u);
    EXPECT_EQ(EffectParams.EffectFrameDelay, 13);
  }
  EXPECT_EQ(Times("endloop 750 2"), std::vector<uint32_t>{413}) << "the stop comes on the second frame";
}

TEST_F(TimedEffects, BlinkShowsOddFramesAndEndsHidden) {
  PlayEffect(kEffectBlink, [] {
    PlaceTestLayer(0, 0);
    EffectParams.EffectFrames = 7;
  });
  std::vector<bool> shown;
  for (const Snap& s : frames) shown.push_back(s.visible);
  EXPECT_EQ(shown, (std::vector<bool>{false, true, false, true, false, true, false, false}));
}

TEST_F(TimedEffects, MoveAndBlinkMovesForItsFramesAndBlinksInFours) {
  watched = 31;
  PlayEffect(kEffectMoveBlink, [] {
    PlaceTestLayer(0, 0);
    MotionSlot[0] = MotionSlotRecord{};
    MotionSlot[0].MotionLayer = kLayer;
    MotionSlot[0].MotionEndX = 200;
    AnimationRun.AnimationLength = 500;  // left over from an earlier loop: not the move's
    DrawState.CurrentLayer = 31;
    DrawState.CurrentRect = {0, 0, 10, 10};
    PrepareLayer(kPreparePictureShown);
    EffectParams.EffectFrames = 20;
    EffectParams.BlinkBox = 31;
    EffectParams.BlinkFrames = 30;
    EffectParams.EffectLastSlot = 0;
    EffectParams.EffectMotionKind = kMotionLinear;
  });
  ASSERT_EQ(frames.size(), 31u);
  for (size_t f = 0; f < 30; ++f) EXPECT_EQ(frames[f].visible, (f / 4) % 2 == 0) << f;
  EXPECT_FALSE(frames[30].visible);
  EXPECT_EQ(tq::ThePlatform().Screen().Layer(kLayer).x, 200);
  EXPECT_EQ(EffectParams.EffectLastSlot, 0);
  EXPECT_EQ(EffectParams.EffectMotionKind, kMotionEaseOut);
}

TEST_F(TimedEffects, ShakesComeBackToTheirPlace) {
  struct Case {
    const char* name;
    int code, frames, amplitude, offsetX, offsetY;
    std::vector<int> xs;  // the x of each frame, "" to skip
  } cases[] = {
      {"random shake of amplitude 0 stays", kEffectShake, 3, 0, 0, 0, {100, 100, 100, 100}},
      {"decaying shake", kEffectDecayShake, 4, 0, 8, 4, {109, 101, 105, 101, 100}},
      {"decaying shake of length 0 ends", kEffectDecayShake, 0, 0, 8, 4, {100}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TearDown();
    SetUp();
    PlayEffect(c.code, [&] {
      PlaceTestLayer(100, 50);
      EffectParams.EffectFrames = c.frames;
      EffectParams.EffectAmplitude = c.amplitude;
      EffectParams.EffectOffsetX = c.offsetX;
      EffectParams.EffectOffsetY = c.offsetY;
    });
    std::vector<int> xs;
    for (const Snap& s : frames) xs.push_back(s.x);
    EXPECT_EQ(xs, c.xs);
    EXPECT_EQ(frames.back(), (Snap{100, 50, true}));
  }
}

TEST_F(TimedEffects, SwaysDropsAndCentring) {
  struct Case {
    const char* name;
    int code, frames, amplitude, offsetX;
    size_t count;
    Snap end;
  } cases[] = {
      {"sway out, across and back", kEffectSwayAcross, 2, 0, 10, 3 + 5 + 3, {100, 50, true}},
      {"sway out and back", kEffectSwayBack, 3, 0, -6, 4 + 4, {100, 50, true}},
      {"drop and bounce back", kEffectDrop, 6, 30, 0, 7, {100, 50, true}},
      {"drop into the centre", kEffectCentreDrop, 5, 40, 0, 6, {435, 335, true}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TearDown();
    SetUp();
    PlayEffect(c.code, [&] {
      PlaceTestLayer(100, 50);
      EffectParams.EffectFrames = c.frames;
      EffectParams.EffectAmplitude = c.amplitude;
      EffectParams.EffectOffsetX = c.offsetX;
      MotionSlot[0].MotionPause = 0;
    });
    EXPECT_EQ(frames.size(), c.count);
    ASSERT_FALSE(frames.empty());
    EXPECT_EQ(frames.back(), c.end);
  }
}

TEST_F(TimedEffects, CurtainClosesAndOpensOverTheWindow) {
  GameConfig.Settings[2] = 9;
  std::vector<Snap> right;
  MarbrookScreen(99).Frame = [] {
    C40_EffectStep();
    frames.push_back(SnapOf(93));
    return true;
  };
  static std::vector<Snap>* rightHalf = nullptr;
  rightHalf = &right;
  MarbrookScreen(99).Step = [] {
    ++stepCalls;
    if (stepCalls > 1) return;
    RunEffect(kEffectCurtainClose, EffectEnd::kReturn);
    rightHalf->push_back(SnapOf(94));
    RunEffect(kEffectCurtainOpen, EffectEnd::kReturn);
    rightHalf->push_back(SnapOf(94));
  };
  h_->Platform().At(400 + 15 * 13, [&] { right.push_back(SnapOf(94)); });
  h_->RunUntil(3000);
  ASSERT_EQ(frames.size(), 62u);
  EXPECT_EQ(frames[15], (Snap{-115, 0, true}));
  ASSERT_EQ(right.size(), 3u);
  EXPECT_EQ(right[0], (Snap{575, 0, true})) << "frame 15 of the closing";
  EXPECT_EQ(frames[30], (Snap{0, 0, true}));
  EXPECT_EQ(right[1], (Snap{460, 0, true}));
  EXPECT_EQ(frames[61], (Snap{-460, 0, true}));
  EXPECT_EQ(right[2], (Snap{920, 0, true}));
  const tq::LayerSurface& l = tq::testing::WindowLayer(93);
  EXPECT_EQ(l.image.Width(), 460);
  EXPECT_EQ(l.image.Height(), 690);
  EXPECT_EQ(h_->TraceOf("STReadFile"), Strings{"STReadFile 0 Tanselr_Data/TanselrSnd/TanselrTitle/G050_Kan_Buwa1.wav 5"})
      << "the click plays on opening only";
}

TEST_F(TimedEffects, EffectsThatCouldRunForEverEnd) {
  struct Case {
    const char* name;
    int code, repeats, resumes;
    const char* endloop;
    int steps;
  } cases[] = {
      {"an unlisted code ends in its first frame", 777, 0, 0, "endloop 777 1", 1},
      {"and resumes the step when asked", 999, 0, -1, "endloop 999 1", 2},
      {"move with a pause setting and negative repeats", kEffectMovePaused, -3, 0, "endloop 802 4", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TearDown();
    SetUp();
    PlayEffect(c.code, [&] {
      PlaceTestLayer(0, 0);
      DrawState.TargetRect = {30, 0, 0, 0};
      EffectParams.EffectFrames = 3;
      EffectParams.EffectRepeats = c.repeats;
      EffectParams.EffectResumesStep = c.resumes;
    });
    EXPECT_EQ(h_->TraceOf(c.endloop).size(), 1u);
    EXPECT_EQ(stepCalls, c.steps);
  }
}

}  // namespace
