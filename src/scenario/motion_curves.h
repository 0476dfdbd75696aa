// Motion slots and the motion curves: the one routine that moves pictures
// smoothly, for the face moves, the scripted events, the timed effects and the
// games. Its formulas and rounding are a contract its callers rely on.
//
// One step moves the layer of slot CurrentMotionSlot to where frame
// AnimationRun.AnimationFrame of AnimationRun.AnimationLength lies on the curve;
// the caller advances the frame and decides when the motion is over.
#pragma once

#include <array>

struct Rect;

inline constexpr int kMotionSlotCount = 50;

// One slot: the layer it moves, from where to where (and, for the sized curves,
// from which size to which). MotionStartFrame and MotionPause belong to the
// simultaneous groups (slots 0 to 19); the pause curves read the slot's own pause
// whatever its index.
struct MotionSlotRecord {
  int MotionLayer = 0;
  int MotionStartX = 0;
  int MotionStartY = 0;
  int MotionEndX = 0;
  int MotionEndY = 0;
  int MotionStartWidth = 0;
  int MotionStartHeight = 0;
  int MotionEndWidth = 0;
  int MotionEndHeight = 0;
  int MotionStartFrame = 0;  // the simultaneous-run frame at which a face move starts
  int MotionPause = 0;       // a face move's "停止": the frames a pause curve runs
};
extern std::array<MotionSlotRecord, kMotionSlotCount> MotionSlot;

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
