// A conversation scene in which a test runs normal events by calling their frame
// handler directly, one call a frame, so that it can look at the screen between frames.
#pragma once

#include <gtest/gtest.h>

#include <functional>

#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "platform/platform.h"
#include "scenario/normal_events.h"
#include "scenario/script_conversion.h"
#include "support/engine_harness.h"
#include "scenario_faces.h"
#include "scenario_fixture.h"

namespace scenario_test {

using tq::testing::LayerVisible;

class NormalEventTest : public ScenarioFixture {
 protected:
  void SetUp() override {
    WindowSize();
    GameConfig.FrameSpeed = 1;
    LayerImage(GameForm).Reset(920, 690, tq::PixelFromColor(kScene));
    Script({"[通常イベ]", "次"});
  }

  // Runs event `kind` (variant v, sub-variant s) to its end and returns the frames it
  // took (-1 when it had not ended after `limit`); `after` sees each frame's number.
  int RunEvent(int kind, int v, int s, const std::function<void(int)>& after = {}, int limit = 2000) {
    LineCode = LineCodeRecord{};
    LineCode.MainParam = kind;
    LineCode.SubParam = v;
    LineCode.Speaker = s;
    LineCode.ActionCode = 50;
    LineCode.ExecClass = 5;
    AnimationRun.AnimationFrame = 0;
    AnimationRun.AnimationStep = 0;
    AnimationRun.AnimationSubStep = 0;
    FrameClock.AnimationCode = 1500 + kind;
    FrameClock.FrameLoopRunning = -1;
    for (int n = 1; n <= limit; ++n) {
      NormalEventTick();
      if (after) after(n);
      if (FrameClock.FrameLoopRunning == 0) return n;
    }
    return -1;
  }

  static uint32_t Background(int x, int y) { return tq::ColorFromPixel(LayerImage(GameForm).Get(x, y)); }
  static Rect RectOf(int layer) {
    const auto& l = tq::ThePlatform().Screen().Layer(layer);
    return {l.x, l.y, l.image.Width(), l.image.Height()};
  }

  static constexpr uint32_t kScene = RgbColor(40, 120, 200);
};

}  // namespace scenario_test
