// The motion slots: for each smooth move, the layer it moves and from where to where.
// The scenario engine's motion curves step them (scenario/motion_curves.h); the
// engine's system-menu sequence keeps the closing panel's starting box in slot 0.
#pragma once

#include <array>

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
