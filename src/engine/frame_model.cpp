#include "engine/frame_model.h"

#include <string>

#include "engine/game_window.h"
#include "engine/input_dispatch.h"
#include "engine/modes.h"
#include "engine/numeric.h"
#include "platform/platform.h"

FrameClockRecord FrameClock;
AnimationRunRecord AnimationRun;
EngineFrameHookSet EngineFrameHooks;

namespace {

bool IsTimerType(int type) { return type >= -2 && type <= 3; }

void ClearRunCounters() {
  AnimationRun.AnimationFrame = 0;
  AnimationRun.AnimationSubStep = 0;
  AnimationRun.AnimationStep = 0;
  AnimationRun.SimultaneousFrame = 0;
}

}  // namespace

int SkipScale(int value) {
  if (InConversationScene()) {
    const int speed = CurrentReadSpeed();
    if (speed == 2) value /= 2;
    else if (speed == 3) value /= 10;
  }
  return value < 1 ? 1 : value;
}

int SpeedScale(int value) {
  if (GameConfig.FrameSpeed == 0) value = RoundHalfEven(value * 1.2);
  else if (GameConfig.FrameSpeed == 2) value = RoundHalfEven(value * 0.8);
  return value < 1 ? 1 : value;
}

void Wait(int type, int32_t ms) {
  FrameClock.DefaultFrameMs = 13;
  FrameClock.WaitActive = -1;
  if (!IsTimerType(type)) {
    FrameClock.FrameLoopRunning = -1;
    StartBusyLoop(type, ms);
    return;
  }
  FrameClock.ArmedType = type;
  if (FrameClock.FrameLoopRunning == -1) {
    // Inside a loop: end it after this frame and arm the timer once it is over.
    FrameClock.FrameLoopRunning = 0;
    FrameClock.RearmPending = -1;
    return;
  }
  int base = 13;
  switch (type) {
    case -2:
    case -1: base = static_cast<int>(ms); break;
    case 0: base = 13; break;
    case 1: base = 100; break;
    case 2: base = 500; break;
    case 3: base = AnimationRun.ScenarioWaitMs; break;
  }
  int interval = SpeedScale(SkipScale(base));
  ClearRunCounters();
  tq::ThePlatform().ArmTimer(interval);
  FrameClock.TimerArmed = -1;
}

void SetFrameLength(int type, int32_t ms) {
  int base = 13;
  switch (type) {
    case -2:
    case -1: base = static_cast<int>(ms); break;
    case 0: base = FrameClock.DefaultFrameMs; break;
    case 1: base = 50; break;
    case 2: base = 500; break;
    case 3: base = 30; break;
    case 9: base = 1; break;
    case 14: base = 65; break;
    case 15: base = 78; break;
    case 50: base = 50; break;
    case 1210: base = 100; break;
    case 1215: base = 60; break;
    default: base = 13; break;
  }
  FrameClock.FrameLength = SpeedScale(SkipScale(base));
}

void StartBusyLoop(int code, int32_t ms) {
  FrameClock.AnimationCode = code;
  ClearRunCounters();
  FrameClock.FrameLength = SpeedScale(ms != 0 ? static_cast<int>(ms) : FrameClock.DefaultFrameMs);
  FrameClock.FrameLoopRunning = -1;
  BusyLoop();
}

bool CountFramePast(int n) {
  ++AnimationRun.AnimationFrame;
  return AnimationRun.AnimationFrame > n;
}

void NextAnimationStep(int pauseMs) {
  AnimationRun.AnimationFrame = 0;
  AnimationRun.AnimationSubStep = 0;
  AnimationRun.AnimationStep += 1;
  if (pauseMs > 0) SetFrameLength(-1, pauseMs);
}

void WaitForFrameEnd() {
  tq::Platform& platform = tq::ThePlatform();
  int64_t deadline = static_cast<int64_t>(FrameClock.FrameStart) + FrameClock.FrameLength;
  if (deadline > 0) platform.SleepUntil(static_cast<uint32_t>(deadline));
}

void BusyLoop() {
  tq::Platform& platform = tq::ThePlatform();
  const int code = FrameClock.AnimationCode;
  if (platform.Tracing()) platform.Trace("loop " + std::to_string(code));
  FrameClock.LoopAbortRequested = 0;
  // The first frame is scaled speed-first, skip-second (every later length the other way round).
  FrameClock.FrameLength = SkipScale(FrameClock.FrameLength);
  int frames = 0;
  for (;;) {
    FrameClock.FrameStart = static_cast<int32_t>(platform.Now());
    BusyFrame();
    ++frames;
    platform.PumpEvents();
    if (FrameClock.FrameLoopRunning == 0 || FrameClock.LoopAbortRequested == -1) break;
    WaitForFrameEnd();
  }
  if (platform.Tracing()) platform.Trace("endloop " + std::to_string(code) + " " + std::to_string(frames));
  FrameClock.WaitActive = FrameClock.TimerArmed == -1 ? -1 : 0;
  if (FrameClock.RearmPending == -1) {
    FrameClock.RearmPending = 0;
    Wait(FrameClock.ArmedType, 0);
  }
}

void BusyFrame() {
  const int code = FrameClock.AnimationCode;
  bool handled = false;
  if ((code >= 10 && code <= 19) || (code >= 60 && code <= 99)) {
    handled = EngineFrameHooks.PaintEffectTick != nullptr && EngineFrameHooks.PaintEffectTick();
  } else if (code >= 100 && code <= 149) {
    handled = EngineFrameHooks.MenuSequence != nullptr && EngineFrameHooks.MenuSequence();
  } else {
    handled = DispatchPhase(2);
  }
  // A code nobody runs would keep its loop alive for ever: end it after this frame.
  if (!handled) FrameClock.FrameLoopRunning = 0;
}

void TimerTick() {
  tq::ThePlatform().DisarmTimer();
  FrameClock.TimerArmed = 0;
  FrameClock.WaitActive = 0;
  DispatchPhase(0);
}

bool DispatchPhase(int phase) {
  const ModeHookSet& hooks = CurrentModeHooks();
  if (CurrentModeId() == ModeId::Skelvane && (phase < 0 || phase > 2)) return false;
  if (hooks.OnEvent == nullptr) return false;
  return hooks.OnEvent(phase);
}

void ResetFrameModelState() {
  FrameClock = FrameClockRecord{};
  AnimationRun = AnimationRunRecord{};
}
