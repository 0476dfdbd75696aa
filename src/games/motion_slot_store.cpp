#include "games/motion_slot_store.h"

#include "engine/layers.h"
#include "scenario/motion_curves.h"

void D50_StoreSprite(int slot) {
  if (slot < 0 || slot >= kMotionSlotCount) return;
  MotionSlotRecord& s = MotionSlot[static_cast<size_t>(slot)];
  s.MotionLayer = DrawState.CurrentLayer;
  s.MotionStartX = DrawState.CurrentRect.X;
  s.MotionStartY = DrawState.CurrentRect.Y;
  s.MotionEndX = DrawState.TargetRect.X;
  s.MotionEndY = DrawState.TargetRect.Y;
}
