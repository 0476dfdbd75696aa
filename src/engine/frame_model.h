// Time: one-shot timer waits and busy-wait frame loops.
//
// A screen step never loops: it sets the scene cursor and calls Wait(type, ms).
// Types -2 to 3 arm the one-shot timer and the step runs again at its tick; any
// other type is an AnimationCode run at once as a frame loop, and Wait returns
// when a frame handler has ended it. The loop pumps window events once per frame,
// so ticks, clicks, keys and the close request can run nested inside a frame.
#pragma once

#include <cstdint>

struct FrameClockRecord {
  int32_t FrameStart = 0;
  int FrameLength = 13;
  int DefaultFrameMs = 13;
  int AnimationCode = 0;
  int FrameLoopRunning = 0;
  int LoopAbortRequested = 0;
  int ArmedType = 0;
  int RearmPending = 0;
  int TimerArmed = 0;
  int WaitActive = 0;
};
extern FrameClockRecord FrameClock;

// The counters and arguments every frame handler shares.
struct AnimationRunRecord {
  int AnimationFrame = 0;
  int AnimationStep = 0;
  int AnimationSubStep = 0;
  int SimultaneousFrame = 0;
  int AnimationLength = 0;
  int AnimationLength2 = 0;
  int AnimationRepeat = 0;
  int AnimationArgA = 0;
  int AnimationArgB = 0;
  int ScenarioWaitMs = 0;
  int AutoVoiceWaited = 0;
  int BalloonSoundStarted = 0;
  int DirectEffectRun = 0;
  int WaitKind = 0;
};
extern AnimationRunRecord AnimationRun;

// WaitKind: what a click or an advance key does while a wait runs.
inline constexpr int kWaitNone = 0;           // nothing: input is dropped
inline constexpr int kWaitAutoRead = 10;      // stops automatic reading at the next line
inline constexpr int kWaitVoice = 11;         // ends the voice wait and the line
inline constexpr int kWaitBalloonMove = 12;   // puts the moving balloon back and ends the line
inline constexpr int kWaitPicAnim = 13;       // ends the flip-book (a right click also opens the menu)
inline constexpr int kWaitCasinoReels = 100;  // the mode's BreakWait
inline constexpr int kWaitTitle = 1000;       // the mode's BreakWait
inline constexpr int kWaitTitleMenu = 1001;   // the mode's BreakWait

// Frame handlers the engine runs itself, whatever the mode. Each returns false when
// it has no frames for the running code; the loop then ends after that frame
// instead of spinning for ever.
struct EngineFrameHookSet {
  bool (*PaintEffectTick)() = nullptr;  // codes 10 to 19 and 60 to 99
  bool (*MenuSequence)() = nullptr;     // codes 100 to 149
};
extern EngineFrameHookSet EngineFrameHooks;

void Wait(int type, int32_t ms);
void SetFrameLength(int type, int32_t ms);
int SkipScale(int value);
int SpeedScale(int value);
void StartBusyLoop(int code, int32_t ms);
void BusyLoop();
void BusyFrame();
void TimerTick();
// Returns whether a handler took the call (a Frame member for phase 2).
bool DispatchPhase(int phase);

// Counts a frame handler's frame in AnimationFrame; true once the count has passed n.
bool CountFramePast(int n);
// A frame handler's next step: AnimationStep on by one, its frame and sub-step back to
// 0, after a pause of pauseMs when that is above 0.
void NextAnimationStep(int pauseMs = 0);

// Paces the current frame: sleeps until FrameStart + FrameLength.
void WaitForFrameEnd();

void ResetFrameModelState();
