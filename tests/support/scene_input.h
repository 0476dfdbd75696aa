// Scripted input for the screen tests that drive a scene click by click: one input
// at a time, the run to where the scene waits again, a player that answers every
// wait for input until a goal is reached, and the screen fixture built on them.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

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

// What giving an input does in a ScreenTest, besides queuing it one millisecond on.
enum class AfterInput {
  kQueue,           // nothing: the next PlayUntil delivers it
  kRun,             // the run goes on for the settle time
  kRunToLoopEnd,    // ... and then no frame loop runs
  kRunToInputWait,  // ... and then no frame loop runs and no tick is due (SettleScene)
};

// The fixture of a screen's tests: one run of the engine, the screen entered as its
// callers enter it (the harness's EnterScreen...), and input one millisecond on, each
// followed by what SetAfterInput chose (by default the run to where the screen waits
// for input again, at most 3 seconds on).
class ScreenTest : public ::testing::Test {
 protected:
  // A new run in `mode` over the program folder `root` (a new empty one for ""),
  // start-up done; `beforeStartUp` may stand in for hooks or write files first. The
  // old run ends first: its platform goes before the new one is installed.
  EngineHarness& Boot(const std::string& mode, const std::string& root = "",
                      const std::function<void(EngineHarness&)>& beforeStartUp = {}) {
    h_.reset();
    h_ = std::make_unique<EngineHarness>(mode, root);
    if (beforeStartUp) beforeStartUp(*h_);
    h_->Start();
    clock_ = 0;
    return *h_;
  }
  // The run ends before the fixture's own members (a program folder) go.
  void TearDown() override { h_.reset(); }
  void SetAfterInput(AfterInput what, uint32_t settleMs = 0) {
    afterInput_ = what;
    settleMs_ = settleMs;
  }
  // The run on for the settle time, and the check SetAfterInput chose.
  void Settle() {
    if (afterInput_ == AfterInput::kRunToInputWait) {
      SettleScene(*h_, settleMs_);
      return;
    }
    h_->RunUntil(h_->Now() + settleMs_);
    if (afterInput_ == AfterInput::kRunToLoopEnd) {
      ASSERT_EQ(FrameClock.FrameLoopRunning, 0);
    }
  }
  void Input(ScriptedInput::Kind kind, int x, int y, int key = 0) {
    FeedInputAfter(*h_, std::max(h_->Now(), clock_), kind, x, y, key);
    if (!playing_ && afterInput_ != AfterInput::kQueue) Settle();
  }
  // Input at a virtual time, for the tests that lay out a timeline.
  void ClickAt(uint32_t at, int x, int y, int button = kButtonLeft) { h_->ClickAt(at, x, y, button); }
  void MoveAt(uint32_t at, int x, int y) { h_->MoveAt(at, x, y); }
  void KeyAt(uint32_t at, int code) { h_->KeyAt(at, code); }
  void Click(int x = 5, int y = 5) { Input(ScriptedInput::Click, x, y); }
  void Move(int x, int y) { Input(ScriptedInput::Move, x, y); }
  void Key(int code) { Input(ScriptedInput::Key, 0, 0, code); }
  // A click on the middle of a layer, which must be showing.
  void ClickLayer(int layer) {
    ASSERT_TRUE(LayerVisible(layer)) << "layer " << layer;
    const Point middle = LayerMiddle(layer);
    Click(middle.x, middle.y);
  }
  // Plays screen `scene` on until `done` holds while it waits for input, calling
  // `answer` at every other wait for input (see PlayAtInputWaits); input given
  // meanwhile is queued only.
  bool PlayUntil(int scene, const std::function<bool()>& done, const std::function<void()>& answer,
                 uint32_t limit = 900000) {
    playing_ = true;
    const bool reached = PlayAtInputWaits(*h_, clock_, scene, done, answer, limit);
    playing_ = false;
    return reached;
  }

  std::unique_ptr<EngineHarness> h_;

 private:
  AfterInput afterInput_ = AfterInput::kRunToInputWait;
  uint32_t settleMs_ = 3000;
  uint32_t clock_ = 0;  // the last time PlayUntil looked at
  bool playing_ = false;
};

}  // namespace tq::testing
