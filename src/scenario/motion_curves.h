// The motion curves over the motion slots (engine/motion_slots.h): the one routine
// that moves pictures smoothly, for the face moves, the scripted events, the timed
// effects and the games. Its formulas and rounding are a contract its callers rely on.
//
// One step moves the layer of slot CurrentMotionSlot to where frame
// AnimationRun.AnimationFrame of AnimationRun.AnimationLength lies on the curve;
// the caller advances the frame and decides when the motion is over.
#pragma once

#include "engine/motion_slots.h"

struct Rect;

struct MotionStateRecord {
  int CurrentMotionSlot = 0;  // the slot MotionCurveStep steps
};
extern MotionStateRecord MotionState;

// One frame of a curve for slot CurrentMotionSlot. Leaves the slot's layer in
// DrawState.CurrentLayer and the computed position (and size for 15 and 16) in
// DrawState.CurrentRect.
//   10 linear, 11 ease-out, 12 ease-in: moved and made visible
//   13 ease-out X with arc Y, 14 arc X with ease-out Y, 19 arc X and Y,
//   50 linear X over the slot's pause with arc Y: moved, then AnimationLength :=
//      the slot's MotionPause, so a caller comparing after the step stops there
//   15 linear, 16 ease-out on position and size: moved and resized
//   30 flicker between end (frames 0-3 mod 8) and start (4-7): moved
//   20 the hop of the balloon window and its tail; 31 to 39 the speaker's shake
// Any other type does nothing. A length below 1 counts as 1.
void MotionCurveStep(int curve);

// The curves by name, for the callers that pick one (EffectMotionKind, a slot's curve).
enum MotionKind : int {
  kMotionLinear = 10,
  kMotionEaseOut = 11,
  kMotionEaseIn = 12,
  kMotionEaseOutArc = 13,
  kMotionArcEaseOut = 14,
  kMotionSizedLinear = 15,
  kMotionSizedEaseOut = 16,
  kMotionArc = 19,
  kMotionWindowHop = 20,
  kMotionFlicker = 30,
  kMotionPausedArc = 50,
};
// MotionCurveStep on one slot.
void MotionSlotStep(int slot, int curve);
// Slot `slot` := `layer` from (x0, y0) to (x1, y1); its sizes are left as they are.
void SetMotionSlot(int slot, int layer, int x0, int y0, int x1, int y1);
// The same from `from` to `to`, sizes too, for the curves that resize.
void SetSizedMotionSlot(int slot, int layer, const Rect& from, const Rect& to);

// Kind 10 points the balloon-window words at the Skelvane window and its tail;
// other kinds do nothing.
void MovePicturePair(int kind);

void ResetMotionState();
