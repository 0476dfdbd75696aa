// The ten face slots of a conversation scene, indexed 0 to 9.
#pragma once

#include <array>

inline constexpr int kFaceSlotCount = 10;

struct FaceSlotRecord {
  // The slot's simultaneous group, -1 none.
  std::array<int, kFaceSlotCount> SlotGroup = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
};
extern FaceSlotRecord FaceSlot;

void ResetFaceSlotState();
