// Scripted input for the screen tests that drive a scene click by click: one input
// at a time, the run to where the scene waits again, and a player that answers every
// wait for input until a goal is reached.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>

#include "engine/frame_model.h"
#include "engine/modes.h"
#include "support/engine_harness.h"

namespace tq::testing {

// One scripted input, one millisecond after `after` (which must not be before now).
inline void FeedInputAfter(EngineHarness& h, uint32_t after, tq::ScriptedInput::Kind kind, int x, int y,
                           int key = 0) {
  tq::ScriptedInput in;
  in.at = after + 1;
  in.kind = kind;
  in.x = x;
  in.y = y;
  in.key = key;
  h.Platform().AddInput(in);
}

// One scripted input, one millisecond from now.
inline void FeedInput(EngineHarness& h, tq::ScriptedInput::Kind kind, int x, int y, int key = 0) {
  FeedInputAfter(h, h.Now(), kind, x, y, key);
}

// Runs `ms` on, long enough for everything the last input started, and checks that the
// scene then waits for input: no frame loop running and no tick due.
inline void SettleScene(EngineHarness& h, uint32_t ms) {
  h.RunUntil(h.Now() + ms);
  ASSERT_EQ(FrameClock.FrameLoopRunning, 0) << "code " << FrameClock.AnimationCode << " frame "
                                            << AnimationRun.AnimationFrame << " step " << AnimationRun.AnimationStep;
  ASSERT_EQ(FrameClock.TimerArmed, 0) << "scene " << SceneCursor.SceneState << "/" << SceneCursor.SceneStep;
}

// Plays scene `scene` on until `done` holds while it waits for input, calling `answer`
// at every other wait for input (every 50 ms of the clock); `clock` keeps the last
// time looked at, so inputs fed from `answer` land after it. False when the scene was
// left, or `limit` ran out, first.
inline bool PlayAtInputWaits(EngineHarness& h, uint32_t& clock, int scene, const std::function<bool()>& done,
                             const std::function<void()>& answer, uint32_t limit) {
  bool reached = false;
  // Observers run just before the clock reaches their time: each keeps its own.
  std::function<void(uint32_t)> drive = [&](uint32_t at) {
    clock = at;
    // Only where the game waits for input: stopping with a tick or loop due would cut it.
    if (FrameClock.WaitActive == 0) {
      if (done() || SceneCursor.SceneCode != scene) {
        reached = done();
        h.Platform().SetUntil(at);
        return;
      }
      answer();
    }
    h.Platform().At(at + 50, [&drive, at] { drive(at + 50); });
  };
  const uint32_t first = std::max(h.Now(), clock) + 2;
  h.Platform().At(first, [&drive, first] { drive(first); });
  h.RunUntil(first + limit);
  return reached;
}

}  // namespace tq::testing
